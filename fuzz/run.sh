#!/usr/bin/env bash
# `make fuzz`: builds the harness with clang and libFuzzer (AddressSanitizer
# and UndefinedBehaviorSanitizer on), seeds it with sample files and the
# awkward cases, and fuzzes for FUZZ_SECONDS (default 600). Inputs that
# crash are left in build-fuzz/ as crash-*; copy each into fuzz/regressions/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-600}"
cd "$root"
CC=clang CXX=clang++ cmake -S . -B "$build" -DHELVARRA_FUZZ=ON -DBUILD_TESTING=OFF -DHELVARRA_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target helvarra_fuzz_viewer helvarra-make-sample

seeds="$build/seeds"
corpus="$build/corpus"
mkdir -p "$seeds" "$corpus"
sample="$build/tools/helvarra-make-sample"
"$sample" --seconds 120 --realistic --seed 1 "$seeds/realistic.apl"
"$sample" --seconds 90 --start 23:59:00 --ramp "$seeds/midnight.apl"
"$sample" --seconds 90 --lf --station K7OL "$seeds/lf.k7o"
"$sample" --seconds 80 --station aplm --constant 0 "$seeds/zeros.apl"
"$sample" --seconds 100 --gap 00:00:30+20 --blank 00:01:00+10 "$seeds/gaps.apl"
printf 'short\n' > "$seeds/short.apl"
head -c 700 /dev/urandom > "$seeds/noise.apl"
cp fuzz/regressions/* "$seeds/" 2>/dev/null || true

export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$build"
./fuzz/helvarra_fuzz_viewer "$corpus" "$seeds" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
  -print_final_stats=1 2>&1 | tee "$build/fuzz.log" | grep -E '^#[0-9]+ .*(pulse|DONE|NEW)|stat::|ERROR|SUMMARY' | tail -n 40
