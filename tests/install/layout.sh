# What installing HELVARRA puts under its prefix, and the checks of it; read
# by the staging-install and package tests.

app_id=org.helvarra.Tarrawin
icon_sizes=(16 32 48 64 128 256)

installed_files() {
  echo bin/Tarrawin
  echo bin/tarrawin-snapshot
  echo share/applications/$app_id.desktop
  echo share/metainfo/$app_id.metainfo.xml
  echo share/mime/packages/$app_id.xml
  echo share/icons/hicolor/scalable/apps/$app_id.svg
  for n in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${n}x${n}/apps/$app_id.png"; done
  echo share/man/man1/Tarrawin.1.gz
  echo share/man/man1/tarrawin-snapshot.1.gz
}

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# The width and height in a PNG file's header.
png_size() {
  local b
  b=($(od -An -tu1 -j16 -N8 "$1"))
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

# check_prefix DIR: exactly the files above, each as it should be.
check_prefix() {
  local prefix="$1" f n
  diff <(installed_files | sort) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >&2 ||
    fail "the installed files under $prefix differ from the list (< missing, > not expected)"
  for f in bin/Tarrawin bin/tarrawin-snapshot; do
    [ -x "$prefix/$f" ] || fail "$f is not executable"
  done
  for n in "${icon_sizes[@]}"; do
    f="$prefix/share/icons/hicolor/${n}x${n}/apps/$app_id.png"
    [ -f "$f" ] && [ "$(png_size "$f")" = "${n}x${n}" ] || fail "$f is not a ${n}x${n} PNG picture"
  done
  for f in Tarrawin tarrawin-snapshot; do
    gzip -t "$prefix/share/man/man1/$f.1.gz" 2>/dev/null || fail "the manual page of $f is not gzip-compressed"
  done
  # The menu entry starts the installed program and shows the installed icon.
  local entry="$prefix/share/applications/$app_id.desktop"
  [ "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" = Tarrawin ] || fail "the menu entry does not start Tarrawin"
  [ "$(sed -n 's/^Icon=//p' "$entry")" = "$app_id" ] || fail "the menu entry's icon is not $app_id"
  # The installed snapshot tool runs from there.
  "$prefix/bin/tarrawin-snapshot" --help | grep -- --whole-window >/dev/null || fail "the installed tarrawin-snapshot does not run"
}
