#!/bin/sh
# Runs the data builder for the build: the Quran source fetched into the
# build, and the tafsir files the user imported there, if any.
#   build-data.sh BUILDER SOURCEDIR PROGRAMDIR TAFSIRDIR
set -eu
builder=$1 source=$2 out=$3 tafsir=$4
set -- --source "$source" --out "$out"
[ -f "$tafsir/tafsir1.txt" ] && set -- "$@" --tafsir1 "$tafsir/tafsir1.txt"
[ -f "$tafsir/tafsir2.txt" ] && set -- "$@" --tafsir2 "$tafsir/tafsir2.txt"
exec "$builder" "$@"
