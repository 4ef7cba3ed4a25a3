# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real sessions: a work folder and processes cleaned up on
# exit, bounded polling, the tools check and an X display of their own.
# Sourced; the caller sets `name` for its messages.
: "${name:=e2e}"

work=$(mktemp -d)
# A home of the session's own, empty: nothing of the user's settings is
# read or written, and the session sees what the program leaves there.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export XDG_DATA_HOME="$work/home/.local/share" XDG_STATE_HOME="$work/home/.local/state"
mkdir "$HOME"
# No session bus unless a session starts its own: libdbus would otherwise
# start one (autolaunch), note it in the home folder and leave it running.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$name: $*" >&2
  [ -s "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log" >&2
  exit 1
}

# Runs "$@" until it succeeds, for at most 10 s.
poll() {
  for _ in $(seq 200); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
exited() { ! kill -0 "$1" 2>/dev/null; }

# A part the run needs is not installed. A developer's run without it is
# skipped (CTest's code 77); under CI it fails, as scripts/install-deps
# provides every part.
missing() {
  [ "${CI:-}" = true ] && fail "missing $* (scripts/install-deps installs it)"
  echo "$name: skipped, missing $* (scripts/install-deps installs it)"
  exit 77
}
need() {
  local absent=() tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || absent+=("$tool")
  done
  [ ${#absent[@]} -eq 0 ] || missing "${absent[*]}"
}

# An Xvfb display of our own: Xvfb picks a free number and writes it once
# it accepts connections. No reset when its last client leaves, which would
# refuse connections for a moment and drop the root window's properties.
# The session's runtime folder is private too.
#   start_display [WIDTHxHEIGHTxDEPTH]   (default 1024x768x24)
start_display() {
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" \
    >/dev/null 2>&1 &
  pids+=($!)
  local number
  read -r -t 10 number <"$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# Weston nested in the display, as one window, without animations (a closed
# window gives up the keyboard at once rather than after its fade) and
# without an on-screen keyboard over the program.
#   start_weston SOCKET HEIGHT PANEL   (PANEL: top, or none)
start_weston() {
  cat >"$work/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=$3
animation=none
close-animation=none
startup-animation=none
focus-animation=none
[input-method]
path=
INI
  weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman \
    --width=1024 --height="$2" --socket="$1" --debug --log="$work/weston.log" 2>/dev/null &
  pids+=($!)
  poll test -S "$XDG_RUNTIME_DIR/$1" || fail "weston did not start: $(cat "$work/weston.log")"
}

# A D-Bus session and an accessibility bus of the session's own, for
# reading the program as a screen reader does (with Debian's python3 and
# its pyatspi; $python names it). Needs the display first.
start_a11y_bus() {
  python=/usr/bin/python3
  local launcher=/usr/libexec/at-spi-bus-launcher
  need dbus-launch dbus-send "$launcher" "$python"
  "$python" -c 'import pyatspi' 2>/dev/null || missing "pyatspi (python3-pyatspi)"
  eval "$(dbus-launch --sh-syntax)"
  pids+=("$DBUS_SESSION_BUS_PID")
  "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
  pids+=($!)
  poll a11y_bus_up || fail "the accessibility bus did not start: $(cat "$work/launcher.log")"
}
# Asked without activation: a name not yet taken would start a second launcher.
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
