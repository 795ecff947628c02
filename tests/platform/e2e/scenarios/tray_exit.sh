# The tray's left button opens the menu and its last item ends the program with the bar's state
# written.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
wait_until 20 tray_icon || fail "no tray icon"
click_tray 1
choose_from_bottom 1
expect_exit_zero
expect_state_saved
[ "$(ini_value Window Fixed)" = 1 ] || fail "Fixed is '$(ini_value Window Fixed)'"
echo PASS
