#!/bin/sh
# Sets everything up, builds the programs and their data, and runs the whole
# test suite.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
ctest --test-dir "$build" --output-on-failure
