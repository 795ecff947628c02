# Without a window manager the keyboard stays the user's: keys typed while the pointer rests on
# the headlines, and after it has left, reach the window that has the focus, and nothing is left
# focused on the bar. The configuration dialog takes the focus when it opens, so Escape closes
# it. When the X server ends, as at a logout, the bar saves its state and ends with status 0.
NO_WM=1 NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
start_display
start_key_window editor 300 300
xdotool windowfocus --sync "$KEY_WINDOW"
start_channel_bar
bar=$(bar_window)
point_into_headline
expect 10 "no tooltip on the headline" tooltip
keys_reach editor "$KEY_WINDOW" 3
xdotool mousemove 400 350
keys_reach editor "$KEY_WINDOW" 6

xdotool mousemove 8 8 click 1
choose_from_bottom 2
dialog=$(expect_window "$CONFIG" "configuration dialog")
expect 10 'the dialog has no focus, $(xdotool getwindowfocus) has' focused "$dialog"
xdotool key Escape
expect_closed "$CONFIG" "on Escape, the configuration dialog"
! focused "$bar" || fail "the bar was left with the focus"

# The X server goes.
kill "${HELPER_PIDS[0]}"
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1
echo PASS
