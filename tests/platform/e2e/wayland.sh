# Shared by the Wayland scenarios, sourced after harness.sh: a compositor with XWayland
# in a runtime folder of the scenario's own, and the bar started as a user's session starts it
# (WAYLAND_DISPLAY and DISPLAY set, GDK_BACKEND unset).

export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY GDK_BACKEND

# XWayland refuses a socket folder that another user owns (one made by an XWayland that ran as
# an unprivileged user); root puts back the usual one.
prepare_x11_sockets() {
  [ "$(id -u)" -eq 0 ] || return 0
  mkdir -p /tmp/.X11-unix
  [ "$(stat -c %u /tmp/.X11-unix)" = 0 ] || chown root:root /tmp/.X11-unix
  chmod 1777 /tmp/.X11-unix
}

# log_match FILE PATTERN: the group of the first match of an extended regular expression.
log_match() { grep -Eo "$2" "$1" | head -n 1 | sed -E "s/$2/\1/"; }

# The bar's X window on an XWayland display: the dock window that is shown.
shown_bar_window() {
  local id
  for id in $(dock_windows); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id" && return
  done
  return 1
}
# Whether the bar's X window shows headlines (more than a few colours in its page area).
x_bar_shows_text() {
  local id
  id=$(shown_bar_window) && import -window "$id" -crop 900x24+100+0 "$WORK/xbar.png" &&
    [ "$(colours_in "$WORK/xbar.png")" -gt 8 ]
}

# sway as the user's session: sway refuses to run as root, so as root it runs, with its session
# bus, swaymsg, grim and the bar, as an unprivileged user (run_as_user; as_user to start one in
# the background with its own process id). The user gets its files and a copy of the program
# that no private folder hides.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  install -m 755 "$VB_PROGRAM" "$WORK/velloband"
  VB_PROGRAM=$WORK/velloband
  chmod 755 "$WORK"
fi
run_as_user() { "${as_user[@]}" "$@"; }
give_to_user() { [ ${#as_user[@]} -eq 0 ] || chown -R nobody:nogroup "$WORK"; }

# start_sway CONFIG: sway in a window of the display started by start_display, so that
# xdotool moves its pointer (DISPLAY=$XVFB), with CONFIG added to its configuration; exports its
# WAYLAND_DISPLAY, DISPLAY (XWayland) and SWAYSOCK.
start_sway() {
  XVFB=$DISPLAY
  prepare_x11_sockets
  give_to_user
  "${as_user[@]}" dbus-daemon --config-file="$(dirname "${BASH_SOURCE[0]}")/session-bus.conf" \
    --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$WORK/bus.log" 2>&1 &
  HELPER_PIDS+=($!)
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  expect 10 "the session bus did not start" test -S "$XDG_RUNTIME_DIR/bus"
  printf 'output * resolution %sx%s\n%s\nexec env >"%s"\n' "$SCREEN_W" "$SCREEN_H" "$1" \
    "$WORK/session.env" >"$WORK/sway.cfg"
  chmod 644 "$WORK/sway.cfg"
  WLR_BACKENDS=x11 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_user[@]}" sway -c "$WORK/sway.cfg" >"$WORK/sway.log" 2>&1 &
  HELPER_PIDS+=($!)
  expect 30 "sway did not start" test -s "$WORK/session.env"
  # The session's own variables, as the programs it starts see them.
  export WAYLAND_DISPLAY=$(sed -n 's/^WAYLAND_DISPLAY=//p' "$WORK/session.env")
  export DISPLAY=$(sed -n 's/^DISPLAY=//p' "$WORK/session.env")
  export SWAYSOCK=$(sed -n 's/^SWAYSOCK=//p' "$WORK/session.env")
}

# "y height" of the workspace's usable area.
usable() {
  run_as_user swaymsg -t get_workspaces | tr -d ' \n' | grep -o '"rect":{[^}]*}' | head -n 1 |
    sed -E 's/.*"y":([0-9]+),"width":[0-9]+,"height":([0-9]+).*/\1 \2/'
}
usable_is() { [ "$(usable)" = "$1" ]; }

# Starts the bar in the session as its user.
start_session_bar() {
  give_to_user
  "${as_user[@]}" "$VB_PROGRAM" "$@" >>"$WORK/bar.log" 2>&1 &
  BAR_PID=$!
}
