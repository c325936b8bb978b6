#!/usr/bin/env bash
# The computer searches: "search", GO, then "statistics" is refused until the
# run has ended and then opens; the board shows X on its goal fields.
source "$(dirname "$0")/common.bash"

start_program
click_at 192 126   # search
click_at 104 88    # step: slow enough to click during the run
click_at 388 710   # GO
sleep 0.5
click_at 509 710   # statistics while the search runs
sleep 0.5
if xdotool search --onlyvisible --name '^TRULP statistics$' >/dev/null 2>&1; then
  echo "FAIL: statistics opened during the search" >&2
  stop_program
  exit 1
fi
echo "ok: statistics refused during the search"
click_at 104 88    # step off: the run goes on in big slices
opened=""
for attempt in $(seq 1 100); do
  click_at 509 710 # statistics: refused while the search runs
  if xdotool search --onlyvisible --name '^TRULP statistics$' >/dev/null 2>&1; then
    opened=yes
    break
  fi
  sleep 0.3
done
if [ -z "$opened" ]; then
  echo "FAIL: the statistics window never opened" >&2
  stop_program
  exit 1
fi
echo "ok: statistics opened after the run (attempt $attempt)"
xdotool key Escape
sleep 0.4
screenshot search.png
stop_program

red="255,0,0"
expect_pixel search.png $((BOARD_X + 150)) $((BOARD_Y + 330)) "$red" "X covers field 13"
expect_pixel search.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "$red" "X covers field 18"
expect_colour_in search.png 16 658 537 25 "0,0,0" "a message is shown"
exit $FAILED
