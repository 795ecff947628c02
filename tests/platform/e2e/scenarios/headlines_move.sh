# A file:// channel's headlines appear and move, and the channel is fetched again from its
# address.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
copy=$(stat -c %i "$XDG_CONFIG_HOME/velloband0")
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
# A finished download is renamed over the old copy.
fetched() { [ "$(stat -c %i "$XDG_CONFIG_HOME/velloband0")" != "$copy" ]; }
expect 20 "the channel was not fetched" fetched
moved() { shoot_page "$WORK/second.png" && ! same_image "$WORK/first.png" "$WORK/second.png"; }
expect 10 "the headlines do not move" moved
echo PASS
