#include "platform/desktop/TerminationRequests.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe between the handler (write end) and the event loop (read end).
int pipeEnds[2] = {-1, -1};

extern "C" void NoteSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    // A full pipe already holds a request; losing this byte loses nothing.
    (void)!::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

struct TerminationRequests::Source
{
    QSocketNotifier* notifier = nullptr; // owned by the TerminationRequests object
};

TerminationRequests::TerminationRequests(QObject* parent)
    : QObject(parent), source_(std::make_unique<Source>())
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    source_->notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(source_->notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        ssize_t got;
        int last = 0;
        while ((got = ::read(pipeEnds[0], bytes, sizeof bytes)) > 0)
            last = bytes[got - 1];
        if (last != 0)
            emit requested(last);
    });
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

TerminationRequests::~TerminationRequests()
{
    if (source_->notifier == nullptr)
        return;
    for (const int signalNumber : kSignals)
        ::signal(signalNumber, SIG_DFL);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}
