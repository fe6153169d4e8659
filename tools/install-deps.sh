#!/usr/bin/env bash
# Installs with apt-get whatever of Kitsmith's build and test tools is missing (Debian 12).
# Pass extra package names to install them too (CI adds the Windows and fuzzing tools).
set -euo pipefail
packages=(cmake g++ make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev libgl-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
