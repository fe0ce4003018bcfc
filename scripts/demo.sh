#!/usr/bin/env bash
# The main job for now: builds the campovivo tool and runs a short session that formats,
# reads back and validates a few values of every mask.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh
cmake --preset release >/dev/null
cmake --build --preset release --target campovivo -j "$(nproc)" >/dev/null
cv=build/release/cli/campovivo

"$cv" mascaras
echo
for m in Texto DinheiroTaxa Numero DdMmAaaa HhMmSs HhMm DdMm MmAaaa Dia Mes Ano Telefone Cep CNPF CNPJ InscricaoEstadual; do
  case "$m" in
    Texto) valores=("Rua das Flores, 12") ;;
    DinheiroTaxa) valores=(1234567 -5 12345678901234567) ;;
    Numero) valores=(1234567 -1234) ;;
    DdMmAaaa) valores=(25122003 31022003) ;;
    HhMmSs) valores=(235958) ;;
    HhMm) valores=(2359) ;;
    DdMm) valores=(0509 3102) ;;
    MmAaaa) valores=(072003 132003) ;;
    Dia) valores=(08 32) ;;
    Mes) valores=(06 13) ;;
    Ano) valores=(2003 0000) ;;
    Telefone) valores=("(11) 2345-6789") ;;
    Cep) valores=(01310100) ;;
    CNPF) valores=(12345678909 12345678908) ;;
    CNPJ) valores=(12345678000195 12345678000194) ;;
    InscricaoEstadual) valores=(123456789) ;;
  esac
  for v in "${valores[@]}"; do
    exibido=$("$cv" formatar --mascara "$m" -- "$v")
    valor=$("$cv" saida --mascara "$m" -- "$exibido")
    linha=$(printf '%-18s %-20s -> %-24s valor %-20s' "$m" "$v" "$exibido" "$valor")
    if checagem=$("$cv" validar --mascara "$m" -- "$exibido" 2>/dev/null); then
      echo "$linha $checagem"
    elif [ $? -eq 1 ]; then
      echo "$linha $checagem"
    else
      echo "$linha (sem checagem ao sair)"
    fi
  done
done
