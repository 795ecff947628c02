# A small desktop, 800 x 600, whose window manager keeps a strip free for a toolbar of its own,
# without a strut, and has no notification area. The bar docks below that strip. Nothing could
# show a hidden bar again, so hiding it from the menu or by a double click on its broadcast icon
# leaves it shown. The configuration dialog fits into the work area beside the bar, its buttons
# in view below its content, which scrolls as far as it reaches; Escape closes it and the help
# dialog as their close buttons do. The export dialog offers a file in the home folder.
SCREEN_W=800 SCREEN_H=600 NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
OPENBOX_RC=$WORK/rc.xml
cat >"$OPENBOX_RC" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>20</top><bottom>0</bottom><left>0</left><right>0</right></margins>
</openbox_config>
RC
start_display
start_bar
expect 10 'bar at $(bar_geometry), not below the toolbar' bar_at "0 20 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 44
# menu_item COUNT: the broadcast icon's menu, then the item COUNT places up from its bottom:
# exit, configuration, help, the two dock items, full width, uninstall, hide (the greyed update
# item is passed over).
menu_item() { xdotool mousemove 8 28 click 1 && choose_from_bottom "$1"; }
menu_item 8
sleep 1
bar_mapped || fail "the menu hid the bar"
double_click 8 28
sleep 1
bar_mapped || fail "a double click hid the bar"
expect 10 'the strip is no longer reserved: $(xprop -root _NET_WORKAREA)' workarea_top 44

menu_item 2
dialog=$(expect_window "$CONFIG" "configuration dialog")
read -r left top width height < <(geometry "$dialog")
bottom=$((top + height))
[ "$left" -ge 0 ] && [ "$top" -ge 44 ] && [ $((left + width)) -le 800 ] && [ "$bottom" -le 600 ] ||
  fail "the dialog spans $width x $height at $left $top"
# Scrolled well past its end, the content shows its last part, not an empty area.
xdotool mousemove $((left + 200)) $((top + 200))
for _ in $(seq 40); do xdotool click 5; done
sleep 0.5
import -window root -crop "${width}x120+${left}+$((bottom - 186))" "$WORK/end.png"
[ "$(colours_in "$WORK/end.png")" -gt 8 ] || fail "the content scrolls on into an empty area"
# "关闭" stays in view below the content: its middle 481 pixels in, 38 above the bottom.
xdotool mousemove $((left + 481)) $((bottom - 38)) click 1
expect_closed "$CONFIG" "on its close button, the configuration dialog"
menu_item 2
escape_closes "$CONFIG" "the configuration dialog"
menu_item 3
escape_closes '^V1\.14－帮助$' "the help dialog"

# From the bottom, the tenth item is the import and export submenu; its second item exports.
xdotool mousemove 8 28 click 1
expect 10 "the popup menu did not open" menu_open
for _ in $(seq 10); do xdotool key Up; done
xdotool key Right Down Return
xdotool windowactivate --sync "$(expect_window '^导出配置文件$' "export dialog")" key Return
expect 10 "nothing was exported to the home folder" test -s "$HOME/velloband.cnf"
expect_ini IniFile IniOut "$HOME/velloband.cnf"
expect_exit_zero TERM
echo PASS
