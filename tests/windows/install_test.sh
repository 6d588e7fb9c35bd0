#!/usr/bin/env bash
# install_test.sh MSI LINUX_BUILD SCREENSHOT.png: installs the MSI without questions into a
# fresh Wine, checks what it put where (both programs, the Start-menu entry, the .sco file type
# with the program's icon, the uninstall entry, Qt's Swedish texts, the manual and examples),
# compares the installed vindelkast-cli.exe with the Linux one on every example, drives the
# installed window under Xvfb (tests/windows/window_wine_test.py), uninstalls it and checks
# that no program file is left. LINUX_BUILD holds the Linux vindelkast-cli.
set -euo pipefail
msi=$(realpath "$1"); linux_build=$(realpath "$2"); screenshot=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX; WINEPREFIX=$(mktemp -d /tmp/vk-wine-XXXXXX)
# No .NET or Gecko installer asked for, and no menu entries made on the Linux desktop.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() { echo "FEL: $*" >&2; exit 1; }

wineboot --init >/dev/null 2>&1
wine msiexec /i "$msi" /qn >/dev/null 2>&1 || fail "msiexec /i $msi /qn misslyckades"
program="$WINEPREFIX/drive_c/Program Files/Vindelkast"
for file in vindelkast.exe vindelkast-cli.exe Qt6Core.dll Qt6Widgets.dll platforms/qwindows.dll libdds.dll \
    translations/qt_sv.qm qt.conf manual.html Exempel/kväll8.sco; do
    [ -f "$program/$file" ] || fail "installationen saknar $file"
done
# Windows puts an installation for all users in the common Start menu; Wine's msiexec puts it
# in the user's.
shortcut() { find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Vindelkast.lnk" | head -1; }
[ -n "$(shortcut)" ] || fail "Start-menyn saknar Vindelkast"
query() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
[ "$(query 'HKLM\Software\Classes\.sco')" = Vindelkast.Tavling ] || fail ".sco är inte Vindelkasts filtyp"
[ "$(query 'HKLM\Software\Classes\Vindelkast.Tavling\shell\open\command')" = \
    '"C:\Program Files\Vindelkast\vindelkast.exe" "%1"' ] || fail ".sco öppnas inte i vindelkast.exe"
[ "$(query 'HKLM\Software\Classes\Vindelkast.Tavling\DefaultIcon')" = 'C:\Program Files\Vindelkast\vindelkast.exe,0' ] \
    || fail ".sco har inte programmets ikon"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    grep -q "DisplayName.*REG_SZ.*Vindelkast" || fail "ingen post att avinstallera Vindelkast med"
echo "Installerat i en ny Wine: programmen, Start-menyn, filtypen .sco med ikonen, avinstallationsposten"

"$here/compare_cli.sh" "$linux_build/vindelkast-cli" "$program/vindelkast-cli.exe" "$here/../../examples"
xvfb-run -a -s "-screen 0 1280x900x24" /usr/bin/python3 "$here/window_wine_test.py" "$linux_build" "$here/../.." \
    "$program/vindelkast.exe" "$screenshot"

wine msiexec /x "$msi" /qn >/dev/null 2>&1 || fail "msiexec /x misslyckades"
[ ! -e "$program" ] || fail "programfiler finns kvar efter avinstallationen: $(find "$program" | head -5)"
[ -z "$(shortcut)" ] || fail "Start-menyn har kvar Vindelkast efter avinstallationen"
[ -z "$(query 'HKLM\Software\Classes\.sco')" ] || fail "filtypen .sco finns kvar efter avinstallationen"
echo "Avinstallerat: inga programfiler kvar"
