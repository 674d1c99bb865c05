#!/usr/bin/env bash
# Builds and runs every test under ASan+UBSan (the window offscreen), then everything without a
# window under TSan (Qt itself is not built for TSan).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
for preset in "${@:-asan tsan}"; do
    for p in $preset; do
        echo "== $p"
        cmake --preset "$p" >/dev/null
        cmake --build --preset "$p"
        ctest --preset "$p"
    done
done
