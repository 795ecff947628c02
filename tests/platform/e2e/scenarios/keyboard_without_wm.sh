# Without a window manager the keyboard stays the user's: keys typed while the pointer rests on
# the headlines, and after it has left, reach the window that has the focus, and nothing is left
# focused on the bar. The configuration dialog takes the focus when it opens, so Escape closes
# it. When the X server ends, as at a logout, the bar saves its state and ends with status 0.
NO_WM=1 NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
start_display
start_key_window editor 300 300
xdotool windowfocus --sync "$KEY_WINDOW"
write_channel_settings
start_bar
expect_headlines
bar=$(bar_window)
tooltip() { first "$(windows_typed TOOLTIP --onlyvisible --pid "$BAR_PID")"; }
# A little way into the first headline, which has moved on a few pixels since.
shoot_page "$WORK/now.png"
read -r x _ _ _ < <(text_box "$WORK/now.png")
xdotool mousemove $((80 + x + 40)) 12
expect 10 "no tooltip on the headline" tooltip
# Longer than a hover tick.
sleep 1.5
xdotool type www
expect 5 'the focused window was given $(keys_in editor) of 3 keys during the hover' keys_are editor 3
focused "$KEY_WINDOW" || fail "the focus went to $(xdotool getwindowfocus) during the hover"
xdotool mousemove 400 350
sleep 1.5
xdotool type ww
expect 5 'the focused window was given $(keys_in editor) of 5 keys' keys_are editor 5
focused "$KEY_WINDOW" || fail "the focus went to $(xdotool getwindowfocus) after the hover"

# The broadcast icon's menu, then the configuration item (second from the bottom).
xdotool mousemove 8 8 click 1
choose_from_bottom 2
expect 10 "no configuration dialog" shown_titled '^V1\.14－配置$'
dialog=$(shown_titled '^V1\.14－配置$')
expect 10 'the dialog has no focus, $(xdotool getwindowfocus) has' focused "$dialog"
xdotool key Escape
expect_closed '^V1\.14－配置$' "on Escape, the configuration dialog"
! focused "$bar" || fail "the bar was left with the focus"

# The X server goes.
kill "${HELPER_PIDS[0]}"
expect_exit_zero
expect_state_saved
expect_ini Window Fixed 1
echo PASS
