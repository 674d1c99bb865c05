#!/usr/bin/env bash
# The main job: builds, then feeds the bundled sample transcript through the answer analysis and
# prints each notification and store change.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmora-feed
exec build/dev/tools/velmora-feed/velmora-feed tools/velmora-feed/sample-transcript.txt "$@"
