#!/bin/sh
# Sets everything up, builds the programs and their data, and starts Orvanta.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
if [ ! -x "$build/bin/orvanta" ]; then
    echo "start-orvanta: built the libraries, the tests and the data files in $build/bin;"
    echo "start-orvanta: Orvanta's windows are not part of this version yet, so there is nothing to start."
    exit 0
fi
exec "$build/bin/orvanta"
