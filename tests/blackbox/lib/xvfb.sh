# Shared by the black-box scripts: a private Xvfb display, a private HOME, the
# program started on it, and helpers that drive it with xdotool.
# Exit code 77 tells CTest the check was skipped (no Xvfb or xdotool here).

command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1 || { echo "Xvfb/xdotool missing: skipped"; exit 77; }

BB_TMP=$(mktemp -d /tmp/vorbix-bb-XXXXXX)
export HOME=$BB_TMP/home XDG_CONFIG_HOME=$BB_TMP/config XDG_DATA_HOME=$BB_TMP/data \
       XDG_CACHE_HOME=$BB_TMP/cache XDG_RUNTIME_DIR=$BB_TMP/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
BB_XVFB_PID=
BB_APP_PID=

bb_cleanup() {
  [ -n "$BB_APP_PID" ] && kill "$BB_APP_PID" 2>/dev/null
  [ -n "$BB_XVFB_PID" ] && kill "$BB_XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$BB_TMP"
}
trap bb_cleanup EXIT

bb_fail() { echo "FAIL: $*"; exit 1; }

# Starts a private Xvfb; it picks a free display itself (-displayfd), so two
# checks started at the same moment never race for one number.
bb_start_xvfb() {
  local n=""
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$BB_TMP/display" >/dev/null 2>&1 &
  BB_XVFB_PID=$!
  for _ in $(seq 300); do
    n=$(head -1 "$BB_TMP/display" 2>/dev/null)
    [ -n "$n" ] && break
    kill -0 $BB_XVFB_PID 2>/dev/null || break
    sleep 0.1
  done
  if [ -n "$n" ]; then
    export DISPLAY=:$n
    for _ in $(seq 300); do xdotool getmouselocation >/dev/null 2>&1 && return 0; sleep 0.1; done
  fi
  kill $BB_XVFB_PID 2>/dev/null; BB_XVFB_PID=
  echo "no Xvfb display could be started: skipped"; exit 77
}

# bb_start_app <program> [args...]: starts it and waits for its main window.
bb_start_app() {
  "$@" >"$BB_TMP/app.log" 2>&1 &
  BB_APP_PID=$!
  BB_WIN=$(xdotool search --sync --onlyvisible --name "Vorbix 2" 2>/dev/null | head -1)
  [ -n "$BB_WIN" ] || bb_fail "main window did not appear"
  xdotool windowactivate --sync "$BB_WIN" 2>/dev/null || xdotool windowfocus --sync "$BB_WIN"
  sleep 0.5
}

# bb_wait_window <title regex>: waits until a window with that title shows; prints its id.
bb_wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# bb_wait_new_window: waits for a visible top-level window other than the main one; prints its id.
bb_wait_new_window() {
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
      [ "$id" != "$BB_WIN" ] && xdotool getwindowname "$id" >/dev/null 2>&1 && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

bb_key() { xdotool key --delay 60 "$@"; sleep 0.3; }
bb_type() { xdotool type --delay 30 "$1"; sleep 0.3; }
bb_screenshot() { command -v import >/dev/null && import -window root "$1" 2>/dev/null; }
