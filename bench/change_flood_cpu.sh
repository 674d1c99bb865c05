#!/bin/sh
# CPU of `velmora --headless` while the simulated radio reports 200 changes a second (its console
# alternating "freq a N" and "dial +1"), quiet and with the console into a file. Prints per run
# two lines:
#   whole   - start-up, the initial and menu reads and the flood, from /usr/bin/time;
#   steady  - the flood alone, SECONDS after the menu read has ended, from the threads' run
#             time in /proc (nanoseconds) and their voluntary context switches (each is a
#             wake-up later): the share of one core, the cost and the sleeps per answer.
# Usage: bench/change_flood_cpu.sh BUILD_DIR [SECONDS]
# VELMORA_WRAP runs velmora under a tool, e.g.
#   VELMORA_WRAP="valgrind --tool=callgrind --callgrind-out-file=/tmp/cg.%p" (instructions: divide
#   callgrind's total by the answers printed; the CPU share is then the tool's, not velmora's).
# LOAD=N runs N busy loops beside it, to see the cost on a loaded machine.
set -eu
BUILD=$1
SECONDS_RUN=${2:-10}
WRAP=${VELMORA_WRAP:-}
WORK=$(mktemp -d)
trap 'kill $SIM ${LOADERS:-} 2>/dev/null || true; rm -rf "$WORK"' EXIT
mkfifo "$WORK/console"
"$BUILD/src/aldren-sim" --link "$WORK/tty" --transcript "$WORK/line" <"$WORK/console" \
    >/dev/null 2>&1 &
SIM=$!
# 200 changes a second on the radio's own front panel, for longer than each run.
python3 - "$WORK/console" $((SECONDS_RUN * 2 + 60)) <<'PY' &
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
# Run time in nanoseconds and voluntary context switches, summed over the process's threads.
threads_cpu() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d", ns }'
}
threads_sleeps() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^voluntary_ctxt_switches/ { n += $2 } END { printf "%d", n }'
}
# Waits until velmora has asked for the last menu item once more than $1 times (the transcript
# keeps the runs before) and the answers have settled.
wait_for_menu_read() {
    until [ "$(grep -c '> EX177;' "$WORK/line")" -gt "$1" ]; do sleep 0.2; done
    sleep 1
}
run() {
    label=$1
    shift
    before=$(answers)
    reads=$(grep -c '> EX177;' "$WORK/line" || true)
    # shellcheck disable=SC2086
    /usr/bin/time -f "%U %S %e %w %c" -o "$WORK/time" $WRAP "$BUILD/src/velmora" --headless \
        --connect --port "$WORK/tty" --config-dir "$WORK" \
 --duration $(((SECONDS_RUN + 60) * 1000)) "$@" >"$WORK/out" 2>/dev/null &
    timed=$!
    sleep 0.5
    pid=$(pgrep -n -f "src/velmora --headless --connect --port $WORK/tty")
    wait_for_menu_read "$reads"
    cpu0=$(threads_cpu "$pid") sleeps0=$(threads_sleeps "$pid") answers0=$(answers)
    sleep "$SECONDS_RUN"
    cpu1=$(threads_cpu "$pid") sleeps1=$(threads_sleeps "$pid") answers1=$(answers)
    kill -TERM "$pid"
    wait "$timed" || true
    count=$(($(answers) - before))
    awk -v what="$label" -v n="$count" '{ cpu = $1 + $2; printf "%-8s whole  %.2f %% of a core (%.2f s user, %.2f s system in %.1f s); %d answers, %.1f us and %.2f sleeps an answer (%d preempted)\n",
        what, cpu / $3 * 100, $1, $2, $3, n, n ? cpu * 1e6 / n : 0, n ? $4 / n : 0, $5 }' "$WORK/time"
    awk -v what="$label" -v s="$SECONDS_RUN" -v ns=$((cpu1 - cpu0)) -v n=$((answers1 - answers0)) \
        -v w=$((sleeps1 - sleeps0)) 'BEGIN { printf "%-8s steady %.2f %% of a core over %d s; %d answers, %.1f us and %.2f sleeps an answer\n",
        what, ns / (s * 1e7), s, n, n ? ns / 1e3 / n : 0, n ? w / n : 0 }'
}
for _ in $(seq "${LOAD:-0}"); do sh -c 'while :; do :; done' & LOADERS="${LOADERS:-} $!"; done
run quiet --quiet
run console
kill $FEED 2>/dev/null || true
