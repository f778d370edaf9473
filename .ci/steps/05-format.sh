#!/usr/bin/env bash
# Every C++ file as clang-format (the root .clang-format) writes it.
set -euo pipefail
cd "$(dirname "$0")/../.."

./scripts/install-deps.sh
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: all files clean"
