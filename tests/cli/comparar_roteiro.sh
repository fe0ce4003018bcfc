#!/usr/bin/env bash
# Replays a session script and compares the tool's output with the expected file line by
# line. Error descriptions are free text, so both sides show them as "@".
set -u
campovivo=$1 roteiro=$2 esperado=$3

normalizar() { sed -E 's/"descricao":"([^"\\]|\\.)*"/"descricao":"@"/g'; }

saida=$(mktemp)
trap 'rm -f "$saida"' EXIT
"$campovivo" roteiro "$roteiro" >"$saida"
status=$?
if [[ $status -ne 0 ]]; then
    echo "campovivo roteiro $roteiro ended with status $status" >&2
    exit 1
fi
diff -u <(normalizar <"$esperado") <(normalizar <"$saida")
