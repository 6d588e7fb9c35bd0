#!/usr/bin/env bash
# Fails when a file under src/ writes text in another encoding than its room's. The core keeps
# the contest's text and its own as Windows-1252 bytes in std::string ("f\xf6r"); UTF-8 there is
# a Utf8 (model/utf8_text.h), written "..."_utf8. The results site's pages are UTF-8 documents
# throughout. The window's rooms hand their own text to Qt as UTF-8 source, never escaped.
set -uo pipefail
cd "$(dirname "$0")/../src"

declare -A rule
for room in model movement analysis files output tables archive session cli; do rule[$room]=windows-1252; done
for room in qt entry app; do rule[$room]=qt; done
utf8_documents='^(output/site_[a-z_]+\.cpp|model/utf8_text\.h)$'

# An escaped UTF-8 sequence: a lead byte and a continuation byte, as \xNN\xNN.
utf8_escape='\\x(?i:[c-e][0-9a-f]|f[0-4])\\x(?i:[89ab][0-9a-f])'

faults=0
for dir in */; do
    room=${dir%/}
    if [ -z "${rule[$room]+set}" ]; then
        echo "src/$room: ett rum utan regel för sin text (tests/check_text.sh)"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r hit; do
        file=${hit%%:*}
        [[ $file =~ $utf8_documents ]] && continue
        case ${rule[$room]} in
            windows-1252) [[ $hit == *_utf8* ]] && continue
                          echo "src/$hit: UTF-8 i ett rum vars text är Windows-1252 (skriv \"...\"_utf8)" ;;
            qt) echo "src/$hit: escapad UTF-8 i ett Qt-rum (skriv texten som den läses)" ;;
        esac
        faults=$((faults + 1))
    done < <(grep -rnP "$utf8_escape" "$room" | cut -c1-160)
done
[ "$faults" -eq 0 ] || { echo "$faults rader med text i fel kodning."; exit 1; }
echo "Texten: varje rum i sin kodning."
