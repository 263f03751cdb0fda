#pragma once

#include <QObject>
#include <initializer_list>

class QSocketNotifier;

// Signals from outside the program (a logout, kill, Ctrl+C, a second start
// asking for the window) arrive at any moment, even in the middle of a
// handler. Their handler only writes the signal's number into a pipe; the
// event loop reads it and emits `received` on the UI thread, between handlers.
class DesktopSignals : public QObject {
    Q_OBJECT
public:
    explicit DesktopSignals(QObject* parent = nullptr);
    ~DesktopSignals() override;

    // From now on these signals are delivered through `received` instead of
    // taking their default action.
    void watch(std::initializer_list<int> signalNumbers);

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};
