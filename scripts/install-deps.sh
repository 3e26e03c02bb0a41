#!/usr/bin/env bash
# Installs, from Debian's packages by name, everything the build, the tests and
# the simulation window need. Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  nlohmann-json3-dev libimgui-dev
  libgtest-dev libgmock-dev libbenchmark-dev libssl-dev
  openjdk-17-jdk-headless junit5
  libglfw3-dev libgl-dev libgl1-mesa-dri libstb-dev xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
