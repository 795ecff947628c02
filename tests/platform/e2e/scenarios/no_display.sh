# With neither a Wayland compositor nor an X display the program says so and fails, the demo too.
. "$(dirname "$0")/../harness.sh"
unset DISPLAY WAYLAND_DISPLAY GDK_BACKEND
for args in "" --demo; do
  status=0
  "$VB_PROGRAM" $args 2>"$WORK/err" || status=$?
  [ $status -ne 0 ] || fail "'velloband $args' ended with status 0"
  grep -qx 'velloband: cannot open the display' "$WORK/err" || fail "it said: $(cat "$WORK/err")"
done
# A named compositor that is not there is no display either.
status=0
WAYLAND_DISPLAY=wayland-absent "$VB_PROGRAM" 2>"$WORK/err" || status=$?
[ $status -ne 0 ] && grep -q 'cannot open the display' "$WORK/err" || fail "it said: $(cat "$WORK/err")"
echo PASS
