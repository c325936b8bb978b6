#!/usr/bin/env bash
# The program on Wayland without X: under weston's headless back end it
# starts, takes input (the move limit, the mode buttons) and opens the
# statistics and the help window, driven through its accessibility
# interface. Every window it opens is tied to the main window
# (xdg_toplevel.set_parent), the main window carries the launcher's id, and
# nothing but the protocol trace reaches standard error.
# Runs itself again inside a private D-Bus session, which AT-SPI needs.
set -euo pipefail
if [ -z "${TRULP_E2E_INNER:-}" ]; then
  export TRULP_E2E_INNER=1
  exec dbus-run-session -- bash "$0" "$@"
fi
TRULP=$1
WORK=${2:-$(mktemp -d)}
mkdir -p "$WORK"
here=$(cd "$(dirname "$0")" && pwd)
launcher=$(basename "$(ls "$here"/../../resources/*.desktop)" .desktop)

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
export WAYLAND_DISPLAY=trulp-e2e

weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" \
  --width=1366 --height=768 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
PROGRAM_PID=
stop() {
  [ -z "$PROGRAM_PID" ] || kill "$PROGRAM_PID" 2>/dev/null || true
  kill "$WESTON_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
  echo "FAIL: weston did not start" >&2
  cat "$WORK/weston.log" >&2
  exit 1
fi

log=$WORK/wayland-stderr.log
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  XDG_DATA_HOME=$(mktemp -d) "$TRULP" >"$WORK/wayland-stdout.log" 2>"$log" &
PROGRAM_PID=$!

FAILED=0
# The system's Python: AT-SPI's bindings are Debian packages.
/usr/bin/python3 "$here/wayland_drive.py" || FAILED=1
sleep 0.5
if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
  echo "FAIL: the program ended" >&2
  FAILED=1
fi
kill "$PROGRAM_PID" 2>/dev/null || true
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=

# With WAYLAND_DEBUG every request and event is a line "[time] ...";
# anything else is the program (or Qt) complaining.
if grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$log" >"$WORK/wayland-complaints.log"; then
  echo "FAIL: standard error:" >&2
  head -n 20 "$WORK/wayland-complaints.log" >&2
  FAILED=1
else
  echo "ok: nothing on standard error"
fi

# Each toplevel's parent and title, in the order the requests went out
# (the compositor reuses the ids of closed windows).
if ! awk -v launcher="$launcher" '
  match($0, /get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
    split(substr($0, RSTART, RLENGTH), part, /[@)]/); parent[part[2]] = ""; next
  }
  match($0, /xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)/) {
    split(substr($0, RSTART, RLENGTH), part, /[@.()]/); parent[part[2]] = part[5]; next
  }
  match($0, /xdg_toplevel@[0-9]+\.set_title\(".*"\)/) {
    split(substr($0, RSTART, RLENGTH), part, /[@.]/); id = part[2]
    title = substr($0, index($0, "set_title(\"") + 11); sub(/"\)$/, "", title)
    if (title == "TRULP puzzel") { main = id; next }
    seen[title] = 1
    if (main == "" || parent[id] != main) { print "FAIL: \"" title "\" is not tied to the main window"; bad = 1 }
    else print "ok: \"" title "\" is tied to the main window"
    next
  }
  main != "" && index($0, "xdg_toplevel@" main ".set_app_id(\"" launcher "\")") { appid = 1 }
  END {
    if (main == "") { print "FAIL: no main window"; bad = 1 }
    if (!appid) { print "FAIL: the main window does not carry the launcher id " launcher; bad = 1 }
    else print "ok: the main window carries the launcher id"
    if (!seen["TRULP statistics"] || !seen["TRULP help"]) { print "FAIL: a window did not open"; bad = 1 }
    exit bad
  }' "$log"; then
  FAILED=1
fi

if [ $FAILED -ne 0 ]; then
  echo "the logs are in $WORK" >&2
  exit 1
fi
echo "wayland ok"
