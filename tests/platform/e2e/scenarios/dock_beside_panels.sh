# The bar docks beside the desktop's panels: under a top panel and above a bottom one, its strut
# reaching from the screen's edge to its own far edge, and it follows when a panel goes. On the
# bar, a double click on the broadcast icon hides it, one on the next icon goes two channels on.
# SIGTERM ends the session like a closing desktop, also while the menu is open: status 0 and the
# bar's state written.
. "$(dirname "$0")/../harness.sh"
start_display
start_panel top 30
top_panel=$PANEL_PID
feed=$WORK/feed.xml
printf '<rss version="2.0"><channel><title>E2E</title><item><title>Tide table</title><link>http://example.com/1</link></item></channel></rss>\n' >"$feed"
{
  printf '[Window]\r\nFixed=1\r\nAutoLoad=0\r\n[FileNo]\r\nMaxFileNo=6\r\nCurrentFileNo=0\r\n[URL]\r\n'
  for n in 0 1 2 3 4 5; do printf '%s=file://%s\r\n' "$n" "$feed"; done
} >"$SETTINGS"
for n in 0 1 2 3 4 5; do cp "$feed" "$XDG_CONFIG_HOME/velloband$n"; done
start_bar
expect 10 'bar at $(bar_geometry), not under the panel' bar_at "0 30 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 54
expect 10 'work area: $(xprop -root _NET_WORKAREA)' workarea_top 54
stop "$top_panel"
expect 10 'bar at $(bar_geometry) after the panel went' bar_at "0 0 $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_top_is 24

start_panel bottom 40
# The broadcast icon's single click opens the menu; from the bottom: exit, configuration, help,
# then "dock at the bottom".
xdotool mousemove 8 8 click 1
choose_from_bottom 4
expect 10 'bar at $(bar_geometry), not over the panel' bar_at "0 $((SCREEN_H - 64)) $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_is "0, 0, 0, 64, 0, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1))"
stop "$PANEL_PID"
expect 10 'bar at $(bar_geometry) after the panel went' bar_at "0 $((SCREEN_H - 24)) $SCREEN_W 24"
# A panel that comes later pushes the docked bar aside.
start_panel bottom 40
expect 10 'bar at $(bar_geometry) after a panel came' bar_at "0 $((SCREEN_H - 64)) $SCREEN_W 24"
stop "$PANEL_PID"
expect 10 'bar at $(bar_geometry) after the panel went' bar_at "0 $((SCREEN_H - 24)) $SCREEN_W 24"
expect 10 'strut $(bar_strut)' strut_is "0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1))"

# The second press of a double click is the double click alone.
double_click 8 $((SCREEN_H - 16))
expect 10 "a double click on the broadcast icon left the bar shown" bar_unmapped
menu_open && fail "the double click opened the menu"
click_tray 1
expect 10 "the bar did not come back" bar_mapped
double_click 56 $((SCREEN_H - 20))
sleep 1
# The bar covers the tray: its broadcast icon opens the menu.
xdotool mousemove 8 $((SCREEN_H - 16)) click 1
expect 10 "the popup menu did not open" menu_open
expect_exit_zero TERM
expect_state_saved
expect_ini Window Fixed 0
expect_ini Window OrigY $((SCREEN_H - 24))
# Start-up moved on to channel 1; the double click makes two steps.
expect_ini FileNo CurrentFileNo 3
echo PASS
