#!/usr/bin/env bash
# Builds and runs the examples (examples/) the ways another project consumes pjtCampoVivo,
# each in a temporary build folder:
#   subdiretorio  the source tree added with add_subdirectory (examples/por_subdiretorio),
#                 the examples' find_package answered by the in-tree targets
#   prefixo       find_package against a prefix installed from the release build with
#                 `cmake --install`, plus the engine through pkg-config
#   pacotes       find_package against /usr after installing the Debian packages that
#                 scripts/pacotes.sh writes into build/pacotes/ (root only)
# In the last two it also loads the installed Designer plugin as Designer does
# (tests/consumidores/plugin_designer). Programs run without LD_LIBRARY_PATH: the installed
# libraries and plugin must find each other by themselves.
#
#   bash scripts/consumidores.sh [RELEASE_BUILD]     (default: build/release, already built)
#
# CONSUMIDORES_MODOS picks the ways ("subdiretorio prefixo pacotes" by default),
# CONSUMIDORES_PASTA keeps the build folders and logs in that folder, CONSUMIDORES_DEBS takes
# the .deb files from that folder instead of running scripts/pacotes.sh. The packages
# installed by the pacotes way are removed again at the end, so a developer's machine is left
# as it was; CONSUMIDORES_MANTER_PACOTES=1 keeps them. Prints one line per example and way and
# exits non-zero on any failure.
set -euo pipefail
release=$(realpath -m "${1:-$(dirname "$0")/../build/release}")
cd "$(dirname "$0")/.."
raiz=$PWD
modos=${CONSUMIDORES_MODOS:-subdiretorio prefixo pacotes}
exemplos=(motor formulario_qt lista_sqlite)
pacotes=(libpjtcampovivo0 libpjtcampovivo-dev pjtcampovivo-designer-plugin campovivo)
for modo in $modos; do
  case "$modo" in
    subdiretorio | prefixo | pacotes) ;;
    *) echo "consumidores: unknown way $modo (subdiretorio, prefixo or pacotes)" >&2 && exit 2 ;;
  esac
done

if [ -n "${CONSUMIDORES_PASTA:-}" ]; then
  tmp=$(realpath -m "$CONSUMIDORES_PASTA")
  rm -rf "$tmp" && mkdir -p "$tmp"
else
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/consumidores.XXXXXX")
fi
instalados=()
limpar() {
  if [ "${#instalados[@]}" -gt 0 ] && [ "${CONSUMIDORES_MANTER_PACOTES:-0}" != 1 ]; then
    echo "consumidores: removing ${instalados[*]}"
    dpkg --purge "${instalados[@]}" >/dev/null || echo "consumidores: dpkg --purge failed" >&2
  fi
  [ -n "${CONSUMIDORES_PASTA:-}" ] || rm -rf "$tmp"
}
trap limpar EXIT

inicio=$SECONDS
passaram=0
falharam=0
pulados=0
resumo=()

# linha WAY WHAT RESULT SECONDS: one summary line, printed now and again at the end.
linha() {
  local l
  l=$(printf 'consumidores: %-13s %-16s %-8s %4s s' "$1" "$2" "$3" "$4")
  echo "$l"
  resumo+=("$l")
}

# passo WAY WHAT COMMAND...: runs COMMAND with its output kept in a log, shown on failure.
passo() {
  local modo=$1 oque=$2 t0=$SECONDS
  shift 2
  local log="$tmp/$modo-${oque//[^a-z_]/}.log"
  if "$@" >"$log" 2>&1; then
    linha "$modo" "$oque" ok $((SECONDS - t0))
    passaram=$((passaram + 1))
  else
    linha "$modo" "$oque" FALHOU $((SECONDS - t0))
    tail -n 40 "$log" | sed 's/^/    /'
    falharam=$((falharam + 1))
    return 1
  fi
}

pular() {
  linha "$1" "$2" pulado 0
  echo "    $3"
  pulados=$((pulados + 1))
}

# A step that cannot run: its reason, and a failure.
falta() {
  echo "$1"
  return 1
}

# Warnings are errors on the examples as on the rest of the project's code.
configurar() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic -Werror" "${@:3}"
}
construir() {
  cmake --build "$1" -j "$(nproc)"
}

# A program as a user runs it: no library path of ours, no display.
rodar() {
  env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$@"
}

