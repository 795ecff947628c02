# While the pointer rests on the page, the bar holds the keyboard focus; when it leaves, the
# window that had the focus has it again.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
xmessage -geometry 300x100+300+300 "another program" >/dev/null 2>&1 &
HELPER_PIDS+=($!)
wait_until 10 xdotool search --name '^xmessage$' || fail "no other window"
other=$(xdotool search --name '^xmessage$' | head -n 1)
xdotool windowactivate --sync "$other"
bar=$(bar_window)
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
wait_until 5 focused "$other" || fail "the other window has no focus"
xdotool mousemove 500 12
wait_until 5 focused "$bar" || fail "the page did not get the focus"
xdotool mousemove 400 350
wait_until 5 focused "$other" || fail "the focus did not go back"
echo PASS
