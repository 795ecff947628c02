#!/usr/bin/env bash
# run-smoke.sh [BUILD_DIR]: runs the cross-built Velloband.exe under Wine and checks what a user
# would see on a first run, a second start, a channel download, the exit and the headlines that
# the bar draws itself. BUILD_DIR (default build/windows, the "windows" preset's) holds
# Velloband.exe and vb_smoke_driver.exe. Needs wine, wine64, xvfb, util-linux (unshare), locales,
# imagemagick, xdotool and python3. Runs for about a minute.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
for exe in Velloband.exe vb_smoke_driver.exe; do
  [ -f "$build/$exe" ] || { echo "run-smoke: $build/$exe is missing" >&2; exit 2; }
done

# The program's texts are code page 936; a Chinese locale gives Wine that ANSI code page.
root_or() { [ "$(id -u)" -eq 0 ] && printf "%s" "$1" || printf "%s" "$2"; }
locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' ||
  $(root_or "" sudo) localedef -i zh_CN -f UTF-8 zh_CN.UTF-8

# Everything below runs in a network namespace of its own: nothing can reach the outside.
if [ -z "${VB_SMOKE_ISOLATED:-}" ]; then
  exec env VB_SMOKE_ISOLATED=1 unshare "$(root_or -n -rn)" -- "$0" "$build"
fi
ip link set lo up 2>/dev/null || true

work=$(mktemp -d /tmp/vb-smoke.XXXXXX)
pids=()
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}
wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  for _ in $(seq $(($1 * 5))); do "${@:2}" && return 0; sleep 0.2; done
  return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display" || { echo "run-smoke: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
wineboot -i >/dev/null 2>&1

program_dir="$WINEPREFIX/drive_c/vb"
mkdir -p "$program_dir"
cp "$build/Velloband.exe" "$build/vb_smoke_driver.exe" "$program_dir/"
data="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
ini="$data/velloband.ini"
cd "$program_dir"
driver() { timeout 60 wine vb_smoke_driver.exe "$@" | tr -d '\r'; }
ini_text() { iconv -f GBK -t UTF-8 "$ini" | tr -d '\r'; }
ini_has() { ini_text | grep -qxF -e "$1"; }
start() { env "$@" wine Velloband.exe >/dev/null 2>&1 & velloband_pid=$!; }  # start [VAR=VALUE...]

# --- First run ------------------------------------------------------------------------------
start
check "the bar: class, styles, screen-wide, 24 high, docked at the top" driver bar 60 0
check "the tray icon is there" test "$(driver tray-icons)" = 1
check "a first run writes only MaxFileNo=0 and AutoLoad=1" \
  test "$(ini_text)" = $'[FileNo]\nMaxFileNo=0\n[Window]\nAutoLoad=1'
run_value() {
  wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Velloband 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *Velloband *REG_SZ *//p'
}
check "autostart names the program" test "$(run_value)" = '"C:\vb\Velloband.exe"'

# --- Second start ---------------------------------------------------------------------------
# The running bar re-renders its page on its own, so only the settings and the set of files
# are compared.
data_state() { (cd "$data" && ls velloband* && cat velloband.ini) | md5sum; }
before=$(data_state)
timeout 60 wine Velloband.exe >/dev/null 2>&1 && second=$? || second=$?
check "a second start ends at once with exit code 0" test "$second" = 0
check "a second start changes no file" test "$(data_state)" = "$before"
check "the first instance stays" driver bar 5 0

# --- A file:// channel, added through the configuration dialog ------------------------------
# In a folder whose name has Chinese characters and a blank, typed with backslashes.
feed_dir="$program_dir/我的 频道"
mkdir -p "$feed_dir"
cat >"$feed_dir/feed.xml" <<'EOF'
<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0"><channel><title>冒烟测试频道</title><link>http://example.invalid/</link>
<item><title>第一条😀新闻标题</title><link>http://example.invalid/1</link><description>正文</description></item>
</channel></rss>
EOF
check "the dialog adds a channel named 新闻 and lists it by name" \
  driver add-channel 'file://C:\vb\我的 频道\feed.xml' '新闻'
check "the name is stored in code page 936" ini_has '-1=新闻'
check "the channel is downloaded whole" wait_for 20 cmp -s "$feed_dir/feed.xml" "$data/velloband0"
driver timer 3
check "a rotation tick renders the channel into the page, a character beyond U+FFFF as one '?'" \
  grep -q '第一条?新闻标题' <(iconv -f GBK -t UTF-8 "$data/velloband.html")
driver timer 2
driver timer 4
check "the bar survives the housekeeping ticks" driver bar 5 0

