#!/usr/bin/env bash
# installed_check.sh: after `apt install ./vindelkast_*.deb`, uses the installed programs as a
# club director would: both run from PATH, the CLI reads the installed example, and the window
# (under Xvfb) opens a contest named on its command line and names it in its caption.
# Needs xvfb, xauth and xdotool. Prints "N passed, N failed".
set -uo pipefail
passed=0 failed=0
check() {  # description, command...
    local what=$1; shift
    if "$@" >/tmp/installed_check.out 2>&1; then
        passed=$((passed + 1)); echo "ok: $what"
    else
        failed=$((failed + 1)); echo "FEL: $what"; tail -5 /tmp/installed_check.out
    fi
}
cd /
check "vindelkast-cli på PATH" sh -c 'vindelkast-cli --version | grep -q "^vindelkast-cli 3.23"'
check "vindelkast --version utan bildskärm" sh -c 'vindelkast --version | grep -q "^Vindelkast 3.23"'
check "vindelkast --help på svenska" sh -c 'vindelkast --help | grep -q "^Användning: vindelkast"'
check "man-sidorna" sh -c 'zcat /usr/share/man/man1/vindelkast-cli.1.gz | grep -q "^.SH KOMMANDON"'
work=$(mktemp -d)
cp -r /usr/share/doc/vindelkast/examples "$work/klubben"
check "ställningen i det installerade exemplet" sh -c "cd '$work/klubben' && vindelkast-cli standings kväll8.sco | grep -q ."
check "Qt:s svenska texter" sh -c 'ls /usr/share/qt6/translations/qt*_sv.qm'

# The window, started from elsewhere with the file, as a double-click starts it.
xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
    vindelkast '$work/klubben/kväll8.sco' 2>'$work/window.err' &
    for i in \$(seq 1 30); do
        title=\$(xdotool search --name 'kväll8.sco' getwindowname 2>/dev/null) && break
        sleep 1
    done
    echo \"\$title\" >'$work/title.txt'
    test -e '$work/klubben/vindelkast.lock' && echo ja >'$work/lock.txt'
    import -window root '$work/window.png' 2>/dev/null
    kill %1" >/dev/null 2>&1
check "fönstret öppnar kväll8.sco och namnger den i titeln" grep -q "\[kväll8.sco\]" "$work/title.txt"
check "fönstret arbetar i filens mapp" test -s "$work/lock.txt"
echo "Titel: $(cat "$work/title.txt")"
[ -s "$work/window.err" ] && { echo "Fönstrets stderr:"; head -5 "$work/window.err"; }
[ -n "${KEEP_SCREENSHOT:-}" ] && cp "$work/window.png" "$KEEP_SCREENSHOT"
rm -rf "$work"
echo "installerat paket: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
