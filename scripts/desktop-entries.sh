#!/bin/sh
# Puts Orvanta and Velisar in the desktop's menu of the user who runs it: a
# menu entry for each, starting the built program, and its icon in the
# user's icon theme folder. Also hands web archives (.mht), such as Orvanta's
# help, to orvanta-help-viewer: a Debian desktop has no program for them.
# Safe to run again.
#   --build DIR      the build folder whose bin/ holds the programs (default:
#                    $BUILD_DIR, else build/ in the repository)
#   --data-home DIR  where the entries go (tests); the default is the
#                    user's own, ${XDG_DATA_HOME:-$HOME/.local/share}
#   --remove         take the entries and icons out again
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
data=${XDG_DATA_HOME:-$HOME/.local/share}
remove=false
while [ $# -gt 0 ]; do
    case $1 in
    --build) build=$2; shift ;;
    --data-home) data=$2; shift ;;
    --remove) remove=true ;;
    *) echo "desktop-entries: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
applications=$data/applications
icons=$data/icons/hicolor

# The width and height of a PNG picture, from its header: "64x64".
png_size() {
    set -- $(od -An -tu1 -j16 -N8 "$1")
    echo "$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))x$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))"
}

# A path as a desktop entry's Exec= wants it. xdg-open, without a desktop
# of its own, takes the command up to the first blank and keeps quotes as
# part of it, so a path is quoted only when it holds a character that must
# be: then the characters the quotes do not protect are escaped, every
# backslash doubled as in any string value of the file, and "%" doubled.
exec_value() {
    case $1 in
    *[[:space:]\"\'\\\>\<~\|\&\;\$\*\?\#\(\)\`%]*)
        printf '"%s"' "$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')" ;;
    *) printf '%s' "$1" ;;
    esac
}

# The same path as a plain string value.
string_value() {
    printf '%s' "$1" | sed -e 's/\\/\\\\/g'
}

if ! $remove; then
    bin=$(cd "$build/bin" 2>/dev/null && pwd) || bin=$build/bin
    for name in orvanta velisar orvanta-help-viewer; do
        if [ ! -x "$bin/$name" ]; then
            echo "desktop-entries: $build/bin/$name is not built" >&2
            exit 1
        fi
    done
fi

# entry NAME PROGRAM [PICTURE], then the entry's text on standard input with
# @EXEC@ and @TRYEXEC@ in place of the program's path; the picture is the
# entry's icon, named NAME.
entry() {
    name=$1 picture=${3:+$root/$3}
    if $remove; then
        rm -f "$applications/$name.desktop"
        for icon in "$icons"/*/apps/"$name.png"; do
            [ -e "$icon" ] && rm -f "$icon"
        done
        cat >/dev/null
        return
    fi
    program=$bin/$2
    mkdir -p "$applications"
    if [ -n "$picture" ]; then
        size=$(png_size "$picture")
        mkdir -p "$icons/$size/apps"
        cp "$picture" "$icons/$size/apps/$name.png.new"
        mv "$icons/$size/apps/$name.png.new" "$icons/$size/apps/$name.png"
    fi
    # From the environment and by plain assignment, awk takes the values as
    # they are; -v and sub() would read their backslashes as escapes.
    EXEC_VALUE=$(exec_value "$program") TRYEXEC_VALUE=$(string_value "$program") awk '
        index($0, "Exec=@EXEC@") == 1 { $0 = "Exec=" ENVIRON["EXEC_VALUE"] substr($0, 12) }
        $0 == "TryExec=@TRYEXEC@" { $0 = "TryExec=" ENVIRON["TRYEXEC_VALUE"] }
        { print }' >"$applications/$name.desktop.new"
    mv "$applications/$name.desktop.new" "$applications/$name.desktop"
}

entry orvanta orvanta orvanta/shell/pictures/orvanta.png <<'ENTRY'
[Desktop Entry]
Type=Application
Version=1.4
Name=Orvanta
Name[ar]=أورفانتا
GenericName=Mushaf reader
GenericName[ar]=قارئ المصحف
Comment=Read the Mushaf page by page, with tafsir, and search its words
Comment[ar]=تصفح المصحف صفحة صفحة مع التفسير، وابحث عن كلماته
Keywords=Quran;Mushaf;Tafsir;قرآن;مصحف;تفسير;
Exec=@EXEC@
TryExec=@TRYEXEC@
Icon=orvanta
Terminal=false
Categories=Education;Literature;
StartupWMClass=Orvanta
ENTRY

entry velisar velisar velisar/window/pictures/velisar.png <<'ENTRY'
[Desktop Entry]
Type=Application
Version=1.4
Name=Velisar
Name[ar]=فيليسار
GenericName=Verse finder
GenericName[ar]=الباحث عن الآيات
Comment=Find the verse of the words selected in LibreOffice Writer and put it in their place
Comment[ar]=ابحث عن الآية التي فيها الكلمات المحددة في ليبر أوفيس رايتر وضعها مكانها
Keywords=Quran;Verse;Writer;قرآن;آية;
Exec=@EXEC@
TryExec=@TRYEXEC@
Icon=velisar
Terminal=false
Categories=Office;
StartupWMClass=Velisar
ENTRY

# Web archives go to the help viewer, which takes the page out and shows it
# in the web browser. It is no default for the type, so a program the user
# has chosen for web archives keeps them.
entry orvanta-help orvanta-help-viewer <<'ENTRY'
[Desktop Entry]
Type=Application
Version=1.4
Name=Orvanta help
Name[ar]=تعليمات Orvanta
Comment=Shows a web archive (.mht), such as Orvanta's help, in the web browser
Comment[ar]=يعرض ملفات أرشيف الويب (mht) مثل تعليمات البرنامج في متصفح الويب
Exec=@EXEC@ %f
TryExec=@TRYEXEC@
MimeType=application/x-mimearchive;
NoDisplay=true
Terminal=false
ENTRY

# Without a desktop of its own xdg-open finds the program for a type in the
# folder's cache. A cache left with no type in it is as good as none.
if command -v update-desktop-database >/dev/null && [ -d "$applications" ]; then
    update-desktop-database -q "$applications" || true
    cache=$applications/mimeinfo.cache
    if [ -f "$cache" ] && ! grep -q = "$cache"; then
        rm -f "$cache"
    fi
fi

if $remove; then
    echo "desktop-entries: Orvanta and Velisar are no longer in the menu"
else
    echo "desktop-entries: Orvanta and Velisar are in the menu"
fi
