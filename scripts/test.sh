#!/usr/bin/env bash
# Builds and runs every test. Usage: scripts/test.sh [debug|release|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-debug}
scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
