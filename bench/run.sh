#!/usr/bin/env bash
# Measures the pet beside a bare Qt window under a virtual X server and prints
# the tables: start-up and peak memory as ratios, and the cost of the busiest
# handlers. Usage: bench/run.sh [starts]   (build folder: $PET_BENCH_BUILD)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PET_BENCH_BUILD:-build-bench}
starts=${1:-20}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DPET_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target bench --parallel 2 >/dev/null

# The pet in a program folder of its own, with a fresh pet, so that no death
# message can stop a start and the pet in the build tree is left alone.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/pet" "$folder/"
mkdir "$folder/G"
cp "$build"/G/*.gif "$folder/G/"
printf '"Pet","0","00.00.0000","5","5","5","0","10"\r\n' >"$folder/G/Pets.pets"

unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$folder/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/bench/pet_bench_launcher" "$2/pet" "$1/bench/bare_window" "$1/bench/bare_window_text" \
        "$1/bench/libpet_expose_probe.so" "$3"
    echo
    "$1/bench/pet_ops_bench" 500
' bench "$(realpath "$build")" "$folder" "$starts"
