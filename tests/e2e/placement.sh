#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where the window lands on a 1024x600 screen, in a small table of desktops:
# icewm (with its panel) and openbox at 100, 150 and 200 %, in the default
# font and a larger one; the whole frame, title bar included, lies centred
# in the work area, so OK and Cancel are on the screen too; and so does the
# Save As dialog. And a long name's working shows when the number field
# takes the keyboard focus, with the mouse pointer where the tip would first
# go. Where the pages scroll, a keyboard user reads the interpretation: Tab
# into the box, Page Down and Ctrl+End keep its caret on the screen, in the
# part of the box the page shows (caret.py). Then weston with its panel,
# where the program learns of no panel: the window still ends inside the
# output. Every wait is bounded.
set -euo pipefail
program=$(realpath "${1:?usage: placement.sh PROGRAM}")
here=$(dirname "$(realpath "$0")")
name=placement
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

need Xvfb icewm openbox xdotool xprop xwininfo xwd xmessage
start_display 1024x600x24
start_a11y_bus
export QT_QPA_PLATFORM=xcb
app_pid=""
wm_pid=""

# The larger font: Noto Sans at 9 points of 117 dpi, about 11 points.
cat >"$work/fonts.conf" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>Sans Serif</family><prefer><family>Noto Sans</family></prefer></alias>
</fontconfig>
EOF
# Runs "${@:2}" in font $1 (default or large), as this (background) process.
in_font() {
  [ "$1" = large ] && export FONTCONFIG_FILE="$work/fonts.conf" QT_FONT_DPI=117
  exec "${@:2}"
}

workarea() { xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= [0-9]'; }
# Starts window manager $1, with its own empty settings, in place of the last.
start_wm() {
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid"
    poll exited "$wm_pid" || fail "the window manager did not end"
    xprop -root -remove _NET_WORKAREA
  fi
  wm=$1
  HOME=$work "$1" >"$work/$1.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  poll workarea || fail "$1 did not set up a work area"
  read -r wx wy ww wh < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
}

# Prints the id of the window titled exactly $1, once there is one.
first_window() {
  local id
  id=$(xdotool search --name "^$(printf '%s' "$1" | sed 's/[].[*^$()+?{}|\\]/\\&/g')\$" 2>/dev/null |
    head -n1 || true)
  [ -n "$id" ] && echo "$id"
}
window() { poll first_window "$1"; }

# The inside of window $1 on the screen: "x y width height".
client_area() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /  Width:/ {w = $2} /  Height:/ {h = $2} END {print x, y, w, h}'
}

# The frame of window $1 as "x y width height", from its inside and the
# frame extents the window manager sets on it.
frame() {
  local x y w h l r t b
  read -r x y w h < <(client_area "$1")
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  [ -n "$b" ] || return 1
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Whether the frame of window $1 lies in the work area, centred to a few
# pixels (a fractional scale rounds) unless $2 is "large".
placed() {
  local fx fy fw fh left right top bottom
  read -r fx fy fw fh < <(frame "$1") || return 1
  left=$((fx - wx)) right=$((wx + ww - fx - fw)) top=$((fy - wy)) bottom=$((wy + wh - fy - fh))
  [ "$left" -ge 0 ] && [ "$right" -ge 0 ] && [ "$top" -ge 0 ] && [ "$bottom" -ge 0 ] &&
    { [ "${2:-}" = large ] || {
      [ $((left - right)) -ge -3 ] && [ $((left - right)) -le 3 ] &&
        [ $((top - bottom)) -ge -3 ] && [ $((top - bottom)) -le 3 ]
    }; }
}

# Whether the program shows a tooltip window.
tip_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && return 0
  done
  return 1
}

# Tabs into the interpretation and pages through it; the caret stays on
# the screen, in the part of the box that shows, in window $1.
read_by_keyboard() {
  # shellcheck disable=SC2046 # the four numbers are four arguments
  "$python" "$here/caret.py" "$1" $(client_area "$1") >"$work/caret.log" 2>&1 ||
    fail "$what the caret goes out of view: $(cat "$work/caret.log")"
}

