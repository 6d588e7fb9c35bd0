#!/usr/bin/env bash
# compare_cli.sh LINUX_CLI WINDOWS_CLI_EXE EXAMPLES: runs both command-line programs (the
# .exe under Wine) on every example and a 36-table evening, and on the other programs' result
# files of the tests, with
# the same verbs (the analysis, the archive and the imports too) and compares, byte for byte,
# what each printed, its exit code and every file it wrote (the archive's SQLite file too). Prints one line per difference and
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
# A 36-table evening (72 pairs, 648 results) beside the examples, laid by the Linux program:
# every verb below then runs on it too.
/usr/bin/python3 "$(dirname "$0")/make_big_evening.py" >"$examples/kväll36.pbn"
(cd "$examples" && "$linux_cli" import kväll36.pbn kväll36.sco >/dev/null 2>&1) || { echo "FEL: kväll36.sco kunde inte läggas upp"; exit 1; }
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
# The help is the same but for its last line: the Windows build says, after a blank line, that
# its archive is an SQLite file, never a PostgreSQL server.
left_out="^Klubbarkivet på PostgreSQL \\(--archive postgresql://\\.\\.\\.\\) finns inte i den här versionen för Windows"
run_in linux "$linux_cli" --help
run_in windows wine "$windows_cli" --help
if diff "$work/linux.out" <(grep -Ev "$left_out" "$work/windows.out" | sed '$d') >/dev/null &&
    [ "$(grep -Ec "$left_out" "$work/windows.out")" -eq 1 ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1)); echo "SKILJER: vindelkast-cli --help"
fi
# A PostgreSQL archive is refused with the reason, and nothing is written.
run_in windows wine "$windows_cli" archive add kväll8.sco --archive postgresql://localhost/klubb
if [ "$(cat "$work/windows.rc")" = 1 ] && [ ! -s "$work/windows.out" ] &&
    grep -q "^Klubbarkivet på PostgreSQL finns inte i den här versionen av Vindelkast för Windows" "$work/windows.err" &&
    diff -r "$examples" "$work/windows" >/dev/null; then
    passed=$((passed + 1))
else
    failed=$((failed + 1)); echo "FEL: vindelkast-cli.exe archive add --archive postgresql://"; cat "$work/windows.err"
fi
# The double-dummy analysis (NAME.facit and what is printed), the archive in an SQLite file
# (the season in every format, a player's evenings) and other programs' USEBIO files.
compare facit kväll8.sco
compare facit halvkväll12.sco
compare archive add kväll8.sco kväll16.sco halvkväll12.sco grona_hissen.sco
# Names in Swedish order (Åberg after Almqvist) come from ICU on Linux, from Windows on Windows.
for query in "season --from 2000-01-01 --to 2099-12-31 --format text" "season --from 2000-01-01 --to 2099-12-31 --format csv" \
    "season --from 2000-01-01 --to 2099-12-31 --format html --best 2" "player 100231"; do
    run_in linux sh -c "'$linux_cli' archive import . >/dev/null && '$linux_cli' archive $query"
    run_in windows sh -c "wine '$windows_cli' archive import . >/dev/null && wine '$windows_cli' archive $query"
    if cmp -s "$work/linux.out" "$work/windows.out" && cmp -s "$work/linux.rc" "$work/windows.rc" &&
        [ "$(cat "$work/linux.rc")" = 0 ] && [ -s "$work/linux.out" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1)); echo "SKILJER: vindelkast-cli archive $query"
        diff "$work/linux.out" "$work/windows.out" | head -10
    fi
done
# A USEBIO file as many Windows programs write it, declared Windows-1252 with a dash that only
# Windows-1252 has: the Windows build's XML library cannot convert that encoding itself.
LC_ALL=C sed -e '1s/encoding="ISO-8859-1"/encoding="windows-1252"/' -e 's/\xd6berg/\xd6berg\x96Lind/' \
    "$examples/usebio12_phantom.xml" >"$examples/usebio12_windows.xml"
{ grep -q 'encoding="windows-1252"' "$examples/usebio12_windows.xml" &&
    LC_ALL=C grep -q $'\x96Lind' "$examples/usebio12_windows.xml"; } ||
    { echo "FEL: usebio12_windows.xml blev inte Windows-1252"; exit 1; }
for sample in usebio10_mitchell.xml usebio12_phantom.xml usebio12_sections.xml usebio12_windows.xml; do
    compare import "$sample" importerad.sco
done
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
for sample in pbn_records.pbn pbn_scoretable.pbn kväll36.pbn; do
    compare import "$sample" importerad.sco
done
compare deals kväll8.sco kväll8.pbn medgivar.sco
compare movement --boards 24 --rounds 8 --pairs 16 --guide P16_mitchell.gui --date 2024-03-11 ny.sco
# A club's folders and files often carry å, ä and ö; Windows holds their names as UTF-16.
mkdir -p "$examples/Måndag" && cp "$examples/P16_mitchell.gui" "$examples/Måndag/Kört_Ö.gui"
compare movement --boards 24 --rounds 8 --pairs 16 --guide Måndag/Kört_Ö.gui --date 2024-03-11 Måndag/kväll.sco
compare guide howell --pairs 10 --rounds 7 Måndag/Höst.gui
compare movement --boards 27 --rounds 9 --pairs 9 --bye 9 --date 2024-03-11 --name "Tisdag" ny.sco
compare contract 4S N +1 --board 5
compare guide mitchell --pairs 15 kort.gui
compare guide mitchell --pairs 16 --relay kort.gui
compare guide howell --pairs 10 --rounds 7 kort.gui
compare rescore kväll16.sco neuberg.sco --neuberg
compare check saknas.sco
echo "Windows-CLI jämförd med Linux: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
