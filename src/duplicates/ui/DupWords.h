#pragma once
// What the duplicate searches report, in the interface language.

#include <QCoreApplication>
#include <QString>

class DupWords
{
    Q_DECLARE_TR_FUNCTIONS(DupWords)

public:
    // The notice of a search that listed no file.
    static QString nothingFound(bool identicalSearch);
    // The content cell of a group's reference row.
    static QString reference();
};
