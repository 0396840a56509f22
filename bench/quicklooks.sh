#!/usr/bin/env bash
# The day overviews of a year of compressed archive days, written by one
# tarrawin-snapshot process: on one core (the process held to processor 0)
# and on every core. Median of three runs each; prints one JSON object.
#
# quicklooks.sh SNAPSHOT YEAR_DIR
set -euo pipefail
snapshot="$1"
year="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
files=("$year"/*.gz)

median_ms() {  # COMMAND...: the median wall time of three runs, in ms
  local runs=()
  for _ in 1 2 3; do
    rm -rf "$out/looks"
    local start
    start=$(date +%s%N)
    "$@" >/dev/null
    runs+=($(( ($(date +%s%N) - start) / 1000000 )))
  done
  printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p
}

one=$(median_ms taskset -c 0 "$snapshot" --overview "${files[@]}" -o "$out/looks/")
all=$(median_ms "$snapshot" --overview "${files[@]}" -o "$out/looks/")
"$snapshot" --overview "${files[@]}" -o "$out/looks/" >/dev/null
pictures=$(ls "$out/looks" | wc -l)
bytes=$(du -sb "$year" | cut -f1)
printf '{"files": %d, "pictures": %d, "compressed_bytes": %d, "cores": %d, "one_core_ms": %d, "all_cores_ms": %d}\n' \
  "${#files[@]}" "$pictures" "$bytes" "$(nproc)" "$one" "$all"
