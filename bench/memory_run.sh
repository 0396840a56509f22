#!/usr/bin/env bash
# Peak resident memory of the real program: started under the X server named
# by DISPLAY with a 24-hour file on its command line, then browsed to the
# end. Resident memory is sampled at every browse window from the
# kernel's accounting (/proc), and /usr/bin/time reports the peak at exit.
# Prints one JSON object.
#
# memory_run.sh TARRAWIN DATA_FILE
set -euo pipefail
exe="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$data" "$work/"
name="$(basename "$data")"
cd "$work"

HOME="$work" /usr/bin/time -v -o "$work/time.txt" "$exe" "$name" &
timer=$!
pid=""
for _ in $(seq 100); do
  pid="$(pgrep -P "$timer" || true)"
  [ -n "$pid" ] && xdotool search --onlyvisible --name '^HELVARRA$' >/dev/null 2>&1 && break
  sleep 0.1
done
win="$(xdotool search --onlyvisible --name '^HELVARRA$' | head -n1)"
eval "$(xdotool getwindowgeometry --shell "$win")"
kb() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }

sleep 1.5                           # the file opens once the window is up
started=$(kb VmRSS)
opened=$started
opened_peak=$(kb VmHWM)

click 741 178                       # "&Browse": a window every two seconds
samples=()
for _ in $(seq 52); do
  sleep 2
  samples+=("$(kb VmRSS)")
done
browsed_peak=$(kb VmHWM)

xdotool windowfocus --sync "$win"
xdotool key Escape
wait "$timer" || true
time_peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
first=${samples[4]}
last=${samples[${#samples[@]}-1]}
printf '{"started_kb": %s, "opened_kb": %s, "opened_peak_kb": %s, "browsed_peak_kb": %s, "time_peak_kb": %s, "browse_first_kb": %s, "browse_last_kb": %s, "browse_samples_kb": [%s]}\n' \
  "$started" "$opened" "$opened_peak" "$browsed_peak" "$time_peak" "$first" "$last" "$(IFS=,; echo "${samples[*]}")"
