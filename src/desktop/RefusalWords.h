#pragma once
// The warning for an input a run refused, in the interface language.

#include "common/InputRefusal.h"

#include <QCoreApplication>
#include <QString>

class RefusalWords
{
    Q_DECLARE_TR_FUNCTIONS(RefusalWords)

public:
    // Such as "フォルダ [ PATH ]\n\nファイルパスが不明です。"; empty for no refusal.
    static QString text(const quorvex::InputRefusal& refusal);
};
