#!/bin/sh
# Takes the Quran text (qurantext-simple.def) and the page and juz tables
# (quran.sty) out of Debian's texlive-lang-arabic without installing it.
# The data builder checks the text's SHA-256.
set -eu
dest=${1:?usage: fetch-quran-source.sh DESTDIR}
inner=./usr/share/texlive/texmf-dist/tex/latex/quran
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
if ! apt-get download texlive-lang-arabic >/dev/null 2>&1; then
    # A fresh machine may not have read the archive's package lists yet.
    if [ "$(id -u)" = 0 ]; then apt-get update -qq; fi
    apt-get download texlive-lang-arabic
fi
dpkg-deb --fsys-tarfile texlive-lang-arabic_*.deb |
    tar -x "$inner/qurantext-simple.def" "$inner/quran.sty"
mkdir -p "$dest"
cp "$inner/qurantext-simple.def" "$inner/quran.sty" "$dest/"