# One case of the table: scale $1, font $2, and $3 "scrolls" where the
# pages scroll.
check() {
  local scale=$1 font=$2 main dialog what="$wm at $1 in the $2 font:"
  cd "$work"
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_SCALE_FACTOR=$scale in_font "$font" "$program" \
    >"$work/out.log" 2>&1 &
  app_pid=$!
  pids+=("$app_pid")
  main=$(window "Morvane Beta 2.0") || fail "$what the main window did not appear"
  poll placed "$main" ||
    fail "$what the main window's frame $(frame "$main") is not centred in the work area $wx $wy $ww $wh"
  if [ "$scale$font$wm" = 1defaulticewm ]; then
    xdotool mousemove 512 300
    xdotool windowactivate --sync "$main"
    xdotool type --delay 5 "bartholomewalexanderfitzwilliamsmythe"
    xdotool key Return Tab Tab Tab Tab   # name, Analyse Now, help, text box, number
    poll tip_shown || fail "no working shown on keyboard focus"
  fi
  if [ "$scale" = 1.5 ] || [ "${3:-}" = scrolls ]; then
    xdotool windowactivate --sync "$main"
    xdotool type --delay 20 "john"
    xdotool key Return
  fi
  if [ "$scale" = 1.5 ]; then
    xdotool key alt+a
    dialog=$(window "MorvaneBeta 2.0: Save Intrepretation as ...") || fail "$what no Save As dialog"
    # Centred, or where it fills the work area (a large font), inside it.
    poll placed "$dialog" "$font" ||
      fail "$what the Save As dialog's frame $(frame "$dialog") is not centred in the work area"
    xdotool windowactivate --sync "$dialog"
    xdotool key Escape
    poll bash -c "! xdotool search --name 'Save Intrepretation' >/dev/null 2>&1" ||
      fail "$what the Save As dialog stayed open"
  fi
  if [ "${3:-}" = scrolls ]; then
    xdotool windowactivate --sync "$main"
    read_by_keyboard "$main"
  fi
  xdotool windowactivate --sync "$main"
  xdotool key Escape
  poll exited "$app_pid" || fail "$what Escape did not end the program"
  wait "$app_pid" || fail "$what the program failed"
  app_pid=""
}

start_wm icewm
[ "$wh" -lt 600 ] || fail "no panel: work area ${ww}x$wh"
for case in "1 default" "1.5 default scrolls" "2 default scrolls" "1 large scrolls" \
  "1.5 large scrolls"; do
  check $case
done
start_wm openbox
for case in "1 default" "2 default scrolls" "1.5 large scrolls"; do
  check $case
done
kill "$wm_pid"

# Weston, nested in the same display, with its 32-pixel panel at the top.
# Qt offers the whole output as free there; the window must still end
# inside it, OK and Cancel with it.
if [ -e "${MORVANE_QT_PLUGINS:-}/platforms/libqwayland-generic.so" ] && command -v weston-debug >/dev/null; then
  start_weston morvane-placement 600 top
  # Where the compositor shows the window: the top and bottom of its view.
  view() {
    WAYLAND_DISPLAY=morvane-placement weston-debug scene-graph 2>/dev/null |
      grep -A1 "top-level window 'Morvane Beta 2.0'" |
      sed -n 's/.*position: ([0-9-]*, \([0-9-]*\)) -> ([0-9-]*, \([0-9-]*\)).*/\1 \2/p'
  }
  inside() {
    local top bottom
    read -r top bottom < <(view) && [ "$top" -ge 0 ] && [ "$bottom" -le 600 ]
  }
  for case in "1 large" "2 default"; do
    read -r scale font <<<"$case"
    WAYLAND_DISPLAY=morvane-placement QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR=$scale \
      in_font "$font" "$program" >"$work/out.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    poll inside || fail "weston at $scale in the $font font: the window spans $(view), past the output's 600"
    kill "$app_pid"
    wait "$app_pid" || true
  done
elif [ "${CI:-}" = true ]; then
  missing "weston or Qt's Wayland platform"
fi
echo "$name: passed"
