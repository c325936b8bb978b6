# Shared steps of the real-window tests: start the program on a private X
# server, find its window, click and drag in window coordinates, read pixels
# of a screenshot.
set -euo pipefail

# The test runs itself again inside a private X server.
if [ -z "${TRULP_E2E_INNER:-}" ]; then
  export TRULP_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 ${TRULP_E2E_SCREEN:-1280x1024x24}" bash "$0" "$@"
fi

TRULP=$1
WORK=${2:-$(mktemp -d)}
mkdir -p "$WORK"
# A real window on the private X server, whatever the test runner set.
export QT_QPA_PLATFORM=xcb
# The board's top left in the window at its design size, and a blue block's colour.
BOARD_X=16
BOARD_Y=148
blue="0,96,255"

start_program() {
  # A home of its own: no records or kept game of another start, unless the
  # test keeps one (TRULP_DATA_HOME).
  XDG_DATA_HOME=${TRULP_DATA_HOME:-$(mktemp -d)}
  export XDG_DATA_HOME
  "$TRULP" >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
  trap stop_program EXIT
  WIN=$(timeout 30 xdotool search --sync --onlyvisible --name '^TRULP puzzel$' | head -n 1) || true
  if [ -z "$WIN" ]; then
    echo "FAIL: the main window did not appear" >&2
    cat "$WORK/program.log" >&2
    exit 1
  fi
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WX=$X
  WY=$Y
  sleep 0.5
}

stop_program() {
  kill "$PROGRAM_PID" 2>/dev/null || true
  wait "$PROGRAM_PID" 2>/dev/null || true
}

# Window-relative pointer actions.
move_to() { xdotool mousemove $((WX + $1)) $((WY + $2)); }
click_at() { move_to "$1" "$2"; sleep 0.1; xdotool click 1; sleep 0.2; }
drag() { # x y dx dy
  move_to "$1" "$2"; sleep 0.1
  move_to $(($1 + 1)) $(($2 + 1)); sleep 0.1
  xdotool mousedown 1; sleep 0.1
  for i in 1 2 3 4 5; do move_to $(($1 + $3 * i / 5)) $(($2 + $4 * i / 5)); sleep 0.05; done
  xdotool mouseup 1; sleep 0.3
}

screenshot() { import -window root "$WORK/$1"; }

# Pixels of a window rectangle in a screenshot, one "r,g,b" per line.
pixels() { # file x y w h
  convert "$WORK/$1" -crop "${4}x${5}+$((WX + $2))+$((WY + $3))" -depth 8 txt:- |
    grep -o '#[0-9A-Fa-f]\{6\}' |
    while read -r hex; do printf '%d,%d,%d\n' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"; done
}

FAILED=0
expect_pixel() { # file x y "r,g,b" what
  local got
  got=$(pixels "$1" "$2" "$3" 1 1)
  if [ "$got" != "$4" ]; then
    echo "FAIL: $5: pixel ($2, $3) is $got, expected $4" >&2
    FAILED=1
  else
    echo "ok: $5"
  fi
}

# Any pixel of the colour within a window rectangle.
expect_colour_in() { # file x y w h "r,g,b" what
  if pixels "$1" "$2" "$3" "$4" "$5" | awk -v c="$6" '$0 == c { found = 1 } END { exit !found }'; then
    echo "ok: $7"
  else
    echo "FAIL: $7: no pixel of ($6) in ${4}x${5} at ($2, $3)" >&2
    FAILED=1
  fi
}

# Any dark pixel (text, shadows) within a window rectangle.
expect_dark_in() { # file x y w h what
  if pixels "$1" "$2" "$3" "$4" "$5" | awk -F, '$1 < 64 && $2 < 64 && $3 < 64 { found = 1 } END { exit !found }'; then
    echo "ok: $6"
  else
    echo "FAIL: $6: nothing dark in ${4}x${5} at ($2, $3)" >&2
    FAILED=1
  fi
}
