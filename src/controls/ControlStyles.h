#pragma once
// The custom-control instances of the main window with their colours, fonts and
// groups, so that every page creates them the same way. Each function creates the
// control as a child of parent, with its objectName set; the caller places it and
// connects its signals (clicked() of a switch button to its handler slot).

#include <QString>
#include <QStringList>

class QWidget;
class TColorProgressBar;
class TNewTrackBar;
class TSwitchButton;

// Names of every switch button of the main window, in the order of the style table:
// SwitchButton2, SwitchButton3, SwitchButton1, CancelBtn, SwitchButton8, SwitchButton6,
// SwitchButton5, ModosuSwBtn, DelSwBtn, AllSelectBtn, GomiOpenSwBtn.
QStringList switchButtonNames();

// The switch button of that name, or nullptr for a name not in the table.
TSwitchButton* createSwitchButton(const QString& name, QWidget* parent);

// The progress bar of the shared progress panel: 145 × 20, glass style, percentage text.
TColorProgressBar* createColorProgressBar1(QWidget* parent);

// The duplicate threshold: 10 .. 100 in tens, plain line channel.
TNewTrackBar* createNewTrackBar1(QWidget* parent);
