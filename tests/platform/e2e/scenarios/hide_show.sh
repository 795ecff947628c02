# The tray's right button hides the bar and gives the reserved strip back; the left button shows
# it again with the strip.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
wait_until 20 tray_icon || fail "no tray icon"
click_tray 3
wait_until 10 bar_unmapped || fail "the bar is still shown"
wait_until 10 sh -c 'xprop -root _NET_WORKAREA | grep -q "= 0, 0, "' ||
  fail "the strip was not given back: $(xprop -root _NET_WORKAREA)"
click_tray 1
wait_until 10 bar_mapped || fail "the bar did not come back"
wait_until 10 sh -c 'xprop -root _NET_WORKAREA | grep -q "= 0, 24, "' ||
  fail "the strip was not reserved again: $(xprop -root _NET_WORKAREA)"
echo PASS
