# While the pointer rests on the page, the bar holds the keyboard focus; when it leaves, the
# window that had the focus has it again.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
xmessage -geometry 300x100+300+300 "another program" >/dev/null 2>&1 &
HELPER_PIDS+=($!)
expect 10 "no other window" xdotool search --name '^xmessage$'
other=$(xdotool search --name '^xmessage$' | head -n 1)
xdotool windowactivate --sync "$other"
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
expect 15 "the other window has no focus" focused "$other"
xdotool mousemove 500 12
expect 15 "the page did not get the focus" focused "$(bar_window)"
xdotool mousemove 400 350
expect 15 "the focus did not go back" focused "$other"
echo PASS
