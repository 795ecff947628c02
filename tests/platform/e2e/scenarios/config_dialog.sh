# The menu opens the configuration dialog at (100, 100); choosing it again opens no second one;
# its close button closes it and the bar runs on.
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
config_windows() { xdotool search --onlyvisible --name '^V1\.14－配置$' 2>/dev/null; }
open_config() { click_tray 1 && choose_from_bottom 2; }
open_config
expect 10 "no configuration dialog" config_windows
dialog=$(config_windows)
read -r x y < <(xwininfo -id "$dialog" | awk '/Absolute upper-left X/ {x=$4}
  /Absolute upper-left Y/ {y=$4} END {print x, y}')
# The window manager's frame sits at (100, 100); the dialog's own window inside it.
[ "$x" -ge 100 ] && [ "$x" -le 110 ] && [ "$y" -ge 100 ] && [ "$y" -le 140 ] ||
  fail "dialog at $x $y"
import -window "$dialog" "$WORK/config.png"
[ "$(colours_in "$WORK/config.png")" -gt 20 ] || fail "the dialog looks empty"
open_config
sleep 1
[ "$(config_windows | wc -l)" -eq 1 ] || fail "a second configuration dialog opened"
# "关闭" at (250, 314, 50, 14) dialog units: its middle in pixels.
xdotool mousemove --window "$dialog" 481 561 click 1
expect 10 "the dialog did not close" sh -c "! xdotool search --onlyvisible --name '^V1\.14－配置\$'"
kill -0 "$BAR_PID" || fail "the bar ended"
echo PASS
