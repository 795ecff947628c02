# On an 800 x 600 screen the configuration dialog fits into the work area beside the bar, its
# buttons in view below its content, which scrolls as far as it reaches; Escape closes it and the
# help dialog as their close buttons do. The export dialog offers a file in the home folder.
SCREEN_W=800 SCREEN_H=600
. "$(dirname "$0")/../harness.sh"
start_display
start_bar
# The client window's edges: left top right bottom.
edges() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, x + w, y + h}'
}
open_from_tray 2
dialog=$(expect_window "$CONFIG" "configuration dialog")
read -r left top right bottom < <(edges "$dialog")
[ "$left" -ge 0 ] && [ "$top" -ge 24 ] && [ "$right" -le 800 ] && [ "$bottom" -le 600 ] ||
  fail "the dialog spans $left $top $right $bottom"
# Scrolled well past its end, the content shows its last part, not an empty area.
xdotool mousemove $((left + 200)) $((top + 200))
for _ in $(seq 40); do xdotool click 5; done
sleep 0.5
import -window root -crop "$((right - left))x120+${left}+$((bottom - 186))" "$WORK/end.png"
[ "$(colours_in "$WORK/end.png")" -gt 8 ] || fail "the content scrolls on into an empty area"
# "关闭" stays in view below the content: its middle 481 pixels in, 38 above the bottom.
xdotool mousemove $((left + 481)) $((bottom - 38)) click 1
expect_closed "$CONFIG" "on its close button, the configuration dialog"
open_from_tray 2
escape_closes "$CONFIG" "the configuration dialog"
open_from_tray 3
escape_closes '^V1\.14－帮助$' "the help dialog"

# From the bottom, the tenth item is the import and export submenu; its second item exports.
click_tray 1
expect 10 "the popup menu did not open" menu_open
for _ in $(seq 10); do xdotool key Up; done
xdotool key Right Down Return
xdotool windowactivate --sync "$(expect_window '^导出配置文件$' "export dialog")" key Return
expect 10 "nothing was exported to the home folder" test -s "$HOME/velloband.cnf"
expect_ini IniFile IniOut "$HOME/velloband.cnf"
! gone "$BAR_PID" || fail "the bar ended"
echo PASS
