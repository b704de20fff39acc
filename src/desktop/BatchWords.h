#pragma once
// The questions and notices of the delete, restore and purge batches, in the
// interface language.

#include "common/BatchQuestion.h"

#include <QCoreApplication>
#include <QString>

class BatchWords
{
    Q_DECLARE_TR_FUNCTIONS(BatchWords)

public:
    // The caption of the question's box, such as "削除確認".
    static QString title(const quorvex::BatchItem& item);
    // Such as "[ PATH ]\n\nこのファイルを削除しても宜しいですか？".
    static QString question(const quorvex::BatchItem& item);
    static QString note(const quorvex::BatchNote& note);
};
