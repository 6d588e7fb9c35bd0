#!/usr/bin/env bash
# build-deps.sh TOOLCHAIN: builds the libraries the Windows programs use from Debian's own
# source packages, cross-compiled with MinGW-w64 (posix threads): Qt (Core, Gui, Widgets,
# Network, PrintSupport, the windows platform plugin), the double-dummy solver, SQLite,
# libqrencode, libxml2, the HTTP parser and libsodium. They are built once into
#   ${VK_WINDOWS_DEPS:-~/.cache/vindelkast/windows-deps}/KEY/prefix
# outside the work tree, where KEY names the source versions and the build rules' RECIPE, so a
# new Debian version or changed rules build afresh and anything else is reused; each library
# is kept as soon as it is built, so an interrupted run goes on where it stopped. Prints the
# prefix on stdout; the log of each step is in KEY/build/. libsodium (the tables' codes) is
# outside KEY, as its own step whose stamp names its version: it came after the others, and
# adding it left the existing cache folders as they were.
# Heavy steps run at the lowest priority (NICENESS, 19) on JOBS (2) cores: the machine is shared.
set -euo pipefail
toolchain=$(realpath "$1")
jobs=${JOBS:-2}
cache=${VK_WINDOWS_DEPS:-$HOME/.cache/vindelkast/windows-deps}
# Bump when a build rule below changes what is built.
RECIPE=1
sources=(qt6-base dds sqlite3 qrencode libxml2 http-parser)
host=x86_64-w64-mingw32

fail() { echo "build-deps: $*" >&2; exit 1; }
say() { echo "build-deps: $*" >&2; }

source_version() {  # the source version apt would fetch
    apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -1
}

versions="recipe=$RECIPE"$'\n'
for s in "${sources[@]}"; do
    v=$(source_version "$s")
    [ -n "$v" ] || fail "apt känner inte källpaketet $s (saknas en deb-src-rad för bookworm?)"
    versions+="$s=$v"$'\n'
done
key=$(printf '%s' "$versions" | sha256sum | cut -c1-16)
mkdir -p "$cache/$key"
# The real folder: the build folders keep the paths they were configured with.
top=$(realpath "$cache/$key")
prefix=$top/prefix
mkdir -p "$top/src" "$top/build" "$top/stamps" "$prefix/bin" "$prefix/lib" "$prefix/include"
printf '%s' "$versions" >"$top/versions.txt"
# The toolchain as the libraries were first configured with it, kept with them: a build folder
# outlives the work tree it was started from.
[ -f "$top/toolchain.cmake" ] || cp "$toolchain" "$top/toolchain.cmake"
toolchain=$top/toolchain.cmake
# One build at a time in a cache folder: a second ./vk windows waits for the first.
exec 9>"$top/lock"
if ! flock -n 9; then
    say "en annan körning bygger biblioteken i $top; väntar på den"
    flock 9
fi

