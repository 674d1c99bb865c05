#!/bin/sh
# The ends of a run that come from outside: a pipe whose reader has gone, a closed terminal
# (SIGHUP) and a termination request while the window's start-up box waits for its OK. Each run
# must end normally: exit 0, the port closed and CommSetting.csv written (or, when it could not
# be read, kept).
# Usage: SignalsTest.sh VELMORA
set -u
VELMORA=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Waits up to $2 tenths of a second for process $1 to end; its exit status in $status.
wait_end() {
    n=0
    while kill -0 "$1" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -gt "$2" ] && { kill -9 "$1"; fail "process $1 did not end"; }
        sleep 0.1
    done
    wait "$1"
    status=$?
}

# 1. stdout into head: the first line goes through, the run goes on to its end and saves.
mkdir -p "$WORK/pipe"
status=$( { "$VELMORA" --headless --simulate --duration 1500 --config-dir "$WORK/pipe"; \
            echo $? >"$WORK/pipe.status"; } | head -n 1 >/dev/null; cat "$WORK/pipe.status")
[ "$status" = 0 ] || fail "piped into head: exit $status"
[ -f "$WORK/pipe/CommoFiles/CommSetting.csv" ] || fail "piped into head: settings not written"

# 2. SIGHUP ends the run like SIGTERM.
mkdir -p "$WORK/hup"
"$VELMORA" --headless --simulate --config-dir "$WORK/hup" >"$WORK/hup.out" 2>&1 &
pid=$!
n=0
until grep -q "auto-information on" "$WORK/hup.out"; do
    n=$((n + 1)); [ "$n" -gt 100 ] && fail "SIGHUP: the link never came up"; sleep 0.1
done
kill -HUP "$pid"
wait_end "$pid" 50
[ "$status" = 0 ] || fail "SIGHUP: exit $status"
grep -q "shut down:.*written" "$WORK/hup.out" || fail "SIGHUP: no orderly shutdown"

# 3. SIGTERM while the window's start-up box (an unreadable CommSetting.csv) waits for OK.
mkdir -p "$WORK/box/CommoFiles"
printf 'not a settings line\n' >"$WORK/box/CommoFiles/CommSetting.csv"
QT_QPA_PLATFORM=offscreen "$VELMORA" --port /dev/null --no-splash --config-dir "$WORK/box" \
    >"$WORK/box.out" 2>&1 &
pid=$!
sleep 1.5
kill -TERM "$pid"
wait_end "$pid" 30
[ "$status" = 0 ] || fail "SIGTERM with a box open: exit $status"
grep -q "not a settings line" "$WORK/box/CommoFiles/CommSetting.csv" ||
    fail "the unreadable settings file was replaced"
echo "ok"
