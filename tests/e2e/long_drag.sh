#!/usr/bin/env bash
# A drag that goes on along free fields moves the block on: H dragged two
# fields to the right at the classic start makes two moves.
source "$(dirname "$0")/common.bash"

white="255,255,255"
red="255,0,0"
start_program
click_at 48 126 # play
drag $((BOARD_X + 50)) $((BOARD_Y + 450)) 200 0
sleep 0.5
screenshot drag.png
stop_program
expect_pixel drag.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "$blue" "H on field 18"
expect_pixel drag.png $((BOARD_X + 50)) $((BOARD_Y + 480)) "$white" "field 16 free"
expect_pixel drag.png $((BOARD_X + 150)) $((BOARD_Y + 480)) "$white" "field 17 free"
# Two rows of the moves list hold a move: the pointer stands on row 3.
expect_colour_in drag.png $((432 + 1)) $((48 + 2 * 20 + 4)) 6 10 "$red" "two moves in the list"
exit $FAILED
