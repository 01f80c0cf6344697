#!/usr/bin/env bash
# Installs what is missing, builds a release build in build/package and makes
# the Debian package there (vektum_<version>_<arch>.deb).  dpkg-dev and file
# compute the package's library dependencies.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages dpkg-dev file
build="$VEKTUM_ROOT/build/package"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/vektum_*.deb
