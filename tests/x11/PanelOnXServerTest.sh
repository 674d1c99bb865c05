#!/usr/bin/env bash
# The panel operated as a user meets it: on a real X server (Xvfb), xdotool moves the real
# pointer over velmora's window zoomed to 1.5, clicks a key and turns the wheel over the main
# dial. What the clicks mean must reach the simulated radio's line: the key's command once, and
# exactly one dial step per wheel notch.
#   PanelOnXServerTest.sh VELMORA
set -euo pipefail
velmora=$(realpath "$1")
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/bootstrap.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        ((SECONDS < deadline)) || { echo "timed out waiting for: $*"; return 1; }
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

cd "$work"
# A settings file, so that no first-run box waits for a click.
mkdir -p CommoFiles
echo "1,4800,0" >CommoFiles/CommSetting.csv
"$velmora" --simulate --no-splash --zoom 1.5 --log "$work/line.log" --duration 90000 \
    >"$work/velmora.out" 2>&1 &
pids+=($!)
# The panel sends nothing until the initial read is done; the menu read's last answer comes later.
wait_for 60 grep -qs 'RX EX177' "$work/line.log"

window=$(xdotool search --sync --onlyvisible --name '^VLM for Aldren$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# The panel view fills the window below the menu bar: 1536 x 483 at the bottom.
top=$((HEIGHT - 483))
at() { echo "$(((2 * $1 + 1) * 3 / 4)) $((top + (2 * $2 + 1) * 3 / 4))"; }

sent() { grep -c " TX $1" "$work/line.log" || true; }
dial_steps() {
    awk '/ TX EU0[0-9][0-9];/ { n += substr($3, 4, 2) } / TX ED0[0-9][0-9];/ { n -= substr($3, 4, 2) }
         END { print n + 0 }' "$work/line.log"
}

# The first key of the MODE block, at panel pixel (813, 37).
keys_before=$(sent 'MK0;')
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(at 813 37) click 1
wait_for 10 test "$(sent 'MK0;')" -eq $((keys_before + 1))

# Five notches up over the main dial at (516, 220): five steps, however they are batched.
steps_before=$(dial_steps)
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(at 516 220) click --repeat 5 --delay 40 4
wait_for 10 test "$(dial_steps)" -eq $((steps_before + 5))
test "$(dial_steps)" -eq $((steps_before + 5)) || { echo "extra dial steps"; exit 1; }
test "$(sent 'MK0;')" -eq $((keys_before + 1)) || { echo "the key was sent again"; exit 1; }
echo "key and wheel reached the line"
