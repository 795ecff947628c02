# A file:// channel's headlines appear, move at the speed their channel asks for (left 2 px every
# 30 ms, right 5 px every 50 ms, measured from two screenshots a known time apart) and the
# channel is fetched again from its address. The pointer resting on the headlines stops them and
# the headline under it shows its tooltip line by line; when the pointer leaves, they move on. An
# Atom channel's entries are headlines too, one line each with its link and time. A bar of two
# lines scrolling up moves its headlines up; the roll form shows the next line every period. A
# click on a headline hands its address to the desktop's web browser, which keeps the focus it
# takes, and the bar keeps its page; a frame in the update notice opens nothing. Without a
# handler of the desktop's the address goes to xdg-open, then to $BROWSER; when nothing takes
# it, one message says so.
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

rss=$FEED_XML
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
FEED_XML=$rss

start_channel_bar " vbco;cd=up;ccn=1;cs=1;ct=100;" '[Format]\nLineNum=2\n'
shoot_page "$WORK/a.png"
sleep 1
shoot_page "$WORK/b.png"
read -r _ top_a _ height_a < <(text_box "$WORK/a.png")
read -r _ top_b _ height_b < <(text_box "$WORK/b.png")
# Entering from below the top end rises; once it is out of sight, the bottom end does.
[ "$top_b" -lt "$top_a" ] || [ $((top_b + height_b)) -lt $((top_a + height_a)) ] ||
  fail "the lines did not move up ($top_a+$height_a, then $top_b+$height_b)"

start_channel_bar " vbco;cd=no;ccn=1;ct=2000;"
# next_line: waits for the line on show to change and prints when it did.
next_line() {
  local at
  shoot_page "$WORK/before.png"
  for _ in $(seq 100); do
    at=$(shoot_page_at "$WORK/now.png")
    same_image "$WORK/before.png" "$WORK/now.png" || { echo "$at"; return 0; }
  done
  return 1
}
t1=$(next_line) && t2=$(next_line) && t3=$(next_line) || fail "the line did not change three times"
# The empty division that ends the lines takes no room, so one turn in a round shows no change.
shortest=$(((t2 - t1) < (t3 - t2) ? t2 - t1 : t3 - t2))
[ "$shortest" -ge 1500 ] && [ "$shortest" -le 2600 ] ||
  fail "the lines changed after $((t2 - t1)) and $((t3 - t2)) ms, not every 2000 ms"

stop_bar
# A stand-in browser that notes the addresses it is given and opens a window that takes the
# focus, as a browser does; the system's own browsers stay out of it.
opened=$WORK/opened
mkdir -p "$HOME/.local/share/applications" "$WORK/bin"
for app in $(grep -l x-scheme-handler/http /usr/share/applications/*.desktop 2>/dev/null); do
  printf '[Desktop Entry]\nHidden=true\n' >"$HOME/.local/share/applications/${app##*/}"
done
printf '#!/bin/sh\necho "$1" >>%s\nexec xev -name browser -geometry 300x100+300+300 -event keyboard >%s 2>&1\n' \
  "$opened" "$WORK/browser.keys" >"$WORK/browser"
chmod +x "$WORK/browser"
printf '[Desktop Entry]\nType=Application\nName=Note\nExec=%s %%u\nMimeType=x-scheme-handler/http;\n' \
  "$WORK/browser" >"$HOME/.local/share/applications/vb-note.desktop"
printf '[Default Applications]\nx-scheme-handler/http=vb-note.desktop\n' \
  >"$XDG_CONFIG_HOME/mimeapps.list"
# Two lines that stand still: the update notice and the first headline on the first, the second
# headline alone on the second, where the click lands.
printf '9999<iframe src=http://example.com/frame width=0 height=0 frameborder=0></iframe><a style="display:none" href="http://example.com/v' \
  >"$XDG_CONFIG_HOME/velloband_note"
start_channel_bar " vbco;cd=no;ccn=1;ct=600000;" '[Format]\nLineNum=2\n'
# The pointer rests on the headline a while, as while reading it, before the click.
xdotool mousemove 200 36
sleep 1.5
xdotool click 1
expect 10 "no address reached the browser" test -s "$opened"
[ "$(cat "$opened")" = http://example.com/2 ] || fail "the browser got $(cat "$opened")"
page_shows_text "$WORK/after.png" || fail "the bar lost its page"
browser=$(expect_window '^browser$' "browser window")
expect 10 'the browser has no focus, $(xdotool getwindowfocus) has' focused "$browser"
xdotool mousemove 400 500
keys_reach browser "$browser" 3
expect_exit_zero TERM

# Without a handler of the desktop's: xdg-open, then each command of $BROWSER until one takes
# the address; when none does, one message says so.
rm "$HOME/.local/share/applications/vb-note.desktop" "$XDG_CONFIG_HOME/mimeapps.list"
: >"$opened"
printf '#!/bin/sh\necho "xdg-open $1" >>%s\nexit 3\n' "$opened" >"$WORK/bin/xdg-open"
printf '#!/bin/sh\necho "refused $1" >>%s\nexit 1\n' "$opened" >"$WORK/refuse"
printf '#!/bin/sh\n[ ! -e %s ] || exit 1\necho "$2" >>%s\n' "$WORK/broken" "$opened" >"$WORK/note"
chmod +x "$WORK/bin/xdg-open" "$WORK/refuse" "$WORK/note"
export PATH=$WORK/bin:$PATH BROWSER="$WORK/refuse:$WORK/note --new-tab %s"
start_bar
expect_headlines
xdotool mousemove 200 36 click 1
expect 10 "the address went nowhere: $(cat "$opened")" grep -qx 'http://example.com/2' "$opened"
[ "$(cat "$opened")" = "xdg-open http://example.com/2
refused http://example.com/2
http://example.com/2" ] || fail "the address went: $(cat "$opened")"
touch "$WORK/broken"
xdotool mousemove 200 36 click 1
# (The tray icon carries the same name.)
messages() { windows_typed DIALOG --onlyvisible --name '^Velloband$'; }
no_messages() { [ -z "$(messages)" ]; }
expect 10 "no message that the link cannot be opened" messages
sleep 1
[ "$(messages | wc -l)" -eq 1 ] || fail "$(messages | wc -l) messages"
xdotool windowactivate --sync "$(messages)" key Return
expect 10 "the message did not close" no_messages
! gone "$BAR_PID" || fail "the bar ended"
expect_exit_zero TERM
echo PASS