# --- What a server sends that must never be kept as a channel file ------------------------
# Notes each request's path and User-Agent. No content for /empty.xml; for /silent.xml its
# headers and 100 bytes, then silence; for /trickle.xml 4 kB every half second for ever; not
# found for anything else.
python3 -c '
import http.server, sys, time
log = open(sys.argv[1], "a")
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        log.write(self.path + " " + self.headers.get("User-Agent", "") + "\n")
        log.flush()
        if self.path in ("/silent.xml", "/trickle.xml"):
            self.send_response(200)
            self.send_header("Content-Length", "10000000")
            self.end_headers()
            self.wfile.write(b"x" * 100)
            while self.path == "/trickle.xml":
                self.wfile.write(b"x" * 4096)
                time.sleep(0.5)
            time.sleep(600)
        self.send_response(204 if self.path == "/empty.xml" else 404)
        self.end_headers()
http.server.ThreadingHTTPServer(("127.0.0.1", 18931), Handler).serve_forever()
' "$work/requests" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 bash -c 'echo >/dev/tcp/127.0.0.1/18931' 2>/dev/null || true
echo "stale copy" >"$data/velloband1"
check "the dialog adds a second channel" \
  driver add-channel 'http://127.0.0.1:18931/新闻 频道/missing.xml' 'missing'
check "a 404 answer removes the channel file instead of saving the error page" \
  wait_for 20 test ! -e "$data/velloband1"
check "no temporary file is left behind" test -z "$(ls "$data" | grep '\.tmp' || true)"
check "a Chinese path with a blank is requested as percent-encoded UTF-8" \
  grep -q '^/%E6%96%B0%E9%97%BB%20%E9%A2%91%E9%81%93/missing.xml ' "$work/requests"
check "requests carry the program's User-Agent" grep -q ' Velloband/1.1$' "$work/requests"
echo "stale copy" >"$data/velloband2"
check "the dialog adds a third channel" driver add-channel 'http://127.0.0.1:18931/empty.xml' 'empty'
check "the third channel is fetched" wait_for 20 grep -q '^/empty.xml ' "$work/requests"
sleep 3
check "a 204 answer leaves the channel file as it was" \
  test "$(cat "$data/velloband2" 2>/dev/null)" = "stale copy"
# With the time rules shortened to 3 s without a byte and 6 s in all, both transfers end on time.
for path in silent trickle; do
  check "a transfer from a server that sends $path ends on time" \
    driver fetch "http://127.0.0.1:18931/$path.xml" 'C:\vb\fetched.tmp' 3
done

# --- Exit ------------------------------------------------------------------------------------
driver command 40009 >/dev/null  # dock at the bottom, so that the saved state is not a default
check "the exit command is taken" driver command 40003
ended() { [ ! -e "/proc/$velloband_pid" ] || grep -q "^State:.*Z" "/proc/$velloband_pid/status" 2>/dev/null; }
check "the program ends" wait_for 20 ended
wait "$velloband_pid" && exit_code=$? || exit_code=$?
check "with exit code 0" test "$exit_code" = 0
check "the tray icon is gone" test "$(driver tray-icons)" = 0
state_saved() { ini_has OrigX=0 && ini_has OrigY=744 && ini_has Fixed=0 && ini_has CurrentFileNo=2; }
check "the bar's position, dock edge and current channel are saved" state_saved
check "the note file is deleted" test ! -e "$data/velloband_note"
quit() { driver command 40003 >/dev/null; wait_for 20 ended || true; }

# --- A system whose ANSI code page is not 936 ------------------------------------------------
# The texts must still be right: typed into the dialog, stored as 936, shown back in the list.
echo "cut short" >"$data/velloband0.tmp12_3"  # as a run that ended mid-download leaves it
start LANG=C.UTF-8 LC_ALL=C.UTF-8
check "the bar comes up under a Western code page, docked at the bottom" driver bar 60 744
check "a start removes the temporary file an earlier run left" test ! -e "$data/velloband0.tmp12_3"
check "renaming the first channel 体育 lists it by its new name there" \
  driver add-channel 'file://C:\vb\我的 频道\feed.xml vbco;cd=up;' '体育'
check "and stored in code page 936" ini_has '-1=体育'
quit

