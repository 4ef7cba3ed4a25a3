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
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "placement: $*" >&2; exit 1; }

for tool in Xvfb icewm xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

# Polls (bounded, about 10 s) until the command succeeds.
until_true() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

# The X server picks a free display itself and writes its number once ready.
Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
until_true grep -q . "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# The window manager, with its own empty settings, and its panel at the bottom.
HOME=$work icewm >"$work/icewm.log" 2>&1 &
wm_pid=$!
workarea() { xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= [0-9]'; }
until_true workarea || fail "icewm did not set up a work area"
read -r wx wy ww wh < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
[ "$wh" -lt 600 ] || fail "no panel: work area ${ww}x$wh"

# Prints the id of the window titled exactly $1, once there is one.
window() {
  local pattern
  pattern="^$(printf '%s' "$1" | sed 's/[].[*^$()+?{}|\\]/\\&/g')\$"
  for _ in $(seq 100); do
    id=$(xdotool search --name "$pattern" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

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
  main=$(window "Morvane Beta 2.0") || fail "at $scale the main window did not appear"
  until_true placed "$main" ||
    fail "at $scale the main window's frame $(frame "$main") is not centred in the work area $wx $wy $ww $wh"
  if [ "$scale" = 1 ]; then
    xdotool mousemove 512 300
    xdotool windowactivate --sync "$main"
    xdotool type --delay 5 "bartholomewalexanderfitzwilliamsmythe"
    xdotool key Return Tab Tab Tab Tab   # name, Analyse Now, help, text box, number
    until_true tip_shown || fail "no working shown on keyboard focus"
  fi
  if [ "$scale" = 1.5 ]; then
    xdotool windowactivate --sync "$main"
    xdotool type --delay 20 "john"
    xdotool key Return alt+a
    dialog=$(window "MorvaneBeta 2.0: Save Intrepretation as ...") || fail "no Save As dialog"
    until_true placed "$dialog" ||
      fail "the Save As dialog's frame $(frame "$dialog") is not centred in the work area"
    xdotool windowactivate --sync "$dialog"
    xdotool key Escape
    until_true bash -c "! xdotool search --name 'Save Intrepretation' >/dev/null 2>&1" ||
      fail "the Save As dialog stayed open"
  fi
  xdotool windowactivate --sync "$main"
  xdotool key Escape
  until_true bash -c "! kill -0 $app_pid 2>/dev/null" || fail "at $scale Escape did not end the program"
  wait "$app_pid" || fail "at $scale the program failed"
  app_pid=""
}

for scale in 1 1.25 1.5; do
  check "$scale"
done
echo "placement: passed"
