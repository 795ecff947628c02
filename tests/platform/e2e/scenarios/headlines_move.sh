# A file:// channel's headlines appear and move.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
start_bar
first=$WORK/first.png
second=$WORK/second.png
has_text() {
  shoot_page "$first" && [ "$(colours_in "$first")" -gt 8 ]
}
wait_until 20 has_text || fail "no headline appeared"
moved() {
  shoot_page "$second" && ! same_image "$first" "$second"
}
wait_until 10 moved || fail "the headlines do not move"
echo PASS
