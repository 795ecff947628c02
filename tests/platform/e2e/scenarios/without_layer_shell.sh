# Where the bar can have neither the layer shell nor X it says so and fails, the demo too: with
# no display at all, with a named compositor that is not there, on weston without an X display.
# Where the compositor offers XWayland instead (weston, GNOME's mutter) the bar shows its
# headlines through it; on mutter docked at the top with its strut, so that maximised windows
# stay below it.
. "$(dirname "$0")/../harness.sh"
. "$(dirname "$0")/../wayland.sh"

# expect_no_display PATTERN [ARGUMENT]: the program fails, saying so.
expect_no_display() {
  local status=0
  "$VB_PROGRAM" "${@:2}" 2>"$WORK/err" || status=$?
  [ $status -ne 0 ] && grep -q "$1" "$WORK/err" || fail "'velloband ${*:2}' ended with $status: $(cat "$WORK/err")"
}
expect_no_display '^velloband: cannot open the display$'
expect_no_display '^velloband: cannot open the display$' --demo
WAYLAND_DISPLAY=wayland-absent expect_no_display 'cannot open the display'

start_xwayland_bar() {
  write_channel_settings
  "$VB_PROGRAM" >>"$WORK/bar.log" 2>&1 &
  BAR_PID=$!
  expect 30 "the bar is not shown through XWayland" shown_bar_window
  expect 20 "no headline appeared" x_bar_shows_text
}

prepare_x11_sockets
weston --backend=headless-backend.so --xwayland --width=$SCREEN_W --height=$SCREEN_H \
  --socket=wayland-vb --idle-time=0 >"$WORK/weston.log" 2>&1 &
HELPER_PIDS+=($!)
expect 30 "weston did not start" test -S "$XDG_RUNTIME_DIR/wayland-vb"
expect 30 "no XWayland" grep -q 'xserver listening on display' "$WORK/weston.log"
export WAYLAND_DISPLAY=wayland-vb
expect_no_display 'offers no layer shell'
export DISPLAY=$(log_match "$WORK/weston.log" 'listening on display (:[0-9]+)')
start_xwayland_bar
expect_exit_zero TERM
stop "${HELPER_PIDS[-1]}"

unset DISPLAY WAYLAND_DISPLAY
mutter --headless --wayland --virtual-monitor ${SCREEN_W}x${SCREEN_H} >"$WORK/mutter.log" 2>&1 &
HELPER_PIDS+=($!)
expect 30 "mutter did not start" test -S "$XDG_RUNTIME_DIR/wayland-0"
expect 30 "no XWayland" grep -q 'Using public X11 display' "$WORK/mutter.log"
export WAYLAND_DISPLAY=wayland-0
export DISPLAY=$(log_match "$WORK/mutter.log" 'public X11 display (:[0-9]+)')
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
export XAUTHORITY
start_xwayland_bar
bar_window() { shown_bar_window; }
expect 10 'bar at $(bar_geometry)' bar_at "0 0 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 24
expect 10 'work area $(xprop -root _NET_WORKAREA)' workarea_top 24
expect_exit_zero TERM
echo PASS
