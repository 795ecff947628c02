# A file:// channel's headlines appear and move.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
moved() { shoot_page "$WORK/second.png" && ! same_image "$WORK/first.png" "$WORK/second.png"; }
expect 10 "the headlines do not move" moved
echo PASS
