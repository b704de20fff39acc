#pragma once
// Requests from outside to close the program, turned into `requested()` on the event
// loop so that the program closes the way closing its window does (settings, trash
// list and histories written):
// - POSIX: SIGTERM, SIGHUP and SIGINT (a desktop session ending, a terminal closing,
//   Ctrl+C). The signal handler only writes one byte to a pipe, which is safe in a
//   handler; a socket notifier on the event loop turns that byte into `requested()`.
// - Windows: the session ending (WM_ENDSESSION, after which the system ends the
//   process as soon as the message is answered, so `requested()` is emitted before it
//   is) and console control events (Ctrl+C, Ctrl+Break, the console closing), whose
//   handler thread waits until the event loop has emitted `requested()`.
// A receiver must do its work before it returns (a direct connection).
//
// One object at a time; its destructor restores the system's defaults.

#include <QObject>

#include <memory>

class TerminationRequests : public QObject
{
    Q_OBJECT

public:
    explicit TerminationRequests(QObject* parent = nullptr);
    ~TerminationRequests() override;

signals:
    // `reason`: the signal number (POSIX), or the console control event or
    // WM_ENDSESSION (Windows).
    void requested(int reason);

private:
    struct Source; // the system's mechanism
    std::unique_ptr<Source> source_;
};
