#pragma once
// What a close of the main window writes, in this order: the settings, the trash
// list, the histories. A file that could not be written keeps its old contents; one
// message after the last store names each such file with its reason.

#include <QCoreApplication>

#include <functional>

class Dialogs;
class PageRegistrations;
class QWidget;
class SaveFailures;

class CloseSequence
{
    Q_DECLARE_TR_FUNCTIONS(CloseSequence)

public:
    // `writeSettings` adds to `failures` when the settings could not be written.
    CloseSequence(Dialogs& dialogs, QWidget& window, PageRegistrations& registrations,
                  SaveFailures& failures, std::function<void()> writeSettings);

    void run();

private:
    Dialogs& dialogs_;
    QWidget& window_;
    PageRegistrations& registrations_;
    SaveFailures& failures_;
    std::function<void()> writeSettings_;
};
