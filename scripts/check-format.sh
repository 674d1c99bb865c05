#!/usr/bin/env bash
# Fails, naming each deviation, when a C++ file under src, tests, bench, fuzz or tools is not as
# .clang-format lays it out. Fix with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is missing (scripts/bootstrap.sh installs it)" >&2
    exit 1
fi
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
