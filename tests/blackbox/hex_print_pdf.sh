#!/usr/bin/env bash
# A user prints a hex document where the system has no printer: "&Drukuj" in
# the hex tab's "&Plik" asks for a PDF file name, and the file holds the dump.
# KEEP_DIR=<folder> keeps the PDF and the screenshots there.
set -u
app=${1:?usage: $0 path/to/vorbix}
. "$(dirname "$0")/lib/xvfb.sh"
command -v pdftotext >/dev/null 2>&1 || { echo "pdftotext missing: skipped"; exit 77; }

file=$BB_TMP/sample.bin
printf '0123456789ABCDEF\x3c\x01Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1' >"$file"
pdf=$BB_TMP/printed.pdf

bb_start_xvfb
bb_start_app "$app"
bb_key ctrl+Tab                      # to "Edytor heksacyjny"
bb_key ctrl+o
bb_wait_new_window >/dev/null || bb_fail "no open dialog"
sleep 0.5
bb_type "$file"
bb_key Return
# The caption names the file once it is loaded.
for _ in $(seq 100); do
  xdotool getwindowname "$BB_WIN" 2>/dev/null | grep -q 'sample.bin' && break
  sleep 0.1
done
xdotool getwindowname "$BB_WIN" 2>/dev/null | grep -q 'sample.bin' || bb_fail "the file was not opened"
xdotool windowfocus --sync "$BB_WIN" 2>/dev/null
sleep 0.5
bb_key alt+p                         # "&Plik"
bb_key d                             # "&Drukuj"
bb_wait_new_window >/dev/null || bb_fail "no save dialog"
sleep 0.5
bb_screenshot "$BB_TMP/dialog.png"
xdotool key --delay 60 ctrl+a
bb_type "$pdf"
bb_key Return
for _ in $(seq 150); do [ -s "$pdf" ] && break; sleep 0.2; done
[ -s "$pdf" ] || bb_fail "no PDF written"
text=$(pdftotext -layout "$pdf" - | tr -s ' ')
if [ -n "${KEEP_DIR:-}" ]; then mkdir -p "$KEEP_DIR" && cp "$pdf" "$BB_TMP"/*.png "$KEEP_DIR"/; fi
grep -q '^ *ZQ THexEditor-Sample:sample.bin' <<<"$text" || bb_fail "no header: $text"
grep -q '0x00:3031 3233 3435 3637 3839 4142 4344 4546 0123456789ABCDEF' <<<"$text" || bb_fail "first line: $text"
grep -q '0x10:3C01 5A61 BFF3 B3E6 2067 EA9C 6CB9 206A <.Zażółć gęślą j' <<<"$text" || bb_fail "second line: $text"
grep -q '0x20:619F F1 aźń' <<<"$text" || bb_fail "third line: $text"
grep -q '^ *Page 1' <<<"$text" || bb_fail "no footer: $text"
echo "PASS"
