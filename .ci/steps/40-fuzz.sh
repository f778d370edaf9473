#!/usr/bin/env bash
# A short run of the fuzz target: builds it with clang and runs it for about a minute.
set -euo pipefail
cd "$(dirname "$0")/../.."

make fuzz FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
