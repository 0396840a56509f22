#!/usr/bin/env bash
# `make test`: every test headless, in the plain build and again in the build
# with AddressSanitizer and UndefinedBehaviorSanitizer (leaks checked at exit,
# the libraries' own one-time allocations suppressed), then the core's tests
# in the build that has no Qt.
#
# The suites run with HOME and TMPDIR pointing at new empty folders, so a test
# that relies on anything prepared on this machine fails here as it would on a
# fresh one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
plain="${1:-build}"
sanitized="${2:-build-asan}"
core="${3:-build-core}"
jobs="$(nproc 2>/dev/null || echo 2)"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/helvarra-test-run.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fresh() {
  rm -rf "$scratch/home" "$scratch/tmp"
  mkdir -p "$scratch/home" "$scratch/tmp"
}
run_suite() {
  fresh
  (cd "$root/$1" && HOME="$scratch/home" TMPDIR="$scratch/tmp" QT_QPA_PLATFORM=offscreen \
     ctest --output-on-failure -j "$jobs")
}

echo "== tests: plain build"
run_suite "$plain"

echo "== tests: core without Qt"
run_suite "$core"

echo "== tests: sanitizer build (ASan + UBSan, leak check)"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$sanitized"
