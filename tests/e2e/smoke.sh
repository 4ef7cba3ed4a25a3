#!/usr/bin/env bash
# One real session under an X server: type a name, analyse with Enter, save
# through the real Save As dialog by keyboard, switch tabs with Ctrl+Tab,
# save again, close with Escape. Every wait is bounded.
set -euo pipefail
program=$(realpath "${1:?usage: smoke.sh PROGRAM}")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "smoke: $*" >&2; exit 1; }

# A display of our own, so nothing else on the machine is touched.
for n in $(seq 120 160); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "${display:-}" ] || fail "no free display"
Xvfb "$display" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

# Waits (bounded) for a window whose title is exactly $1; prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --name "^$(printf '%s' "$1" | sed 's/[].[*^$()+?{}|\\]/\\&/g')\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 100); do
    xdotool search --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# Without a window manager nobody hands the focus back after a dialog closes.
focus() { xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.2; }

save_as() {
  xdotool key alt+a
  dialog=$(window "MorvaneBeta 2.0: Save Intrepretation as ...") || fail "no Save As dialog"
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 15 "$1"
  xdotool key Return
  gone "Save Intrepretation" || fail "the Save As dialog stayed open"
  focus
}

cd "$work"
"$program" >"$work/out.log" 2>&1 &
app_pid=$!
main=$(window "Morvane Beta 2.0") || fail "the main window did not appear"
focus

xdotool type --delay 30 "John Smith"
xdotool key Return
save_as "$work/name"   # no extension typed: the dialog adds .txt

[ -f "$work/name.txt" ] || fail "name.txt was not written"
mapfile -t lines < <(sed 's/\r$//' "$work/name.txt")
[ "${lines[1]}" != "" ] && [[ "${lines[1]}" =~ ^Morvane\ Beta\ 2\.0\ -\ Generated\ on\ [0-9]{2}/[0-9]{2}/[0-9]{2}\ at\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] ||
  fail "header line 2 is '${lines[1]}'"
[ "${lines[4]}" = $'Name:\tjohn smith' ] || fail "line 5 is '${lines[4]}'"
[ "${lines[6]}" = $'Number:\t35' ] || fail "line 7 is '${lines[6]}'"
[[ "${lines[8]}" == "This is a number of "* ]] || fail "line 9 is '${lines[8]}'"
[ "$(grep -c $'\r$' "$work/name.txt")" = 8 ] || fail "expected 8 CR LF line ends"
[ "$(tail -c1 "$work/name.txt" | od -An -c | tr -d ' ')" != '\n' ] || fail "trailing line end"

xdotool key ctrl+Tab ctrl+Tab   # to Interpret Number
sleep 0.3
xdotool type --delay 30 "60"
xdotool key Return
save_as "$work/number.txt"
[ "$(sed -n '5,$p' "$work/number.txt")" = $'Number: 60\r\n\r\nThis number is not a valid number.' ] ||
  fail "number.txt body is wrong"

xdotool key Escape
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "Escape did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" = 0 ] || fail "the program exited with $status"
gone "Morvane" || fail "a window was left behind"
echo "smoke: passed"
