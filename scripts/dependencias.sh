#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's archive, once: a machine that
# already has every package is left alone (no network needed then).
set -euo pipefail

pacotes=(
  cmake ninja-build g++ clang
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev libicu-dev libsqlite3-dev
  qt6-base-dev qt6-tools-dev fonts-dejavu-core
  pkgconf dpkg-dev file
)

faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done

if [ "${#faltam[@]}" -gt 0 ]; then
  echo "dependencias: installing ${faltam[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${faltam[@]}"
fi
