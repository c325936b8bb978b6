#!/usr/bin/env bash
# Slides leave nothing behind at any scale, and keys typed faster than the
# slides run all make their moves. Run on a small screen, where the window
# opens fitted below scale 1, and at the desktop scale factors 1.25, 1.5 and
# 2, each on its own X server; after 24 keys at 60 ms (12 moves in all four
# directions, ending where they began) the free fields must be plain white,
# read from the screen, and the list must hold all 12 moves.
if [ -z "${TRULP_TRAILS_CASE:-}" ]; then
  status=0
  for c in "1024x700x24 1" "1600x1400x24 1.25" "1800x1600x24 1.5" "2400x2000x24 2"; do
    read -r screen factor <<<"$c"
    TRULP_TRAILS_CASE=$factor TRULP_E2E_SCREEN=$screen bash "$0" "$@" || status=1
  done
  exit $status
fi
source "$(dirname "$0")/common.bash"
export QT_SCALE_FACTOR=$TRULP_TRAILS_CASE

start_program
# The window's scale on the screen: its width over the design's.
scale=$(echo "$WIDTH / 564" | bc -l)
at() { printf '%.0f' "$(echo "$1 * $scale" | bc -l)"; }
click_at "$(at 48)" "$(at 126)" # play
xdotool key --delay 60 f Down f Up g Down g Up h Right h Left i Left i Right f Down f Up g Down g Up
sleep 1.5
screenshot trails.png

# Fields 17 and 18, a few pixels in from their edges, hold nothing but white.
x0=$(at $((16 + 103))); y0=$(at $((148 + 403))); x1=$(at $((16 + 297))); y1=$(at $((148 + 497)))
left=$(pixels trails.png "$x0" "$y0" $((x1 - x0)) $((y1 - y0)) | grep -vc '^255,255,255$' || true)
if [ "$left" != 0 ]; then
  echo "FAIL: scale $scale (factor $QT_SCALE_FACTOR): $left pixels left behind in the free fields" >&2
  FAILED=1
else
  echo "ok: free fields white at scale $scale (factor $QT_SCALE_FACTOR)"
fi
# The pointer of the moves list stands on row 13: twelve moves were made.
expect_colour_in trails.png "$(at $((432 + 1)))" "$(at $((48 + 12 * 20 + 4)))" "$(at 6)" "$(at 10)" "255,0,0" \
  "twelve quick moves in the list (factor $QT_SCALE_FACTOR)"
stop_program
exit $FAILED
