# A first run docks a 24-pixel bar at the top over the screen's width with the strut reserved,
# writes MaxFileNo=0 and AutoLoad=1 and creates the autostart entry; a second start ends at once
# and touches nothing.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
expect 10 'strut $(bar_strut)' strut_is "0, 0, 24, 0, 0, 0, 0, 0, 0, $((SCREEN_W - 1)), 0, 0"
[ "$(bar_geometry)" = "0 0 $SCREEN_W 24" ] || fail "bar at $(bar_geometry)"
expect 10 'the strip is not reserved: $(xprop -root _NET_WORKAREA)' workarea_top 24
expect_ini FileNo MaxFileNo 0
expect_ini Window AutoLoad 1
grep -qxF "Exec=\"$(realpath "$VB_PROGRAM")\"" "$XDG_CONFIG_HOME/autostart/velloband.desktop" ||
  fail "the autostart entry does not start this program"

files() { (cd "$XDG_CONFIG_HOME" && find . -type f -exec md5sum {} + | sort); }
before=$(files)
timeout 20 "$VB_PROGRAM" >>"$WORK/second.log" 2>&1 || fail "the second start ended with status $?"
[ "$before" = "$(files)" ] || fail "the second start changed files"
[ "$(dock_windows | wc -l)" -eq 1 ] || fail "$(dock_windows | wc -l) bars"
kill -0 "$BAR_PID" || fail "the first instance is gone"
echo PASS
