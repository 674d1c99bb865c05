#!/usr/bin/env bash
# The main job: builds, then runs the controller headless against the simulated radio: the link
# comes up, the initial read and the menu read run, and it exits once the read is complete.
# Extra arguments go to velmora (for example --quiet, --log FILE, --dump-state FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmora
exec build/dev/src/velmora --headless --simulate --exit-after-read "$@"
