# On fluxbox, which puts an opacity of its own on the frame around the bar, with a compositor:
# the translucent mode, from the start, lets the window under the floating bar show through all
# of it; the transparent mode, from the broadcast icon's menu, lets it show around the text
# only; the opaque mode hides it again.
WM=fluxbox COMPOSITOR=xcompmgr NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
start_display
# A white window under the place where the bar floats.
start_key_window under 0 150
xdotool windowsize --sync "$KEY_WINDOW" 700 200
printf '[Window]\nFixed=\nOrigX=0\nOrigY=250\nAutoLoad=0\n[Format]\nMode=1\n' >"$SETTINGS"
start_bar
# shade: the darkest and the average grey of the bar right of its icons, 0 to 100.
shade() {
  import -window root -crop 600x24+100+250 -colorspace gray "$WORK/shade.png"
  convert "$WORK/shade.png" -format '%[fx:int(minima*100)] %[fx:int(mean*100)]' info:
}
# shade_within DARKEST MEAN DARKEST MEAN: whether the bar's shade lies between the two.
shade_within() {
  local d m
  read -r d m < <(shade)
  [ "$d" -ge "$1" ] && [ "$m" -ge "$2" ] && [ "$d" -le "$3" ] && [ "$m" -le "$4" ]
}
# The black bar at 155 of 255 over white: grey, about 39 %.
expect 10 'the translucent bar shows $(shade)' shade_within 25 25 60 60
# From the top of the menu: next, previous, opaque, translucent, transparent.
menu_item() {
  xdotool mousemove 8 258 click 1
  expect 10 "the popup menu did not open" menu_open
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  xdotool mousemove 400 600
}
menu_item 5
expect 10 'the transparent bar shows $(shade)' shade_within 0 80 100 100
menu_item 3
expect 10 'the opaque bar shows $(shade)' shade_within 0 0 5 20
expect_exit_zero TERM
echo PASS
