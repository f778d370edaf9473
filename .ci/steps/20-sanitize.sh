#!/usr/bin/env bash
# The whole test suite again, the Qt view's tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of its own.
set -euo pipefail
cd "$(dirname "$0")/../.."

./scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRO_WERROR=ON \
    -DKESTRO_SANITIZE=ON -DKESTRO_BUILD_GUI=ON
cmake --build build-asan -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
