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

need Xvfb
start_display
start_a11y_bus

cd "$work"
"$python" "$here/a11y_bus.py" "$program"
