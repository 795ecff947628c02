# Without a notification area nothing could show a hidden bar again: hiding it from the menu or
# by a double click on its broadcast icon leaves it shown.
NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
# From the bottom: exit, configuration, help, the two dock items, full width, uninstall, hide
# (the greyed update item is passed over).
xdotool mousemove 8 8 click 1
choose_from_bottom 8
sleep 1
bar_mapped || fail "the menu hid the bar"
xdotool mousemove 8 8 click --repeat 2 --delay 120 1
sleep 1
bar_mapped || fail "a double click hid the bar"
expect 10 'the strip is no longer reserved: $(xprop -root _NET_WORKAREA)' workarea_top 24
kill -TERM "$BAR_PID"
expect_exit_zero
echo PASS
