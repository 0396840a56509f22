#!/usr/bin/env bash
# The Debian package: its files, below /usr, and its dependencies, the Qt 6
# libraries it links to and what it loads at run time.
#   package_test.sh CPACK BUILD SOURCE   (packs into a temporary folder of its own)
set -uo pipefail
cpack="$1" build="$2" source="$3"
. "$source/tests/install/layout.sh"
out="$(mktemp -d "${TMPDIR:-/tmp}/helvarra-package.XXXXXX")"
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; echo "FAILED: cpack" >&2; exit 1; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAILED: not one .deb in $out" >&2; exit 1; }
deb="${debs[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = helvarra ] || fail "the package is not called helvarra"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "the architecture is not this machine's"
# The version is the program's version record's.
record="$(sed -n 's/.*kFileVersion = "\([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)".*/\1.\2.\3.\4/p' "$source/resources/version.h")"
[ -n "$record" ] && [ "$(dpkg-deb -f "$deb" Version)" = "$record" ] || fail "the package's version is not the version record's ($record)"

# Every file below /usr, as the staging install has them.
diff <(installed_files | sed 's|^|./usr/|' | sort) \
     <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort) >&2 ||
  fail "the package's files differ from the list (< missing, > not expected)"
mkdir -p "$out/root"
dpkg-deb -x "$deb" "$out/root"
check_prefix "$out/root/usr"
file "$out/root/usr/bin/Tarrawin" 2>/dev/null | grep -q "not stripped" && fail "Tarrawin is packed with its debugging symbols"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
names=" $(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | tr '\n' ' ') "
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libqt6svg6 fonts-liberation2 libc6 libstdc++6; do
  # Debian 13 names some Qt libraries with a t64 suffix.
  [[ "$names" == *" $p "* || "$names" == *" ${p}t64 "* ]] || fail "Depends lacks $p"
done
for p in qt6-base-dev libgtest-dev xvfb; do
  [[ "$names" == *" $p "* ]] && fail "Depends names the build or test package $p"
done

[ "$failures" -eq 0 ] && echo "$(basename "$deb"): $(installed_files | wc -l) files, dependencies complete"
exit $((failures > 0))
