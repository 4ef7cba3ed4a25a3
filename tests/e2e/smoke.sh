#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One real keyboard session, the same under X11 and under Wayland: type a
# name, analyse with Enter, save through the real Save As dialog, interpret
# a number, type a birth date with a short year (across a change of window)
# and meet the warning, save again, see a tab switch clear the page, close
# with Escape; nothing is left in the (empty) home folder.
#   smoke.sh PROGRAM [x11|wayland]
# X11 runs on an Xvfb display of its own, with no window manager. Wayland
# runs weston nested in such a display: xdotool types into weston's X window
# and weston hands the keys to the focused Wayland window. Every wait is a
# bounded poll for the awaited condition.
set -euo pipefail
program=$(realpath "${1:?usage: smoke.sh PROGRAM [x11|wayland]}")
platform=${2:-x11}
here=$(dirname "$(realpath "$0")")
name="smoke ($platform)"
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

case "$platform" in
  x11) need Xvfb xdotool ;;
  wayland)
    need Xvfb xdotool weston weston-debug
    # Qt's Wayland platform; the build tells where Qt keeps its plugins.
    if [ -n "${MORVANE_QT_PLUGINS:-}" ] &&
      [ ! -e "$MORVANE_QT_PLUGINS/platforms/libqwayland-generic.so" ]; then
      missing "Qt's Wayland platform (qt6-wayland)"
    fi
    ;;
  *) fail "unknown platform $platform" ;;
esac
start_display

case "$platform" in
  x11)
    export QT_QPA_PLATFORM=xcb
    # Window ids by exact title (and process); the one with the keyboard.
    find_windows() {
      local title
      title=$(printf '%s' "$1" | sed 's/[].[*^$()+?{}|\\]/\\&/g')
      xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "^$title\$" 2>/dev/null
    }
    has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
    # The user clicking back into a window: with no window manager nothing
    # else hands it the keyboard once another program's window is gone.
    switch_to() { xdotool windowfocus --sync "$1"; }
    ;;
  wayland)
    export QT_QPA_PLATFORM=wayland
    start_weston morvane-e2e 768 none
    export WAYLAND_DISPLAY=morvane-e2e
    compositor=$(poll xdotool search --class '^Weston Compositor$') || fail "no weston window"
    xdotool windowfocus --sync "$compositor"
    # The compositor's own list of mapped windows: "PID:SURFACE APP-ID TITLE".
    views() {
      weston-debug scene-graph 2>/dev/null |
        sed -n "s/.*role xdg_toplevel, PID \([0-9]*\), surface ID \([0-9]*\), top-level window '\(.*\)' of \([^,]*\), 0x.*/\1:\2 \4 \3/p"
    }
    find_windows() {
      local id title
      while read -r id _ title; do
        if [ "$title" = "$1" ] && { [ -z "${2:-}" ] || [ "${id%%:*}" = "$2" ]; }; then
          echo "$id"
        fi
      done < <(views)
      return 0
    }
    # Desktop-shell gives the keyboard to a window as it maps it, and to
    # the window below when one closes, in the same step.
    has_keyboard() { true; }
    switch_to() { true; }
    ;;
esac

# Waits for a window with title $1 (of process $2) to be shown; prints its id.
first_window() {
  local id
  id=$(find_windows "$@" | head -n1)
  [ -n "$id" ] && echo "$id"
}
window() { poll first_window "$@"; }
no_window() { [ -z "$(find_windows "$@")" ]; }
gone() { poll no_window "$@"; }
focused() { poll has_keyboard "$1" || fail "$2 did not get the keyboard"; }

save_title="MorvaneBeta 2.0: Save Intrepretation as ..."
save_as() {
  xdotool key alt+a
  dialog=$(window "$save_title") || fail "no Save As dialog"
  focused "$dialog" "the Save As dialog"
  xdotool key ctrl+a
  xdotool type --delay 15 "$1"
  xdotool key Return
  gone "$save_title" || fail "the Save As dialog stayed open"
  focused "$main" "the main window, after Save As,"
}
# A message box titled with the program's name; Enter closes it.
message_box() {
  box=$(window morvane) || fail "no message box $1"
  focused "$box" "the message box $1"
  no_window "$save_title" || fail "a Save As dialog opened $1"
  xdotool key Return
  gone morvane || fail "the message box $1 stayed open"
  focused "$main" "the main window, after the message box $1,"
}

