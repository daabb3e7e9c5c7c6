#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR as a distribution does (prefix /usr) and checks what it lays:
# the product's files and nothing else, a clean desktop entry, clean AppStream metadata, manual pages
# that man formats without a warning.
#   check_install.sh <build folder>
set -uo pipefail

build=$1
id=cat.conjugacio.conjugacio
root=$(mktemp -d "${TMPDIR:-/tmp}/conjugacio-install.XXXXXX")
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1; then
  cat "$root.log"; rm -f "$root.log"
  echo "FAIL: cmake --install"; exit 1
fi
rm -f "$root.log"

expected=(
  /usr/bin/conjugacio
  /usr/share/applications/$id.desktop
  /usr/share/metainfo/$id.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/$id.svg
  /usr/share/man/man6/conjugacio.6.gz
  /usr/share/man/ca/man6/conjugacio.6.gz
  /usr/share/doc/conjugacio/copyright
  /usr/share/doc/conjugacio/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
laid=$(cd "$root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort)
if ! difference=$(diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(printf '%s\n' "$laid")); then
  fail "the install does not lay exactly the product's files (< missing, > not expected):"
  echo "$difference"
fi
[ -x "$root/usr/bin/conjugacio" ] || fail "usr/bin/conjugacio is not executable"

desktop=$root/usr/share/applications/$id.desktop
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
  fail "desktop-file-validate:"; echo "$report"
fi
grep -qx "Exec=conjugacio" "$desktop" || fail "the desktop entry does not start conjugacio"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
# Its one action starts the feedback mode.
grep -qx "Actions=feedback;" "$desktop" && grep -qx "Name=Amb correcció" "$desktop" &&
  grep -qx "Exec=conjugacio --feedback" "$desktop" || fail "the desktop entry has no action \"Amb correcció\" with --feedback"

appstream_issues() {
  grep -E '^ *[EWIP]: '
}
for check in "validate $root/usr/share/metainfo/$id.metainfo.xml" "validate-tree $root/usr"; do
  # shellcheck disable=SC2086
  if ! report=$(appstreamcli $check --no-net --pedantic 2>&1); then
    fail "appstreamcli $check:"; echo "$report"
  elif issues=$(printf '%s\n' "$report" | appstream_issues); then
    fail "appstreamcli $check:"; echo "$issues"
  fi
done

for page in "$root"/usr/share/man/man6/conjugacio.6.gz "$root"/usr/share/man/ca/man6/conjugacio.6.gz; do
  if ! warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
    [ -n "$warnings" ]; then
    fail "man warns on ${page#"$root"}:"; echo "$warnings"
  fi
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install laid ${#expected[@]} files; desktop entry, AppStream metadata and manual pages are clean"
