# The bar on a layer-shell compositor is used with the pointer as on X: a click on its broadcast
# icon opens the menu, whose entry docks it at the bottom; dragging the icon away from the edge
# floats it where it was dropped, reserving nothing, and that place is saved. sway runs in a
# window of a private Xvfb here, so that xdotool moves its pointer.
NO_WM=1
NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
. "$(dirname "$0")/../wayland.sh"
start_display
XVFB=$DISPLAY
WLR_BACKENDS=x11 start_sway ""
pointer() { DISPLAY=$XVFB xdotool "$@"; }

write_channel_settings
start_session_bar
expect 30 'the top strip is not kept free: $(usable)' usable_is "24 $((SCREEN_H - 24))"

# The menu opens beside the pointer; its entries lie at fixed heights above its bottom edge.
menu_box() {
  run_as_user grim -g "0,24 400x$((SCREEN_H - 24))" "$WORK/menu.png" && text_box "$WORK/menu.png"
}
menu_bottom() {
  local x y w h
  read -r x y w h < <(menu_box) && [ "$h" -gt 300 ] && echo $((24 + y + h))
}
pointer mousemove 8 8 click 1
expect 10 "the menu did not open" menu_bottom
pointer mousemove 60 $(($(menu_bottom) - 97)) click 1
expect 10 'the bottom strip is not kept free: $(usable)' usable_is "0 $((SCREEN_H - 24))"

# Dragged by the icon 300 pixels right and 350 up, the bar floats there.
pointer mousemove 8 $((SCREEN_H - 16)) mousedown 1
for step in $(seq 1 10); do
  pointer mousemove $((8 + step * 30)) $((SCREEN_H - 16 - step * 35))
  sleep 0.05
done
pointer mouseup 1
expect 10 'the floating bar still reserves its strip: $(usable)' usable_is "0 $SCREEN_H"
expect 10 "the menu did not open after the drag" menu_bottom
pointer mousemove 900 100 click 1
expect_exit_zero TERM
expect_ini Window Fixed ""
expect_ini Window OrigX 300
expect_ini Window OrigY $((SCREEN_H - 24 - 350))
echo PASS
