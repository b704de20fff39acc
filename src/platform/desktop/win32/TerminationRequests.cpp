#include "platform/desktop/TerminationRequests.h"

#include "platform/desktop/win32/ConsoleControl.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMetaObject>

namespace {

// How long a console control handler waits for the program to close: the system
// ends the process about 5 seconds after a console closes.
constexpr DWORD kConsolePatience = 4500;

// Sees WM_ENDSESSION before Qt answers it; the process ends right after that answer.
class SessionEndFilter : public QAbstractNativeEventFilter
{
public:
    explicit SessionEndFilter(TerminationRequests& requests) : requests_(requests) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG" || noted_)
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_ENDSESSION && msg->wParam != FALSE) {
            noted_ = true; // every top-level window gets the message
            emit requests_.requested(WM_ENDSESSION);
        }
        return false;
    }

private:
    TerminationRequests& requests_;
    bool noted_ = false;
};

} // namespace

struct TerminationRequests::Source
{
    explicit Source(TerminationRequests& requests)
        : sessionEnd(requests), console(
                                    [&requests, this](DWORD event) {
                                        QMetaObject::invokeMethod(
                                            &requests,
                                            [&requests, this, event] {
                                                emit requests.requested(static_cast<int>(event));
                                                console.acknowledge();
                                            },
                                            Qt::QueuedConnection);
                                    },
                                    kConsolePatience)
    {
    }

    SessionEndFilter sessionEnd;
    quorvex::platform::win32::ConsoleControlRelay console;
};

TerminationRequests::TerminationRequests(QObject* parent)
    : QObject(parent), source_(std::make_unique<Source>(*this))
{
    QCoreApplication::instance()->installNativeEventFilter(&source_->sessionEnd);
}

TerminationRequests::~TerminationRequests()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(&source_->sessionEnd);
}
