#pragma once

#include "platform_services.h"

#include <QPixmap>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
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

    // The window-unload work: it runs at most once in a run, and never after
    // the program has ended another way.
    void unload(const std::function<void()>& handler);
    // The desktop asks the program to end (a logout, kill, Ctrl+C). The window
    // is closed through `close`, as its close button closes it, so that it
    // saves; a handler waiting in a message box first has the box closed as
    // its OK would and runs to its end. An end already under way goes on alone.
    void requestEnd(const std::function<void()>& close);
    // A display that goes away leaves no time to read the window: Qt ends the
    // process as soon as it has reported the loss, from whichever thread
    // noticed it. For that end the window keeps its unload work ready:
    // `takeUnload` reads the window and returns work that saves what it read
    // without touching the window again. It is called now and whenever a
    // handler has run or waits in a message box, the moments the window can
    // have changed what it would save.
    void keepUnloadReady(std::function<std::function<void()>()> takeUnload);
    // Runs the kept work, on any thread, if the window-unload work is still
    // due; its failure is written to standard error. A caller that comes while
    // the pet is being saved waits until that save has finished, so that it
    // cannot end the process in the middle of a write.
    void unloadFromAnyThread();

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
    // The error report, then the end: from the moment the report shows, no
    // way the program may end saves the pet.
    [[noreturn]] void endProgramAfterReport(const RuntimeError& error);
    bool programEnded() const { return programEnded_; }

    QDate today() const { return services_.today(); }
    QString programFolder() const { return services_.programFolder(); }
    QString fileLocation(const QString& path) const { return services_.fileLocation(path); }

private:
    struct HeldTick {
        const FormTimer* timer;
        std::function<void()> handler;
    };

    void deliverHeldTicks();
    void refreshKeptUnload();
    // While the program is being ended from outside, no box is answered: its
    // text goes to standard error instead, so that nothing waits on it.
    bool boxesGoUnanswered() const { return endRequested_; }

    PlatformServices& services_;
    int handlerDepth_ = 0;
    std::atomic<bool> programEnded_ = false;
    std::vector<HeldTick> heldTicks_;
    // Held while the pet is written and while the kept work changes, so that
    // one save runs at a time and the first decides. Recursive: a break noticed
    // on this thread during the window's own save finds the save under way.
    std::recursive_mutex unloadMutex_;
    std::function<std::function<void()>()> takeUnload_;
    std::function<void()> keptUnload_;
    std::atomic<bool> unloaded_ = false;
    bool endsUnsaved_ = false;
    bool endRequested_ = false;
    // The close an end request left for when the running handler has returned.
    std::function<void()> closeWhenIdle_;
};
