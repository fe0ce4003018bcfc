#!/usr/bin/env bash
# Builds the Debian packages into build/pacotes/: libpjtcampovivo0 (the shared libraries),
# libpjtcampovivo-dev (headers, CMake and pkg-config files), pjtcampovivo-designer-plugin
# and campovivo (the tool and the demo). The tree is configured for /usr, in release, without
# tests or benchmarks, in build/empacotar/.
#
#   bash scripts/pacotes.sh
#   sudo dpkg -i build/pacotes/*.deb
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$raiz"

bash scripts/dependencias.sh

arvore=build/empacotar
saida=build/pacotes
cmake -S . -B "$arvore" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCAMPOVIVO_TESTS=OFF -DCAMPOVIVO_BENCH=OFF -DCAMPOVIVO_INSTALL=ON >/dev/null
cmake --build "$arvore" -j "$(nproc)"

rm -rf "$saida"
mkdir -p "$saida"
(cd "$arvore" && cpack -G DEB -B "$raiz/$saida")
rm -rf "$saida/_CPack_Packages"

shopt -s nullglob
debs=("$saida"/*.deb)
if [ "${#debs[@]}" -eq 0 ]; then
  echo "pacotes: cpack wrote no package" >&2
  exit 1
fi
for deb in "${debs[@]}"; do
  printf '%s  %s bytes\n' "$deb" "$(stat -c %s "$deb")"
done
