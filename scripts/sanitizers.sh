#!/usr/bin/env bash
# Builds and runs everything without a window under ASan+UBSan, then under TSan.
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
