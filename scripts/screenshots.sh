#!/usr/bin/env bash
# Builds and writes pictures of the windows and printed forms for a person to look at, offscreen,
# into the folder given (build/ci/screenshots when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$(realpath -m "${1:-build/ci/screenshots}")"
cmake --preset ci >/dev/null
cmake --build --preset ci --target zarion-screenshots
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 build/ci/tests/screenshots/zarion-screenshots "$folder"
echo "Pictures written to $folder"
