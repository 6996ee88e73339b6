#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor: ./run.sh [file]
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target Velquin
# The web engine's sandbox cannot run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/Velquin "$@"
