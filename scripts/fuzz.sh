#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs every one of them, build/fuzz/fuzz/fuzz_<what>, for FUZZ_SEGUNDOS
# seconds each (default 60), starting from a temporary copy of fuzz/corpus/<what>/ so the
# repository's seeds stay as they are. Prints what each target reached (executions,
# coverage) and exits non-zero when any of them found something: a crash, a broken
# invariant, a leak, a timeout or a sanitizer report. The inputs that did it are kept in
# build/fuzz/achados/<what>/, with the run's log in build/fuzz/achados/<what>.log.
#
#   bash scripts/fuzz.sh                 # one minute per target
#   FUZZ_SEGUNDOS=600 bash scripts/fuzz.sh
#
# Replay a finding: build/fuzz/fuzz/fuzz_<what> build/fuzz/achados/<what>/crash-...
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$raiz"

segundos="${FUZZ_SEGUNDOS:-60}"
if ! [[ "$segundos" =~ ^[0-9]+$ ]] || [ "$segundos" -lt 1 ]; then
  echo "fuzz: FUZZ_SEGUNDOS must be a whole number of seconds, not '$segundos'" >&2
  exit 2
fi

bash scripts/dependencias.sh

cmake --preset fuzz
cmake --build build/fuzz -j2

achados="$raiz/build/fuzz/achados"
mkdir -p "$achados"
temporario="$(mktemp -d)"
trap 'rm -rf "$temporario"' EXIT

shopt -s nullglob
alvos=(build/fuzz/fuzz/fuzz_*)
executaveis=()
for alvo in "${alvos[@]}"; do
  [ -f "$alvo" ] && [ -x "$alvo" ] && executaveis+=("$alvo")
done
if [ "${#executaveis[@]}" -eq 0 ]; then
  echo "fuzz: no target was built in build/fuzz/fuzz" >&2
  exit 1
fi

# A leak is a finding; UBSan stops at its first report (-fno-sanitize-recover) anyway.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

falhas=0
resumo=()
for alvo in "${executaveis[@]}"; do
  nome="$(basename "$alvo")"
  oque="${nome#fuzz_}"
  corpus="$temporario/$oque"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$oque" ]; then
    cp -R "fuzz/corpus/$oque/." "$corpus/"
  fi
  rm -rf "${achados:?}/$oque"
  mkdir -p "$achados/$oque"
  log="$achados/$oque.log"

  echo "== $nome: ${segundos}s from $(find "$corpus" -type f | wc -l) seed(s)"
  status=0
  "$alvo" "$corpus" -max_total_time="$segundos" -print_final_stats=1 -timeout=30 \
    -artifact_prefix="$achados/$oque/" >"$log" 2>&1 || status=$?

  execucoes="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  cobertura="$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)"
  linha="$nome: ${execucoes:-?} executions, ${cobertura:-cov: ? ft: ?}"

  achou=""
  [ "$status" -ne 0 ] && achou="exit status $status"
  if grep -Eq 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|invariante violada' "$log"; then
    achou="${achou:+$achou; }sanitizer or invariant report"
  fi
  if [ -n "$(find "$achados/$oque" -type f 2>/dev/null)" ]; then
    achou="${achou:+$achou; }inputs kept in build/fuzz/achados/$oque/"
  fi

  if [ -n "$achou" ]; then
    falhas=$((falhas + 1))
    linha="$linha  FOUND: $achou"
    echo "-- $nome found something; the end of its log ($log):"
    grep -E 'invariante violada|runtime error:|ERROR:|SUMMARY:' "$log" | head -n 20 || true
    tail -n 30 "$log"
  else
    rmdir "$achados/$oque" 2>/dev/null || true
  fi
  echo "$linha"
  resumo+=("$linha")
done

echo
echo "== fuzz summary (${segundos}s per target)"
printf '%s\n' "${resumo[@]}"
if [ "$falhas" -gt 0 ]; then
  echo "fuzz: $falhas target(s) found something" >&2
  exit 1
fi
echo "fuzz: nothing found"
