#!/usr/bin/env bash
# The real program under Xvfb: a file named on the command line opens in the
# text editor with its name in the caption; a missing one is reported and the
# window starts untitled; a typed line is saved with the file's own line breaks
# and every other byte unchanged; "&Koniec" ends the program.
# Usage: text_editor.sh <path of vorbix>. Exit 77 = skipped (no Xvfb/xdotool).
set -u
vorbix=$(readlink -f "$1")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77

work=$(mktemp -d)
display=""
for n in $(seq $((100 + $$ % 400)) 599); do
  [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "$display" ] || exit 77
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prog=""
cleanup() {
  [ -n "$prog" ] && kill "$prog" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
for i in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*"; exit 1; }
# Waits until a window with exactly this title exists; prints its id.
window() {
  for i in $(seq 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
start() { (cd "$work" && exec "$vorbix" "$@") & prog=$!; }
stopped() {
  for i in $(seq 100); do kill -0 "$prog" 2>/dev/null || { prog=""; return 0; }; sleep 0.1; done
  return 1
}

# A Windows-1250 file with LF breaks, the Polish letters and a byte of each high value.
printf 'Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1\nsecond line\x80\x81\xff\n' > "$work/some.txt"
cp "$work/some.txt" "$work/original.txt"

start some.txt
win=$(window "Vorbix 2 - some.txt") || fail "no window titled 'Vorbix 2 - some.txt'"
sleep 0.5
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
sleep 0.3
xdotool key ctrl+End
xdotool type --delay 20 "added"
xdotool key Return
sleep 0.3
xdotool key ctrl+s
sleep 0.5
{ cat "$work/original.txt"; printf 'added\n'; } > "$work/expected.txt"
cmp -s "$work/some.txt" "$work/expected.txt" ||
  fail "saved bytes differ: $(od -An -c "$work/some.txt")"
xdotool key alt+p
sleep 0.3
xdotool key k
stopped || fail "the program did not end after Koniec"

start missing.txt
msg=$(window "Otwieranie pliku") || fail "no message about the missing file"
sleep 0.3
xdotool windowfocus "$msg" 2>/dev/null
xdotool key Return
window "Vorbix 2 - Bez nazwy" >/dev/null || fail "no untitled window after the message"
kill "$prog"; wait "$prog" 2>/dev/null; prog=""
echo "ok"
