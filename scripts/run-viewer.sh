#!/usr/bin/env bash
# Starts the viewer from the sample folder with the bundled sample open;
# "&Files" then opens on the sample folder.
set -euo pipefail
build="${1:-build}"
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$root/$build/platform/qt/Tarrawin"
[ -x "$exe" ] || exe="$build/platform/qt/Tarrawin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "make run: no display here (DISPLAY is not set). Run it on a desktop, or under Xvfb:" >&2
  echo "  xvfb-run -s '-screen 0 1280x1024x24' make run" >&2
  exit 1
fi
cd "$root/samples"
exec "$exe" 14MAY24.APL
