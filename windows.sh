#!/usr/bin/env bash
# Makes the Windows installer build/windows/vektum-1.0-setup.exe on Debian.
#
# Installs what is missing from Debian's packages, builds a minimal Qt for
# 64-bit Windows from Debian's own qt6-base source (the host's version, so the
# host's moc, rcc and uic serve the cross build) once into a cache outside the
# source tree, cross-builds the program with MinGW-w64, collects the DLLs its
# executables import and packs everything with NSIS.
#
#   ./windows.sh             the installer (builds the Qt first when the cache lacks it)
#   ./windows.sh --qt-only   only the Qt in the cache
#   ./windows.sh --wine      the installer, then under Wine on Xvfb: the test
#                            suites built for Windows, a silent install, the
#                            installed program's screenshots, ВЫХОД and a
#                            silent uninstall (build/windows/wine/)
#
# VEKTUM_WINDOWS_CACHE   where the Qt is kept (default ~/.cache/vektum-windows)
# VEKTUM_WINDOWS_JOBS    parallel jobs of the Qt build (default: all cores)
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

ensure_packages g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 \
                dpkg-dev ninja-build nsis icoutils wine64 wine

cache=${VEKTUM_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vektum-windows}
jobs=${VEKTUM_WINDOWS_JOBS:-$(nproc)}
toolchain=$VEKTUM_ROOT/cmake/mingw-w64-x86_64.cmake
qt_source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qt_upstream=${qt_source_version%%+*}
qt_upstream=${qt_upstream%%-*}
qt_prefix=$cache/qt-$qt_upstream-mingw-w64
mkdir -p "$cache"
echo "Кэш Qt для Windows / Windows Qt cache: $qt_prefix"

# fetch_qt_source DIR: Debian's qt6-base source of the host's version, unpacked
# with Debian's patches into DIR/qt6-base-*.  The deb-src entry lives in a
# private apt configuration that is removed afterwards, so the system's
# sources and package lists stay untouched (and no root is needed).
fetch_qt_source() {
    local dir=$1 apt
    apt=$(mktemp -d "$cache/apt.XXXXXX")
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
    echo "deb-src http://deb.debian.org/debian bookworm main" > "$apt/sources.list"
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o Debug::NoLocking=1)
    [ "$(id -u)" -ne 0 ] || opts+=(-o APT::Sandbox::User=root)   # the private folders are root's
    apt-get "${opts[@]}" -qq update
    mkdir -p "$dir"
    (cd "$dir" && apt-get "${opts[@]}" -qq source "qt6-base=$qt_source_version")
    rm -rf "$apt"
}

