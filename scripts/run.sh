#!/usr/bin/env bash
# The main job: builds, then runs the controller against the simulated radio. With a display it
# opens the window, which connects at once; close it to end the run. Without one velmora says so
# and runs headless, and the run ends once the menu read is complete.
# Extra arguments go to velmora (for example --no-splash, --log FILE, --screenshot FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmora
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
  exec build/dev/src/velmora --simulate --exit-after-read "$@"
fi
exec build/dev/src/velmora --simulate "$@"
