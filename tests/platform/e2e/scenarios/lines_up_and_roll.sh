# A bar of two lines scrolling up moves its headlines up; the roll form shows the next line
# every period. A click on a headline hands its address to the desktop's web browser, which keeps
# the focus it takes, and the bar keeps its page; a frame in the update notice opens nothing.
# Without a handler of the desktop's the address goes to xdg-open, then to $BROWSER; when
# nothing takes it, one message says so.
. "$(dirname "$0")/../harness.sh"
start_display

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
