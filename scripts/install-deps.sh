#!/usr/bin/env bash
# Installs what building, running and testing the program needs (Debian 12, as root).
set -euo pipefail
pkgs=(build-essential cmake qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev
      python3 python3-dbfread libglpk-dev unrtf poppler-utils
      qt6-translations-l10n libsodium-dev pkg-config fonts-liberation2)
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
