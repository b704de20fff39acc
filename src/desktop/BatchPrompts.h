#pragma once
// How the delete, restore and purge batches of the pages ask and tell: each row's
// question goes to the shared Yes/All/No/Cancel box under the "全て" rule, each
// notice to a plain message box of the main window.

#include "common/BatchQuestion.h"

#include <QString>

#include <string>

class BatchConfirmation;
struct PageServices;

quorvex::BatchQuestion AskEachRow(BatchConfirmation& confirmation);
quorvex::BatchNotice ShowNotice(const PageServices& services);
