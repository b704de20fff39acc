#pragma once
// How the result lists draw their rows, as the Option page sets it. The lists ask
// whenever they draw, so a change shows at the next paint.

#include <QColor>

class ListLook
{
public:
    virtual ~ListLook() = default;

    virtual QColor duplicateColor() const = 0; // Panel1: marked rows of the duplicate list
    virtual QColor matchColor() const = 0;     // Panel6: comparison rows that are alike
    virtual QColor missingColor() const = 0;   // Panel7: comparison rows with a side missing
    // CheckBox5 "サイズは、バイト単位で表示する": sizes in bytes in the duplicate list.
    virtual bool sizeInBytes() const = 0;
};
