#!/usr/bin/env bash
# The real window on a virtual X display, used as a person would: accept the
# warning, close the tip, type a corpus file's path, choose the output folder
# by typing it, press Alt+C, answer the font dialog, exit. The RTF written
# must be the command line's for the same font answers, and the options and
# folder must be remembered. Run under xvfb-run.
# usage: window_end_to_end.sh QUORIN_EXECUTABLE CORPUS_FILE
set -euo pipefail
quorin=$1
corpus=$2
work=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config QUORIN_SOFFICE=none
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -p "$work/in" "$work/out" "$work/command"
input="$work/in/Report 1980.wp"
cp "$corpus" "$input"

fail() { echo "FAIL: $*" >&2; exit 1; }
# The id of the visible window titled exactly $1, waiting up to 20 s.
window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [[ -n $id ]] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" stays"
}
# Keys to the window titled $1, once it has the keyboard.
keys() {
  local id
  id=$(window "$1")
  shift
  xdotool windowfocus --sync "$id"
  sleep 0.3
  xdotool "$@"
}

"$quorin" &
pid=$!
keys 'Warning!' key Return
gone 'Warning!'
keys 'Tip of the day' key Escape
gone 'Tip of the day'
keys Quorin type --delay 10 "$input"
keys Quorin key alt+h
keys 'Choose a folder for your new files' type --delay 10 "$work/out"
sleep 0.5
keys 'Choose a folder for your new files' key Return
gone 'Choose a folder for your new files'
keys Quorin key alt+c
# One question for each of the document's fonts.
asked=0
for _ in $(seq 100); do
  [[ -e "$work/out/Report 1980.wp.rtf" ]] && break
  font=$(xdotool search --onlyvisible --name '^Select Font$' 2>/dev/null | tail -1) || true
  if [[ -n $font ]]; then
    keys 'Select Font' key Return
    # The next font may ask at once, in a dialog of the same title.
    for _ in $(seq 100); do
      xdotool search --onlyvisible --name '^Select Font$' 2>/dev/null | grep -qx "$font" || break
      sleep 0.1
    done
    asked=$((asked + 1))
  fi
  sleep 0.2
done
[[ -e "$work/out/Report 1980.wp.rtf" ]] || fail "nothing written"
[[ $asked -ge 1 ]] || fail "no font was asked"
keys Quorin key alt+x
wait "$pid" || fail "quorin ended with status $?"
pid=

# The same file from the command line with the window's options (reverse
# parentheses is on at the first start), the font answers now remembered.
"$quorin" -f "$input" -o "$work/command" -p 2>/dev/null || fail "command line failed"
cmp "$work/out/Report 1980.wp.rtf" "$work/command/Report 1980.wp.rtf" || fail "window and command line differ"
settings=$XDG_CONFIG_HOME/Ardenwick/Quorin.ini
grep -q "^BrowseSave=$work/out\$" "$settings" || fail "output folder not remembered"
grep -q '^MainForm=1$' "$settings" || fail "options not remembered"
echo "converted through the window, $asked font question(s)"
