# A desktop whose window manager keeps a strip free for a toolbar of its own, without a strut,
# and has no notification area. The bar docks below that strip. Nothing could show a hidden bar
# again, so hiding it from the menu or by a double click on its broadcast icon leaves it shown.
NO_TRAY=1
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
expect 10 'bar at $(bar_geometry), not over the toolbar' bar_at "0 20 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 44
# From the bottom: exit, configuration, help, the two dock items, full width, uninstall, hide
# (the greyed update item is passed over).
xdotool mousemove 8 28 click 1
choose_from_bottom 8
sleep 1
bar_mapped || fail "the menu hid the bar"
double_click 8 28
sleep 1
bar_mapped || fail "a double click hid the bar"
expect 10 'the strip is no longer reserved: $(xprop -root _NET_WORKAREA)' workarea_top 44
expect_exit_zero TERM
echo PASS
