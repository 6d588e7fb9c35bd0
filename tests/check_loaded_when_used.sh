#!/bin/sh
# Fails when a program loads at start a library that is to be loaded only when a command needs it.
#   check_loaded_when_used.sh "SONAME..." needed|mapped PROGRAM...
# needed: the program's own NEEDED entries (the window: Qt itself needs ICU, which is no cost of
# ours); mapped: every library the loader maps at start, however it comes in.
sonames=$1
how=$2
shift 2
faults=0
for program in "$@"; do
    if [ "$how" = mapped ]; then
        libraries=$(ldd "$program" | awk '{print $1}')
    else
        libraries=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    fi
    for soname in $sonames; do
        if printf '%s\n' "$libraries" | grep -qxF "$soname"; then
            echo "$program laddar $soname vid start"
            faults=$((faults + 1))
        fi
    done
done
[ "$faults" -eq 0 ] || exit 1
echo "Inget av $sonames laddas vid start."
