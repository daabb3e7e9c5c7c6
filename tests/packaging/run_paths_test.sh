#!/usr/bin/env bash
# No program the project builds or installs searches a folder that depends on where it is started:
# every entry of a run path (RUNPATH or RPATH) is an absolute folder. An empty entry, or a relative
# one, is looked up from the current folder, and a library placed there would be loaded.
#   run_paths_test.sh <build folder>
set -uo pipefail

build=$1
root=$(mktemp -d "${TMPDIR:-/tmp}/conjugacio-run-paths.XXXXXX")
trap 'rm -rf "$root"' EXIT
failures=0
checked=0

is_elf() { [ "$(head -c 4 "$1" 2>/dev/null | od -An -c | tr -d ' \n')" = '177ELF' ]; }

# Prints each run-path entry of the binary on a line of its own, empty entries as empty lines.
run_path_entries() {
  readelf -d "$1" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*: \[\(.*\)\]$/\2/p' | tr ':' '\n'
}

check() {
  local binary=$1 shown=$2 entry
  checked=$((checked + 1))
  while IFS= read -r entry; do
    if [[ "$entry" != /* ]]; then
      echo "FAIL: $shown has the run-path entry '${entry}' (run path: $(readelf -d "$binary" | grep -E 'RUNPATH|RPATH'))"
      failures=$((failures + 1))
      return
    fi
  done < <(run_path_entries "$binary")
}

while IFS= read -r -d '' file; do
  is_elf "$file" && check "$file" "${file#"$build"/}"
done < <(find "$build" -type f -perm -u+x ! -path '*/CMakeFiles/*' -print0)

if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root/install.log" 2>&1; then
  cat "$root/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
while IFS= read -r -d '' file; do
  is_elf "$file" && check "$file" "installed ${file#"$root"}"
done < <(find "$root/usr" -type f -print0)

if [ "$checked" -lt 2 ]; then
  echo "FAIL: only $checked programs found to check"
  exit 1
fi
[ "$failures" -eq 0 ] && echo "$checked programs, built and installed: every run-path entry is an absolute folder"
exit $((failures > 0))
