#!/usr/bin/env bash
# The game survives closing: three moves, the window closed, and at the next
# start the same moves and board are back; a reset is undone with Ctrl+Z.
source "$(dirname "$0")/common.bash"

white="255,255,255"
red="255,0,0"
TRULP_DATA_HOME=$(mktemp -d)
export TRULP_DATA_HOME
start_program
click_at 48 126 # play
for k in "h Right" "h Left" "i Left"; do
  read -r letter arrow <<<"$k"
  xdotool type "$letter"; xdotool key "$arrow"; sleep 0.4
done
"$WM_CLOSE" "$WIN"
wait "$PROGRAM_PID" 2>/dev/null || true
[ -s "$TRULP_DATA_HOME/TRULP/game" ] || { echo "FAIL: no game kept" >&2; exit 1; }

start_program
screenshot back.png
expect_pixel back.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "$blue" "I on field 18 again"
expect_pixel back.png $((BOARD_X + 350)) $((BOARD_Y + 480)) "$white" "field 19 free again"
expect_colour_in back.png $((432 + 1)) $((48 + 3 * 20 + 4)) 6 10 "$red" "three moves in the list again"
click_at 48 710 # reset throws them away ...
xdotool key ctrl+z; sleep 0.4 # ... and Ctrl+Z brings them back
screenshot undone.png
stop_program
expect_pixel undone.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "$blue" "I on field 18 after undo"
expect_colour_in undone.png $((432 + 1)) $((48 + 3 * 20 + 4)) 6 10 "$red" "three moves after undo"
exit $FAILED
