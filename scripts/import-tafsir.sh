#!/bin/sh
# Imports the two tafsirs into Orvanta's verse file:
#   scripts/import-tafsir.sh --tafsir1 JALALAYN.txt --tafsir2 MUYASSAR.txt
# Each file holds "sura|aya|text" lines in UTF-8, every verse exactly once.
# Either option may be left out. A refused file changes nothing; an accepted
# one is kept with the build, so later builds keep the tafsir.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
t1="" t2=""
while [ $# -gt 0 ]; do
    case $1 in
        --tafsir1) t1=${2:?--tafsir1 needs a file}; shift 2 ;;
        --tafsir2) t2=${2:?--tafsir2 needs a file}; shift 2 ;;
        *) echo "usage: import-tafsir.sh [--tafsir1 FILE] [--tafsir2 FILE]" >&2; exit 2 ;;
    esac
done
[ -n "$t1$t2" ] || { echo "import-tafsir: give --tafsir1 and/or --tafsir2" >&2; exit 2; }
[ -x "$build/tools/qurandata/qurandata" ] || "$root/scripts/setup.sh"

# Keep the tafsir already imported for the one not given now.
[ -z "$t1" ] && [ -f "$build/tafsir/tafsir1.txt" ] && t1=$build/tafsir/tafsir1.txt
[ -z "$t2" ] && [ -f "$build/tafsir/tafsir2.txt" ] && t2=$build/tafsir/tafsir2.txt
set -- --source "$build/quran-source" --out "$build/bin"
[ -n "$t1" ] && set -- "$@" --tafsir1 "$t1"
[ -n "$t2" ] && set -- "$@" --tafsir2 "$t2"
"$build/tools/qurandata/qurandata" "$@"

mkdir -p "$build/tafsir"
[ -n "$t1" ] && [ "$t1" != "$build/tafsir/tafsir1.txt" ] && cp "$t1" "$build/tafsir/tafsir1.txt"
[ -n "$t2" ] && [ "$t2" != "$build/tafsir/tafsir2.txt" ] && cp "$t2" "$build/tafsir/tafsir2.txt"
echo "import-tafsir: done"
