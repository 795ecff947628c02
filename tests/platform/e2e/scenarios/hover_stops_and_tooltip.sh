# The pointer resting on the moving headlines stops them, and the headline under it shows its
# tooltip line by line; when the pointer leaves, they move on.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings " vbco;cd=left;"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
read -r bar_x bar_y _ _ < <(bar_geometry)
read -r x _ _ _ < <(text_box "$WORK/first.png")
# A little way into the first headline, which has moved on a few pixels since.
xdotool mousemove $((bar_x + 80 + x + 40)) $((bar_y + 12))
sleep 0.3
shoot_page "$WORK/a.png"
sleep 1
shoot_page "$WORK/b.png"
same_image "$WORK/a.png" "$WORK/b.png" || fail "the headlines moved under the pointer"

tooltip() { first "$(windows_typed TOOLTIP --onlyvisible --pid "$BAR_PID")"; }
expect 10 "no tooltip appeared" tooltip
# Channel title, date, author, e-mail, summary label and summary: six lines.
height=$(xwininfo -id "$(tooltip)" | awk '/Height:/ {print $2}')
[ "$height" -ge 70 ] || fail "the tooltip is $height pixels high, not six lines"

xdotool mousemove 400 350
sleep 0.5
moved() { shoot_page "$WORK/c.png" && ! same_image "$WORK/b.png" "$WORK/c.png"; }
expect 10 "the headlines did not move on" moved
echo PASS
