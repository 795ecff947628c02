# The menu docks the bar at the bottom edge, and shutdown remembers it.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
wait_until 20 tray_icon || fail "no tray icon"
click_tray 1
# From the bottom: exit, configuration, help, then "dock at the bottom".
choose_from_bottom 4
at_bottom() {
  local x y w h
  read -r x y w h < <(bar_geometry) && [ "$y" = $((SCREEN_H - 24)) ]
}
wait_until 10 at_bottom || fail "bar at $(bar_geometry)"
strut_at_bottom() { [ "$(bar_strut)" = "0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1))" ]; }
wait_until 10 strut_at_bottom || fail "strut $(bar_strut)"
kill -TERM "$BAR_PID"
expect_exit_zero
[ "$(ini_value Window Fixed)" = 0 ] || fail "Fixed is '$(ini_value Window Fixed)'"
echo PASS
