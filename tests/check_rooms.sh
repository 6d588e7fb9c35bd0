#!/usr/bin/env bash
# Fails when a file under src/ includes from a room above its own. The rooms, lowest first:
#   model; movement, analysis; files; output; tables, archive; session; qt; entry; app, cli
# Rooms on one step (movement and analysis, tables and archive, app and cli) do not use each other.
set -uo pipefail
cd "$(dirname "$0")/../src"

declare -A may
may[model]="model"
may[movement]="model movement"
may[analysis]="model analysis"
may[files]="model movement analysis files"
may[output]="${may[files]} output"
may[tables]="${may[output]} tables"
may[archive]="${may[output]} archive"
may[session]="${may[output]} tables archive session"
may[qt]="${may[session]} qt"
may[entry]="${may[qt]} entry"
may[app]="${may[entry]} app"
may[cli]="${may[output]} tables archive cli"

faults=0
for dir in */; do
    room=${dir%/}
    if [ -z "${may[$room]+set}" ]; then
        echo "src/$room: ett rum som inte finns i ordningen (tests/check_rooms.sh)"
        faults=$((faults + 1))
        continue
    fi
    while IFS=: read -r file line used; do
        case " ${may[$room]} " in
            *" $used "*) ;;
            *) echo "src/$file:$line: $room tar in från $used, som ligger över"; faults=$((faults + 1)) ;;
        esac
    done < <(grep -rnoE '^#include "[a-z_]+/' "$room" | sed -E 's|^([^:]+):([0-9]+):#include "([a-z_]+)/$|\1:\2:\3|')
done
[ "$faults" -eq 0 ] || { echo "$faults inkluderingar går uppåt mellan rummen."; exit 1; }
echo "Rummen: inga inkluderingar uppåt."
