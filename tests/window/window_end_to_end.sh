#!/usr/bin/env bash
# The real window on a virtual X display, used as a person would: accept the
# warning, close the tip, type a corpus file's path, choose the output folder
# by typing it, press the Alt key of Convert, answer the font dialog, exit.
# The RTF written must be the command line's for the same font answers, and
# the options and folder must be remembered. In Hebrew (LANGUAGE he) the
# window's titles and Alt keys are the Hebrew ones, read from LANG as the
# desktop sets it (the machine needs no generated locale for that). Run under
# xvfb-run.
# usage: window_end_to_end.sh QUORIN_EXECUTABLE CORPUS_FILE [he]
set -euo pipefail
quorin=$1
corpus=$2
language=${3:-en}
if [[ $language == he ]]; then
  export LANG=he_IL.UTF-8 LANGUAGE=he
  warning='אזהרה!' tip='עצת היום' folderChooser='בחירת תיקייה לקבצים החדשים' fontDialog='בחירת גופן'
  changeFolder=alt+hebrew_taw convert=alt+hebrew_he exit=alt+hebrew_yod
else
  export LANG=C.UTF-8 LANGUAGE=
  warning='Warning!' tip='Tip of the day' folderChooser='Choose a folder for your new files' fontDialog='Select Font'
  changeFolder=alt+h convert=alt+c exit=alt+x
fi
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
# The ids of the visible windows titled exactly $1, compared here rather
# than as xdotool's pattern, which does not match Hebrew titles.
titled() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$1" ]] && echo "$id"
  done
  return 0
}
# The id of the visible window titled exactly $1, waiting up to 20 s.
window() {
  local id
  for _ in $(seq 200); do
    id=$(titled "$1" | tail -1) && [[ -n $id ]] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
gone() {
  for _ in $(seq 200); do
    [[ -z $(titled "$1") ]] && return 0
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
keys "$warning" key Return
gone "$warning"
keys "$tip" key Escape
gone "$tip"
# A main window of the desktop (in its task bar), not a dialog.
if command -v xprop >/dev/null; then
  xprop -id "$(window Quorin)" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL || fail "not a normal window"
fi
keys Quorin type --delay 10 "$input"
keys Quorin key "$changeFolder"
keys "$folderChooser" type --delay 10 "$work/out"
sleep 0.5
keys "$folderChooser" key Return
gone "$folderChooser"
keys Quorin key "$convert"
# One question for each of the document's fonts.
asked=0
for _ in $(seq 100); do
  [[ -e "$work/out/Report 1980.wp.rtf" ]] && break
  font=$(titled "$fontDialog" | tail -1)
  if [[ -n $font ]]; then
    keys "$fontDialog" key Return
    # The next font may ask at once, in a dialog of the same title.
    for _ in $(seq 100); do
      titled "$fontDialog" | grep -qx "$font" || break
      sleep 0.1
    done
    asked=$((asked + 1))
  fi
  sleep 0.2
done
[[ -e "$work/out/Report 1980.wp.rtf" ]] || fail "nothing written"
[[ $asked -ge 1 ]] || fail "no font was asked"
keys Quorin key "$exit"
wait "$pid" || fail "quorin ended with status $?"
pid=

# The same file from the command line with the window's options (reverse
# parentheses is on at the first start), the font answers now remembered.
"$quorin" -f "$input" -o "$work/command" -p 2>/dev/null || fail "command line failed"
cmp "$work/out/Report 1980.wp.rtf" "$work/command/Report 1980.wp.rtf" || fail "window and command line differ"
settings=$XDG_CONFIG_HOME/Ardenwick/Quorin.ini
grep -q "^BrowseSave=$work/out\$" "$settings" || fail "output folder not remembered"
grep -q '^MainForm=1$' "$settings" || fail "options not remembered"
echo "converted through the window ($language), $asked font question(s)"
