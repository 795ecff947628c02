# Dragging the bar by its broadcast icon away from the screen's edge makes it float there: the
# strut goes, the menu opens at the end of the drag, and shutdown remembers the place.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
xdotool mousemove 8 8 mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove 8 $((8 + step * 20))
  sleep 0.05
done
xdotool mouseup 1
floating() {
  local x y w h
  read -r x y w h < <(bar_geometry) && [ "$x $y" = "0 200" ] && [ -z "$(bar_strut)" ]
}
wait_until 10 floating || fail "bar at $(bar_geometry), strut '$(bar_strut)'"
wait_until 10 menu_open || fail "no menu after the drag"
xdotool key Escape
kill -TERM "$BAR_PID"
expect_exit_zero
[ "$(ini_value Window Fixed)" = "" ] || fail "Fixed is '$(ini_value Window Fixed)'"
[ "$(ini_value Window OrigY)" = 200 ] || fail "OrigY is '$(ini_value Window OrigY)'"
echo PASS
