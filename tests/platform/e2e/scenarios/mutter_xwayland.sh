# GNOME's compositor offers no layer shell: the bar comes up through XWayland, docked at the top
# with its strut, so that maximised windows stay below it, and shows its headlines.
. "$(dirname "$0")/../harness.sh"
. "$(dirname "$0")/../wayland.sh"
prepare_x11_sockets
mutter --headless --wayland --virtual-monitor ${SCREEN_W}x${SCREEN_H} >"$WORK/mutter.log" 2>&1 &
HELPER_PIDS+=($!)
expect 30 "mutter did not start" test -S "$XDG_RUNTIME_DIR/wayland-0"
expect 30 "no XWayland" grep -q 'Using public X11 display' "$WORK/mutter.log"
export WAYLAND_DISPLAY=wayland-0
export DISPLAY=$(log_match "$WORK/mutter.log" 'public X11 display (:[0-9]+)')
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
export XAUTHORITY

write_channel_settings
"$VB_PROGRAM" >>"$WORK/bar.log" 2>&1 &
BAR_PID=$!
expect 30 "the bar is not shown through XWayland" shown_bar_window
bar_window() { shown_bar_window; }
expect 10 'bar at $(bar_geometry)' bar_at "0 0 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 24
expect 10 'work area $(xprop -root _NET_WORKAREA)' workarea_top 24
expect 20 "no headline appeared" x_bar_shows_text
expect_exit_zero TERM
echo PASS
