#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts one of them:
#   ./run.sh orvane | tessik | pellan
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-orvane}
case "$program" in
  orvane|tessik|pellan) ;;
  *) echo "usage: $0 orvane|tessik|pellan" >&2; exit 2 ;;
esac
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target "$program"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: $program is a desktop program and needs one." >&2
  echo "On a machine without a display, run it under a virtual one:" >&2
  echo "  xvfb-run -a ./build/programs/$program/$program" >&2
  exit 1
fi
exec "./build/programs/$program/$program"
