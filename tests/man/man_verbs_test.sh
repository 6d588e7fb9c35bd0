#!/usr/bin/env bash
# man_verbs_test.sh CLI MANPAGE: every verb that `vindelkast-cli --help` lists has its own
# entry under KOMMANDON in the man page (a line ".B verb" or ".BI verb ..."). The verbs are
# read from the program at test time, so a new verb without a man entry fails here.
set -uo pipefail
cli=$1 page=$2
help=$("$cli" --help) || { echo "vindelkast-cli --help misslyckades"; exit 1; }
commands=$(sed -n '/^\.SH KOMMANDON/,/^\.SH /p' "$page")
passed=0 failed=0
while read -r verb; do
    if grep -Eq "^\.BI? \"?${verb}( |\"|$)" <<<"$commands"; then
        passed=$((passed + 1))
    else
        echo "Kommandot $verb saknas i $(basename "$page") under KOMMANDON"
        failed=$((failed + 1))
    fi
done < <(sed -n 's/^  \([a-z][a-z0-9-]*\)\( .*\)\?$/\1/p' <<<"$help")
[ "$passed" -gt 0 ] || { echo "Inga kommandon i vindelkast-cli --help"; exit 1; }
# The man page's own text must read without warnings.
warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "$warnings"
    failed=$((failed + 1))
fi
echo "man-sidan: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
