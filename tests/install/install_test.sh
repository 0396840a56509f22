#!/usr/bin/env bash
# `cmake --install BUILD --prefix STAGING` puts every file in place and nothing
# else; AppStream finds the program, its menu entry and icons there.
#   install_test.sh CMAKE BUILD SOURCE   (stages into a temporary folder of its own)
set -uo pipefail
cmake="$1" build="$2" source="$3"
. "$source/tests/install/layout.sh"
staging="$(mktemp -d "${TMPDIR:-/tmp}/helvarra-install.XXXXXX")"
trap 'rm -rf "$staging" "$staging-destdir"' EXIT

"$cmake" --install "$build" --prefix "$staging/usr" >/dev/null || { echo "FAILED: cmake --install" >&2; exit 1; }
check_prefix "$staging/usr"

if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$staging" >&2 || fail "appstreamcli validate-tree on the staging folder"
fi
# DESTDIR puts the same files below it.
rm -rf "$staging-destdir"
DESTDIR="$staging-destdir" "$cmake" --install "$build" --prefix /opt/helvarra >/dev/null || fail "cmake --install with DESTDIR"
check_prefix "$staging-destdir/opt/helvarra"
rm -rf "$staging-destdir"

[ "$failures" -eq 0 ] && echo "installed into $staging/usr: $(installed_files | wc -l) files, all as they should be"
exit $((failures > 0))
