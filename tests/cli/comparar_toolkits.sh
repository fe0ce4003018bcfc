#!/usr/bin/env bash
# Replays a session script on the headless toolkit and on real Qt widgets and compares the
# two outputs line by line. What each realisation chooses for itself is masked on both
# sides: error descriptions, the control's height (pixels on Qt, the headless unit
# elsewhere), the font names in a written property bag, and the window handle read by
# "get": "hWnd".
set -u
campovivo=$1 roteiro=$2

# Output lines that answer a "get" of hWnd, by their script line number.
linhas_hwnd=$(grep -n '"get" *: *"hWnd"' "$roteiro" | cut -d: -f1 | tr '\n' ' ')

normalizar() {
    sed -E 's/"descricao":"([^"\\]|\\.)*"/"descricao":"@"/g
            s/"altura":-?[0-9]+/"altura":@/g
            s/\["Font",("([^"\\]|\\.)*"|null),("([^"\\]|\\.)*"|null)\]/["Font",@,@]/g' |
        awk -v linhas=" $linhas_hwnd" '{
            if (match($0, /^\{"linha":[0-9]+/)) {
                n = substr($0, 10, RLENGTH - 9)
                if (index(linhas, " " n " ") > 0) sub(/"valor":-?[0-9]+/, "\"valor\":@")
            }
            print
        }'
}

headless=$(mktemp) qt=$(mktemp)
trap 'rm -f "$headless" "$qt"' EXIT
"$campovivo" roteiro "$roteiro" >"$headless" || { echo "headless run failed" >&2; exit 1; }
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$campovivo" roteiro --toolkit qt "$roteiro" >"$qt" ||
    { echo "qt run failed" >&2; exit 1; }
diff -u <(normalizar <"$headless") <(normalizar <"$qt")
