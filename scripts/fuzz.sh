#!/usr/bin/env bash
# Runs each libFuzzer target for a while (default 30 s each), seeded from fuzz/seeds/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
./scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for bin in build/fuzz/fuzz/*_fuzz; do
    name=$(basename "$bin")
    corpus=build/fuzz/corpus-$name
    mkdir -p "$corpus"
    seeds=fuzz/seeds/$name
    echo "== $name ($seconds s)"
    "$bin" -max_total_time="$seconds" -max_len=4096 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" )
done
