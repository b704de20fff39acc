#pragma once
// SIGTERM, SIGHUP and SIGINT (a desktop session ending, a terminal closing, Ctrl+C)
// as a request to close the program the way closing its window does. The signal
// handler only writes one byte to a pipe, which is safe in a handler; a socket
// notifier on the event loop turns that byte into `requested()`.
//
// One object at a time; it installs the handlers and its destructor restores the
// defaults.

#include <QObject>

class QSocketNotifier;

class TerminationRequests : public QObject
{
    Q_OBJECT

public:
    explicit TerminationRequests(QObject* parent = nullptr);
    ~TerminationRequests() override;

signals:
    void requested(int signalNumber);

private:
    void readPending();

    QSocketNotifier* notifier_ = nullptr;
};
