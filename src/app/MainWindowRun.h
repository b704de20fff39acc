#pragma once
// The program's main window from its construction to its close.

#include <QWidget>

#include <functional>
#include <memory>

class Dialogs;

// Builds the main window with `build`, shows it and runs the event loop until it has
// closed. An exception while the window is built is shown, as one that reaches the
// event loop is, and the program then ends. Returns the exit status, 0 either way.
int RunMainWindow(Dialogs& dialogs, const std::function<std::unique_ptr<QWidget>()>& build);
