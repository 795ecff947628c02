# weston offers no layer shell either: the bar shows its headlines through XWayland. Without an
# X display as well it says why it cannot show itself and ends with a failure.
. "$(dirname "$0")/../harness.sh"
. "$(dirname "$0")/../wayland.sh"
prepare_x11_sockets
weston --backend=headless-backend.so --xwayland --width=$SCREEN_W --height=$SCREEN_H \
  --socket=wayland-vb --idle-time=0 >"$WORK/weston.log" 2>&1 &
HELPER_PIDS+=($!)
expect 30 "weston did not start" test -S "$XDG_RUNTIME_DIR/wayland-vb"
expect 30 "no XWayland" grep -q 'xserver listening on display' "$WORK/weston.log"
export WAYLAND_DISPLAY=wayland-vb

status=0
"$VB_PROGRAM" 2>"$WORK/alone.err" || status=$?
[ $status -ne 0 ] || fail "without an X display the program ended with status 0"
grep -q 'offers no layer shell' "$WORK/alone.err" || fail "it said: $(cat "$WORK/alone.err")"

export DISPLAY=$(log_match "$WORK/weston.log" 'listening on display (:[0-9]+)')
write_channel_settings
"$VB_PROGRAM" >>"$WORK/bar.log" 2>&1 &
BAR_PID=$!
expect 30 "the bar is not shown through XWayland" shown_bar_window
expect 20 "no headline appeared" x_bar_shows_text
expect_exit_zero TERM
echo PASS
