#!/usr/bin/env bash
# The headless test binaries once under valgrind's memcheck, the kestro-dump runs they start
# included; any error fails the step. Uses the build of the test step (built here when missing).
set -euo pipefail
cd "$(dirname "$0")/../.."

build="${BUILD:-build}"
make build BUILD="$build"
for binary in ui_test song_test listing_test app_test dump_test; do
    echo "--- valgrind ${binary}"
    valgrind --quiet --error-exitcode=99 --trace-children=yes --vgdb=no \
        --leak-check=full --errors-for-leak-kinds=definite,indirect \
        --show-leak-kinds=definite,indirect \
        "${build}/tests/${binary}" --gtest_brief=1
done
