#include "desktop_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// One pipe per process: a signal handler cannot know which object to tell.
int pipeEnds[2] = {-1, -1};

// Only async-signal-safe calls here: one write, errno kept for the
// interrupted code.
void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

} // namespace

DesktopSignals::DesktopSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &DesktopSignals::readPipe);
}

DesktopSignals::~DesktopSignals() = default;

void DesktopSignals::watch(std::initializer_list<int> signalNumbers) {
    if (!notifier_)
        return;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : signalNumbers) {
        // A signal the starter chose to ignore (nohup) stays ignored.
        struct sigaction current {};
        if (::sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            continue;
        ::sigaction(number, &action, nullptr);
    }
}

void DesktopSignals::readPipe() {
    unsigned char number = 0;
    while (::read(pipeEnds[0], &number, 1) == 1)
        emit received(number);
}