# origem BUILD PREFIX: the pjtCampoVivo that find_package took is the one under PREFIX.
origem() {
  local dir
  dir=$(sed -n 's/^pjtCampoVivo_DIR:[A-Z]*=//p' "$1/CMakeCache.txt")
  echo "pjtCampoVivo_DIR=$dir"
  case "$dir" in
    "$2" | "$2"/*) ;;
    *) echo "expected a package under $2" && return 1 ;;
  esac
}

# exemplo BUILD EXAMPLE PREFIX CMAKE_ARGS...: configures, builds and runs one example.
exemplo() {
  local bin=$1 e=$2 prefixo=$3
  shift 3
  configurar "$raiz/examples/$e" "$bin" "$@" && construir "$bin" && origem "$bin" "$prefixo" &&
    rodar "$bin/$e"
}

# plugin FOLDER...: the plugin check, built against Qt alone, run on the folder given (none:
# Qt's own plugin folder plus /designer).
plugin() {
  local bin=$tmp/plugin-$RANDOM
  configurar "$raiz/tests/consumidores/plugin_designer" "$bin" && construir "$bin" &&
    rodar "$bin/plugin_designer" "$@"
}

# pkgconfig PC_FOLDER: the engine example compiled by hand with pkg-config's flags (C++20 is
# the consumer's to choose there).
pkgconfig() {
  local flags libdir
  flags=$(PKG_CONFIG_PATH=$1 pkg-config --cflags --libs pjtcampovivo-engine) || return 1
  libdir=$(PKG_CONFIG_PATH=$1 pkg-config --variable=libdir pjtcampovivo-engine) || return 1
  echo "pkg-config: $flags"
  # shellcheck disable=SC2086 # the flags are words
  c++ -std=c++20 -Wall -Wextra -Wpedantic -Werror "$raiz/examples/motor/motor.cpp" \
    -o "$tmp/motor-pc" $flags "-Wl,-rpath,$libdir" && rodar "$tmp/motor-pc"
}

# The three examples in one tree under examples/por_subdiretorio: the library is built once.
construir_subdiretorio() {
  configurar "$raiz/examples/por_subdiretorio" "$1" -DCAMPOVIVO_FONTE="$raiz" &&
    so_bibliotecas "$1" && construir "$1" && origem "$1" "$1/CMakeFiles/pkgRedirects"
}

# As a subproject the library adds its libraries and nothing else: no tests, tools or
# benchmarks, no install rules of its own.
so_bibliotecas() {
  local alvos extras
  alvos=$(cmake --build "$1" --target help) || return 1
  extras=$(grep -Eo '^(testes_[a-z_]+|bench_[a-z_]+|campovivo|campovivo-demo):' <<<"$alvos" || true)
  [ -z "$extras" ] || falta "the subproject added targets of its own: $extras" || return 1
  ctest --test-dir "$1" -N | grep -q 'Total Tests: 0' || falta "the subproject added tests" ||
    return 1
  ! grep -q 'libpjtcampovivo' "$1/pjtcampovivo/cmake_install.cmake" ||
    falta "the subproject added install rules"
}

modo_subdiretorio() {
  local bin=$tmp/subdiretorio
  passo subdiretorio "(build)" construir_subdiretorio "$bin" || return 0
  for e in "${exemplos[@]}"; do
    passo subdiretorio "$e" rodar "$bin/$e/$e" || true
  done
}

modo_prefixo() {
  local prefixo=$tmp/prefixo
  if [ ! -f "$release/CMakeCache.txt" ]; then
    passo prefixo "(install)" falta "no build in $release: build the release preset first" || true
    return 0
  fi
  passo prefixo "(install)" cmake --install "$release" --prefix "$prefixo" || return 0
  for e in "${exemplos[@]}"; do
    passo prefixo "$e" exemplo "$tmp/prefixo-$e" "$e" "$prefixo" -DCMAKE_PREFIX_PATH="$prefixo" ||
      true
  done
  local pc
  pc=$(find "$prefixo" -name pjtcampovivo-engine.pc -printf '%h\n' | head -n 1)
  if [ -z "$pc" ]; then
    passo prefixo pkg-config falta "no pjtcampovivo-engine.pc under $prefixo" || true
  elif ! command -v pkg-config >/dev/null; then
    pular prefixo pkg-config "pkg-config is not installed"
  else
    passo prefixo pkg-config pkgconfig "$pc" || true
  fi
  local pasta
  pasta=$(find "$prefixo" -type d -path '*/qt6/plugins/designer' | head -n 1)
  if [ -z "$pasta" ]; then
    passo prefixo plugin falta "no qt6/plugins/designer folder under $prefixo" || true
  else
    passo prefixo plugin plugin "$pasta" || true
  fi
}

modo_pacotes() {
  if [ "$(id -u)" -ne 0 ]; then
    pular pacotes todos "installing the Debian packages needs root (CI runs as root)"
    return 0
  fi
  # Packages of this very tree, unless the caller hands some over.
  local pasta=${CONSUMIDORES_DEBS:-}
  if [ -z "$pasta" ]; then
    passo pacotes "(pacotes.sh)" bash scripts/pacotes.sh || return 0
    pasta=$raiz/build/pacotes
  fi
  local debs=("$pasta"/*.deb)
  if [ ! -e "${debs[0]}" ]; then
    passo pacotes "(dpkg -i)" falta "no .deb in $pasta" || true
    return 0
  fi
  # Only what this run installs is removed afterwards.
  local p
  for p in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      instalados+=("$p")
  done
  passo pacotes "(dpkg -i)" dpkg -i "${debs[@]}" || return 0
  for e in "${exemplos[@]}"; do
    passo pacotes "$e" exemplo "$tmp/pacotes-$e" "$e" /usr || true
  done
  if command -v pkg-config >/dev/null; then
    passo pacotes pkg-config pkgconfig "" || true
  else
    pular pacotes pkg-config "pkg-config is not installed"
  fi
  passo pacotes plugin plugin || true
}

for modo in $modos; do
  "modo_$modo"
done

echo "== consumidores"
printf '%s\n' "${resumo[@]}"
echo "consumidores: $((SECONDS - inicio)) s"
echo "consumidores: $passaram passed, $falharam failed, $pulados skipped"
[ "$falharam" -eq 0 ]
