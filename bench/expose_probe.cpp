// Preloaded into a program under measurement. When the program's first window
// is exposed it writes the time since its launch (the launcher passes its own
// clock reading in PET_BENCH_T0_NS) to PET_BENCH_REPORT and, after
// PET_BENCH_LINGER_MS, ends the process without running any of its exit code,
// so that the pet saves nothing.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

class ExposeProbe : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(target);
            if (window && window->isTopLevel()) {
                reported_ = true;
                report(nowNs() - std::atoll(qgetenv("PET_BENCH_T0_NS").constData()));
                const int linger = qEnvironmentVariableIntValue("PET_BENCH_LINGER_MS");
                if (linger <= 0)
                    _exit(0);
                startTimer(linger);
            }
        }
        return false;
    }

protected:
    void timerEvent(QTimerEvent*) override { _exit(0); }

private:
    static void report(long long ns) {
        if (FILE* f = std::fopen(qgetenv("PET_BENCH_REPORT").constData(), "w")) {
            std::fprintf(f, "%lld\n", ns);
            std::fclose(f);
        }
    }
    bool reported_ = false;
};

void installProbe() {
    // Exposure comes after the window has been drawn once; the filter on the
    // application sees the Expose event before the window handles it.
    QCoreApplication::instance()->installEventFilter(new ExposeProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
