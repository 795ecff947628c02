# The menu docks the bar at the bottom edge; SIGTERM then ends the session like a closing
# desktop, also while the menu is open: status 0 and the bar's state written.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
start_bar
click_tray 1
# From the bottom: exit, configuration, help, then "dock at the bottom".
choose_from_bottom 4
at_bottom() { [ "$(bar_geometry)" = "0 $((SCREEN_H - 24)) $SCREEN_W 24" ]; }
expect 10 'bar at $(bar_geometry)' at_bottom
expect 10 'strut $(bar_strut)' strut_is "0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1))"
# The bar now covers the tray: its broadcast icon opens the menu.
xdotool mousemove 8 $((SCREEN_H - 16)) click 1
expect 10 "the popup menu did not open" menu_open
kill -TERM "$BAR_PID"
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 0
expect_ini Window OrigY $((SCREEN_H - 24))
echo PASS
