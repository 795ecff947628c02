# SIGTERM ends the session like a closing desktop: the bar's state is written, status 0.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
kill -TERM "$BAR_PID"
expect_exit_zero
expect_state_saved
[ "$(ini_value Window OrigY)" = 0 ] || fail "OrigY is '$(ini_value Window OrigY)'"
echo PASS
