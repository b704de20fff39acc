#pragma once
// One line of text on a panel, drawn left-aligned and vertically centred in the
// palette's text colour: the item counts of the result pages and the status bar's
// panels. Screen readers read the text: a panel named by itself ("個数") keeps its
// name and offers the text as its content, any other panel is named by its text.
// Every change of the text is announced to them.

#include <QString>
#include <QWidget>

class TextPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TextPanel(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    // Where the text is drawn, in the panel's coordinates; the text starts at its
    // left edge.
    virtual QRect textArea() const { return rect(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
