#pragma once

#include "platform_services.h"

#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

class FormTimer;
class RuntimeError;

// The runtime layer between the window's logic and Qt: it loads pictures,
// shows message boxes and the error report, ends the program, and runs every
// event handler to its end, one at a time.
class FormRuntime {
public:
    explicit FormRuntime(PlatformServices& services) : services_(services) {}

    // Runs a handler as an event. A run-time error the handler does not trap
    // is reported here and ends only that handler; the window runs on.
    void handleEvent(const std::function<void()>& handler);
    // A timer's tick that comes while a handler waits in a message box is
    // held back and delivered once that handler has returned.
    void handleTick(const FormTimer& timer, const std::function<void()>& handler);

    // The picture in the GIF file at path; a missing or unreadable file is a
    // run-time error. Where the screen is scaled (devicePixelRatio above 1),
    // the file's twin drawn at twice the size ("p0@2x.gif" beside "p0.gif")
    // is shown in its place, at the same size on screen, if the twin reads.
    QPixmap loadPicture(const QString& path, qreal devicePixelRatio) const;

    int messageBox(const QString& text, int style, const QString& title);
    // "Ошибка в программе! " and the error's description, OK only, titled "Ошибка".
    void showErrorReport(const RuntimeError& error);
    void beep() { services_.beep(); }
    // Ends the program at once: the running handler stops here, no further
    // event is handled and nothing is saved.
    [[noreturn]] void endProgram();
    bool programEnded() const { return programEnded_; }

    QDate today() const { return services_.today(); }
    QString programFolder() const { return services_.programFolder(); }

private:
    struct HeldTick {
        const FormTimer* timer;
        std::function<void()> handler;
    };

    void deliverHeldTicks();

    PlatformServices& services_;
    int handlerDepth_ = 0;
    bool programEnded_ = false;
    std::vector<HeldTick> heldTicks_;
};
