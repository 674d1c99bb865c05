#!/bin/sh
# CPU of `velmora --headless` while the simulated radio reports 200 changes a second (its console
# alternating "freq a N" and "dial +1"), quiet and with the console into a file. Prints the share
# of one core each run took. Usage: bench/change_flood_cpu.sh BUILD_DIR [SECONDS]
set -eu
BUILD=$1
SECONDS_RUN=${2:-10}
WORK=$(mktemp -d)
trap 'kill $SIM 2>/dev/null || true; rm -rf "$WORK"' EXIT
mkfifo "$WORK/console"
"$BUILD/src/aldren-sim" --link "$WORK/tty" <"$WORK/console" >/dev/null 2>&1 &
SIM=$!
# 200 changes a second on the radio's own front panel, for longer than each run.
python3 - "$WORK/console" $((SECONDS_RUN * 2 + 10)) <<'PY' &
import sys, time
end = time.monotonic() + float(sys.argv[2])
with open(sys.argv[1], "w") as console:
    n, t = 0, time.monotonic()
    while t < end:
        console.write("freq a %d\n" % (7000000 + n % 1000) if n % 2 == 0 else "dial +1\n")
        console.flush()
        n += 1
        t += 0.005
        time.sleep(max(0.0, t - time.monotonic()))
PY
FEED=$!
while [ ! -e "$WORK/tty" ]; do sleep 0.1; done
run() {
    label=$1
    shift
    /usr/bin/time -f "%U %S %e" -o "$WORK/time" "$BUILD/src/velmora" --headless --connect \
        --port "$WORK/tty" --config-dir "$WORK" --duration $((SECONDS_RUN * 1000)) "$@" \
        >"$WORK/out" 2>/dev/null || true
    awk -v what="$label" '{ printf "%-8s %.2f %% of a core (%.2f s user, %.2f s system in %.1f s)\n",
        what, ($1 + $2) / $3 * 100, $1, $2, $3 }' "$WORK/time"
}
run quiet --quiet
run console
wait $FEED 2>/dev/null || true
