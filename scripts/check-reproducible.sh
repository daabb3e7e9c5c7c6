#!/usr/bin/env bash
# Builds the Debian package of the current commit twice, from two fresh clones in folders of
# different names and in build folders of different names, and checks that the two packages are the
# same byte for byte. Where they differ it says which files inside them do.
#   scripts/check-reproducible.sh      (the commit checked out; uncommitted changes take no part)
# Debian 12 or Ubuntu; run as root or with sudo available.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

commit=$(git rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/conjugacio-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

build() {  # clone folder, build folder name
  git clone --quiet --no-hardlinks "$PWD" "$work/$1"
  git -C "$work/$1" checkout --quiet --detach "$commit"
  (cd "$work/$1" && DEB_BUILD_DIR=$2 scripts/package-deb.sh >"$work/$1.log" 2>&1) || {
    tail -n 30 "$work/$1.log"
    echo "check-reproducible: the package did not build in $1" >&2
    exit 1
  }
  ls "$work/$1/$2"/*.deb
}

first=$(build first-clone build-deb)
second=$(build another-clone-elsewhere package-build)
sha256sum "$first" "$second"
if cmp -s "$first" "$second"; then
  echo "check-reproducible: two builds of $commit gave the same package ($((SECONDS - started)) s)"
  exit 0
fi

echo "check-reproducible: the two packages of $commit differ:" >&2
for deb in "$first" "$second"; do
  mkdir -p "$deb.unpacked"
  (cd "$deb.unpacked" && ar x "$deb" && mkdir data control && tar -xf data.tar.* -C data && tar -xf control.tar.* -C control)
  (cd "$deb.unpacked" && ar tv "$deb" && tar -tvf data.tar.*) >"$deb.listing"
done
diff "$first.listing" "$second.listing" >&2 || true
diff -rq "$first.unpacked/data" "$second.unpacked/data" >&2 || true
diff -rq "$first.unpacked/control" "$second.unpacked/control" >&2 || true
exit 1
