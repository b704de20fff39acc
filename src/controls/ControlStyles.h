#pragma once
// The custom-control instances of the main window with their colours, fonts and
// groups, so that every page creates them the same way. Each function creates the
// control as a child of parent, with its objectName set; the caller places it and
// connects its signals (clicked() of a switch button to its handler slot).

#include <QString>
#include <QStringList>

class QWidget;
class TSwitchButton;

// Names of every switch button of the main window, in the order of the style table:
// SwitchButton2, SwitchButton3, SwitchButton1, CancelBtn, SwitchButton8, SwitchButton6,
// SwitchButton5, ModosuSwBtn, DelSwBtn, AllSelectBtn, GomiOpenSwBtn.
QStringList switchButtonNames();

// The switch button of that name, or nullptr for a name not in the table.
TSwitchButton* createSwitchButton(const QString& name, QWidget* parent);
