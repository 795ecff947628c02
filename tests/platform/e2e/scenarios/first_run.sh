# A first run docks a 24-pixel bar at the top over the screen's width with the strut reserved,
# writes MaxFileNo=0 and AutoLoad=1 and creates the autostart entry; a second start ends at once
# and touches nothing. While the pointer rests on the page the keyboard stays the user's. The
# tray's right button hides the bar and gives the strip back, the left one shows it again, and
# the menu's last item ends the program with the bar's state written. Dragging the bar by its
# broadcast icon away from the edge makes it float, and shutdown remembers the place.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
expect 10 'strut $(bar_strut)' strut_is "0, 0, 24, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0"
[ "$(bar_geometry)" = "0 0 $SCREEN_W 24" ] || fail "bar at $(bar_geometry)"
expect 10 'the strip is not reserved: $(xprop -root _NET_WORKAREA)' workarea_top 24
expect_ini FileNo MaxFileNo 0
expect_ini Window AutoLoad 1
grep -qxF "Exec=\"$(realpath "$VB_PROGRAM")\"" "$XDG_CONFIG_HOME/autostart/velloband.desktop" ||
  fail "the autostart entry does not start this program"

files() { (cd "$XDG_CONFIG_HOME" && find . -type f -exec md5sum {} + | sort); }
before=$(files)
timeout 20 "$VB_PROGRAM" >>"$WORK/second.log" 2>&1 || fail "the second start ended with status $?"
[ "$before" = "$(files)" ] || fail "the second start changed files"
[ "$(dock_windows | wc -l)" -eq 1 ] || fail "$(dock_windows | wc -l) bars"
! gone "$BAR_PID" || fail "the first instance is gone"

start_key_window editor 300 300
xdotool windowactivate --sync "$KEY_WINDOW"
expect 15 "the other window has no focus" focused "$KEY_WINDOW"
xdotool mousemove 500 12
keys_reach editor "$KEY_WINDOW" 3
xdotool mousemove 400 350

click_tray 3
expect 10 "the bar is still shown" bar_unmapped
expect 10 'the strip was not given back: $(xprop -root _NET_WORKAREA)' workarea_top 0
click_tray 1
expect 10 "the bar did not come back" bar_mapped
expect 10 'the strip was not reserved again: $(xprop -root _NET_WORKAREA)' workarea_top 24
open_from_tray 1
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1

# The floating bar's strut is zero (not deleted, which some window managers ignore) and the menu
# opens at the end of the drag.
start_bar
xdotool mousemove 8 8 mousedown 1
for step in $(seq 10); do
  xdotool mousemove 8 $((8 + step * 20))
  sleep 0.05
done
xdotool mouseup 1
floating() { [[ "$(bar_geometry)" == "0 200 "* ]] && strut_is "$NO_STRUT" && workarea_top 0; }
expect 10 'bar at $(bar_geometry), strut "$(bar_strut)"' floating
expect 10 "no menu after the drag" menu_open
xdotool key Escape
expect_exit_zero TERM
expect_ini Window Fixed ""
expect_ini Window OrigY 200
echo PASS
