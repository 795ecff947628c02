# A file:// channel's headlines appear, move at the speed their channel asks for (left 2 px every
# 30 ms, right 5 px every 50 ms, measured from two screenshots a known time apart) and the
# channel is fetched again from its address. The pointer resting on the headlines stops them and
# the headline under it shows its tooltip line by line; when the pointer leaves, they move on. An
# Atom channel's entries are headlines too, one line each with its link and time.
. "$(dirname "$0")/../harness.sh"
start_display

# expect_speed SIDE PX_PER_S: the headlines' left or right end moves at that speed, within a
# fifth, between two screenshots 1.5 s apart (negative: to the left).
expect_speed() {
  local t1 t2 x w a b v
  t1=$(shoot_page_at "$WORK/a.png")
  sleep 1.5
  t2=$(shoot_page_at "$WORK/b.png")
  read -r x _ w _ < <(text_box "$WORK/a.png")
  a=$([ "$1" = left ] && echo "$x" || echo $((x + w)))
  read -r x _ w _ < <(text_box "$WORK/b.png")
  b=$([ "$1" = left ] && echo "$x" || echo $((x + w)))
  v=$(((b - a) * 1000 / (t2 - t1)))
  awk -v v="$v" -v w="$2" 'BEGIN {exit !((v - w) ^ 2 <= (w / 5) ^ 2)}' || fail "$1 at $v px/s, not $2"
}

write_channel_settings " vbco;cd=left;cs=2;ct=30;"
copy=$(stat -c %i "$XDG_CONFIG_HOME/velloband0")
start_bar
expect_headlines
# A finished download is renamed over the old copy.
fetched() { [ "$(stat -c %i "$XDG_CONFIG_HOME/velloband0")" != "$copy" ]; }
expect 20 "the channel was not fetched" fetched
expect_speed left -67

point_into_headline
sleep 0.3
shoot_page "$WORK/a.png"
sleep 1
shoot_page "$WORK/b.png"
same_image "$WORK/a.png" "$WORK/b.png" || fail "the headlines moved under the pointer"
expect 10 "no tooltip appeared" tooltip
# Channel title, date, author, e-mail, summary label and summary: six lines.
height=$(xwininfo -id "$(tooltip)" | awk '/Height:/ {print $2}')
[ "$height" -ge 70 ] || fail "the tooltip is $height pixels high, not six lines"
xdotool mousemove 400 350
sleep 0.5
moved() { shoot_page "$WORK/c.png" && ! same_image "$WORK/b.png" "$WORK/c.png"; }
expect 10 "the headlines did not move on" moved

FEED_XML='<?xml version="1.0" encoding="utf-8"?>
<feed xmlns="http://www.w3.org/2005/Atom"><title>E2E</title><link href="http://example.com/"/>
<entry><title>Lighthouse keepers repaint the tower</title><link href="/1"/>
  <updated>2026-12-07T09:30:00Z</updated></entry>
<entry><title type="html">Harbour market opens &lt;b&gt;earlier&lt;/b&gt;</title>
  <link rel="self" href="http://example.com/self"/><link rel="alternate" href="http://example.com/2"/>
  <published>2026-12-07T08:15:00Z</published></entry>
</feed>'
start_channel_bar " vbco;cd=right;cs=5;ct=50;"
expect_speed right 100
headlines=$(grep -ao '<a href=http[^ ]* \|target=_blank> \[[^<]*' "$XDG_CONFIG_HOME/velloband.html" | tr -d '\r')
[ "$headlines" = "<a href=http://example.com/1 
target=_blank> [09:30]Lighthouse keepers repaint the tower 
<a href=http://example.com/2 
target=_blank> [08:15]Harbour market opens earlier " ] || fail "the page shows: $headlines"
echo PASS
