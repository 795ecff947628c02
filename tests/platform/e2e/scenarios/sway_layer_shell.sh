# sway offers the layer shell: the bar is a layer surface docked at the top, then at the bottom,
# and the workspace's usable area leaves its strip free; its headlines move at the set speed; its
# tray item is registered with swaybar, its menu lists the entries, and the item's buttons hide
# and show the bar; a second bar in the session ends at once. The pointer works as on X: a click
# on the broadcast icon opens the menu, whose entry docks the bar at the bottom; dragging the icon
# away from the edge floats it where it was dropped, reserving nothing, and that place is saved.
# sway runs in a window of a private Xvfb, so that xdotool moves its pointer.
NO_WM=1 NO_TRAY=1
. "$(dirname "$0")/../harness.sh"
. "$(dirname "$0")/../wayland.sh"
start_display
start_sway "bar {
  position bottom
  status_command while :; do echo status; sleep 60; done
}"
pointer() { DISPLAY=$XVFB xdotool "$@"; }
watcher() {
  run_as_user gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}
host_registered() { watcher IsStatusNotifierHostRegistered | grep -q true; }
expect 20 "swaybar has no tray" host_registered
read -r _ full < <(usable)

write_channel_settings " vbco;cd=left;cs=2;ct=30;"
start_session_bar
expect 30 'the top strip is not kept free: $(usable)' usable_is "24 $((full - 24))"

# shoot_strip Y FILE: the bar's page area (right of the icons) at row Y; prints when (ms).
shoot_strip() {
  local before
  before=$(now_ms)
  run_as_user grim -g "80,$1 $((SCREEN_W - 80))x24" "$2"
  echo $(((before + $(now_ms)) / 2))
}
strip_shows_text() { shoot_strip "$1" "$WORK/strip.png" >/dev/null && [ "$(colours_in "$WORK/strip.png")" -gt 8 ]; }
expect 20 "no headline at the top" strip_shows_text 0
t1=$(shoot_strip 0 "$WORK/a.png")
sleep 1.5
t2=$(shoot_strip 0 "$WORK/b.png")
read -r a _ < <(text_box "$WORK/a.png")
read -r b _ < <(text_box "$WORK/b.png")
speed=$(((b - a) * 1000 / (t2 - t1)))
awk -v v="$speed" 'BEGIN {exit !(v <= -54 && v >= -80)}' || fail "left at $speed px/s, not 2 px / 30 ms"

item_id() { watcher RegisteredStatusNotifierItems | grep -Eo 'org\.kde\.StatusNotifierItem-[0-9]+-1'; }
expect 20 'no tray item registered: $(watcher RegisteredStatusNotifierItems)' item_id
item=$(item_id | head -n 1)
layout=$(run_as_user gdbus call --session -d "$item" -o /MenuBar -m com.canonical.dbusmenu.GetLayout -- 0 -1 '@as []')
for entry in 下一个频道 前一个频道 半透明界面 导入配置文件 使用背景图片 隐藏软件 放到屏幕底端 软件配置 退出软件; do
  grep -q "'$entry'" <<<"$layout" || fail "the tray menu lacks $entry: $layout"
done
menu_id() { grep -Eo "\(([0-9]+), \{[^}]*'label': <'$1'>" <<<"$layout" | grep -Eo '^\([0-9]+' | tr -d '('; }
choose() {
  run_as_user gdbus call --session -d "$item" -o /MenuBar -m com.canonical.dbusmenu.Event -- \
    "$(menu_id "$1")" clicked '<0>' 0 >/dev/null
}
call_item() {
  run_as_user gdbus call --session -d "$item" -o /StatusNotifierItem -m "org.kde.StatusNotifierItem.$1" 0 0 >/dev/null
}

status=0
run_as_user timeout 10 "$VB_PROGRAM" >>"$WORK/second.log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "a second start ended with status $status"
gone "$BAR_PID" && fail "the second start ended the first"

# The menu opens beside the pointer; its entries lie at fixed heights above its bottom edge.
menu_bottom() {
  local y h
  run_as_user grim -g "0,24 400x$((full - 24))" "$WORK/menu.png" &&
    read -r _ y _ h < <(text_box "$WORK/menu.png") && [ "$h" -gt 300 ] && echo $((24 + y + h))
}
pointer mousemove 8 8 click 1
expect 10 "the menu did not open" menu_bottom
pointer mousemove 60 $(($(menu_bottom) - 97)) click 1
expect 10 'the bottom strip is not kept free: $(usable)' usable_is "0 $((full - 24))"
# Below the workspace lie the bar and swaybar, in the order sway stacks them: what moves there
# is the bar's headlines.
bottom_moves() {
  local area="80,$((full - 24)) $((SCREEN_W - 80))x$((SCREEN_H - full + 24))"
  run_as_user grim -g "$area" "$WORK/c.png" && sleep 0.3 && run_as_user grim -g "$area" "$WORK/d.png" &&
    [ "$(colours_in "$WORK/d.png")" -gt 8 ] && ! same_image "$WORK/c.png" "$WORK/d.png"
}
expect 20 "no headlines moving at the bottom" bottom_moves

call_item SecondaryActivate
expect 10 'hiding did not give the strip back: $(usable)' usable_is "0 $full"
call_item Activate
expect 10 'showing did not take the strip again: $(usable)' usable_is "0 $((full - 24))"

# Dragged by the icon 300 pixels right and 350 up, the bar floats there. It lies at the edge,
# since sway gives the edge to the latest layer surface (until a reload starts swaybar again).
pointer mousemove 8 $((SCREEN_H - 16)) mousedown 1
for step in $(seq 1 10); do
  pointer mousemove $((8 + step * 30)) $((SCREEN_H - 16 - step * 35))
  sleep 0.05
done
pointer mouseup 1
expect 10 'the floating bar still reserves its strip: $(usable)' usable_is "0 $full"
expect 10 "the menu did not open after the drag" menu_bottom
pointer mousemove 900 100 click 1

# A panel that starts after the bar (here swaybar again, after a reload) gets the item too.
watcher_owner() {
  run_as_user gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.GetNameOwner org.kde.StatusNotifierWatcher
}
old_watcher=$(watcher_owner)
run_as_user swaymsg reload >/dev/null
new_watcher() { [ "$(watcher_owner)" != "$old_watcher" ]; }
expect 20 "swaybar did not start again" new_watcher
registered_again() { watcher RegisteredStatusNotifierItems | grep -q "$item"; }
expect 20 "the new panel did not get the tray item" registered_again

choose 退出软件
expect_exit_zero
expect_ini Window Fixed ""
expect_ini Window OrigX 300
expect_ini Window OrigY $((SCREEN_H - 24 - 350))
echo PASS
