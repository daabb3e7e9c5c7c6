#!/usr/bin/env bash
# Started where no display can be opened, the drill says so in one line and exits with status 1,
# whatever platform the environment names.
set -u
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failures=0

check() {
    local what=$1
    shift
    local err status
    err=$(env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" "$@" "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] || [[ "$err" != "conjugacio: "* ]]; then
        echo "FAIL: $what: status $status, said: $err"
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
}

check "nothing set"
check "a display that is not there" DISPLAY=:97
check "X11 asked for, no server" QT_QPA_PLATFORM=xcb
check "X11 asked for with a dead display" QT_QPA_PLATFORM=xcb DISPLAY=:97
check "a Wayland session with no compositor" WAYLAND_DISPLAY=wayland-97
check "Wayland asked for, no compositor" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-97
check "a list of platforms, none there" "QT_QPA_PLATFORM=wayland;xcb" DISPLAY=:97
check "a Wayland session type with nothing running" XDG_SESSION_TYPE=wayland
exit $((failures > 0))
