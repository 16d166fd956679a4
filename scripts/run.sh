#!/usr/bin/env bash
# Sets up, builds and starts Travisto.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # No desktop to show the window on: run it on a virtual screen.
    exec xvfb-run -a ./build/bin/travisto
fi
exec ./build/bin/travisto
