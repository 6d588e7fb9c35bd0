#!/usr/bin/env bash
# compare_cli.sh LINUX_CLI WINDOWS_CLI_EXE EXAMPLES: runs both command-line programs (the
# .exe under Wine) on every example, and on the other programs' result files of the tests, with
# the same verbs and compares, byte for byte, what
# each printed, its exit code and every file it wrote. Prints one line per difference and
# "N passed, N failed" at the end; exit 1 when anything differs.
set -uo pipefail
linux_cli=$(realpath "$1"); windows_cli=$(realpath "$2")
export LC_ALL=C.UTF-8 WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The examples and other programs' result files (tests/data/interchange) in one folder.
examples=$work/examples
cp -r "$(realpath "$3")" "$examples"
cp "$(dirname "$0")"/../data/interchange/*.{pbn,xml} "$examples"
passed=0 failed=0

# run SIDE PROGRAM... : in a fresh copy of the examples, so written files can be compared.
run_in() {
    local side=$1; shift
    rm -rf "${work:?}/$side"; cp -r "$examples" "$work/$side"
    (cd "$work/$side" && "$@" >"$work/$side.out" 2>"$work/$side.err"; echo $? >"$work/$side.rc")
}

compare() {  # words for the CLI
    run_in linux "$linux_cli" "$@"
    run_in windows wine "$windows_cli" "$@"
    if diff -r "$work/linux" "$work/windows" >/dev/null && cmp -s "$work/linux.out" "$work/windows.out" &&
        cmp -s "$work/linux.err" "$work/windows.err" && cmp -s "$work/linux.rc" "$work/windows.rc"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "SKILJER: vindelkast-cli $*"
        diff <(cat "$work/linux.rc" "$work/linux.out" "$work/linux.err") \
             <(cat "$work/windows.rc" "$work/windows.out" "$work/windows.err") | head -10
        diff -r "$work/linux" "$work/windows" | head -5
    fi
}

compare --version
# The help is the same but for its last lines: the Windows build says that it has no analysis,
# no archive and no USEBIO import, after a blank line.
left_out="^(Dubbeldummyanalysen \\(facit\\)|Klubbarkivet \\(archive\\)|Import av USEBIO-filer \\(import\\)) finns inte i den här versionen för Windows"
run_in linux "$linux_cli" --help
run_in windows wine "$windows_cli" --help
if diff "$work/linux.out" <(grep -Ev "$left_out" "$work/windows.out" | sed '$d') >/dev/null &&
    [ "$(grep -Ec "$left_out" "$work/windows.out")" -eq 3 ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1)); echo "SKILJER: vindelkast-cli --help"
fi
# The archive verb on Windows says why it cannot and archives nothing.
run_in windows wine "$windows_cli" archive add kväll8.sco
if [ "$(cat "$work/windows.rc")" = 1 ] && [ ! -s "$work/windows.out" ] &&
    grep -q "^Klubbarkivet finns inte i den här versionen av Vindelkast för Windows än.$" "$work/windows.err" &&
    diff -r "$examples" "$work/windows" >/dev/null; then
    passed=$((passed + 1))
else
    failed=$((failed + 1)); echo "FEL: vindelkast-cli.exe archive add"; cat "$work/windows.err"
fi
# So does its import of a USEBIO file, and it writes no contest.
run_in windows wine "$windows_cli" import usebio10_mitchell.xml importerad.sco
if [ "$(cat "$work/windows.rc")" = 1 ] && [ ! -e "$work/windows/importerad.sco" ] &&
    grep -q "USEBIO-filer kan inte läsas i den här versionen av Vindelkast för Windows än" "$work/windows.err"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1)); echo "FEL: vindelkast-cli.exe import av USEBIO"; cat "$work/windows.err"
fi
for contest in "$examples"/*.sco; do
    name=$(basename "$contest")
    compare check "$name"
    compare standings "$name"
    compare round "$name" 1
    compare scores "$name" 1
    compare protocol "$name" 1
    compare html "$name" ut.html
    compare oldhtml "$name" gammal.html --order P --ids
    compare roundhtml "$name" 1 rond.html
    compare xml "$name" ut.xml
    compare pbn "$name" ut.pbn
    compare rescore "$name" omraknad.sco
    compare level "$name" nivellerad.sco
    compare add "$name" "$name" adderad.sco
    compare usebio "$name" ut.usebio.xml
    compare site "$name" sidor
done
# Other programs' PBN results, imported alike.
for sample in pbn_records.pbn pbn_scoretable.pbn; do
    compare import "$sample" importerad.sco
done
compare deals kväll8.sco kväll8.pbn medgivar.sco
compare movement --boards 24 --rounds 8 --pairs 16 --guide P16_mitchell.gui --date 2024-03-11 ny.sco
compare movement --boards 27 --rounds 9 --pairs 9 --bye 9 --date 2024-03-11 --name "Tisdag" ny.sco
compare contract 4S N +1 --board 5
compare guide mitchell --pairs 15 kort.gui
compare guide mitchell --pairs 16 --relay kort.gui
compare guide howell --pairs 10 --rounds 7 kort.gui
compare rescore kväll16.sco neuberg.sco --neuberg
compare check saknas.sco
echo "Windows-CLI jämförd med Linux: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
