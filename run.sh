#!/usr/bin/env bash
# Builds the editor and opens the bundled demo world.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Run the editor under a virtual X server:  xvfb-run ./run.sh" >&2
  echo "or without any window system:  QT_QPA_PLATFORM=offscreen ./run.sh" >&2
  exit 1
fi

build=build/run
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_TESTS=OFF -DVYR_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target vyrworld-tool vyrworld

# Made once; later runs open it as the designer left it.
demo=build/demo
[ -f "$demo/DEMO.VWD" ] || "$build/vyrworld-tool" make-demo "$demo" >/dev/null
exec "$build/src/editor/vyrworld" "$demo/DEMO.VWD"
