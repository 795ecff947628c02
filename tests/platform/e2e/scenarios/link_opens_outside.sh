# A click on a headline hands its address to the desktop's web browser and the bar keeps its
# page; a frame in the update notice opens nothing.
. "$(dirname "$0")/../harness.sh"
start_display
# A stand-in browser that notes the addresses it is given.
opened=$WORK/opened
mkdir -p "$HOME/.local/share/applications"
printf '#!/bin/sh\necho "$1" >>%s\n' "$opened" >"$WORK/browser"
chmod +x "$WORK/browser"
printf '[Desktop Entry]\nType=Application\nName=Note\nExec=%s %%u\nMimeType=x-scheme-handler/http;\n' \
  "$WORK/browser" >"$HOME/.local/share/applications/vb-note.desktop"
printf '[Default Applications]\nx-scheme-handler/http=vb-note.desktop\n' \
  >"$XDG_CONFIG_HOME/mimeapps.list"
# Two lines that stand still: the update notice and the first headline on the first, the second
# headline alone on the second, where the click lands.
write_channel_settings " vbco;cd=no;ccn=1;ct=600000;"
printf '[Format]\nLineNum=2\n' >>"$SETTINGS"
printf '9999<iframe src=http://example.com/frame width=0 height=0 frameborder=0></iframe><a style="display:none" href="http://example.com/v' \
  >"$XDG_CONFIG_HOME/velloband_note"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/page.png"
xdotool mousemove 200 36 click 1
expect 10 "no address reached the browser" test -s "$opened"
grep -qx 'http://example.com/2' "$opened" || fail "the browser got $(cat "$opened")"
! grep -q frame "$opened" || fail "the notice's frame reached the browser"
page_shows_text "$WORK/after.png" || fail "the bar lost its page"
kill -0 "$BAR_PID" || fail "the bar ended"
echo PASS