# --- The page drawn by the bar itself --------------------------------------------------------
# Wine has no HTML engine here, so the bar shows its page with its own page view. With one
# channel already downloaded its headlines must show at once, move left at the default 2 pixels
# every 30 ms (measured between two screenshots), and stand still while the pointer rests on
# them. A background picture, read off the GUI thread, is drawn behind them; one wider than 4096
# pixels is not.
convert -size 8x8 xc:blue "BMP3:$program_dir/blue.bmp"
convert -size 4100x8 xc:blue "BMP3:$program_dir/wide.bmp"
start_with_picture() {  # start_with_picture NAME: one channel, docked at the top
  printf '%s\r\n' '[FileNo]' 'MaxFileNo=1' 'CurrentFileNo=0' '[Window]' 'Fixed=1' '[Format]' \
    "BkPic=C:\\vb\\$1.bmp" '[URL]' '0=file://C:\vb\feed.xml' '-1=news' >"$ini"
  cp "$feed_dir/feed.xml" "$data/velloband0"
  start
  check "the bar comes up with one channel, docked at the top" driver bar 60 0
}
blue_percent() {  # blue_percent PICTURE: the share of the page view in pure blue, noted
  shot "$work/page.rgb" "${view_w}x${view_h}+${view_x}+${view_y}" >/dev/null
  percent=$(convert -size "${view_w}x${view_h}" -depth 8 "rgb:$work/page.rgb" \
    -fx 'b>0.78&&r<0.24&&g<0.24' -format '%[fx:int(100*mean)]' info:)
  echo "     $1.bmp: $percent % blue"
}
start_with_picture blue
view=$(driver page-view) && drawn=1 || drawn=0
check "the bar draws its page itself" test "$drawn" = 1
[ "$drawn" = 1 ] || view="0 0 1024 24"
read -r view_x view_y view_w view_h <<<"$view"
# The scroller begins 72 pixels in, right of the arrow and stop controls.
shot() {  # shot FILE [CROP]: the scroller, or CROP, as raw RGB; prints when (the middle, in s)
  local before
  before=$(date +%s.%N)
  import -window root -crop "${2:-$((view_w - 72))x${view_h}+$((view_x + 72))+${view_y}}" -depth 8 "rgb:$1"
  echo "$before $(date +%s.%N)" | awk '{ printf "%.3f", ($1 + $2) / 2 }'
}
# red_columns FILE: the first and last column of the headlines (in the link colour of the
# default settings, red) in a shot of the scroller.
red_columns() {
  convert -size "$((view_w - 72))x${view_h}" -depth 8 "rgb:$1" -fx 'r>=0.63&&g<=0.35&&b<=0.35' \
    -scale "$((view_w - 72))x1!" -depth 8 gray:- | od -An -v -tu1 |
    awk '{ for (i = 1; i <= NF; i++) { if ($i > 0) { if (first == "") first = n; last = n } n++ } }
         END { if (first == "") exit 1; print first, last }'
}
# shift_between SECONDS: "moved pixels, px/s, first and last column" into $motion. The text is
# followed by its left edge, or by its right edge while the left one is cut off.
shift_between() {
  local t1 t2
  t1=$(shot "$work/first.rgb")
  sleep "$1"
  t2=$(shot "$work/second.rgb")
  motion=$(awk -v a="$(red_columns "$work/first.rgb")" -v b="$(red_columns "$work/second.rgb")" \
    -v w=$((view_w - 72)) -v t1="$t1" -v t2="$t2" 'BEGIN { split(a, f); split(b, g); s = t2 - t1
      if (a == "" || b == "") exit 1
      if (f[1] >= 3 && g[1] >= 3) m = f[1] - g[1]; else if (f[2] < w - 3 && g[2] < w - 3) m = f[2] - g[2]; else exit 1
      printf "%d %.1f %d %d", m, m / s, g[1], g[2] }') || true
  echo "     moved, px/s: $motion"
}
speed_between() { awk -v v="${motion#* }" -v lo="$1" -v hi="$2" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
sleep 1
shift_between 4
check "the headlines move left at about 2 px every 30 ms (40 to 90 px/s)" speed_between 40 90
xdotool mousemove $((view_x + view_w / 2)) $((view_y + view_h / 2))
sleep 1
shift_between 2
moved=${motion%% *}
check "the pointer resting on them stops them" test "${moved#-}" -le 3 2>/dev/null
# On the headline that stands still now, its title shows as the tooltip.
read -r _ _ text_left text_right <<<"$motion"
xdotool mousemove $((view_x + 72 + (${text_left:-0} + ${text_right:-0}) / 2)) $((view_y + view_h / 2))
tip=$(driver page-tip) || true
echo "     tooltip: ${tip//$'\n'/ | }"
check "and the headline's tooltip shows the channel, the author line and the summary" \
  grep -qz '冒烟测试频道.*发自.*提要.*正文' <<<"$tip"
# The page is drawn in a window of the page host, so the rotation waits as over the browser.
rm -f "$data/velloband.html"
driver timer 3 here >/dev/null
check "a rotation tick waits while the pointer rests on the page" test ! -e "$data/velloband.html"
xdotool mousemove 512 384
driver timer 3 >/dev/null
check "and renders the page again once the pointer has left" test -e "$data/velloband.html"
blue_percent blue
check "a background picture fills the page behind the headlines" test "${percent:-0}" -ge 60
quit
start_with_picture wide
sleep 3
blue_percent wide
check "a picture wider than 4096 pixels is not shown" test "${percent:-100}" -le 30
quit

if [ "$failures" -ne 0 ]; then
  echo -e "\nsettings file at the end:\n$(ini_text)\nrun-smoke: $failures check(s) failed"
  exit 1
fi
echo -e "\nrun-smoke: all checks passed"
