#!/usr/bin/env bash
# make-installer.sh BUILD VERSION: the MSI installer of the Windows build, made with wixl:
# BUILD/vindelkast-VERSION.msi. Program Files\Vindelkast gets both programs with the DLLs
# beside them (Qt's, MinGW's runtime, the solver, libxml2), the windows platform plugin, Qt's
# Swedish texts from Debian's qt6-translations-l10n, the manual and the examples
# (Exempel). packaging/windows/vindelkast.wxs says the rest.
set -euo pipefail
build=$(realpath "$1"); version=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
stage=$build/installer/Vindelkast
rm -rf "$build/installer" && mkdir -p "$stage/platforms" "$stage/translations" "$stage/Exempel"
cp "$build"/vindelkast.exe "$build"/vindelkast-cli.exe "$build"/*.dll "$stage/"
cp "$build"/platforms/*.dll "$stage/platforms/"
if [ -d "$build/styles" ]; then cp -r "$build/styles" "$stage/"; fi  # Windows' own look
# Qt's own dialogs in Swedish, found through qt.conf (cmake/windows.cmake put both in the build).
cp "$build"/translations/qt_sv.qm "$stage/translations/"
cp "$build"/qt.conf "$stage/"
# The manual beside the program, where "Hjälp" looks for it.
cp "$root"/docs/manual.html "$root"/docs/table-api.md "$stage/"
cp -r "$root"/examples/. "$stage/Exempel/"
(cd "$build/installer" && find Vindelkast -type f | sort |
    wixl-heat --prefix Vindelkast/ --var var.SourceDir --directory-ref INSTALLDIR --component-group ProgramFiles --win64 \
    >"$build/installer/files.wxs")
msi=$build/vindelkast-$version.msi
# wixl finds the files by paths relative to where it runs.
(cd "$build" && wixl --arch x64 -D Win64=yes -D SourceDir=installer/Vindelkast -D Version="$version" -D Icon=vindelkast.ico \
    -o "$msi" "$root/packaging/windows/vindelkast.wxs" installer/files.wxs)
echo "$msi"