# fetch NAME: the source package unpacked in $top/src/NAME with Debian's patches applied. A
# mirror that has the upstream tarball but not Debian's packaging files leaves the upstream
# source as it is (said in the log); a source without its upstream tarball cannot be built.
fetch() {
    local s=$1
    [ -d "$top/src/$s" ] && return 0
    local v; v=$(source_version "$s")
    local upstream=${v#*:}; upstream=${upstream%-*}
    rm -rf "$top/src/$s.tmp" && mkdir -p "$top/src/$s.tmp"
    (cd "$top/src/$s.tmp" && apt-get source -qq --download-only "$s=$v" >download.log 2>&1) || true
    local dsc; dsc=$(ls "$top/src/$s.tmp"/*.dsc 2>/dev/null | head -1)
    if [ -n "$dsc" ] && (cd "$top/src/$s.tmp" && dpkg-source -x --no-check "$dsc" tree >/dev/null 2>&1); then
        mv "$top/src/$s.tmp/tree" "$top/src/$s"
    else
        local orig; orig=$(ls "$top/src/$s.tmp/${s}_${upstream}".orig.tar.* 2>/dev/null | head -1)
        [ -n "$orig" ] || { cat "$top/src/$s.tmp/download.log" >&2; return 1; }
        say "$s: Debians paketeringsfiler gick inte att hämta; bygger $s $upstream ur källarkivet utan Debians patchar"
        mkdir -p "$top/src/$s.tmp/tree" && tar -xf "$orig" -C "$top/src/$s.tmp/tree" --strip-components=1
        mv "$top/src/$s.tmp/tree" "$top/src/$s"
    fi
    rm -rf "$top/src/$s.tmp"
}

heavy() { nice -n "${NICENESS:-19}" "$@"; }

logged() {  # name what command...: the command's output in $top/build/NAME.WHAT.log
    local name=$1 what=$2; shift 2
    "$@" >"$top/build/$name.$what.log" 2>&1 || { tail -30 "$top/build/$name.$what.log" >&2; fail "$name: $what misslyckades (logg: $top/build/$name.$what.log)"; }
}

cmake_cross() {  # name source-dir cmake-options...: configure, build and install with CMake and Ninja
    local name=$1 dir=$2; shift 2
    logged "$name" configure heavy cmake -S "$dir" -B "$top/build/$name" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix;/usr/$host" "$@"
    logged "$name" build heavy cmake --build "$top/build/$name" -j"$jobs"
    logged "$name" install cmake --install "$top/build/$name"
}

step() {  # name function: once per cache folder (NAME may carry a version)
    local name=$1; shift
    [ -f "$top/stamps/$name" ] && return 0
    say "bygger $name ($(date -u +%H:%M:%S) UTC, logg i $top/build/)"
    local start=$SECONDS
    "$@"
    echo "$((SECONDS - start))" >"$top/stamps/$name"
    say "$name klart på $((SECONDS - start)) s"
}

# Qt's own host tools (moc, rcc, uic) come from Debian's Qt 6 of the same version.
qt_host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

build_qtbase() {
    fetch qt6-base || fail "källpaketet qt6-base kunde inte hämtas"
    # Qt 6.4's Windows printing and platform plugin use Gui's DirectWrite font engine and font
    # database, which Gui builds only with Direct2D, off here (so neither is ever in use): their
    # code is compiled on the same condition as Gui's, or PrintSupport and the plugin do not link.
    local q=$top/src/qt6-base/src file
    for file in "$q/printsupport/platform/windows/qprintengine_win.cpp" "$q/plugins/platforms/windows/qwindowsintegration.cpp"; do
        grep -q '^#if QT_CONFIG(directwrite3*) && QT_CONFIG(direct2d)$' "$file" ||
            sed -i 's/^#if QT_CONFIG(\(directwrite3*\))$/#if QT_CONFIG(\1) \&\& QT_CONFIG(direct2d)/' "$file"
    done
    # Only what the window uses. Debian's source drops src/3rdparty/wintab (tablet events),
    # iaccessible2 (Windows uses UI Automation instead) and sqlite (the SQL module): those
    # features are off. zstd, OpenGL, Vulkan, D-Bus and ICU have no MinGW build in Debian:
    # off too, and Qt's bundled zlib, libpng, PCRE2, HarfBuzz and double-conversion are used.
    cmake_cross qtbase "$top/src/qt6-base" "${qt_host[@]}" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DQT_BUILD_EXAMPLES_BY_DEFAULT=OFF \
        -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF \
        -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF \
        -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_freetype=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_androiddeployqt=OFF -DFEATURE_windeployqt=OFF \
        -DFEATURE_macdeployqt=OFF -DFEATURE_qmake=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
}

# The HTTP parser the tables' service follows requests with: one C file, a static library.
build_http_parser() {
    fetch http-parser || fail "källpaketet http-parser kunde inte hämtas"
    local out=$top/build/http-parser && mkdir -p "$out"
    heavy $host-gcc-posix -O2 -c "$top/src/http-parser/http_parser.c" -o "$out/http_parser.o"
    $host-ar rcs "$prefix/lib/libhttp_parser.a" "$out/http_parser.o"
    cp "$top/src/http-parser/http_parser.h" "$prefix/include/"
}

# SQLite: its one-file form (the amalgamation) is generated from the source tree on the host
# (with tclsh), then compiled into a static library with the options Debian builds it with
# that change what a program sees.
build_sqlite() {
    fetch sqlite3 || fail "källpaketet sqlite3 kunde inte hämtas"
    local out=$top/build/sqlite3 && mkdir -p "$out"
    (cd "$out" && logged sqlite3 configure "$top/src/sqlite3/configure" --disable-tcl --disable-readline) || exit 1
    (cd "$out" && logged sqlite3 amalgamation heavy make sqlite3.c sqlite3.h) || exit 1
    heavy $host-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_FTS3 \
        -DSQLITE_ENABLE_RTREE -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_UNLOCK_NOTIFY -DSQLITE_ENABLE_DBSTAT_VTAB \
        -DSQLITE_MAX_SCHEMA_RETRY=25 -DSQLITE_ENABLE_MATH_FUNCTIONS -c "$out/sqlite3.c" -o "$out/sqlite3.o"
    $host-ar rcs "$prefix/lib/libsqlite3.a" "$out/sqlite3.o"
    cp "$out/sqlite3.h" "$prefix/include/"
}

build_qrencode() {
    fetch qrencode || fail "källpaketet qrencode kunde inte hämtas"
    cmake_cross qrencode "$top/src/qrencode" -DWITH_TOOLS=NO -DWITH_TESTS=NO -DWITHOUT_PNG=YES -DBUILD_SHARED_LIBS=NO
}

# libxml2 as a DLL the USEBIO import loads when first used, as on Linux, with the thread
# library inside (static), so it needs no DLL besides Windows' own. MinGW has no iconv: the
# encodings libxml2 knows itself (UTF-8, UTF-16, ISO-8859-1 to -16, ASCII) are read.
build_libxml2() {
    fetch libxml2 || fail "källpaketet libxml2 kunde inte hämtas"
    cmake_cross libxml2 "$top/src/libxml2" -DBUILD_SHARED_LIBS=ON -DCMAKE_SHARED_LINKER_FLAGS=-static -DLIBXML2_WITH_PYTHON=OFF \
        -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_ICU=OFF \
        -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF \
        -DLIBXML2_WITH_MODULES=OFF -DLIBXML2_WITH_DOCB=OFF
}

# The double-dummy solver as a DLL loaded when an analysis first runs, as on Linux, with its
# C++ runtime inside (static), its threads from the C++ library as upstream's MinGW build has.
build_dds() {
    fetch dds || fail "källpaketet dds kunde inte hämtas"
    local out=$top/build/dds && mkdir -p "$out"
    local source objects=()
    for source in $(sed -n 's/^ *\([A-Za-z]*\.cpp\).*/\1/p' "$top/src/dds/src/Makefiles/sources.txt"); do
        heavy $host-g++-posix -O3 -std=c++11 -DDDS_THREADS_STL -c "$top/src/dds/src/$source" -o "$out/${source%.cpp}.o" \
            2>>"$top/build/dds.build.log" || { tail -30 "$top/build/dds.build.log" >&2; fail "dds: $source kompilerades inte"; }
        objects+=("$out/${source%.cpp}.o")
    done
    heavy $host-g++-posix -shared -o "$prefix/bin/libdds.dll" "${objects[@]}" -static -static-libgcc -static-libstdc++ \
        -Wl,--out-implib,"$prefix/lib/libdds.dll.a" 2>>"$top/build/dds.build.log" || fail "dds: länkningen misslyckades"
    mkdir -p "$prefix/include/dds" && cp "$top/src/dds/include/dll.h" "$top/src/dds/include/portab.h" "$prefix/include/dds/" 2>/dev/null \
        || cp "$top/src/dds/include/dll.h" "$prefix/include/dds/"
}

# libsodium, whose random source makes the tables' codes, as a static library; its release
# tarball carries its configure script.
build_libsodium() {
    fetch libsodium || fail "källpaketet libsodium kunde inte hämtas"
    local out=$top/build/libsodium && mkdir -p "$out"
    (cd "$out" && logged libsodium configure heavy "$top/src/libsodium/configure" --host=$host \
        CC=$host-gcc-posix --prefix="$prefix" --disable-shared --enable-static) || exit 1
    (cd "$out" && logged libsodium build heavy make -j"$jobs") || exit 1
    (cd "$out" && logged libsodium install make install) || exit 1
}

sodium_step() {  # its stamp names its version, so a new Debian version builds it afresh
    local v; v=$(source_version libsodium)
    [ -n "$v" ] || fail "apt känner inte källpaketet libsodium (saknas en deb-src-rad för bookworm?)"
    step "libsodium-$v" build_libsodium
}

step http-parser build_http_parser
step sqlite3 build_sqlite
step qrencode build_qrencode
step libxml2 build_libxml2
step dds build_dds
step qtbase build_qtbase
sodium_step
echo "$prefix"
