# A first run docks a 24-pixel bar at the top over the screen's width with the strut reserved,
# writes MaxFileNo=0 and AutoLoad=1 and creates the autostart entry; a second start ends at once
# and touches nothing.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
wait_until 10 bar_mapped || fail "the bar is not shown"
wait_until 10 test -n "$(bar_strut)" || fail "no strut"
read -r x y w h < <(bar_geometry)
[ "$x $y $w $h" = "0 0 $SCREEN_W 24" ] || fail "bar at $x $y size $w x $h"
[ "$(bar_strut)" = "0, 0, 24, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0" ] ||
  fail "strut $(bar_strut)"
wait_until 10 sh -c 'xprop -root _NET_WORKAREA | grep -q "= 0, 24, "' ||
  fail "the window manager did not reserve the strip: $(xprop -root _NET_WORKAREA)"

[ "$(ini_value FileNo MaxFileNo)" = 0 ] || fail "MaxFileNo is '$(ini_value FileNo MaxFileNo)'"
[ "$(ini_value Window AutoLoad)" = 1 ] || fail "AutoLoad is '$(ini_value Window AutoLoad)'"
grep -q '^Exec=' "$XDG_CONFIG_HOME/autostart/velloband.desktop" || fail "no autostart entry"

before=$(cd "$XDG_CONFIG_HOME" && find . -type f -exec md5sum {} + | sort)
status=0
timeout 20 "$VB_PROGRAM" >>"$WORK/second.log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "the second start ended with status $status"
after=$(cd "$XDG_CONFIG_HOME" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "the second start changed files"
bars=0
for id in $(xdotool search --name '^Velloband V1.1$'); do
  xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q DOCK && bars=$((bars + 1))
done
[ $bars -eq 1 ] || fail "$bars bars"
kill -0 "$BAR_PID" || fail "the first instance is gone"
echo PASS