# build_qt: configures, builds and installs the minimal Qt into $qt_prefix.
# Only what the program and its tests use: Core, Gui, Widgets, Test, the
# windows, offscreen and minimal platform plugins and the Windows style, with
# Qt's bundled zlib, PCRE2, HarfBuzz, FreeType, libpng and libjpeg.
build_qt() {
    local work=$cache/qt-work src build
    rm -rf "$work"
    fetch_qt_source "$work"
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    local patch
    for patch in "$VEKTUM_ROOT"/scripts/windows/qt-*.patch; do
        [ -e "$patch" ] || continue
        echo "Applying $(basename "$patch")"
        patch -d "$src" -p1 --forward --quiet < "$patch"
    done
    build=$work/build
    cmake -S "$src" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
        -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON -DFEATURE_jpeg=ON \
        -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_mimetype_database=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF \
        -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_accessibility=ON
    cmake --build "$build" --parallel "$jobs"
    cmake --install "$build"
    # Qt's licence texts go with the program.
    mkdir -p "$qt_prefix/licenses"
    cp "$src"/LICENSES/*.txt "$qt_prefix/licenses/"
    cp "$src/debian/copyright" "$qt_prefix/licenses/debian-copyright.txt"
    echo "$qt_source_version" > "$qt_prefix/.vektum-complete"
    rm -rf "$work"
}

if [ ! -f "$qt_prefix/.vektum-complete" ]; then
    echo "Qt для Windows собирается один раз (час или больше) / building Qt for Windows once (an hour or more)"
    build_qt
fi
[ "${1:-}" = "--qt-only" ] && exit 0

out=$VEKTUM_ROOT/build/windows
mingw=x86_64-w64-mingw32
version=$(sed -n 's/^project(vektum LANGUAGES CXX VERSION \([0-9.]*\))/\1/p' "$VEKTUM_ROOT/CMakeLists.txt")

# The icon renderer runs here: a native build makes it.
configure_build "$out/host" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF
cmake --build "$out/host" --parallel "$(nproc)" --target vektum_render_icon

# cross_configure DIR [cmake options...]: a build of the program for Windows
# against the cached Qt; Qt's build tools (moc, rcc, uic) and the translation
# tools (lupdate, lrelease) are the host's own of the same version.
cross_configure() {
    local dir=$1; shift
    cmake -S "$VEKTUM_ROOT" -B "$dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_PREFIX_PATH="$qt_prefix" -DCMAKE_FIND_ROOT_PATH="$qt_prefix" \
        -DQt6_DIR="$qt_prefix/lib/cmake/Qt6" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
        -DVEKTUM_HOST_RENDER_ICON="$out/host/app/vektum_render_icon" \
        "${launcher[@]}" "$@" >/dev/null
}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cross_configure "$out/program" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF
cmake --build "$out/program" --parallel "$(nproc)" --target vektum

# Where the DLLs the executables import are found; a DLL found nowhere here
# is Windows' own.
dll_dirs=("$qt_prefix/bin"
          "$(dirname "$($mingw-g++-posix -print-file-name=libstdc++-6.dll)")"
          "$(dirname "$(readlink -f "$($mingw-g++-posix -print-file-name=libwinpthread-1.dll)")")")

# find_dll NAME: the path of a DLL of ours or of the compiler's, by its name
# in any case; nothing for a DLL of Windows.
find_dll() {
    local dir
    for dir in "${dll_dirs[@]}"; do
        find "$dir" -maxdepth 1 -iname "$1" -print -quit
    done | head -n 1
}

# collect_dlls DEST FILES...: copies into DEST every DLL that FILES import,
# directly or through each other, read from their import tables.
collect_dlls() {
    local dest=$1; shift
    local queue=("$@") file name found
    declare -A seen=()
    while [ ${#queue[@]} -gt 0 ]; do
        file=${queue[0]}; queue=("${queue[@]:1}")
        while read -r name; do
            [ -n "$name" ] || continue
            [ -z "${seen[${name,,}]:-}" ] || continue
            seen[${name,,}]=1
            found=$(find_dll "$name")
            if [ -n "$found" ]; then
                cp "$found" "$dest/"
                queue+=("$dest/$(basename "$found")")
                echo "  $(basename "$found")"
            else
                system_dlls+=("$name")
            fi
        done < <($mingw-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
    done
}

stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles" "$stage/translations" "$stage/fonts" "$stage/licenses"
cp "$out/program/app/vektum.exe" "$stage/"
# Plugins Qt loads by name: the Windows platform and the native style.
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/plugins/styles/"
printf '[Paths]\nPlugins = plugins\nTranslations = translations\n' > "$stage/qt.conf"
# Qt's own texts in Russian (standard buttons, context menus), as on Debian.
cp /usr/share/qt6/translations/qtbase_ru.qm "$stage/translations/"
# The faces that stand in for Arial where Windows lacks it, with their licences.
cp /usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf "$stage/fonts/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold,-Oblique,-BoldOblique}.ttf "$stage/fonts/"
cp /usr/share/doc/fonts-liberation2/copyright "$stage/fonts/LICENSE-LiberationSans.txt"
cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/fonts/LICENSE-DejaVuSans.txt"
cp "$VEKTUM_ROOT/LICENSE" "$stage/LICENSE.txt"
mkdir -p "$stage/licenses/qt"
cp "$qt_prefix/licenses/"* "$stage/licenses/qt/"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64-runtime.txt" 2>/dev/null || true
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime.txt" 2>/dev/null || true

echo "DLL из таблиц импорта / DLLs from the import tables:"
system_dlls=()
collect_dlls "$stage" "$stage/vektum.exe" "$stage/plugins/platforms/qwindows.dll" \
                      "$stage/plugins/styles/qwindowsvistastyle.dll"
echo "DLL самой Windows / Windows' own DLLs: $(printf '%s\n' "${system_dlls[@]}" | sort -fu | tr '\n' ' ')"
find "$stage" -iname '*.dll' -o -iname '*.exe' | xargs $mingw-strip --strip-unneeded

# The uninstaller removes exactly the files and folders installed.
filelist=$out/uninstall-files.nsh
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g' | sort | sed 's|^|  Delete "$INSTDIR\\|; s|$|"|'
 cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r | sed 's|^|  RMDir "$INSTDIR\\|; s|$|"|') > "$filelist"

# The licence page shows the MIT licence; NSIS reads UTF-8 with its mark.
printf '\xEF\xBB\xBF' | cat - "$VEKTUM_ROOT/LICENSE" > "$out/LICENSE.txt"

setup=$out/vektum-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 \
    -DSTAGE="$stage" -DOUTFILE="$setup" -DVERSION="$version" -DFILELIST="$filelist" \
    -DLICENSE="$out/LICENSE.txt" -DICON="$out/program/app/vektum.ico" \
    -DSIZE_KB="$(du -sk "$stage" | cut -f1)" \
    "$VEKTUM_ROOT/scripts/windows/installer.nsi"
ls -l "$setup"
[ "${1:-}" = "--wine" ] || exit 0
# The run under Wine photographs the screen and presses keys in the program.
ensure_packages imagemagick xdotool

# ---------------------------------------------------------------------------
# Under Wine: a prefix of its own on a virtual display; no menu entries of
# Wine's on this machine.
wine_dir=$out/wine
rm -rf "$wine_dir"
mkdir -p "$wine_dir/shots"
export WINEPREFIX=$wine_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Windows draws Arial with the advances its hinting gives; Wine draws the
# stand-in face through the host's FreeType, whose default interpreter ignores
# horizontal hints and makes text 1-3 px wider.  Its classic interpreter gives
# Windows' advances.  Wine reads this in its own (Unix) environment.
export FREETYPE_PROPERTIES=truetype:interpreter-version=35
display=:$((150 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
wineboot --init >/dev/null 2>&1
# The server wineboot left running stays up (and says so with a non-zero status).
wineserver -p 60 || true


# The installer, silently; the installed program, its main window; ВЫХОД.
wine "$setup" /S
wineserver -w || true
installed=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Programs/VEKTUM-W
[ -f "$installed/vektum.exe" ] || { echo "the installer installed nothing" >&2; exit 1; }
# A Russian desktop, as the student's: Wine takes its locale from LC_ALL
# (the host need not have that locale), the program its language from Wine.
LC_ALL=ru_RU.UTF-8 wine "$installed/vektum.exe" >"$wine_dir/program.log" 2>&1 &
program=$!
sleep 20
import -window root "$wine_dir/shots/installed.png"   # the tool below writes main.png
# ВЫХОД is the fourth button in the Tab order, the first has the focus.
xdotool search --name "Вектум" windowactivate --sync 2>/dev/null || true
xdotool key Tab Tab Tab space
for _ in $(seq 30); do kill -0 $program 2>/dev/null || break; sleep 1; done
if kill -0 $program 2>/dev/null; then echo "the program did not exit with ВЫХОД" >&2; kill $program; fi
# A worked-example step and a reference page: the screenshot tool beside a
# copy of the installed folder (the installed one stays as installed).
cp -r "$installed" "$wine_dir/shooter"
cross_configure "$out/program" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF
cmake --build "$out/program" --parallel "$(nproc)" --target vektum_screenshots
cp "$out/program/app/vektum_screenshots.exe" "$wine_dir/shooter/"
# The tool asks for the offscreen platform, which the installed folder does
# not ship; "-platform" outranks that, so it draws on the Windows platform.
wine "$wine_dir/shooter/vektum_screenshots.exe" "$(winepath -w "$wine_dir/shots")" -platform windows || true
# The uninstaller, silently: nothing of the program may remain.
wine "$installed/uninstall.exe" /S || echo "the uninstaller ended with status $?" >&2
sleep 5
# Waiting for the emulator's processes to end, and looking through a prefix
# they may still be tidying, can fail without anything being wrong: what
# counts is what is found afterwards.
wineserver -w || true
left=$(find "$WINEPREFIX/drive_c" -ipath '*vektum*' 2>/dev/null | head || true)
grep -q 'local.vektum.Vektum' "$WINEPREFIX/user.reg" && left="$left registry key"
[ -z "$left" ] && echo "Деинсталляция: ничего не осталось / uninstall left nothing" \
               || echo "left after uninstalling: $left" >&2
ls -l "$wine_dir/shots"

# The test suites last: their build is the longest part of this run.
# The test suites built for Windows.  GoogleTest from Debian's source, once.
gtest=$cache/googletest-mingw-w64
build_googletest "$out/googletest" "$gtest" -DCMAKE_TOOLCHAIN_FILE="$toolchain"
# Qt's own Russian texts where the Qt of the tests looks for them.
mkdir -p "$qt_prefix/translations"
cp /usr/share/qt6/translations/qtbase_ru.qm "$qt_prefix/translations/"
tests=$out/tests
cross_configure "$tests" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=ON \
    -DCMAKE_FIND_ROOT_PATH="$qt_prefix;$gtest" -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$tests/bin" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build "$tests" --parallel "$(nproc)"
# The programs find the DLLs and the stand-in faces beside them, Qt's
# plugins and translations in the cache.
# Beyond the program's own DLLs the tests import Qt Test: read from their
# import tables like the program's.
cp "$stage"/*.dll "$tests/bin/"
system_dlls=()
collect_dlls "$tests/bin" "$tests"/bin/*.exe >/dev/null
cp -r "$stage/fonts" "$tests/bin/"
windows_path() { winepath -w "$1" | tr '\\' /; }   # qt.conf reads "\" as an escape
printf '[Paths]\nPlugins = %s\nTranslations = %s\n' "$(windows_path "$qt_prefix/plugins")" \
       "$(windows_path "$qt_prefix/translations")" > "$tests/bin/qt.conf"
# Every GoogleTest and the Qt Test suites that drive windows, on Wine's
# "windows" platform (Wine passes no QT_* variable, so the offscreen platform
# the CTest entries name is not used), and the language suites that can run
# there: the catalogue's runs the host's lupdate, and the English one expects
# a desktop whose language is not English, where Wine's is.
(ctest --test-dir "$tests" --output-on-failure --timeout 900 \
      -R "gtest|shell\.|exercises\.|solver\.|reference\.|monkey\.|drawing\.|eqedit\.|i18n\.(roundtrip|russian)" \
      2>&1 || true) | tee "$wine_dir/tests.log"
