#!/usr/bin/env bash
# A user opens a file in the hex tab through the real file dialog, types one
# hex digit over the first byte and saves with Ctrl+S: exactly that byte changes.
set -u
app=${1:?usage: $0 path/to/vorbix}
. "$(dirname "$0")/lib/xvfb.sh"

file=$BB_TMP/data.bin
printf '\x3c\x01\x02\x03ABCDEFGHIJKL' >"$file"
cp "$file" "$BB_TMP/expected.bin"
printf '\xac' | dd of="$BB_TMP/expected.bin" bs=1 seek=0 conv=notrunc status=none

bb_start_xvfb
bb_start_app "$app"

bb_key ctrl+Tab                      # to "Edytor heksacyjny"
bb_key ctrl+o                        # the open dialog
bb_wait_new_window >/dev/null || bb_fail "no open dialog"
sleep 0.5
bb_type "$file"
bb_key Return
sleep 1
# Without a window manager nobody hands the keyboard back to the main window.
xdotool windowfocus --sync "$BB_WIN" 2>/dev/null
sleep 0.3
bb_screenshot "$BB_TMP/loaded.png"
bb_key a                             # high nibble of byte 0: 3C -> AC
bb_key ctrl+s
sleep 1

cmp -s "$file" "$BB_TMP/expected.bin" || {
  echo "file on disk:"; od -An -tx1 "$file" | head -2
  bb_fail "saved file differs from the expected bytes"
}
echo "PASS"
