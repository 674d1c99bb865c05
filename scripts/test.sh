#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (ctest prints its summary).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
