#pragma once
// "リストを保存…" of the result lists: a save dialog, then the list's table written
// whole as UTF-8 TSV, or as CSV when the file name ends in ".csv". The file is
// written atomically, so a failure leaves the old file (or none) and never a part
// of the list; the failure is reported with the file's path.

#include "common/ResultWriter.h"

#include <QString>

#include <functional>

class Dialogs;
class QWidget;

// Asks for the file (offering `suggestedName`) and writes the table that `table`
// makes then. True when the list was saved; false when cancelled or failed.
bool SaveResultList(Dialogs& dialogs, QWidget* owner, const QString& suggestedName,
                    const std::function<quorvex::ResultWriter()>& table);
