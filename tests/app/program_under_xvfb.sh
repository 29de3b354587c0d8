#!/usr/bin/env bash
# Runs the built program on a virtual X display as a person would: it starts as a process
# named Brevant with the editor as its only window, opens the About box from the system menu,
# and ends when the editor is closed with Alt+F4. Skipped (exit 77) without Xvfb or xdotool.
set -euo pipefail
program=$1
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: Xvfb writes the number it took.
exec {fd}>"$work/display"
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*"; exit 1; }
# Waits for a window with exactly this name and prints its id.
window_named() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }

"$program" >"$work/out" 2>&1 &
app_pid=$!
editor=$(window_named "Orvo Config") || fail "no editor window"
[[ $(ps -o comm= -p "$app_pid") == Brevant ]] || fail "process is named $(ps -o comm= -p "$app_pid")"
[[ $(xdotool search --onlyvisible --pid "$app_pid" --name . | wc -l) == 1 ]] || fail "more than one window"

visible() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }
xdotool windowfocus --sync "$editor"
before=$(visible)
xdotool key alt+space
for _ in $(seq 100); do (( $(visible) > before )) && break; sleep 0.1; done
(( $(visible) > before )) || fail "no system menu on Alt+Space"
xdotool key a
about=$(window_named "About Brevant") || fail "no About box from the system menu"
xdotool windowfocus --sync "$about"
xdotool key Escape
for _ in $(seq 100); do xdotool search --onlyvisible --name "^About Brevant\$" >/dev/null || break; sleep 0.1; done
xdotool search --onlyvisible --name "^About Brevant\$" >/dev/null && fail "About box still open after Escape"

xdotool windowfocus --sync "$editor"
xdotool key alt+F4
timeout 20 tail --pid="$app_pid" -f /dev/null || fail "program still running after Alt+F4"
wait "$app_pid" || true
app_pid=
echo "program started, showed its About box and ended with its window"
