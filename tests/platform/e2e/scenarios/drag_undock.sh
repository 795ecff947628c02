# Dragging the bar by its broadcast icon away from the screen's edge makes it float there: the
# strut is zero (not deleted, which some window managers ignore) and the strip free again, the
# menu opens at the end of the drag, and shutdown remembers the place.
. "$(dirname "$0")/../harness.sh"
start_display
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
kill -TERM "$BAR_PID"
expect_exit_zero
expect_ini Window Fixed ""
expect_ini Window OrigY 200
echo PASS
