#!/usr/bin/env bash
# Builds the pet with its tests (installing what is missing) and runs every
# suite, the package check included.
#
#   ./test.sh          every suite of build/
#   ./test.sh --deep   also every suite again under AddressSanitizer and
#                      UndefinedBehaviorSanitizer, the whole tree built with
#                      clang, and a minute of fuzzing
set -euo pipefail
cd "$(dirname "$0")"
deep=false
case ${1:-} in
    "") ;;
    --deep) deep=true ;;
    *) echo "usage: $0 [--deep]" >&2; exit 2 ;;
esac

if $deep; then scripts/setup.sh deep; else scripts/setup.sh test; fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
$deep || exit 0

# The same suites built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the package, an ordinary build of its own, was checked above).
sanitize_build=${PET_SANITIZE_BUILD:-build-sanitize}
cmake -S . -B "$sanitize_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DPET_SANITIZE=ON
cmake --build "$sanitize_build" --parallel "$(nproc)"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/leak_suppressions.txt} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
PET_SOAK_SECONDS=${PET_SOAK_SECONDS:-30} \
    ctest --test-dir "$sanitize_build" --output-on-failure --timeout 600 -j "$(nproc)" -LE package

# The whole tree again with clang, so that it keeps building with both of
# Debian's compilers, and with it the fuzzer for the pet-file reader, which
# fuzzes it for a minute. The corpus is replayed in every build by
# corpus_replay_test; new inputs the fuzzer finds stay in the build folder.
fuzz_build=${PET_FUZZ_BUILD:-build-fuzz}
cmake -S . -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=ON -DPET_BENCHMARKS=ON -DPET_FUZZ=ON
cmake --build "$fuzz_build" --parallel "$(nproc)"
mkdir -p "$fuzz_build/corpus" "$fuzz_build/crashes"
"$fuzz_build/fuzz/pet_record_fuzz" -max_total_time="${PET_FUZZ_SECONDS:-60}" \
    -rss_limit_mb=512 -malloc_limit_mb=256 -timeout=5 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$fuzz_build/crashes/" "$fuzz_build/corpus" fuzz/corpus
