#!/usr/bin/env bash
# Builds the calculator and runs it: the window where there is a display,
# otherwise the batch tool on the sample expressions.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset dev >/dev/null
cmake --build --preset dev --target quorvane-cli $(test -d window/qt && echo quorvane)

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x build/dev/window/qt/quorvane ]]; then
    exec build/dev/window/qt/quorvane
fi
echo "No display here: running quorvane-cli on samples/sample.txt instead of opening the window."
exec build/dev/cli/quorvane-cli samples/sample.txt
