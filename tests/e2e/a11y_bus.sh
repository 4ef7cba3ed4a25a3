#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Morvane's accessible tree read from outside the process, through the
# AT-SPI bus, as a screen reader reads it: a private D-Bus session and
# accessibility bus on an X display of their own, then a11y_bus.py.
#   a11y_bus.sh PROGRAM
set -euo pipefail
program=$(realpath "${1:?usage: a11y_bus.sh PROGRAM}")
here=$(dirname "$(realpath "$0")")
name="a11y bus"
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

# pyatspi is packaged for Debian's own Python, whatever python3 PATH finds.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
need Xvfb dbus-launch dbus-send "$launcher" "$python"
"$python" -c 'import pyatspi' 2>/dev/null || missing "pyatspi (python3-pyatspi)"

start_display
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
# Asked without activation: a name not yet taken would start a second launcher.
bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
poll bus_up || fail "the accessibility bus did not start: $(cat "$work/launcher.log")"

cd "$work"
"$python" "$here/a11y_bus.py" "$program"
