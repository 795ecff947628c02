# Headlines move at the speed their channel asks for: left 2 px every 30 ms, right 5 px every
# 50 ms, measured from two screenshots a known time apart.
. "$(dirname "$0")/../harness.sh"
start_display

# speed SIDE: pixels per second that the headlines' left or right end moved between two
# screenshots 1.5 s apart (negative: to the left).
speed() {
  local t1 t2 x y w h a b
  t1=$(shoot_page_at "$WORK/a.png")
  sleep 1.5
  t2=$(shoot_page_at "$WORK/b.png")
  read -r x y w h < <(text_box "$WORK/a.png")
  a=$([ "$1" = left ] && echo "$x" || echo $((x + w)))
  read -r x y w h < <(text_box "$WORK/b.png")
  b=$([ "$1" = left ] && echo "$x" || echo $((x + w)))
  echo $(((b - a) * 1000 / (t2 - t1)))
}
# near VALUE WANTED: within a fifth of it.
near() { awk -v v="$1" -v w="$2" 'BEGIN {d = v - w; if (d < 0) d = -d; exit !(d <= (w < 0 ? -w : w) / 5)}'; }

write_channel_settings " vbco;cd=left;cs=2;ct=30;"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
left=$(speed left)
near "$left" -67 || fail "left at $left px/s, not 2 px / 30 ms"

stop "$BAR_PID"
BAR_PID=""
write_channel_settings " vbco;cd=right;cs=5;ct=50;"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
right=$(speed right)
near "$right" 100 || fail "right at $right px/s, not 5 px / 50 ms"
echo PASS
