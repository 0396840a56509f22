#!/usr/bin/env bash
# `make fuzz`: builds the harnesses with clang and libFuzzer (AddressSanitizer
# and UndefinedBehaviorSanitizer on), seeds them with sample files and the
# awkward cases, and fuzzes each for FUZZ_SECONDS (default 600). FUZZ_TARGETS
# names the harnesses to run (default "viewer decoders"). Inputs that crash
# are left in build-fuzz/ as crash-*; copy each into fuzz/regressions/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-600}"
targets="${FUZZ_TARGETS:-viewer decoders}"
cd "$root"
CC=clang CXX=clang++ cmake -S . -B "$build" -DHELVARRA_FUZZ=ON -DBUILD_TESTING=OFF -DHELVARRA_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
build_targets=(helvarra-make-sample)
for t in $targets; do build_targets+=("helvarra_fuzz_$t"); done
cmake --build "$build" -j "$(nproc)" --target "${build_targets[@]}"

sample="$build/tools/helvarra-make-sample"
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

for t in $targets; do
  seeds="$build/seeds-$t"
  corpus="$build/corpus-$t"
  mkdir -p "$seeds" "$corpus"
  if [ "$t" = viewer ]; then
    "$sample" --seconds 120 --realistic --seed 1 "$seeds/realistic.apl"
    "$sample" --seconds 90 --start 23:59:00 --ramp "$seeds/midnight.apl"
    "$sample" --seconds 90 --lf --station K7OL "$seeds/lf.k7o"
    "$sample" --seconds 80 --station aplm --constant 0 "$seeds/zeros.apl"
    "$sample" --seconds 100 --gap 00:00:30+20 --blank 00:01:00+10 "$seeds/gaps.apl"
    "$sample" --seconds 100 --width 8 --lf --broken --realistic --station LEAR --gzip "$seeds/archive.apl.gz"
    printf 'short\n' > "$seeds/short.apl"
    head -c 700 /dev/urandom > "$seeds/noise.apl"
  else
    # The archive's lines that break its layout, one a file, then a few variants.
    i=0
    while IFS= read -r line; do
      i=$((i + 1))
      printf '%s\n' "$line" > "$seeds/line$i.txt"
      printf '%s\r\n' "$line" > "$seeds/line$i-crlf.txt"
      printf '%s\r' "$line" > "$seeds/line$i-cr.txt"
      printf '%s\r\r\n' "$line" > "$seeds/line$i-crcrlf.txt"
      printf '%s\n' "$line" | gzip -n -c > "$seeds/line$i.gz"
    done <<'LINES'
K7OL20090701084648      0      0      5      0      3      0      0     10
K7OL20151029110157       4       2       3      22      52      61      89     241
K7OL20161103181511142386251      31      42      48      75     109     224     453
K7OL20170425194736-25222716      30      43      59      81     118     242     485
K7OL20180829142525       9      28      34  K7OL20180829144534      -3       0       2      32      67      70     101     278
K7OL20240418154701      22      47      83     147     215     242     341-254264591
LINES
    "$sample" --seconds 20 --width 6 --broken --constant 5 "$seeds/six-crlf.apl"
    "$sample" --seconds 20 --width 7 --lf --broken --realistic "$seeds/seven-lf.phf"
    "$sample" --seconds 20 --width 8 --broken --realistic --gzip "$seeds/eight.k7o.gz"
    "$sample" --seconds 12 --width 6 --station K7OL --ramp "$seeds/six-fixed.k7o"
    # The record table's 66-character lines, with blanks or the century in
    # columns 4-5, with each line end, and after a comment line.
    table_lines() {
      for m in 0 1 2 3 4 5; do
        printf "PHFF%s03100121%02d58 %6d%6d%6d%6d%6d%6d%6d%5d$2" "$1" $((47 + m)) $((17 + m)) 29 45 68 93 137 $((225 * m)) 512
      done
    }
    table_lines 20 '\r\n' > "$seeds/table-century-crlf.txt"
    table_lines 20 '\n' > "$seeds/table-century-lf.txt"
    table_lines '  ' '\n' > "$seeds/table-blanks-lf.txt"
    table_lines 20 '\r' > "$seeds/table-century-cr.txt"
    table_lines '  ' '\r\r\n' > "$seeds/table-blanks-crcrlf.txt"
    { printf '# Palehua, 1-second flux\n'; table_lines 20 '\n'; } > "$seeds/table-comment-first.txt"
    # Recipes for well-formed text (the first byte 0xFF; then the layout and
    # the line end), one for each layout and line end.
    for layout in 0 1 2 3 4; do
      for end in 0 1 2 3; do
        { printf "\xff\x0$layout\x0$end"; head -c 300 /dev/urandom; } > "$seeds/recipe-$layout-$end.bin"
      done
    done
  fi
  cp fuzz/regressions/* "$seeds/" 2>/dev/null || true
  echo "fuzz: $t for $seconds s"
  (cd "$build" && "./fuzz/helvarra_fuzz_$t" "$corpus" "$seeds" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
    -print_final_stats=1 2>&1 | tee "$build/fuzz-$t.log" | grep -E '^#[0-9]+ .*(pulse|DONE|NEW)|stat::|ERROR|SUMMARY' | tail -n 40)
done
