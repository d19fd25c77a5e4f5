#!/bin/sh
# Makes the user's LibreOffice listen for Velisar whenever it starts, or stops
# it doing so. It writes one setting into the user's LibreOffice profile,
# ooSetupConnectionURL, which makes the office open the pipe
# "velisar_<login name>" at start-up; the pipe is a socket that only this
# user can connect to. LibreOffice rewrites the profile when it exits, so the
# user's LibreOffice must not be running meanwhile.
#   --remove         take the setting out again
#   --pipe NAME      another pipe name (tests)
#   --profile DIR    another LibreOffice user installation (tests); the
#                    default is the one LibreOffice itself uses
set -eu

remove=false
pipe=velisar_$(id -un | LC_ALL=C tr -c 'A-Za-z0-9_\n' '_')
own_profile=${XDG_CONFIG_HOME:-$HOME/.config}/libreoffice/4
profile=$own_profile
while [ $# -gt 0 ]; do
    case $1 in
    --remove) remove=true ;;
    --pipe) pipe=$2; shift ;;
    --profile) profile=$2; shift ;;
    *) echo "writer-listen: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
case $pipe in
*[!A-Za-z0-9_]* | '') echo "writer-listen: a pipe name holds only letters, digits and _" >&2; exit 2 ;;
esac

settings=$profile/user/registrymodifications.xcu
# Whether an office of this user runs on the profile: one started without
# -env:UserInstallation uses the user's own.
office_on_profile() {
    for pid in $(pgrep -u "$(id -u)" -x soffice.bin); do
        used=$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null |
            sed -n 's/^-env:UserInstallation=//p')
        [ "${used:-file://$own_profile}" = "file://$profile" ] && return 0
    done
    return 1
}
if office_on_profile; then
    echo "writer-listen: LibreOffice is running; close it and run this again" >&2
    exit 1
fi

# The office writes every setting as one line; this is the line of ours.
marker='<item oor:path="/org.openoffice.Setup/Office"><prop oor:name="ooSetupConnectionURL"'
item="$marker oor:op=\"fuse\"><value>pipe,name=$pipe;urp;StarOffice.ComponentContext</value></prop></item>"

if $remove; then
    if [ -f "$settings" ] && grep -qF "$marker" "$settings"; then
        grep -vF "$marker" "$settings" >"$settings.velisar"
        mv "$settings.velisar" "$settings"
    fi
    echo "writer-listen: LibreOffice no longer listens for Velisar"
    exit 0
fi

if [ ! -f "$settings" ]; then
    # A profile LibreOffice has not made yet: it completes it at its first
    # start and keeps the setting.
    mkdir -p "$profile/user"
    cat >"$settings" <<XCU
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
</oor:items>
XCU
fi
if ! grep -q '^</oor:items>' "$settings"; then
    echo "writer-listen: $settings is not a settings file this script knows" >&2
    exit 1
fi
grep -vF "$marker" "$settings" |
    awk -v item="$item" '/^<\/oor:items>/ { print item } { print }' >"$settings.velisar"
mv "$settings.velisar" "$settings"
echo "writer-listen: LibreOffice listens for Velisar on the pipe $pipe from its next start"
