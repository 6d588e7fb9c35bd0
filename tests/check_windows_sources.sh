#!/usr/bin/env bash
# Compiles, without linking, the sources only the Windows build has (src/ROOM/windows/*.cpp:
# files, locks, the library loader, the Swedish order) with Debian's MinGW-w64 and the build's
# own warnings as errors. The Linux build never compiles them, and the whole Windows build
# (./vk windows) takes too long for the test command; this takes seconds.
set -uo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || { echo "check_windows_sources: $compiler saknas (g++-mingw-w64-x86-64-posix)"; exit 1; }
# The flags of vk_settings in CMakeLists.txt, as the Windows build compiles with them.
flags=(-std=c++20 -Wall -Wextra -Wpedantic -Wshadow -Wno-sign-compare -Wno-restrict -Werror -Isrc -fsyntax-only)
faults=0 checked=0
for source in src/*/windows/*.cpp; do
    checked=$((checked + 1))
    "$compiler" "${flags[@]}" "$source" || { echo "$source: kompilerar inte för Windows"; faults=$((faults + 1)); }
done
[ "$checked" -gt 0 ] || { echo "check_windows_sources: inga Windowskällor under src/*/windows"; exit 1; }
[ "$faults" -eq 0 ] || exit 1
echo "Windowskällorna kompilerar med MinGW-w64: $checked filer."
