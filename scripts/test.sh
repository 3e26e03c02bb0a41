#!/usr/bin/env bash
# Sets up and runs every test: installs dependencies, then builds and runs the
# suite in a plain build, under AddressSanitizer + UndefinedBehaviorSanitizer and
# under ThreadSanitizer, runs the fuzz targets for a bounded time and the
# benchmarks as a short smoke run. Exits non-zero on the first failure.
#
#   ORVEK_FUZZ_SECONDS   seconds per fuzz target (default 60)
#   ORVEK_JOBS           parallel build and test jobs (default: all cores)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${ORVEK_JOBS:-$(nproc)}
fuzz_seconds=${ORVEK_FUZZ_SECONDS:-60}

"$root/scripts/install-deps.sh"

step() { printf '\n=== %s ===\n' "$*"; }

configure_and_build() {  # dir, then extra cmake arguments
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DORVEK_REQUIRE_ALL_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_ctest() {  # dir, then extra ctest arguments
  local dir=$1; shift
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs" --timeout 600 "$@"
}

step "plain build and tests"
configure_and_build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_ctest build/release -LE java

step "Java tests (JUnit 5 in a real VM with -Xcheck:jni)"
# Verbose, so the log shows each launcher's tree and summary.
ctest --test-dir build/release -L java --verbose --no-tests=error --timeout 600

step "AddressSanitizer + UndefinedBehaviorSanitizer"
configure_and_build build/asan -DCMAKE_BUILD_TYPE=Debug -DORVEK_SANITIZE=address,undefined -DORVEK_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build/asan

step "ThreadSanitizer"
configure_and_build build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEK_SANITIZE=thread -DORVEK_BUILD_BENCH=OFF
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 run_ctest build/tsan

step "fuzz targets (${fuzz_seconds}s each)"
CC=clang CXX=clang++ configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVEK_BUILD_FUZZ=ON -DORVEK_BUILD_TESTS=OFF -DORVEK_BUILD_BENCH=OFF
"$root/scripts/run-fuzzers.sh" build/fuzz "$fuzz_seconds"

step "benchmark smoke run"
"$root/scripts/run-bench-smoke.sh" build/release

step "all tests passed"
