#!/usr/bin/env bash
# `make test`: every test headless, in the plain build and again in the build
# with AddressSanitizer and UndefinedBehaviorSanitizer (leaks checked at exit,
# the libraries' own one-time allocations suppressed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
plain="${1:-build}"
sanitized="${2:-build-asan}"
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== tests: plain build"
(cd "$root/$plain" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== tests: sanitizer build (ASan + UBSan, leak check)"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/$sanitized" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
