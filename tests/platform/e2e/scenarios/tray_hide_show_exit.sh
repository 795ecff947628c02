# The tray's right button hides the bar and gives the reserved strip back; the left button shows
# it again with the strip, then opens the menu, whose last item ends the program with the bar's
# state written.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
click_tray 3
expect 10 "the bar is still shown" bar_unmapped
expect 10 'the strip was not given back: $(xprop -root _NET_WORKAREA)' workarea_top 0
click_tray 1
expect 10 "the bar did not come back" bar_mapped
expect 10 'the strip was not reserved again: $(xprop -root _NET_WORKAREA)' workarea_top 24
click_tray 1
choose_from_bottom 1
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1
echo PASS
