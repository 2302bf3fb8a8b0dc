#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only where something is missing.
set -euo pipefail
packages=(g++ cmake make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libboost-math-dev xvfb xauth poppler-utils fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
