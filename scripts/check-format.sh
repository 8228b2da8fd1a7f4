#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted by the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || scripts/install-deps.sh
files=$(git ls-files '*.cpp' '*.h' '*.inl')
[ -z "$files" ] || clang-format --dry-run --Werror $files
