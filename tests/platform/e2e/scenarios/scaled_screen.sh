# With the desktop scaled by two the bar spans the screen in the desktop's pixels and its strut,
# in the screen's own pixels, covers the whole bar, also beside a panel that grows, shrinks and
# hides; here on a bare X server, where nothing but the panel's strut tells the bar where the
# panel is.
SCREEN_W=2048 SCREEN_H=1536 NO_WM=1
export GDK_SCALE=2
. "$(dirname "$0")/../harness.sh"
start_display
start_panel top 30 50 20 0
start_bar
# The panel's 30 pixels are 15 of the desktop's, the bar's 24 are 48 of the screen's.
expect 10 'bar at $(bar_geometry)' bar_at "0 30 $SCREEN_W 48"
expect 10 'strut $(bar_strut)' strut_is "0, 0, 78, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0"
# The panel grows under the bar's strut, shrinks, and hides itself leaving a line that reserves
# nothing: the bar follows within a second each time.
kill -USR1 "$PANEL_PID"
expect 2 'bar at $(bar_geometry) after the panel grew' bar_at "0 50 $SCREEN_W 48"
expect 10 'strut $(bar_strut)' strut_top_is 98
kill -USR1 "$PANEL_PID"
expect 2 'bar at $(bar_geometry) after the panel shrank' bar_at "0 20 $SCREEN_W 48"
kill -USR1 "$PANEL_PID"
expect 2 'bar at $(bar_geometry) after the panel hid' bar_at "0 0 $SCREEN_W 48"
kill -USR1 "$PANEL_PID"
expect 2 'bar at $(bar_geometry) after the panel came back' bar_at "0 30 $SCREEN_W 48"
stop "$PANEL_PID"
expect 10 'bar at $(bar_geometry) after the panel went' bar_at "0 0 $SCREEN_W 48"
expect 10 'strut $(bar_strut)' strut_top_is 48
expect_exit_zero TERM
echo PASS
