#!/usr/bin/env bash
# A person plays: clicks "play", drags F down, selects H with its letter and
# presses Right (closed: H stays), then moves I left by key.
source "$(dirname "$0")/common.bash"

start_program
click_at 48 126                                      # play
drag $((BOARD_X + 150)) $((BOARD_Y + 350)) 0 70      # F from field 13 down
xdotool type --delay 100 h; xdotool key Right; sleep 0.5
xdotool type --delay 100 i; xdotool key Left; sleep 0.8   # I slides left
screenshot play.png
stop_program

white="255,255,255"
expect_pixel play.png $((BOARD_X + 110)) $((BOARD_Y + 480)) "$blue" "F now on field 17"
expect_pixel play.png $((BOARD_X + 150)) $((BOARD_Y + 320)) "$white" "field 13 free"
expect_pixel play.png $((BOARD_X + 250)) $((BOARD_Y + 420)) "$blue" "I now on field 18"
expect_pixel play.png $((BOARD_X + 350)) $((BOARD_Y + 450)) "$white" "field 19 free"
expect_pixel play.png $((BOARD_X + 20)) $((BOARD_Y + 420)) "$blue" "H still on field 16"
expect_colour_in play.png $((BOARD_X + 110)) $((BOARD_Y + 410)) 80 80 "$white" "F's letter moved along"
expect_colour_in play.png $((BOARD_X + 210)) $((BOARD_Y + 410)) 80 80 "255,255,0" "I carries the selection ring"
expect_dark_in play.png 432 48 50 40 "moves panel lists two moves"
exit $FAILED
