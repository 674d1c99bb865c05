#!/bin/sh
# CPU of `velmora --headless` while the simulated radio reports 200 changes a second (its console
# alternating "freq a N" and "dial +1"), quiet and with the console into a file. Prints per run
# the share of one core, the answers velmora took in, the CPU time and the sleeps (voluntary
# context switches: each is a wake-up later) per answer.
# Usage: bench/change_flood_cpu.sh BUILD_DIR [SECONDS]
# VELMORA_WRAP runs velmora under a tool, e.g.
#   VELMORA_WRAP="valgrind --tool=callgrind --callgrind-out-file=/tmp/cg.%p" (instructions: divide
#   callgrind's total by the answers printed; the CPU share is then the tool's, not velmora's).
set -eu
BUILD=$1
SECONDS_RUN=${2:-10}
WRAP=${VELMORA_WRAP:-}
WORK=$(mktemp -d)
trap 'kill $SIM 2>/dev/null || true; rm -rf "$WORK"' EXIT
mkfifo "$WORK/console"
"$BUILD/src/aldren-sim" --link "$WORK/tty" --transcript "$WORK/line" <"$WORK/console" \
    >/dev/null 2>&1 &
SIM=$!
# 200 changes a second on the radio's own front panel, for longer than each run.
python3 - "$WORK/console" $((SECONDS_RUN * 2 + 20)) <<'PY' &
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
# Answers the radio has sent so far (every ";" it wrote).
answers() {
    awk '$2 == "<" { n += gsub(/;/, "") } END { print n + 0 }' "$WORK/line"
}
run() {
    label=$1
    shift
    before=$(answers)
    # shellcheck disable=SC2086
    /usr/bin/time -f "%U %S %e %w %c" -o "$WORK/time" $WRAP "$BUILD/src/velmora" --headless \
        --connect --port "$WORK/tty" --config-dir "$WORK" --duration $((SECONDS_RUN * 1000)) \
        "$@" >"$WORK/out" 2>/dev/null || true
    count=$(($(answers) - before))
    awk -v what="$label" -v n="$count" '{ cpu = $1 + $2; printf "%-8s %.2f %% of a core (%.2f s user, %.2f s system in %.1f s); %d answers, %.1f us and %.2f sleeps an answer (%d preempted)\n",
        what, cpu / $3 * 100, $1, $2, $3, n, n ? cpu * 1e6 / n : 0, n ? $4 / n : 0, $5 }' "$WORK/time"
}
run quiet --quiet
run console
kill $FEED 2>/dev/null || true
