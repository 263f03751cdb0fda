// Starts the pet and the bare window in turn, many times, and reports the
// median time from launch to the first exposed window and the peak resident
// memory of each, side by side.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

struct Run {
    double startMs = -1;
    long peakKb = 0;
};

Run launch(const std::string& program, const std::string& probe, int lingerMs) {
    const std::string report = "/tmp/pet-bench-report-" + std::to_string(getpid());
    std::remove(report.c_str());
    const long long t0 = nowNs();
    const pid_t child = fork();
    if (child == 0) {
        setenv("LD_PRELOAD", probe.c_str(), 1);
        setenv("PET_BENCH_T0_NS", std::to_string(t0).c_str(), 1);
        setenv("PET_BENCH_REPORT", report.c_str(), 1);
        setenv("PET_BENCH_LINGER_MS", std::to_string(lingerMs).c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.peakKb = usage.ru_maxrss;
    std::ifstream in(report);
    long long ns = 0;
    if (in >> ns)
        run.startMs = double(ns) / 1e6;
    std::remove(report.c_str());
    return run;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? T() : v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: pet_bench_launcher PET BARE BARE_WITH_TEXT PROBE [STARTS]\n");
        return 2;
    }
    const std::string pet = argv[1], bare = argv[2], text = argv[3], probe = argv[4];
    const int starts = argc > 5 ? std::atoi(argv[5]) : 20;

    // One start of each to warm the caches, not counted.
    launch(pet, probe, 0);
    launch(bare, probe, 0);
    launch(text, probe, 0);
    std::vector<double> petStart, bareStart, textStart;
    for (int i = 0; i < starts; ++i) {
        const Run p = launch(pet, probe, 0);
        const Run b = launch(bare, probe, 0);
        const Run t = launch(text, probe, 0);
        if (p.startMs < 0 || b.startMs < 0 || t.startMs < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 1;
        }
        petStart.push_back(p.startMs);
        bareStart.push_back(b.startMs);
        textStart.push_back(t.startMs);
    }
    // Peak memory over a few seconds of running: several need-clock ticks.
    std::vector<long> petPeak, barePeak, textPeak;
    for (int i = 0; i < 3; ++i) {
        petPeak.push_back(launch(pet, probe, 3000).peakKb);
        barePeak.push_back(launch(bare, probe, 3000).peakKb);
        textPeak.push_back(launch(text, probe, 3000).peakKb);
    }
    const double ps = median(petStart), bs = median(bareStart), ts = median(textStart);
    const long pm = median(petPeak), bm = median(barePeak), tm = median(textPeak);
    std::printf("%-38s %9s %9s %7s %8s %12s %7s\n", "", "pet", "bare", "ratio", "target",
                "bare + text", "ratio");
    std::printf("%-38s %9.1f %9.1f %7.2f %8s %12.1f %7.2f\n",
                "start to window exposed, ms (median)", ps, bs, ps / bs, "<=1.25", ts, ps / ts);
    std::printf("%-38s %9ld %9ld %7.2f %8s %12ld %7.2f\n", "peak resident memory, KiB (median)", pm,
                bm, double(pm) / double(bm), "<=1.30", tm, double(pm) / double(tm));
    std::printf("(%d starts each, interleaved; memory over 3 s of running, 3 runs each)\n", starts);
    return 0;
}
