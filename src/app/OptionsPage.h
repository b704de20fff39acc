#pragma once
// Page 4 "Option": which extra attributes the searches include, the size display of
// the duplicate list, the three list colours and the interface language.

#include <QObject>

class QCheckBox;
class QLabel;
class QToolButton;
class QWidget;
class ColorPanel;
class MainContext;

class OptionsPage : public QObject
{
    Q_OBJECT

public:
    // `colorDepth` chooses the colours that "初期化" restores.
    OptionsPage(QWidget& tabSheet, MainContext& context, int colorDepth);

    QCheckBox* CheckBox5;
    QLabel* Label1;
    QCheckBox* SystemOkChkBox;
    QCheckBox* HidenOkChkBox;
    QLabel* Label4;
    ColorPanel* Panel6;
    QToolButton* SpeedButton7;
    ColorPanel* Panel7;
    QToolButton* SpeedButton8;
    QToolButton* SpeedButton17;
    QLabel* Label3;
    ColorPanel* Panel1;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton18;

    // The start-up colours of this screen depth.
    void SpeedButton17Click();
    void SpeedButton18Click();

private:
    void SystemOkChkBoxClick();
    void SpeedButton6Click(int tag);
    void Panel1MouseDown(ColorPanel& panel, Qt::MouseButton button);
    ColorPanel* panelOfTag(int tag) const;

    MainContext& context_;
    int colorDepth_;
};
