#!/usr/bin/env bash
# Builds Brackwell (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/app/brackwell "$@"
