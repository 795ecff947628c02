# A first run docks a 24-pixel bar at the top over the screen's width with the strut reserved,
# writes MaxFileNo=0 and AutoLoad=1 and creates the autostart entry; a second start ends at once
# and touches nothing. While the pointer rests on the page the keyboard stays the user's. The
# tray's right button hides the bar and gives the strip back, the left one shows it again, and
# the menu's last item ends the program with the bar's state written. The menu opens the
# configuration dialog at (100, 100); choosing it again opens no second one. A colour field shows
# six digits whole; clicking the selected channel again reads its file again; the close button
# closes the dialog and the bar runs on. Dragging the bar by its broadcast icon away from the
# edge makes it float, and shutdown remembers the place.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
expect 10 'strut $(bar_strut)' strut_is "0, 0, 24, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0"
[ "$(bar_geometry)" = "0 0 $SCREEN_W 24" ] || fail "bar at $(bar_geometry)"
expect 10 'the strip is not reserved: $(xprop -root _NET_WORKAREA)' workarea_top 24
expect_ini FileNo MaxFileNo 0
expect_ini Window AutoLoad 1
grep -qxF "Exec=\"$(realpath "$VB_PROGRAM")\"" "$XDG_CONFIG_HOME/autostart/velloband.desktop" ||
  fail "the autostart entry does not start this program"

files() { (cd "$XDG_CONFIG_HOME" && find . -type f -exec md5sum {} + | sort); }
before=$(files)
timeout 20 "$VB_PROGRAM" >>"$WORK/second.log" 2>&1 || fail "the second start ended with status $?"
[ "$before" = "$(files)" ] || fail "the second start changed files"
[ "$(dock_windows | wc -l)" -eq 1 ] || fail "$(dock_windows | wc -l) bars"
! gone "$BAR_PID" || fail "the first instance is gone"

start_key_window editor 300 300
xdotool windowactivate --sync "$KEY_WINDOW"
expect 15 "the other window has no focus" focused "$KEY_WINDOW"
xdotool mousemove 500 12
keys_reach editor "$KEY_WINDOW" 3
xdotool mousemove 400 350

click_tray 3
expect 10 "the bar is still shown" bar_unmapped
expect 10 'the strip was not given back: $(xprop -root _NET_WORKAREA)' workarea_top 0
click_tray 1
expect 10 "the bar did not come back" bar_mapped
expect 10 'the strip was not reserved again: $(xprop -root _NET_WORKAREA)' workarea_top 24
open_from_tray 1
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1

# A channel whose download fails at once, so that its file is there only once written here.
printf '[Window]\r\nFixed=1\r\nAutoLoad=0\r\n[FileNo]\r\nMaxFileNo=1\r\nCurrentFileNo=0\r\n[URL]\r\n0=http://127.0.0.1:9/none.xml\r\n' >"$SETTINGS"
start_bar
# The floating bar's strut is zero (not deleted, which some window managers ignore) and the menu
# opens at the end of the drag.
xdotool mousemove 8 8 mousedown 1
for step in $(seq 10); do
  xdotool mousemove 8 $((8 + step * 20))
  sleep 0.05
done
xdotool mouseup 1
floating() {
  [[ "$(bar_geometry)" == "0 200 "* ]] && strut_is "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0" && workarea_top 0
}
expect 10 'bar at $(bar_geometry), strut "$(bar_strut)"' floating
expect 10 "no menu after the drag" menu_open
xdotool key Escape

open_from_tray 2
dialog=$(expect_window "$CONFIG" "configuration dialog")
read -r x y _ < <(geometry "$dialog")
# The window manager's frame sits at (100, 100); the dialog's own window inside it.
[ "$x" -ge 100 ] && [ "$x" -le 110 ] && [ "$y" -ge 100 ] && [ "$y" -le 140 ] ||
  fail "dialog at $x $y"
import -window "$dialog" "$WORK/config.png"
[ "$(colours_in "$WORK/config.png")" -gt 20 ] || fail "the dialog looks empty"

# Dialog units are 7/4 pixels across and 14/8 down. shot LEFT TOP WIDTH HEIGHT FILE, in dialog
# units, inside a field's border.
shot() {
  local l=$((x + $1 * 7 / 4 + 2)) t=$((y + $2 * 14 / 8 + 3)) w=$(($3 * 7 / 4 - 4)) h=$(($4 * 14 / 8 - 6))
  import -window root -crop "${w}x${h}+${l}+${t}" "$5"
}
ink_width() { convert "$1" -fuzz 30% -trim -format '%w' info:; }
# The same six digits in the wide address field and in the narrow background colour field.
xdotool mousemove --window "$dialog" $(((211 + 100) * 7 / 4)) $(((147 + 6) * 14 / 8)) click 1
xdotool type 000000
xdotool mousemove --window "$dialog" $(((286 + 70) * 7 / 4)) $(((163 + 6) * 14 / 8)) click 1
sleep 0.5
shot 211 147 216 12 "$WORK/address.png"
shot 12 141 30 12 "$WORK/colour.png"
wide=$(ink_width "$WORK/address.png") narrow=$(ink_width "$WORK/colour.png")
[ $((wide - narrow)) -le 1 ] && [ $((narrow - wide)) -le 1 ] ||
  fail "the colour field shows $narrow of $wide pixels of 000000"

# The first click finds no file; once it is there, a click on the same row shows it.
row() { xdotool mousemove --window "$dialog" $(((211 + 30) * 7 / 4)) $(((17 + 4) * 14 / 8)) click 1; }
row
sleep 1
shot 211 189 217 48 "$WORK/no-file.png"
printf '<?xml version="1.0"?><rss version="2.0"><channel><title>Later</title></channel></rss>\n' \
  >"$XDG_CONFIG_HOME/velloband0"
row
header_changed() { shot 211 189 217 48 "$WORK/file.png" && ! same_image "$WORK/no-file.png" "$WORK/file.png"; }
expect 10 "clicking the selected channel did not read its file again" header_changed

open_from_tray 2
sleep 1
[ "$(shown_titled "$CONFIG" | wc -l)" -eq 1 ] || fail "a second configuration dialog opened"
# "关闭" at (250, 314, 50, 14) dialog units: its middle in pixels.
xdotool mousemove --window "$dialog" 481 561 click 1
expect_closed "$CONFIG" "the dialog"
! gone "$BAR_PID" || fail "the bar ended"
expect_exit_zero TERM
expect_ini Window Fixed ""
expect_ini Window OrigY 200
echo PASS
