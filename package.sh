#!/usr/bin/env bash
# Installs what is missing, builds a release build in build/package, makes
# the Debian package there (vektum_<version>_<arch>.deb) and checks it with
# lintian: any error or warning fails; infos are printed.  dpkg-dev and file
# compute the package's library dependencies.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages dpkg-dev file lintian
build="$VEKTUM_ROOT/build/package"
# Linked as Debian links its programs: relocations read-only once resolved,
# all of them at start-up.
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/vektum_*.deb)
echo "$deb"
lintian --info --display-info --fail-on error,warning "$deb"
