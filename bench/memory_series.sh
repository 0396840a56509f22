#!/usr/bin/env bash
# Resident memory of the real program with files opened together: started
# under the X server named by DISPLAY with the files on its command line,
# then its Day Overview opened (Ctrl+D: the overview's index and the bursts
# found). Samples /proc before and after; prints one JSON object.
#
# memory_series.sh TARRAWIN FILE...
set -euo pipefail
exe="$1"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

start=$(date +%s%N)
HOME="$work" "$exe" "$@" &
pid=$!
win=""
for _ in $(seq 200); do
  win="$(xdotool search --onlyvisible --name '^HELVARRA$' 2>/dev/null | head -n1 || true)"
  [ -n "$win" ] && break
  sleep 0.05
done
kb() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }

# The files are open once the overview's menu entry works: wait for the
# resident size to settle.
previous=0
for _ in $(seq 100); do
  now=$(kb VmRSS)
  [ "$now" -eq "$previous" ] && break
  previous=$now
  sleep 0.3
done
opened=$(kb VmRSS)
opened_peak=$(kb VmHWM)
xdotool windowfocus --sync "$win" key ctrl+d
sleep 3
overview=$(kb VmRSS)
overview_peak=$(kb VmHWM)
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
printf '{"files": %d, "opened_kb": %s, "opened_peak_kb": %s, "overview_kb": %s, "overview_peak_kb": %s}\n' \
  "$#" "$opened" "$opened_peak" "$overview" "$overview_peak"
