#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where the window lands under a real window manager (icewm, with its panel)
# on a 1024x600 screen: at 100, 125 and 150 % the whole frame, title bar
# included, lies centred in the work area, so OK and Cancel are on the
# screen too; and so does the Save As dialog. And a long name's working
# shows when the number field takes the keyboard focus, with the mouse
# pointer where the tip would first go. Every wait is bounded.
set -euo pipefail
program=$(realpath "${1:?usage: placement.sh PROGRAM}")
name=placement
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$(realpath "$0")")/lib.sh"

need Xvfb icewm xdotool xprop xwininfo
start_display 1024x600x24
export QT_QPA_PLATFORM=xcb
app_pid=""

# The window manager, with its own empty settings, and its panel at the bottom.
HOME=$work icewm >"$work/icewm.log" 2>&1 &
pids+=($!)
workarea() { xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= [0-9]'; }
poll workarea || fail "icewm did not set up a work area"
read -r wx wy ww wh < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
[ "$wh" -lt 600 ] || fail "no panel: work area ${ww}x$wh"

# Prints the id of the window titled exactly $1, once there is one.
first_window() {
  local id
  id=$(xdotool search --name "^$(printf '%s' "$1" | sed 's/[].[*^$()+?{}|\\]/\\&/g')\$" 2>/dev/null |
    head -n1 || true)
  [ -n "$id" ] && echo "$id"
}
window() { poll first_window "$1"; }

# The frame of window $1 as "x y width height", from its position and the
# frame extents the window manager sets on it.
frame() {
  local x y w h l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/  Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/  Height:/ {print $2}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  [ -n "$b" ] || return 1
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Whether the frame of window $1 lies in the work area, centred to a few
# pixels (a fractional scale rounds).
placed() {
  local fx fy fw fh left right top bottom
  read -r fx fy fw fh < <(frame "$1") || return 1
  left=$((fx - wx)) right=$((wx + ww - fx - fw)) top=$((fy - wy)) bottom=$((wy + wh - fy - fh))
  [ "$left" -ge 0 ] && [ "$right" -ge 0 ] && [ "$top" -ge 0 ] && [ "$bottom" -ge 0 ] &&
    [ $((left - right)) -ge -3 ] && [ $((left - right)) -le 3 ] &&
    [ $((top - bottom)) -ge -3 ] && [ $((top - bottom)) -le 3 ]
}

# Whether the program shows a tooltip window.
tip_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && return 0
  done
  return 1
}

check() {
  local scale=$1 main dialog
  cd "$work"
  QT_SCALE_FACTOR=$scale "$program" >"$work/out.log" 2>&1 &
  app_pid=$!
  pids+=("$app_pid")
  main=$(window "Morvane Beta 2.0") || fail "at $scale the main window did not appear"
  poll placed "$main" ||
    fail "at $scale the main window's frame $(frame "$main") is not centred in the work area $wx $wy $ww $wh"
  if [ "$scale" = 1 ]; then
    xdotool mousemove 512 300
    xdotool windowactivate --sync "$main"
    xdotool type --delay 5 "bartholomewalexanderfitzwilliamsmythe"
    xdotool key Return Tab Tab Tab Tab   # name, Analyse Now, help, text box, number
    poll tip_shown || fail "no working shown on keyboard focus"
  fi
  if [ "$scale" = 1.5 ]; then
    xdotool windowactivate --sync "$main"
    xdotool type --delay 20 "john"
    xdotool key Return alt+a
    dialog=$(window "MorvaneBeta 2.0: Save Intrepretation as ...") || fail "no Save As dialog"
    poll placed "$dialog" ||
      fail "the Save As dialog's frame $(frame "$dialog") is not centred in the work area"
    xdotool windowactivate --sync "$dialog"
    xdotool key Escape
    poll bash -c "! xdotool search --name 'Save Intrepretation' >/dev/null 2>&1" ||
      fail "the Save As dialog stayed open"
  fi
  xdotool windowactivate --sync "$main"
  xdotool key Escape
  poll exited "$app_pid" || fail "at $scale Escape did not end the program"
  wait "$app_pid" || fail "at $scale the program failed"
  app_pid=""
}

for scale in 1 1.25 1.5; do
  check "$scale"
done
echo "$name: passed"
