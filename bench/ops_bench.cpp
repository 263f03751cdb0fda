// The cost of the window's busiest handlers on the real window: a need-clock
// tick (bounds and one idle GIF loaded from its file), a care click (the
// action button loading its choice pictures, then the accepted choice) and a
// frame tick (one animation GIF), each with the repaint it causes.
#include "support/pet_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Samples {
    const char* name;
    std::vector<double> us;
};

template <typename F> void measure(Samples& s, F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    // The repaint the handler asked for belongs to its cost.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    s.us.push_back(double(t.nsecsElapsed()) / 1000.0);
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(p * double(v.size() - 1))];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 500;
    PetWindow pet(petLine("Уголёк", "3", "07.12.2026"));
    frmForm& form = pet.open();

    Samples clockTick{"need-clock tick", {}};
    Samples button{"care button click (Eat)", {}};
    Samples choice{"care choice click (accepted)", {}};
    Samples frame{"frame tick", {}};
    Samples stop{"tick that ends a run", {}};
    int refused = 0;
    for (int i = 0; i < rounds; ++i) {
        for (int t = 0; t < 3; ++t)
            measure(clockTick, [&] { form.tmrM->tickNow(); });
        // Hungry enough that every food is accepted.
        form.lblSH->setText(QStringLiteral("10"));
        measure(button, [&] { pet.clickOn(form.imgEat); });
        measure(choice, [&] { pet.clickOn(form.choiceImages()[size_t(i % 4)]); });
        if (!form.tmrMove->isTicking()) {
            ++refused;
            continue;
        }
        for (int t = 0; t < 4; ++t)
            measure(frame, [&] { form.tmrMove->tickNow(); });
        measure(stop, [&] { form.tmrMove->tickNow(); });
    }
    std::printf("%-30s %10s %10s %8s\n", "operation", "median us", "p90 us", "samples");
    for (const Samples* s : {&clockTick, &button, &choice, &frame, &stop})
        std::printf("%-30s %10.1f %10.1f %8zu\n", s->name, percentile(s->us, 0.5),
                    percentile(s->us, 0.9), s->us.size());
    std::printf("(platform %s; target: a tick under 1000 us)\n",
                qPrintable(QGuiApplication::platformName()));
    if (refused)
        std::printf("warning: %d choices were refused\n", refused);
    return 0;
}
