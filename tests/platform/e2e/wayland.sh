# Shared by the Wayland scenarios, sourced after harness.sh: a headless compositor with XWayland
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

# wait_for_line FILE PATTERN: the first match of an extended regular expression's group
# in a growing log, printed with sed -E 's/PATTERN/\1/'.
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