cd "$work"
"$program" >"$work/out.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
main=$(window "Morvane Beta 2.0" "$app_pid") || fail "the main window did not appear"
if [ "$platform" = wayland ]; then
  # The compositor finds the window's icon through the desktop file its
  # app id names; the build draws that icon.
  app_id=$(views | awk -v id="$main" '$1 == id { print $2 }')
  desktop="$here/../../data/$app_id.desktop"
  [ -f "$desktop" ] || fail "app id '$app_id' names no desktop file"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -s "$(dirname "$program")/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "the desktop file's icon '$icon' is not drawn"
fi
focused "$main" "the main window"

xdotool type --delay 30 "John Smith"
xdotool key Return
save_as "$work/name" # no extension typed: the dialog adds .txt

# The report is written once the dialog has closed: wait for it.
poll test -f "$work/name.txt" || fail "name.txt was not written"
mapfile -t lines < <(sed 's/\r$//' "$work/name.txt")
[ "${lines[1]}" != "" ] && [[ "${lines[1]}" =~ ^Morvane\ Beta\ 2\.0\ -\ Generated\ on\ [0-9]{2}/[0-9]{2}/[0-9]{2}\ at\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] ||
  fail "header line 2 is '${lines[1]}'"
[ "${lines[4]}" = $'Name:\tjohn smith' ] || fail "line 5 is '${lines[4]}'"
[ "${lines[6]}" = $'Number:\t35' ] || fail "line 7 is '${lines[6]}'"
[[ "${lines[8]}" == "This is a number of "* ]] || fail "line 9 is '${lines[8]}'"
[ "$(grep -c $'\r$' "$work/name.txt")" = 8 ] || fail "expected 8 CR LF line ends"
[ "$(tail -c1 "$work/name.txt" | od -An -c | tr -d ' ')" != '\n' ] || fail "trailing line end"

xdotool key ctrl+Tab ctrl+Tab # to Interpret Number
xdotool type --delay 30 "60"
xdotool key Return
save_as "$work/number.txt"
poll test -f "$work/number.txt" || fail "number.txt was not written"
[ "$(sed -n '5,$p' "$work/number.txt")" = $'Number: 60\r\n\r\nThis number is not a valid number.' ] ||
  fail "number.txt body is wrong"

# Birth/Destiny Number: a full day and month each move the focus on; the
# year is left short while the user looks at another window, which is no
# leaving of the field.
xdotool key alt+b
xdotool type --delay 30 "311299"
"$program" >/dev/null 2>&1 &
other_pid=$!
pids+=("$other_pid")
other=$(window "Morvane Beta 2.0" "$other_pid") || fail "the other window did not appear"
focused "$other" "the other window"
xdotool key Escape
poll exited "$other_pid" || fail "the other window did not close"
gone "Morvane Beta 2.0" "$other_pid" || fail "the other window stayed"
switch_to "$main"
focused "$main" "the main window, back from the other one,"
no_window morvane || fail "a change of window ran the year check"
xdotool key Tab # leaving the short year does
message_box "for the short year"
xdotool key ctrl+a # the year field has the keyboard again
xdotool type --delay 30 "1999"
xdotool key Return
save_as "$work/birth"
poll test -f "$work/birth.txt" || fail "birth.txt was not written"
[ "$(sed -n '5p;7p' "$work/birth.txt")" = $'Date of Birth: 31-12-1999\r\nBirth Number: 31\tDestiny Number: 8\r' ] ||
  fail "birth.txt is wrong: $(sed -n '5,7p' "$work/birth.txt")"

# Away and back: the page is empty, so there is nothing to save.
xdotool key ctrl+Tab alt+b alt+a
message_box "for nothing to save"

xdotool key Escape
poll exited "$app_pid" || fail "Escape did not end the program"
status=0
wait "$app_pid" || status=$?
[ "$status" = 0 ] || fail "the program exited with $status"
gone "Morvane Beta 2.0" || fail "a window was left behind"
# Three saves kept nothing for the next run: no settings, no history.
left=$(find "$HOME" -mindepth 1)
[ -z "$left" ] || fail "the session left in the home folder: $left"
echo "$name: passed"
