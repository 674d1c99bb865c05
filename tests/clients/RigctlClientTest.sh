#!/usr/bin/env bash
# Debian's own rigctl (the network model, -m 2) against velmora serving the simulated radio over
# TCP. rigctl exits 0 even when a command fails, so every check compares its output.
set -uo pipefail
velmora=$1
dir=$(mktemp -d)
port=$((20000 + $$ % 30000))
"$velmora" --headless --simulate --quiet --config-dir "$dir" --rigctld "$port" --duration 90000 \
    >"$dir/out" 2>"$dir/err" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
failures=0

rig() { rigctl -m 2 -r "127.0.0.1:$port" "$@" 2>&1; }
expect() {  # expect NAME EXPECTED ARGS...: rigctl's whole output must be EXPECTED
    local name=$1 want=$2
    shift 2
    local got
    got=$(rig "$@")
    if [ "$got" != "$want" ]; then
        printf 'FAIL %s: rigctl %s\n--- expected\n%s\n--- got\n%s\n' "$name" "$*" "$want" "$got"
        failures=$((failures + 1))
    fi
}

# The server listens at once; a set succeeds once the radio is read and answering.
deadline=$((SECONDS + 40))
until [ "$(rig F 7074000 f)" = "7074000" ]; do
    if ((SECONDS > deadline)); then
        echo "FAIL the radio never took a frequency; velmora said:"; cat "$dir/err"
        exit 1
    fi
    sleep 0.2
done

expect frequency_set_then_read "7074000" F 14074000.000000 F 7074000 f
# In one run the client answers m from its own cache, with the width it sent; a second run asks.
mode=$(rig M PKTUSB 0 m)
if ! [[ "$mode" =~ ^PKTUSB$'\n'[0-9]+$ ]]; then
    printf 'FAIL mode_and_width_on_two_lines: got\n%s\n' "$mode"
    failures=$((failures + 1))
fi
expect mode_read_back_with_the_radios_width $'PKTUSB\n2400' m
expect split_on_vfo_b $'1\nVFOB' S 1 VFOB s
expect split_off $'0\nVFOA' S 0 VFOA s
expect ptt_on_then_off $'1\n0' T 1 t T 0 t
expect one_line_poll $'7074000\nPKTUSB\n2400\nVFOA\n0\nVFOA\n0' f m v s t
# Advertised and answered as a fraction (the simulated RF PWR knob starts at 0).
expect rf_power_as_a_fraction_of_the_knob "0.000000" l RFPOWER

verbose=$(rigctl -vvvvv -m 2 -r "127.0.0.1:$port" f 2>&1)
if grep -iE 'netrigctl_open.*(unknown|invalid|error|expected)' <<<"$verbose"; then
    echo "FAIL the capability block gave the client a parse warning"
    failures=$((failures + 1))
fi
if ! grep -q 'netrigctl_open: targetable_vfo=0x 3' <<<"$verbose"; then
    echo "FAIL the client did not read the capability block's key=value tail"
    failures=$((failures + 1))
fi
exit $((failures > 0))
