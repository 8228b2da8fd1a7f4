#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Zarion on the demo base (build/dev/demo).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target zarion zarion-cli
exec build/dev/app/zarion --demo "$@"
