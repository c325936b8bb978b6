#!/usr/bin/env bash
# Closing the window with its close box ends the program at once with status
# 0 and no sanitizer report, whatever runs: a slide, a search (normal and
# step), a replay (continuous and step), a solve. While the statistics or the
# help window is open the close request is ignored; once it is closed, the
# program closes normally. Runs itself again inside a private X server.
source "$(dirname "$0")/common.bash"

# Sends the close request and waits up to 3 s for the program to end.
close_and_expect_exit() { # what
  "$WM_CLOSE" "$WIN"
  local waited=0
  while kill -0 "$PROGRAM_PID" 2>/dev/null && [ $waited -lt 30 ]; do sleep 0.1; waited=$((waited + 1)); done
  if kill -0 "$PROGRAM_PID" 2>/dev/null; then
    echo "FAIL: $1: still running 3 s after the close request" >&2
    stop_program
    FAILED=1
    return
  fi
  local status=0
  wait "$PROGRAM_PID" || status=$?
  if [ $status -ne 0 ]; then
    echo "FAIL: $1: exit status $status" >&2
    cat "$WORK/program.log" >&2
    FAILED=1
  elif grep -qE 'Sanitizer|runtime error' "$WORK/program.log"; then
    echo "FAIL: $1: a sanitizer report" >&2
    cat "$WORK/program.log" >&2
    FAILED=1
  else
    echo "ok: $1: closed at once, status 0, $((waited * 100)) ms"
  fi
}

expect_alive() { # what
  sleep 1
  if kill -0 "$PROGRAM_PID" 2>/dev/null; then
    echo "ok: $1"
  else
    echo "FAIL: $1: the program ended" >&2
    FAILED=1
  fi
}

PLAY="48 126" REPLAY="120 126" SEARCH="192 126" STEP="104 88" GO="388 710" SOLVE="200 710"

start_program; click_at $PLAY; xdotool type h; xdotool key Right
close_and_expect_exit "during a slide"

start_program; click_at $SEARCH; click_at $STEP; click_at $GO; sleep 0.5
close_and_expect_exit "during a search in step mode"

start_program; click_at $SEARCH; move_to $GO; xdotool click 1
close_and_expect_exit "during a search"

start_program; click_at $SEARCH; click_at $GO; sleep 1; click_at $REPLAY; click_at $GO; sleep 0.6
close_and_expect_exit "during a replay"

start_program; click_at $SEARCH; click_at $GO; sleep 1; click_at $REPLAY; click_at $STEP; move_to $GO; xdotool click 1
close_and_expect_exit "during a replay step"

start_program; click_at $PLAY; click_at $SOLVE; sleep 0.6
close_and_expect_exit "during a solve"

for dialog in "509 710 statistics" "520 22 help"; do
  read -r x y name <<<"$dialog"
  start_program; click_at "$x" "$y"
  DIALOG=$(timeout 10 xdotool search --sync --onlyvisible --name "^TRULP $name\$" | head -n 1) || true
  "$WM_CLOSE" "$WIN"
  expect_alive "the close request is ignored while the $name window is open"
  "$WM_CLOSE" "$DIALOG"; sleep 0.5
  close_and_expect_exit "after the $name window closed"
done
exit $FAILED
