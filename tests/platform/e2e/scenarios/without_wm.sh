# On a bare X server with the desktop scaled by two: the bar spans the screen in the desktop's
# pixels and its strut, in the screen's own pixels, covers the whole bar, also beside a panel
# that grows, shrinks and hides, where nothing but the panel's strut tells the bar where the
# panel is. The keyboard stays the user's: keys typed while the pointer rests on the headlines,
# and after it has left, reach the window that has the focus, and nothing is left focused on the
# bar. The configuration dialog takes the focus when it opens, so Escape closes it. When the X
# server ends, as at a logout, the bar saves its state and ends with status 0.
SCREEN_W=2048 SCREEN_H=1536 NO_WM=1
export GDK_SCALE=2
. "$(dirname "$0")/../harness.sh"
start_display
start_key_window editor 300 300
xdotool windowfocus --sync "$KEY_WINDOW"
start_panel top 30 50 20 0
start_channel_bar
# The panel's 30 pixels are 15 of the desktop's, the bar's 24 are 48 of the screen's.
expect 10 'bar at $(bar_geometry)' bar_at "0 30 $SCREEN_W 48"
expect 10 'strut $(bar_strut)' strut_is "0, 0, 78, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0"
# The panel grows under the bar's strut, shrinks, and hides itself leaving a line that reserves
# nothing, and comes back: the bar follows within a second each time.
for top in 50 20 0 30; do
  kill -USR1 "$PANEL_PID"
  expect 2 "bar at \$(bar_geometry), not below a panel of $top" bar_at "0 $top $SCREEN_W 48"
  [ $top != 50 ] || expect 10 'strut $(bar_strut)' strut_top_is 98
done
stop "$PANEL_PID"
expect 10 'bar at $(bar_geometry) after the panel went' bar_at "0 0 $SCREEN_W 48"
expect 10 'strut $(bar_strut)' strut_top_is 48

bar=$(bar_window)
point_into_headline
expect 10 "no tooltip on the headline" tooltip
keys_reach editor "$KEY_WINDOW" 3
xdotool mousemove 400 350
keys_reach editor "$KEY_WINDOW" 6

xdotool mousemove 8 8 click 1
choose_from_bottom 2
dialog=$(expect_window "$CONFIG" "configuration dialog")
expect 10 'the dialog has no focus, $(xdotool getwindowfocus) has' focused "$dialog"
xdotool key Escape
expect_closed "$CONFIG" "on Escape, the configuration dialog"
! focused "$bar" || fail "the bar was left with the focus"

# The X server goes.
kill "${HELPER_PIDS[0]}"
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1
echo PASS
