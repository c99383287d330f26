#!/usr/bin/env bash
# Builds everything and runs every test: the Linux build with warnings as
# errors, the engine and window logic under ASan+UBSan, quorvane-cli's threads
# under TSan, the fuzzers for a bounded time, the Windows program under
# wine (32-bit) and wine64, and the release packages.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-30}

step() { printf '\n=== %s\n' "$*"; }

step "Installing packages"
scripts/install-deps.sh all

step "Format check"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "Linux build and tests"
cmake --preset dev
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev -j2

step "Engine and window logic under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j2

step "quorvane-cli's run on several threads under ThreadSanitizer"
cmake --preset tsan
cmake --build --preset tsan
TSAN_OPTIONS=halt_on_error=1 ctest --preset tsan -j2

step "Fuzzing (${FUZZ_SECONDS} s per target group)"
cmake --preset fuzz
cmake --build --preset fuzz
scripts/run-fuzzers.sh build/fuzz/fuzz "$FUZZ_SECONDS"

if [[ -x scripts/test-windows.sh ]]; then
    step "Windows program (mingw-w64): the 32-bit product under wine, the 64-bit build under wine64"
    scripts/test-windows.sh
fi

step "Release packages, installed and removed as their users do"
tests/packaging/package_tests.sh

step "All tests passed"
