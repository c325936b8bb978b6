#!/usr/bin/env bash
# A person asks the coach: clicks "play", drags F down, asks for a hint twice
# (the block, then the move), lets solve play the rest, and saves the game
# through the save dialog. The saved list must replay to the goal.
source "$(dirname "$0")/common.bash"
SOLVE="$(dirname "$TRULP")/../cli/trulp-solve"

rm -f "$WORK/TRULP_ coached"
start_program
click_at 48 126                                      # play
drag $((BOARD_X + 150)) $((BOARD_Y + 350)) 0 70      # F from field 13 down
click_at 128 710                                     # hint: the ring
click_at 128 710; sleep 0.6                          # hint again: the move
click_at 200 710                                     # solve
for attempt in $(seq 1 90); do                       # at most 45 s
  screenshot coach.png
  if [ "$(pixels coach.png $((BOARD_X + 150)) $((BOARD_Y + 480)) 1 1)" = "255,0,0" ] &&
     [ "$(pixels coach.png $((BOARD_X + 250)) $((BOARD_Y + 330)) 1 1)" = "255,0,0" ]; then
    break
  fi
  sleep 0.5
done
expect_pixel coach.png $((BOARD_X + 150)) $((BOARD_Y + 330)) "255,0,0" "X covers field 13"
expect_pixel coach.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "255,0,0" "X covers field 18"
sleep 0.5

# Save through the toolbar's save dialog.
click_at 96 30
DIALOG=$(timeout 10 xdotool search --sync --onlyvisible --name 'Save' | head -n 1) || true
if [ -z "$DIALOG" ]; then
  echo "FAIL: the save dialog did not appear" >&2
  exit 1
fi
sleep 0.5
xdotool type --delay 20 "$WORK/coached"; sleep 0.3; xdotool key Return; sleep 1
stop_program

if [ ! -f "$WORK/TRULP_ coached" ]; then
  echo "FAIL: nothing saved as $WORK/TRULP_ coached" >&2
  exit 1
fi
echo "ok: saved as TRULP_ coached"
if report=$("$SOLVE" --optimal --from "$WORK/TRULP_ coached" --json) &&
   grep -q '"moves": 0' <<<"$report"; then
  echo "ok: the saved list replays to the goal"
else
  echo "FAIL: the saved list does not reach the goal: $report" >&2
  FAILED=1
fi
exit $FAILED
