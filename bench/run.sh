#!/usr/bin/env bash
# `make bench`: makes the data files, runs the benchmarks, the peer and the
# memory run, and writes docs/PERFORMANCE.md from what they measured.
set -euo pipefail
build="${1:-build}"
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
out="$build/bench-results"
data="$build/bench-data"
mkdir -p "$out" "$data"

make_sample="$build/tools/helvarra-make-sample"
[ -f "$data/day.apl" ] || "$make_sample" --seconds 86400 --realistic --seed 3 "$data/day.apl"
[ -f "$data/two-hours.apl" ] || "$make_sample" --seconds 7200 --realistic --seed 3 "$data/two-hours.apl"
[ -f "$data/archive-day.apl.gz" ] || "$make_sample" --seconds 86400 --realistic --seed 3 --width 8 --lf --broken \
  --gzip "$data/archive-day.apl.gz"
# A month of one station, and four stations over three days, to open together.
[ -d "$data/month" ] || "$make_sample" --days 30 --date 2024-05-01 --width 8 --gzip --station LEAR --realistic \
  --seed 5 "$data/month"
if [ ! -d "$data/network" ]; then
  for station in LEAR PHFF K7OL LISS; do
    "$make_sample" --days 3 --date 2024-06-01 --width 8 --gzip --station "$station" --realistic --seed 7 "$data/network"
  done
fi
# A year of the archive's compressed days, 8-wide (about half a minute to make).
[ -d "$data/year" ] || "$make_sample" --days 365 --date 2024-01-01 --width 8 --gzip --station LEAR --realistic \
  --seed 3 "$data/year"

echo "bench: zcat over the compressed day (median of 21 runs)"
runs=()
for _ in $(seq 21); do
  start=$(date +%s%N)
  zcat "$data/archive-day.apl.gz" > /dev/null
  runs+=($(( $(date +%s%N) - start )))
done
median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 11p)
printf '{"median_ms": %s, "runs_ns": [%s]}\n' "$(awk -v n="$median" 'BEGIN { printf "%.3f", n / 1e6 }')" \
  "$(IFS=,; echo "${runs[*]}")" | tee "$out/zcat.json"

echo "bench: benchmarks (medians of 5 runs)"
QT_QPA_PLATFORM=offscreen "$build/bench/helvarra_bench" "$data" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_out="$out/bench.json" --benchmark_out_format=json

echo "bench: the day overviews of a year of compressed days, one process, on one core and on every core"
bash bench/quicklooks.sh "$build/apps/snapshot/tarrawin-snapshot" "$data/year" | tee "$out/quicklooks.json"

echo "bench: the burst catalogue of the year, one process on every core"
bash bench/bursts_year.sh "$build/apps/snapshot/tarrawin-snapshot" "$data/year" | tee "$out/bursts-year.json"

echo "bench: pandas + matplotlib for the same window"
/usr/bin/python3 bench/peer_matplotlib.py "$data/day.apl" 19000 "$out/peer.png" 15 | tee "$out/peer.json"

echo "bench: memory of the real program under Xvfb, a 68-byte and a compressed day (about four minutes)"
for kind in day.apl:memory.json archive-day.apl.gz:memory-archive.json; do
  xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/memory_run.sh "$root/$build/platform/qt/Tarrawin" \
    "$root/$data/${kind%%:*}" 2>/dev/null | tail -n1 | tee "$out/${kind##*:}"
done

echo "bench: memory of the real program with the month opened as one series, then its overview"
xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/memory_series.sh "$root/$build/platform/qt/Tarrawin" \
  "$root/$data"/month/*.gz 2>/dev/null | tail -n1 | tee "$out/memory-month.json"

/usr/bin/python3 bench/report.py "$out" docs/PERFORMANCE.md
echo "bench: wrote docs/PERFORMANCE.md"
