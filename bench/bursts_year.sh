#!/usr/bin/env bash
# The burst catalogue of a year of compressed archive days of one station,
# each day its own series, by one tarrawin-snapshot process on every core.
# Median of three runs; prints one JSON object.
#
# bursts_year.sh SNAPSHOT YEAR_DIR
set -euo pipefail
snapshot="$1"
year="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
files=("$year"/*.gz)
runs=()
for _ in 1 2 3; do
  start=$(date +%s%N)
  "$snapshot" --bursts "${files[@]}" -o "$out/bursts.csv"
  runs+=($(( ($(date +%s%N) - start) / 1000000 )))
done
median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
bursts=$(( $(wc -l < "$out/bursts.csv") - 1 ))
printf '{"files": %d, "bursts": %d, "cores": %d, "median_ms": %d}\n' "${#files[@]}" "$bursts" "$(nproc)" "$median"
