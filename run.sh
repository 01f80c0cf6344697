#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the program.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages
build="$VEKTUM_ROOT/build/release"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Нет дисплея: программа запущена под Xvfb (xvfb-run) / no display: running under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/app/vektum"
fi
exec "$build/app/vektum"
