# A bar of two lines scrolling up moves its headlines up; the roll form shows the next line
# every period.
. "$(dirname "$0")/../harness.sh"
start_display

write_channel_settings " vbco;cd=up;ccn=1;cs=1;ct=100;"
printf '[Format]\nLineNum=2\n' >>"$SETTINGS"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
shoot_page "$WORK/a.png"
sleep 1
shoot_page "$WORK/b.png"
read -r _ top_a _ height_a < <(text_box "$WORK/a.png")
read -r _ top_b _ height_b < <(text_box "$WORK/b.png")
# Entering from below the top end rises; once it is out of sight, the bottom end does.
[ "$top_b" -lt "$top_a" ] || [ $((top_b + height_b)) -lt $((top_a + height_a)) ] ||
  fail "the lines did not move up ($top_a+$height_a, then $top_b+$height_b)"

stop "$BAR_PID"
BAR_PID=""
write_channel_settings " vbco;cd=no;ccn=1;ct=2000;"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
# next_line: waits for the line on show to change and prints when it did.
next_line() {
  local before at
  shoot_page "$WORK/before.png"
  for _ in $(seq 100); do
    at=$(shoot_page_at "$WORK/now.png")
    same_image "$WORK/before.png" "$WORK/now.png" || { echo "$at"; return 0; }
  done
  return 1
}
t1=$(next_line) || fail "the line never changed"
t2=$(next_line) || fail "the line changed only once"
t3=$(next_line) || fail "the line changed only twice"
# The empty division that ends the lines takes no room, so one turn in a round shows no change.
shortest=$(((t2 - t1) < (t3 - t2) ? t2 - t1 : t3 - t2))
[ "$shortest" -ge 1500 ] && [ "$shortest" -le 2600 ] ||
  fail "the lines changed after $((t2 - t1)) and $((t3 - t2)) ms, not every 2000 ms"
echo PASS
