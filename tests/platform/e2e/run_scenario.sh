#!/usr/bin/env bash
# run_scenario.sh PROGRAM SCENARIO: one end-to-end scenario in a session bus of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VB_PROGRAM=$1
# A hung scenario fails instead of holding up the run.
exec timeout -k 10 150 dbus-run-session --config-file="$here/session-bus.conf" -- bash "$here/scenarios/$2.sh"
