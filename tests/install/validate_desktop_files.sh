#!/usr/bin/env bash
# The menu entry, the AppStream description, the file types and the manual
# pages, checked by the desktop's own tools; the file types also as the MIME
# database compiles them. Exits 77 (skipped) when none of the tools is there.
#   validate_desktop_files.sh DESKTOP_FILES_DIR VERSION   (works in a temporary folder of its own)
set -uo pipefail
dir="$1" version="$2"
work="$(mktemp -d "${TMPDIR:-/tmp}/helvarra-desktop.XXXXXX")"
trap 'rm -rf "$work"' EXIT
id=org.helvarra.Tarrawin
failures=0 ran=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null && ran=$((ran + 1)); }

if have desktop-file-validate; then
  out="$(desktop-file-validate "$dir/$id.desktop" 2>&1)"
  [ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$dir/$id.metainfo.xml" >&2 || fail "appstreamcli validate"
fi
if have xmllint; then
  for f in "$id.xml" "$id.metainfo.xml"; do xmllint --noout "$dir/$f" || fail "xmllint $f"; done
fi
if have update-mime-database; then
  rm -rf "$work" && mkdir -p "$work/mime/packages"
  cp "$dir/$id.xml" "$work/mime/packages/"
  out="$(XDG_DATA_DIRS="$work" XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1)"
  [ -z "$out" ] || fail "update-mime-database: $out"
  # Each station's extension, in any case, is its own kind of plain text.
  for kind in learmonth:apl palehua:phf sagamore-hill:k7o san-vito:lis; do
    type="text/x-rstn-${kind%%:*}" ext="${kind##*:}"
    grep -qx "50:$type:\*\.$ext" "$work/mime/globs2" && ! grep -q "^50:$type:.*:cs" "$work/mime/globs2" ||
      fail "no case-blind glob *.$ext for $type"
    grep -qx "$type text/plain" "$work/mime/subclasses" || fail "$type is not a kind of text/plain"
    # The archive's compressed files, 15MAY24.APL.gz, are known before *.gz.
    gz="application/x-rstn-${kind%%:*}-gzip"
    grep -qx "50:$gz:\*\.$ext\.gz" "$work/mime/globs2" || fail "no case-blind glob *.$ext.gz for $gz"
    grep -qx "$gz application/gzip" "$work/mime/subclasses" || fail "$gz is not a kind of application/gzip"
  done
  [ "$(grep -c '^text/x-rstn-' "$work/mime/types")" -eq 4 ] || fail "not four file types"
  [ "$(grep -c '^application/x-rstn-.*-gzip$' "$work/mime/types")" -eq 4 ] || fail "not four compressed file types"
fi
if have man; then
  for page in Tarrawin.1 tarrawin-snapshot.1; do
    out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$dir/$page" 2>&1 >/dev/null)"
    [ -z "$out" ] || fail "man $page: $out"
  done
fi
# The entry, the description and the file types name the same file types.
entry_types="$(sed -n 's/^MimeType=//p' "$dir/$id.desktop" | tr ';' '\n' | sed '/^$/d' | sort)"
info_types="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$dir/$id.xml" | sort)"
meta_types="$(sed -n 's/.*<mediatype>\(.*\)<\/mediatype>.*/\1/p' "$dir/$id.metainfo.xml" | sort)"
[ "$entry_types" = "$info_types" ] || fail "the menu entry's MimeType differs from the MIME definitions"
[ "$meta_types" = "$info_types" ] || fail "the AppStream mediatypes differ from the MIME definitions"

# They state the version of the program's version record.
for page in Tarrawin.1 tarrawin-snapshot.1; do
  grep -q "^\.TH .* \"HELVARRA $version\"" "$dir/$page" || fail "$page does not state version $version"
done
grep -q "<release version=\"$version\"" "$dir/$id.metainfo.xml" || fail "the metainfo does not state version $version"

[ "$ran" -eq 0 ] && { echo "no desktop validation tool is installed" >&2; exit 77; }
[ "$failures" -eq 0 ] && echo "desktop files valid ($ran tools)"
exit $((failures > 0))
