# Shared by the end-to-end scenarios: a private X display with a window manager that honours
# struts and an XEmbed tray, a private home, and helpers that poll instead of sleeping.
# Sourced by run_scenario.sh inside dbus-run-session.

set -euo pipefail

VB_PROGRAM=${VB_PROGRAM:?path of the velloband program}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vb-e2e.XXXXXX")
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_CACHE_HOME=$WORK/home/.cache
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0" "$XDG_CACHE_HOME"
# xdotool's two clicks stay one double click on a loaded machine.
printf '[Settings]\ngtk-double-click-time=1000\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
# GTK, Pango and fontconfig keep caches for the process's lifetime: leave those out of the
# leak report, which still covers the program's own allocations.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp:print_suppressions=0"
export NO_AT_BRIDGE=1
SETTINGS=$XDG_CONFIG_HOME/velloband.ini
SCREEN_W=${SCREEN_W:-1024}
SCREEN_H=${SCREEN_H:-768}
BAR_PID=""
HELPER_PIDS=()

# Whether a process of ours has ended (a child that has not been waited for is a zombie).
gone() { ! kill -0 "$1" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ]; }

stop() {
  kill -TERM "$1" 2>/dev/null || true
  wait_until 10 gone "$1" || kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

cleanup() {
  local status=$?
  trap - EXIT TERM INT
  [ -n "$BAR_PID" ] && stop "$BAR_PID"
  for pid in "${HELPER_PIDS[@]}"; do stop "$pid"; done
  [ $status -eq 0 ] || { echo "--- steps"; tail -n 30 "$WORK/steps"; echo "--- program output"
    tail -n 40 "$WORK/bar.log"; } >&2 2>/dev/null
  rm -rf "$WORK"
  exit $status
}
trap cleanup EXIT
trap 'exit 143' TERM INT
# Each command is noted, so that a scenario that stops shows where.
exec 9>>"$WORK/steps"
BASH_XTRACEFD=9
set -x

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS COMMAND...: polls every 0.1 s.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# expect SECONDS MESSAGE COMMAND...: waits for the command or fails with the message, which is
# expanded only then (so '$(bar_geometry)' shows the last geometry).
expect() { wait_until "$1" "${@:3}" || fail "$(eval "echo \"$2\"")"; }

expect_ini() { [ "$(ini_value "$1" "$2")" = "$3" ] || fail "$2 is '$(ini_value "$1" "$2")'"; }

# A window manager that honours struts, unless NO_WM is set: openbox (OPENBOX_RC names its
# settings), or fluxbox when WM=fluxbox.
start_window_manager() {
  local attempt command=(openbox --sm-disable ${OPENBOX_RC:+--config-file "$OPENBOX_RC"})
  if [ "${WM:-}" = fluxbox ]; then
    # No wallpaper, which fluxbox would complain about in a window of its own.
    mkdir -p "$HOME/.fluxbox"
    printf 'background: none\n' >"$HOME/.fluxbox/overlay"
    printf 'session.styleOverlay: %s\nsession.screen0.rootCommand:\n' "$HOME/.fluxbox/overlay" \
      >"$HOME/.fluxbox/init"
    command=(fluxbox -rc "$HOME/.fluxbox/init")
  fi
  # Now and then openbox gives up at once on a busy machine; a second start takes.
  for attempt in 1 2 3; do
    "${command[@]}" >>"$WORK/wm.log" 2>&1 &
    HELPER_PIDS+=($!)
    wait_until 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' && return
    stop "${HELPER_PIDS[-1]}"
  done
  cat "$WORK/wm.log" >&2
  fail "${command[0]} did not start"
}

# A compositing manager when COMPOSITOR names one, which owns the compositing selection through
# a window of its name.
start_compositor() {
  [ -n "${COMPOSITOR:-}" ] || return 0
  "$COMPOSITOR" >"$WORK/compositor.log" 2>&1 &
  HELPER_PIDS+=($!)
  expect 15 "$COMPOSITOR did not start" sh -c "xwininfo -root -children | grep -q '\"$COMPOSITOR\"'"
}

start_display() {
  Xvfb -displayfd 7 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp 7>"$WORK/display" \
    >"$WORK/xvfb.log" 2>&1 &
  HELPER_PIDS+=($!)
  expect 20 "Xvfb did not start" test -s "$WORK/display"
  export DISPLAY=:$(head -n 1 "$WORK/display")
  [ -n "${NO_WM:-}" ] || start_window_manager
  start_compositor
  [ -n "${NO_TRAY:-}" ] && return
  trayer --edge bottom --align right --widthtype pixel --width 96 --heighttype pixel \
    --height 24 --SetDockType false --SetPartialStrut false >"$WORK/trayer.log" 2>&1 &
  HELPER_PIDS+=($!)
  expect 20 "trayer did not start" xdotool search --name '^panel$'
}

# Starts the program and waits until its bar is shown and its tray icon is there.
start_bar() {
  "$VB_PROGRAM" "$@" >>"$WORK/bar.log" 2>&1 &
  BAR_PID=$!
  expect 30 "the bar is not shown" bar_mapped
  [ -n "${NO_TRAY:-}" ] || expect 20 "no tray icon" tray_icon
}
stop_bar() {
  stop "$BAR_PID"
  BAR_PID=""
}

# start_panel top|bottom THICKNESS...: a dock window that reserves that strip, as a desktop's
# panel does; its process id in PANEL_PID. SIGUSR1 gives it the next thickness.
start_panel() {
  "${VB_STAND_IN_PANEL:?path of the stand-in panel}" "$@" >>"$WORK/panel.log" 2>&1 &
  PANEL_PID=$!
  HELPER_PIDS+=($PANEL_PID)
  expect 10 "the panel is not shown" sh -c "xdotool search --onlyvisible --name '^stand-in panel\$'"
}

# windows_typed TYPE SEARCH...: the windows that `xdotool search SEARCH...` finds of that type.
windows_typed() {
  local id type=$1
  shift
  for id in $(xdotool search "$@" 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "$type" && echo "$id"
  done
  true
}
first() { [ -n "$1" ] && echo "${1%%$'\n'*}"; }
# The bar is the dock window of that title (the program's hidden leader window has it too).
dock_windows() { windows_typed DOCK --name '^Velloband V1.1$'; }
bar_window() { first "$(dock_windows)"; }
menu_open() { [ -n "$(windows_typed POPUP_MENU --onlyvisible --class '^Velloband V1.1$')" ]; }
tray_icon() { first "$(xdotool search --name '^Velloband$' 2>/dev/null)"; }

# xwininfo and xprop on the bar; they fail when there is none (xwininfo would otherwise wait for
# a click on a window).
bar_info() { local id; id=$(bar_window) && "$@" -id "$id"; }

bar_mapped() { bar_info xwininfo | grep -q 'Map State: IsViewable'; }
bar_unmapped() { bar_info xwininfo | grep -q 'Map State: IsUnMapped'; }
# Whether the window manager keeps the top TOP pixels of the screen free.
workarea_top() { xprop -root _NET_WORKAREA | grep -q "= 0, $1, "; }

# geometry ID: "x y width height" of a window on the screen; bar_geometry: the bar's.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
bar_geometry() { local id; id=$(bar_window) && geometry "$id"; }

bar_strut() { bar_info xprop _NET_WM_STRUT_PARTIAL | sed -n 's/.*= //p'; }
strut_is() { [ "$(bar_strut)" = "$1" ]; }
strut_top_is() { [ "$(bar_strut | cut -d, -f3 | tr -d ' ')" = "$1" ]; }
bar_at() { [[ "$(bar_geometry)" == "$1" ]]; }

click_tray() { xdotool mousemove --window "$(tray_icon)" 8 8 click "$1"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 120 1; }
shown_titled() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
expect_closed() { expect 10 "$2 did not close" sh -c "! xdotool search --onlyvisible --name '$1'"; }

CONFIG='^V1\.14－配置$'
# expect_window TITLE WHAT: waits for a window of that title and prints its id.
expect_window() { expect 10 "no $2" shown_titled "$1" && first "$(shown_titled "$1")"; }
# escape_closes TITLE WHAT: Escape closes the window of that title, once it is shown.
escape_closes() {
  xdotool windowactivate --sync "$(expect_window "$1" "$2")" key Escape
  expect_closed "$1" "on Escape, $2"
}

# Picks the item COUNT places up from the bottom of the popup menu (separators skipped).
choose_from_bottom() {
  expect 10 "the popup menu did not open" menu_open
  for _ in $(seq "$1"); do xdotool key Up; done
  xdotool key Return
}
open_from_tray() { click_tray 1 && choose_from_bottom "$1"; }

# ini_value SECTION KEY: the value; fails when the key is absent.
ini_value() {
  tr -d '\r' <"$SETTINGS" | awk -F= -v s="[$1]" -v k="$2" '$0 == s {in_s = 1; next}
    /^\[/ {in_s = 0} in_s && $1 == k {sub(/^[^=]*=/, ""); print; found = 1; exit}
    END {exit !found}'
}

# A screenshot of the bar's page area (right of the icons, 80 of the desktop's pixels) as a PNG.
shoot_page() {
  local x y w h icons=$((80 * ${GDK_SCALE:-1}))
  read -r x y w h < <(bar_geometry)
  import -window root -crop "$((w - icons))x${h}+$((x + icons))+${y}" "$1"
}

colours_in() { convert "$1" -format '%k' info:; }
# "x y width height" of what stands out from the background in an image; fails when nothing does.
text_box() {
  convert "$1" -format '%@' info: 2>/dev/null |
    awk -F'[x+]' '$1 > 0 && $2 > 0 {print $3, $4, $1, $2; found = 1} END {exit !found}'
}
now_ms() { date +%s%3N; }
# shoot_page_at FILE: shoot_page, printing when it was taken (the middle of the shot, in ms).
shoot_page_at() {
  local before
  before=$(now_ms)
  shoot_page "$1"
  echo $(((before + $(now_ms)) / 2))
}
same_image() { [ "$(convert "$1" rgb:- | md5sum)" = "$(convert "$2" rgb:- | md5sum)" ]; }
# Whether a fresh screenshot of the page, kept in FILE, shows text.
page_shows_text() { shoot_page "$1" && [ "$(colours_in "$1")" -gt 8 ]; }
expect_headlines() { expect 20 "no headline appeared" page_shows_text "$WORK/first.png"; }
tooltip() { first "$(windows_typed TOOLTIP --onlyvisible --pid "$BAR_PID")"; }
# Moves the pointer a little way into the first headline, which moves on a few pixels meanwhile.
point_into_headline() {
  local bar_x bar_y x
  shoot_page "$WORK/now.png"
  read -r bar_x bar_y _ _ < <(bar_geometry)
  read -r x _ _ _ < <(text_box "$WORK/now.png")
  xdotool mousemove $((bar_x + (80 + 40) * ${GDK_SCALE:-1} + x)) $((bar_y + 12 * ${GDK_SCALE:-1}))
}

# expect_exit_zero [SIGNAL]: sends the bar the signal, if any, then waits for it to end and checks
# that it ended with status 0, and said nothing of GTK's warnings on the way.
expect_exit_zero() {
  [ -z "${1:-}" ] || kill "-$1" "$BAR_PID"
  expect 30 "the program did not end" gone "$BAR_PID"
  local status=0
  wait "$BAR_PID" || status=$?
  BAR_PID=""
  [ $status -eq 0 ] || fail "the program ended with status $status"
  ! grep -E -- '-(WARNING|CRITICAL) \*\*' "$WORK/bar.log" || fail "warnings on standard error"
}

# start_key_window NAME X Y: a window that notes the keys it is given, focused by the window
# manager when there is one; its id in KEY_WINDOW. keys_in NAME: how many it was given.
start_key_window() {
  xev -name "$1" -geometry "300x100+$2+$3" -event keyboard >"$WORK/$1.keys" 2>&1 &
  HELPER_PIDS+=($!)
  KEY_WINDOW=$(expect_window "^$1\$" "window $1")
}
keys_in() { grep -c '^KeyPress' "$WORK/$1.keys" || true; }
keys_are() { [ "$(keys_in "$1")" -eq "$2" ]; }
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
# keys_reach NAME ID TOTAL: three keys typed once the pointer has rested longer than a hover tick
# reach the window NAME (ID), which keeps the focus; it has been given TOTAL keys then.
keys_reach() {
  sleep 1.5
  xdotool type www
  expect 5 "$1 was given \$(keys_in $1) of $3 keys" keys_are "$1" "$3"
  focused "$2" || fail "the focus went from $1 to $(xdotool getwindowfocus)"
}

expect_state_saved() {
  for key in Window/OrigX Window/OrigY Window/Fixed FileNo/CurrentFileNo; do
    ini_value "${key%/*}" "${key#*/}" >/dev/null || fail "$key not written"
  done
}

FEED_XML='<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0"><channel><title>E2E</title>
<item><title>Lighthouse keepers repaint the tower in red and white stripes</title><link>http://example.com/1</link></item>
<item><title>Harbour market opens an hour earlier on weekdays</title><link>http://example.com/2</link></item>
<item><title>Night ferry adds a stop at the island pier</title><link>http://example.com/3</link></item>
</channel></rss>'
# write_channel_settings [OPTIONS [MORE]]: a settings file with one file:// channel of FEED_XML,
# already downloaded, docked at the top; OPTIONS is the channel's option suffix, MORE (printf
# escapes) further settings. The feed lies in a folder named with Chinese characters and a blank,
# and the settings file holds its address in code page 936, as the dialog stores it.
write_channel_settings() {
  local feed="$WORK/我的 频道/feed.xml"
  mkdir -p "${feed%/*}"
  echo "$FEED_XML" >"$feed"
  cp "$feed" "$XDG_CONFIG_HOME/velloband0"
  printf "[Window]\nFixed=1\nAutoLoad=0\n[FileNo]\nMaxFileNo=1\nCurrentFileNo=0\n[URL]\n-1=E2E\n0=file://%s%s\n${2:-}" \
    "$feed" "${1:-}" | iconv -f UTF-8 -t GBK >"$SETTINGS"
}
# start_channel_bar [OPTIONS [MORE]]: (re)starts the bar on such a channel, until its headlines
# show.
start_channel_bar() {
  [ -z "$BAR_PID" ] || stop_bar
  write_channel_settings "$@"
  start_bar
  expect_headlines
}
