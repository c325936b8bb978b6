#!/usr/bin/env bash
# A quick player loses nothing: h, Right and, while H still slides, i, Left
# move both blocks; a tap on H and then a press and drag with no pointer
# move between them moves H.
source "$(dirname "$0")/common.bash"

white="255,255,255"
start_program
click_at 48 126 # play
xdotool type h; xdotool key Right; sleep 0.1
xdotool type i; xdotool key Left; sleep 1
screenshot keys.png
expect_pixel keys.png $((BOARD_X + 150)) $((BOARD_Y + 480)) "$blue" "H on field 17"
expect_pixel keys.png $((BOARD_X + 250)) $((BOARD_Y + 480)) "$blue" "I on field 18"
expect_pixel keys.png $((BOARD_X + 20)) $((BOARD_Y + 480)) "$white" "field 16 free"
expect_pixel keys.png $((BOARD_X + 380)) $((BOARD_Y + 480)) "$white" "field 19 free"

click_at 48 710 # reset: the blocks go home
move_to $((BOARD_X + 50)) $((BOARD_Y + 450)); sleep 0.1
xdotool click 1; sleep 0.2
xdotool mousedown 1; sleep 0.1
for i in 1 2 3 4 5; do move_to $((BOARD_X + 50 + 14 * i)) $((BOARD_Y + 450)); sleep 0.05; done
xdotool mouseup 1; sleep 0.3
screenshot tap.png
stop_program
expect_pixel tap.png $((BOARD_X + 150)) $((BOARD_Y + 480)) "$blue" "tapped H dragged to field 17"
expect_pixel tap.png $((BOARD_X + 20)) $((BOARD_Y + 480)) "$white" "field 16 free again"
exit $FAILED
