#pragma once
// Page 4 "Option": which extra attributes the searches include, the size display of
// the duplicate list, the three list colours, the interface language and the scan
// cache. The result lists read their look from it whenever they draw; it binds the
// settings its controls show ("kbsize", "sys", "hid", "color", "color1", "color2").

#include "desktop/ListLook.h"

#include <QObject>

class QCheckBox;
class QLabel;
class QToolButton;
class QWidget;
class ColorPanel;
class Dialogs;
class PageRegistrar;
class StatusBar;
struct PageServices;

namespace quorvex {
struct FilterSettings;
}

class OptionsPage : public QObject, public ListLook
{
    Q_OBJECT

public:
    // The check boxes keep the services' filters current and name the included
    // attributes in status panel 1; the screen's colour depth chooses the colours
    // that "初期化" restores.
    OptionsPage(QWidget& tabSheet, const PageServices& services);

    QColor duplicateColor() const override;
    QColor matchColor() const override;
    QColor missingColor() const override;
    bool sizeInBytes() const override;

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
    void bindSettings(PageRegistrar& registrations);
    void SystemOkChkBoxClick();
    void SpeedButton6Click(int tag);
    void Panel1MouseDown(ColorPanel& panel, Qt::MouseButton button);
    ColorPanel* panelOfTag(int tag) const;

    Dialogs& dialogs_;
    quorvex::FilterSettings& filters_;
    StatusBar& status_;
    int colorDepth_;
};
