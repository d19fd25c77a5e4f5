#!/bin/sh
# Sets everything up, builds the programs and their data, and starts Orvanta.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
if [ ! -x "$build/bin/orvanta" ]; then
    echo "start-orvanta: the build did not produce $build/bin/orvanta" >&2
    exit 1
fi
exec "$build/bin/orvanta"
