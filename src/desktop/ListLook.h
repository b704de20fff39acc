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

// The look the services hand to the lists before the page that sets it exists: it
// asks that page (the Option page gives itself as the source when it is built).
// Without a source, the lists draw with invalid colours and sizes in bytes.
class ListLookRelay final : public ListLook
{
public:
    void setSource(const ListLook& source) { source_ = &source; }

    QColor duplicateColor() const override
    {
        return source_ ? source_->duplicateColor() : QColor();
    }
    QColor matchColor() const override { return source_ ? source_->matchColor() : QColor(); }
    QColor missingColor() const override { return source_ ? source_->missingColor() : QColor(); }
    bool sizeInBytes() const override { return !source_ || source_->sizeInBytes(); }

private:
    const ListLook* source_ = nullptr;
};
