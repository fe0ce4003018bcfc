#!/usr/bin/env bash
# Command-line cases of campovivo, grouped by command:  casos.sh CAMPOVIVO GROUP [CRIAR_BANCO]
# (CRIAR_BANCO, tests/cli/criar_banco.cpp, makes the databases of the carregar group).
set -u
campovivo=$1 grupo=$2 criar_banco=${3:-} falhas=0 tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# caso NAME STATUS OUTPUT [--entrada STDIN] [--erro FRAGMENT] [--sh] -- ARGS...
# Runs campovivo ARGS, or with --sh the shell command ARGS (campovivo in $CAMPOVIVO), and checks
# the status and the exact standard output ("" for none, no final newline). Status 2, and any
# given --erro, must come with one stderr line "campovivo: ..." holding FRAGMENT; otherwise
# stderr stays empty.
caso() {
    local nome=$1 status_esperado=$2 esperado=$3 entrada="" fragmento="" programa=("$campovivo")
    shift 3
    while [[ $1 != "--" ]]; do
        case $1 in
            --entrada) entrada=$2 && shift ;;
            --erro) fragmento=$2 && shift ;;
            --sh) programa=(bash -c) ;;
        esac
        shift
    done
    shift
    printf '%s' "$entrada" | CAMPOVIVO=$campovivo "${programa[@]}" "$@" >"$tmp/saida" 2>"$tmp/erro"
    local status=$? motivo=""
    if [[ $status -ne $status_esperado ]]; then
        motivo="status $status, expected $status_esperado"
    elif ! diff -u <([[ -n $esperado ]] && printf '%s\n' "$esperado") "$tmp/saida" >"$tmp/diff"; then
        motivo="standard output differs:"$'\n'"$(cat "$tmp/diff")"
    elif [[ $status -eq 2 || -n $fragmento ]]; then
        [[ $(wc -l <"$tmp/erro") -eq 1 ]] && grep -q '^campovivo: ' "$tmp/erro" &&
            grep -qF -- "$fragmento" "$tmp/erro" || motivo="stderr: $(cat "$tmp/erro")"
    elif [[ -s $tmp/erro ]]; then
        motivo="unexpected stderr: $(cat "$tmp/erro")"
    fi
    [[ -z $motivo ]] || { echo "FAIL $nome: $motivo" && falhas=$((falhas + 1)); }
}

grupo_formatar() {
    caso money-default-places 0 $'12,34\n0,00' -- formatar --mascara 1 1234 ''
    caso money-no-places 0 '1.234,' -- formatar -m 1 --casas 0 1234
    caso name-any-case 0 '12/34/5678' -- formatar -m dDmMaAaA 123456789
    caso cut-before-shaping 0 '12/34/5' -- formatar -m 3 --max 5 12345678
    caso text-default-max 0 '0123456789012345678901234567890123456789' -- \
        formatar -m 0 0123456789012345678901234567890123456789abc
    caso cpf-moved 0 '000.000.001-23' -- formatar -m 13 --movido 123
    caso cnpj-letters 0 '12.ABC.345/01DE-35' -- formatar -m cnpj --alfanumerico 12abc34501de35
    caso letters-other-mask 2 '' --erro 'only to mask 14' -- formatar -m 13 --alfanumerico 1
    # With the area code: 15 characters by default, the country code gone from a moved value.
    caso phone-ddd 0 $'(11) 91234-5678\n0800 123 4567' -- \
        formatar -m telefone --ddd 119123456789 08001234567
    caso phone-ddd-moved 0 $'(11) 91234-5678\n(55) 1191-2345' -- \
        formatar -m 11 --ddd --movido '+55 11 91234-5678' '5511912345678901'
    caso ddd-other-mask 2 '' --erro 'only to mask 11' -- formatar -m 12 --ddd 1
    # A unit's registration numbers, shaped as typed; ISENTO kept; any case of the code.
    caso ie-unit 0 $'P-01100424.3/002\n110.042.4\nISENTO' -- \
        formatar -m 15 --uf sp p011004243002 1100424 isento
    caso ie-unknown-unit 2 '' --erro \
        "unknown unit 'XX' (the units are AC AL AP AM BA CE DF ES GO MA MT MS MG PA PB PR PE PI RJ RN RS RO RR SC SP SE TO)" -- formatar -m 15 --uf XX 1
    caso ie-other-mask 2 '' --erro 'only to mask 15' -- formatar -m 14 --uf SP 1
    caso values-after-dashes 0 $'12,34\n-0,00' -- formatar -m 1 1234 -- -abc
    caso json 0 '{"entrada":"-1234","texto":"-12,34","negativo":true,"separadorInserido":true}' -- \
        formatar -m 1 --json -- -1234
    caso json-escapes 0 '{"entrada":"a\"b\\c","texto":"a\"b\\c","negativo":false,"separadorInserido":false}' -- \
        formatar -m 0 --json 'a"b\c'
    # Cutting inside a pair leaves a lone surrogate: JSON keeps it, plain text cannot.
    caso lone-surrogate-json 0 '{"entrada":"😀","texto":"\ud83d","negativo":false,"separadorInserido":false}' -- \
        formatar -m 0 --max 1 --json 😀
    caso lone-surrogate-plain 0 $'\xef\xbf\xbd' -- formatar -m 0 --max 1 😀
}

grupo_saida() {
    caso money 0 '1234,56' -- saida -m 1 1.234,56
    caso money-point 0 $'1234.56\n0' -- saida -m 1 --ponto 1.234,56 ''
    caso exponent-point 0 '1.2E-05' -- saida -m 1 --casas 6 --ponto 0,000012
    caso cnpj-letters 0 $'00000000000191\n12ABC34501DE35' -- \
        saida -m 14 --alfanumerico --ponto 00.000.000/0001-91 12.ABC.345/01DE-35
    caso phone-ddd 0 $'08001234567\n11912345678' -- saida -m 11 --ddd --ponto '0800 123 4567' '(11) 91234-5678'
    caso ie-unit 0 $'0623079040081\nISENTO' -- saida -m 15 --uf mg 062.307.904/0081 ' isento '
    caso json 0 '{"entrada":"1.234,56","valor":"1234,56"}' -- saida -m 1 --json 1.234,56
}

readonly msg_data='A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003'
readonly msg_dia_mes='O dia/mês estão preenchidos incorretamente, faça como no exemplo: 05/09 (dia cinco do mês nove)'
readonly msg_mes_ano='O mês/ano estão preenchidos incorretamente, faça como no exemplo: 07/2003 (mês de 2003)'
readonly msg_dia='O dia esta preenchido incorretamente, faça como no exemplo: 08 (dia oito)'
readonly msg_mes='O mês esta preenchido incorretamente, faça como no exemplo: 06 (mês seis)'
readonly msg_ano='O ano esta preenchido incorretamente, faça como no exemplo: 2003 (ano de 2003)'

grupo_validar() {
    caso date-ok 0 'ok' -- validar -m 3 25/12/2003
    caso date-bad 1 "$msg_data" -- validar -m 3 32/01/2003
    caso empty-is-valid 0 'ok' -- validar -m 3 ''
    caso day-month 1 "$msg_dia_mes" -- validar -m 6 30/02
    caso month-year 1 "$msg_mes_ano" -- validar -m 7 13/2003
    caso day 1 "$msg_dia" -- validar -m 8 8
    caso month 1 "$msg_mes" -- validar -m 9 13
    caso year 1 "$msg_ano" -- validar -m 10 0000
    caso cpf 1 $'ok\nO CPF esta preenchido incorretamente.' -- \
        validar -m 13 123.456.789-09 123.456.789-08
    caso cnpj 1 $'ok\nO CGC esta preenchido incorretamente.' -- \
        validar -m 14 12.345.678/0001-95 12.345.678/0001-94
    caso cnpj-letters 1 $'ok\nO CGC esta preenchido incorretamente.' -- \
        validar -m 14 --alfanumerico 12.ABC.345/01DE-35 93ZB0VRYV6KA66
    caso phone-ddd 1 $'ok\nok\nO telefone esta preenchido incorretamente, faça como no exemplo: (11) 91234-5678' -- \
        validar -m 11 --ddd '(11) 91234-5678' '0800 123 4567' '(10) 91234-5678'
    # What the rules found, a prefix told from a check digit.
    caso ie-json 1 "$(printf '%s\n' \
        '{"entrada":"10.987.654-7","valido":true,"mensagem":null,"titulo":null,"encontrado":"Valida"}' \
        '{"entrada":"10.987.654-8","valido":false,"mensagem":"A inscrição estadual esta preenchida incorretamente para GO, faça como no exemplo: 10.987.654-7","titulo":"Inscrição estadual informada incorretamente","encontrado":"DigitoVerificadorErrado"}' \
        '{"entrada":"30.987.654-7","valido":false,"mensagem":"A inscrição estadual esta preenchida incorretamente para GO, faça como no exemplo: 10.987.654-7","titulo":"Inscrição estadual informada incorretamente","encontrado":"PrefixoErrado"}')" -- \
        validar -m 15 --uf GO --json 10.987.654-7 10.987.654-8 30.987.654-7
    caso phone-unchecked 2 '' --erro '11 with --ddd' -- validar -m 11 '(11) 91234-5678'
    caso json-bad 1 '{"entrada":"32/01/2003","valido":false,"mensagem":"'"$msg_data"'","titulo":"Data informada incorretamente"}' -- \
        validar -m 3 --json 32/01/2003
    caso json-ok 0 '{"entrada":"","valido":true,"mensagem":null,"titulo":null}' -- \
        validar -m 3 --json ''
    caso json-titles 1 "$(printf '%s\n' \
        '{"entrada":"1","valido":false,"mensagem":"'"$msg_mes"'","titulo":"O mes informado incorretamente"}' \
        '{"entrada":"1","valido":false,"mensagem":"O CGC esta preenchido incorretamente.","titulo":"CGC informada incorretamente"}')" \
        --sh -- '"$CAMPOVIVO" validar -m 9 --json 1; s=$?; "$CAMPOVIVO" validar -m 14 --json 1; exit $((s | $?))'

    caso unchecked-mask 2 '' --erro 'mask 4' -- validar -m 4 12:34
}

grupo_entrada() {
    caso lines 0 $'12,34\n-0,05\n0,00\n123.456,78' --entrada $'1234\n-5\r\n\n12345678' -- \
        formatar -m 1
    caso lines-json 0 $'{"entrada":"1.234,56","valor":"1234,56"}\n{"entrada":"abc","valor":"0"}' \
        --entrada $'1.234,56\r\nabc\n' -- saida -m 1 --casas 2 --json
    caso validate-lines 1 $'ok\n'"$msg_data" --entrada $'31/12/2003\n32/01/2003\n' -- validar -m 3
    caso no-input 0 '' -- formatar -m 1
    caso bad-byte 2 '12/' --erro 'line 2' --entrada $'12\n\xff\n34\n' -- formatar -m 3
    caso overlong 2 '' --erro 'line 1' --entrada $'\xc0\xaf\n' -- formatar -m 0
    caso encoded-surrogate 2 '' --erro 'invalid UTF-8' --entrada $'\xed\xa0\x80\n' -- saida -m 0
    caso truncated 2 'ok' --erro 'line 2' --entrada $'ok\n\xe2\x82' -- formatar -m 0
    caso above-max 2 '' --erro 'invalid UTF-8' --entrada $'\xf4\x90\x80\x80' -- validar -m 3
    caso bad-argument 2 '' --erro 'argument' -- formatar -m 0 $'a\xc3\x28'
    # Only a digit extraction given a text longer than 16-bit positions can count fails.
    local longo
    longo=$(head -c 32768 /dev/zero | tr '\0' 7)
    caso too-long 2 '' --erro 'line 1' --entrada "$longo" -- saida -m 11
    caso long-is-cut 0 "${longo:0:40}" --entrada "$longo" -- formatar -m 0
    # U+0000 is valid UTF-8: it is a character like any other, kept by text and dropped as a
    # non-digit elsewhere.
    caso nul-kept 0 '61 00 62 0a 31 32 0a' --entrada '' --sh -- \
        'printf "a\0b\n12\n" | "$CAMPOVIVO" formatar -m 0 | od -An -tx1 | xargs'
    # A 10 MB line is answered like any other, and the lines after it too.
    local dez='head -c 10485760 /dev/zero | tr "\0" 7'
    caso ten-mb-line 0 $'777.777.777.777.777,77\n12,34' --entrada '' --sh -- \
        "{ $dez; printf '\n1234\n'; } | \"\$CAMPOVIVO\" formatar -m 1"
    caso ten-mb-bad-end 2 '1' --erro 'line 2' --entrada '' --sh -- \
        "{ echo 1; $dez; printf '\xff\n'; } | \"\$CAMPOVIVO\" formatar -m 0"
}

# A large input is streamed: every line answered, in order.
grupo_fluxo() {
    caso stream 0 $'200000\n200.000' --sh -- \
        'set -o pipefail; seq 1 200000 | "$CAMPOVIVO" formatar -m 2 | awk "END { print NR; print \$0 }"'
}

grupo_mascaras() {
    # Number, published name and field length of every mask.
    local esperado
    esperado=$(printf '%s\n' \
        '0|Texto abcdef0123|40' '1|DinheiroTaxa ##0,00|22' '2|Numero #.##0|22' \
        '3|DdMmAaaa dd/mm/aaaa|10' '4|HhMmSs hh:mm:ss|8' '5|HhMm hh:mm|5' '6|DdMm dd/mm|5' \
        '7|MmAaaa mm/aaaa|7' '8|Dia 00|2' '9|Mes 00|2' '10|Ano 0000|4' \
        '11|Telefone ##.###-####|11' '12|Cep ##.###-###|10' '13|CNPF ###.###.###-##|14' \
        '14|CNPJ ##.###.###.###/####-##|22' '15|InscricaoEstadual #.##0|22')
    caso table 0 "$esperado" --sh -- \
        '"$CAMPOVIVO" mascaras | sed -n "2,/^$/p" | sed -E "/^$/d; s/^ *([0-9]+)  (.*[^ ]) +([0-9]+)  .*/\1|\2|\3/"'
    # Then the variants, each with the option that switches it on and an example.
    caso variants 0 "$(printf '%s\n' '14|CNPJ --alfanumerico|22|12.ABC.345/01DE-35' \
        '11|Telefone --ddd|15|(11) 91234-5678' '15|InscricaoEstadual --uf SP|22|110.042.490.114')" --sh -- \
        '"$CAMPOVIVO" mascaras | sed "1,/^$/d" | tail -n +2 | sed -E "s/^ *([0-9]+)  (.*[^ ]) +([0-9]+)  (.*)/\1|\2|\3|\4/"'
}

grupo_opcoes() {
    caso unknown-mask-number 2 '' --erro "unknown mask '16'" -- formatar -m 16 x
    caso negative-mask 2 '' --erro 'unknown mask' -- saida -m -1 x
    caso unknown-mask-name 2 '' --erro 'unknown mask' -- validar -m Data x
    caso places-out-of-range 2 '' --erro 'casas' -- formatar -m 1 --casas 10 1
    caso max-out-of-range 2 '' --erro 'max' -- formatar -m 0 --max 32768 1
    caso max-not-a-number 2 '' --erro 'max' -- formatar -m 0 --max x 1
    caso mask-required 2 '' --erro 'mascara' -- formatar 1
    caso no-command 2 '' --erro 'subcommand' --
    caso unknown-command 2 '' --erro 'campovivo' -- converter 1
    caso stray-option 2 '' --erro '-x' -- formatar -m 1 -x
    caso help 0 'formatar' --sh -- '"$CAMPOVIVO" --help | grep -o -m 1 formatar'
}

grupo_roteiro() {
    local ok='{"linha":1,"eventos":[],"avisos":[],"mensagens":[],"injetadas":[],"valor":"31/12","erro":null,"args":{"Texto":"3112"},"SeparadorInserido":1}'
    local linha1='{"chamar":"DdMm","args":{"Texto":"3112"}}'
    caso stdin 0 "$ok" --entrada "$linha1" -- roteiro
    caso stdin-dash 0 "$ok" --entrada "$linha1"$'\r\n' -- roteiro -
    caso comments-only 0 '' --entrada $'# nothing\n\n   # still nothing\n' -- roteiro
    caso unknown-operation 2 "$ok" --erro 'line 3' --entrada "$linha1"$'\n\n{"pular":1}\n'"$linha1" -- roteiro
    caso bad-utf8 2 '' --erro 'line 1' --entrada $'{"chamar":"Cep","args":{"Texto":"\xff"}}' -- roteiro
    caso missing-file 2 '' --erro 'cannot open' -- roteiro /nonexistent/script.jsonl
    grupo_roteiro_controle
    grupo_roteiro_json
    grupo_roteiro_numeros
    grupo_roteiro_grandes
    # A text beyond 16-bit positions fails the direct call; the dispatcher cuts it first.
    local longo
    longo=$(head -c 32768 /dev/zero | tr '\0' a)
    caso direct-overflow 0 "$(printf '%s' '{"linha":1,"eventos":[],"avisos":[],"mensagens":[],' \
        '"injetadas":[],"valor":null,"erro":{"numero":6,"tipo":"estouro","descricao":"@"},' \
        '"args":{"Texto":"'"$longo"'"},"SeparadorInserido":0}')" \
        --entrada '{"chamar":"DdMmAaaa","args":{"Texto":"'"$longo"'"}}' --sh -- \
        '"$CAMPOVIVO" roteiro | sed -E "s/\"descricao\":\"[^\"]*\"/\"descricao\":\"@\"/"'
}

# The Qt stage answers a script line as the headless one does (Qt's own notes on stderr aside).
grupo_qt() {
    caso toolkit-qt 0 '{"linha":1,"eventos":[],"avisos":[],"mensagens":[],"injetadas":[],"valor":"31/12","erro":null,"args":{"Texto":"3112"},"SeparadorInserido":1}' \
        --entrada '{"chamar":"DdMm","args":{"Texto":"3112"}}' --sh -- '"$CAMPOVIVO" roteiro --toolkit qt 2>/dev/null'
}

# Lines too deep to read or with bytes JSON forbids: each stops the script with status 2.
grupo_roteiro_json() {
    caso json-raw-tab 2 '' --erro 'control character' --entrada $'{"set":"Text","valor":"a\tb"}' -- roteiro
    local fundo
    fundo=$(printf '[%.0s' $(seq 100000))
    caso json-deep-array 2 '' --erro 'line 1' --entrada "{\"set\":\"Text\",\"valor\":$fundo" -- roteiro
    fundo=$(printf '{"a":%.0s' $(seq 100000))
    caso json-deep-object 2 '' --erro 'line 1' \
        --entrada "{\"metodo\":\"ReadProperties\",\"bolsa\":{\"Font\":${fundo}1" -- roteiro
    caso json-nul-outside 2 '' --erro 'line 1' --entrada '' --sh -- \
        'printf "{\"chamar\":\"Cep\"}\0\n" | "$CAMPOVIVO" roteiro'
}

# Numbers beyond what the target holds (1e400, -1e308, 2^53+1 into 16-bit places, a half that
# rounds out of range) fail the line's member with the overflow error, in "erro"; the script
# goes on. Each row: the script's lines, then the number in "erro" of its last line.
grupo_roteiro_numeros() {
    local nome linhas esperado
    while IFS='|' read -r nome esperado linhas; do
        [[ -z $nome || $nome == \#* ]] && continue
        caso "number-$nome" 0 "$esperado" --entrada "${linhas//;/$'\n'}" --sh -- \
            '"$CAMPOVIVO" roteiro | tail -n 1 | sed -E "s/.*\"erro\":null.*/null/; s/.*\"erro\":\{\"numero\":([0-9]+).*/\1/"'
    done <<'LINHAS'
# name|number in "erro" (or null)|script lines, separated by ";"
maxlength-1e400|6|{"set":"MaxLength","valor":1e400}
maxlength-2p53-plus-1|6|{"set":"MaxLength","valor":9007199254740993}
maxlength-half-up|6|{"set":"MaxLength","valor":32767.5}
maxlength-half-even|null|{"set":"MaxLength","valor":-32768.5}
maxlength-tiny|null|{"set":"MaxLength","valor":1e-400}
listindex-2p15|6|{"set":"ListIndex","valor":32768}
enabled-1e400|null|{"set":"Enabled","valor":1e400}
call-2p53-plus-1|6|{"chamar":"Numero","args":{"Mascara":9007199254740993}}
remove-1e400|6|{"metodo":"RemoveItem","args":{"Index":1e400}}
bag-1e400|6|{"metodo":"ReadProperties","bolsa":{"MaxLength":1e400}}
select-1e400|6|{"selecionar":[1e400,0]}
load-record-1e400|6|{"set":"Estilo","valor":1};{"metodo":"Carregar","registros":[{"n":"a","v":1e400}],"args":{"Item":"n","ItemData":"v"}}
handler-key-2p15|6|{"set":"Mascara","valor":0};{"hospede":{"KeyPress":{"KeyAscii":32768}}};{"teclar":"1"}
then-goes-on|null|{"set":"MaxLength","valor":1e400};{"set":"MaxLength","valor":5}
LINHAS
}

# Texts of 1 MB go through whole where the control keeps them, and fail with the overflow
# error where the engine counts positions in 16 bits.
grupo_roteiro_grandes() {
    local mega
    mega=$(head -c 1048576 /dev/zero | tr '\0' 7)
    local tamanho='"$CAMPOVIVO" roteiro | tail -n 1 | grep -o "7\{1000,\}" | head -n 1 | tr -d "\n" | wc -c'
    caso mb-text 0 1048576 --entrada '{"set":"Text","valor":"'"$mega"'"}' --sh -- "$tamanho"
    caso mb-paste 0 1048576 --entrada '{"colar":"'"$mega"'"}' --sh -- "$tamanho"
    caso mb-item 0 1048576 --entrada '{"metodo":"AddItem","args":{"Item":"'"$mega"'"}}' --sh -- "$tamanho"
    caso mb-digits 0 6 --entrada '{"chamar":"ExtrairDigitos","args":{"Texto":"'"$mega"'"}}' --sh -- \
        '"$CAMPOVIVO" roteiro | grep -o "\"erro\":{\"numero\":[0-9]*" | grep -o "[0-9]*$"'
    caso mb-money-typed 0 '777.777.777.777.777,77' --entrada \
        '{"set":"Mascara","valor":1}'$'\n''{"teclar":"'"${mega:0:65536}"'"}' --sh -- \
        '"$CAMPOVIVO" roteiro | tail -n 1 | grep -o "\"texto\":\"[^\"]*\"" | head -n 1 | cut -d\" -f4'
}

# Lines the tool refuses before running them (not JSON as it reads it, or a JSON line it cannot
# run): each stops the script with status 2 and a message naming the line and what is wrong.
grupo_roteiro_controle() {
    local linha
    while IFS='|' read -r nome fragmento linha; do
        [[ -z $nome || $nome == \#* ]] && continue
        caso "$nome" 2 '' --erro "$fragmento" --entrada "$linha" -- roteiro
    done <<'LINHAS'
# name|fragment of the message|script line
sqlite-without-sql|line 1: "sqlite" needs|{"metodo":"Carregar","sqlite":{"arquivo":"a.db"},"args":{"Item":"x"}}
not-an-object|line 1|[1]
trailing-text|line 1|{"chamar":"Cep"} x
operation-not-first|line 1|{"args":{},"chamar":"Cep"}
unknown-function|Formatar|{"chamar":"Formatar"}
text-as-number|Texto|{"chamar":"Cep","args":{"Texto":5}}
args-not-object|args|{"chamar":"Cep","args":["1"]}
foreign-parameter|Mascara|{"chamar":"DdMmAaaa","args":{"Texto":"1","Mascara":3}}
json-string|not a JSON object|"chamar"
json-leading-zero|line 1|{"set":"MaxLength","valor":01}
json-plus-sign|line 1|{"set":"MaxLength","valor":+1}
json-single-quotes|line 1|{'set':'Text','valor':'a'}
json-trailing-comma|line 1|{"set":"Text","valor":"a",}
json-bad-escape|line 1|{"set":"Text","valor":"a\x"}
json-unterminated|line 1|{"set":"Text","valor":"a
unknown-property|unknown property "Cor"|{"set":"Cor","valor":1}
read-only-property|"ClipText" is read-only|{"set":"ClipText","valor":"x"}
set-without-value|"valor"|{"set":"Mascara"}
number-as-string|"valor" must be a number, not a string|{"set":"Mascara","valor":"3"}
index-missing|needs "indice"|{"get":"List"}
get-extra-member|unexpected member "valor"|{"get":"Text","valor":1}
unknown-method|unknown method "Salvar"|{"metodo":"Salvar"}
method-argument-type|"Item" must be a string|{"metodo":"AddItem","args":{"Item":1}}
method-argument-missing|missing argument "Index"|{"metodo":"RemoveItem","args":{}}
records-missing|needs "registros"|{"metodo":"Carregar","args":{"Item":"x"}}
record-not-object|a record must be an object, not a number|{"metodo":"Carregar","registros":[1]}
bag-value-object|"Font"|{"metodo":"ReadProperties","bolsa":{"Font":{}}}
mode-unknown|"designer" or "execucao"|{"modo":"runtime"}
resize-one-number|two numbers|{"redimensionar":[1]}
key-unknown|unknown key "Esc"|{"tecla":"Esc"}
focus-false|"focar" takes the value true|{"focar":false}
host-unknown-event|"Click"|{"hospede":{"Click":{}}}
host-read-only|"ListCount" is read-only|{"hospede":{"Change":{"set":"ListCount","valor":1}}}
LINHAS
    # A refused line ends the script after the output of the lines before it.
    caso stops-after-output 2 '{"linha":1,"eventos":[],"avisos":[],"mensagens":[],"injetadas":[],"valor":65537' \
        --erro 'line 2: unknown property' \
        --entrada $'{"get":"hWnd"}\n{"get":"Cor"}\n{"get":"hWnd"}' --sh -- \
        'saida=$("$CAMPOVIVO" roteiro); s=$?; printf "%s\n" "$saida" | sed -E "s/,\"erro\".*//"; exit $s'
}

# A list loaded by Carregar from databases made here: the entries, then the selection.
grupo_carregar() {
    local db=$tmp/cidades.db
    "$criar_banco" "$db" "CREATE TABLE cidades (codigo INTEGER, nome TEXT, uf TEXT, area REAL);
        INSERT INTO cidades VALUES (3550308, 'São Paulo', 'SP', 1521.11),
            (3304557, '  Rio de Janeiro ', 'RJ', 1200.329), (3106200, 'Belo Horizonte', 'MG', NULL),
            (3509502, 'Campinas', 'SP', 0.05), (3548708, 'Santos', 'SP', 280.67);
        CREATE TABLE nomes (nome TEXT);
        INSERT INTO nomes VALUES ('Ana'), (NULL), ('Carla');
        CREATE TABLE bytes (texto TEXT);
        INSERT INTO bytes VALUES (CAST(X'61FF62' AS TEXT)), (CAST(X'610062' AS TEXT)), ('😀');" ||
        { echo "FAIL carregar: cannot make $db"; falhas=1; return; }
    # UTF-16 storage can hold a lone surrogate, which only JSON writes back exactly.
    "$criar_banco" "$tmp/utf16.db" "PRAGMA encoding = 'UTF-16le'; CREATE TABLE t (texto TEXT, codigo INTEGER);
        INSERT INTO t VALUES (CAST(X'3DD8' AS TEXT), 1);" ||
        { echo "FAIL carregar: cannot make utf16.db"; falhas=1; return; }
    local todas=(carregar --sqlite "$db" --sql 'SELECT * FROM cidades ORDER BY codigo')
    local nomes=$'Belo Horizonte\nRio de Janeiro\nCampinas\nSantos\nSão Paulo'

    caso plain 0 "$nomes"$'\nListIndex\t-1\t' -- "${todas[@]}" --item nome
    caso item-data 0 $'Belo Horizonte\tMG\nRio de Janeiro\tRJ\nCampinas\tSP\nSantos\tSP\nSão Paulo\tSP\nListIndex\t-1\t' \
        -- "${todas[@]}" --item NOME --itemdata uf
    caso numbers 0 $'3550308\t1521,11\n3548708\t280,67\n3509502\t0,05\nListIndex\t-1\t' -- \
        carregar --sqlite "$db" --sql "SELECT * FROM cidades WHERE uf = 'SP' ORDER BY codigo DESC" \
        --item codigo --itemdata area
    caso no-rows 0 $'ListIndex\t-1\t' -- \
        carregar --sqlite "$db" --sql "SELECT * FROM cidades WHERE uf = 'AC'" --item nome
    caso query-text-utf8 0 $'São Paulo\nListIndex\t0\tSão Paulo' -- \
        carregar --sqlite "$db" --sql "SELECT nome FROM cidades WHERE nome LIKE 'São%'" \
        --item nome --posicionar SÃO

    # Positioning options (last match wins: the list session script): prefixes compared in
    # capitals on the value as read (before trimming), the later option's record winning.
    # Each row checks the last line.
    local nome argumentos selecao
    while IFS='|' read -r nome selecao argumentos; do
        [[ -z $nome || $nome == \#* ]] && continue
        local -a extra
        read -r -a extra <<<"$argumentos"
        caso "position-$nome" 0 "${selecao//;/$'\t'}" --sh -- \
            'set -o pipefail; "$CAMPOVIVO" "$@" | tail -n 1' _ "${todas[@]}" --item nome "${extra[@]}"
    done <<'LINHAS'
# name|last line (";" for a tab)|options
accent-capitals|ListIndex;4;São Paulo|--posicionar sÃo
untrimmed-value|ListIndex;-1;|--posicionar rio
item-data|ListIndex;2;Campinas|--itemdata codigo --posicionar-itemdata 3509
later-record-wins|ListIndex;2;Campinas|--itemdata codigo --posicionar belo --posicionar-itemdata 3509
LINHAS
    # With item data the entries carry their tab; positioning does not change them.
    caso position-item-data-lines 0 $'Belo Horizonte\t3106200\nRio de Janeiro\t3304557\nCampinas\t3509502\nSantos\t3548708\nSão Paulo\t3550308\nListIndex\t3\tSantos' \
        -- "${todas[@]}" --item nome --itemdata codigo --posicionar-itemdata 354

    caso json 0 '{"entradas":[{"texto":"Campinas","itemData":"SP"},{"texto":"Santos","itemData":"SP"},{"texto":"São Paulo","itemData":"SP"}],"ListIndex":0,"texto":"Campinas","erro":null}' \
        -- carregar --sqlite "$db" --sql "SELECT nome, uf FROM cidades WHERE uf = 'SP' ORDER BY codigo" \
        --item nome --itemdata uf --posicionar camp --json
    caso json-no-rows 0 '{"entradas":[],"ListIndex":-1,"texto":"","erro":null}' -- \
        carregar --sqlite "$db" --sql 'SELECT nome FROM cidades WHERE 0' --item nome --json

    # Texts as SQLite decodes them: malformed UTF-8 becomes U+FFFD, U+0000 is a character.
    caso bytes-json 0 '{"entradas":[{"texto":"a\ufffdb","itemData":""},{"texto":"a\u0000b","itemData":""},{"texto":"😀","itemData":""}],"ListIndex":-1,"texto":"","erro":null}' \
        --sh -- '"$CAMPOVIVO" carregar --sqlite '"$db"' --sql "SELECT texto FROM bytes ORDER BY rowid" --item texto --json | sed "s/\xef\xbf\xbd/\\\\ufffd/"'
    caso bytes-plain 0 '61 ef bf bd 62 0a 61 00 62 0a f0 9f 98 80 0a' --sh -- \
        '"$CAMPOVIVO" carregar --sqlite '"$db"' --sql "SELECT texto FROM bytes ORDER BY rowid" --item texto | head -n 3 | od -An -tx1 | xargs'
    caso lone-surrogate-json 0 '{"entradas":[{"texto":"\ud83d","itemData":"1"}],"ListIndex":0,"texto":"\ud83d","erro":null}' -- \
        carregar --sqlite "$tmp/utf16.db" --sql 'SELECT * FROM t' --item texto \
        --itemdata codigo --posicionar-itemdata 1 --json
    caso lone-surrogate-plain 0 $'\xef\xbf\xbd\nListIndex\t-1\t' -- \
        carregar --sqlite "$tmp/utf16.db" --sql 'SELECT texto FROM t' --item texto

    # Carregar's own failures: status 1, the error on stderr, the entries loaded before it.
    caso null-item 1 $'Ana\nListIndex\t-1\t' --erro 'error 94, valor_nulo' -- \
        carregar --sqlite "$db" --sql 'SELECT nome FROM nomes ORDER BY rowid' --item nome
    caso null-item-json 1 '{"entradas":[{"texto":"Ana","itemData":""}],"ListIndex":0,"texto":"Ana","erro":{"numero":94,"tipo":"valor_nulo","descricao":"Uso inválido de valor nulo"}}' \
        --erro 'Carregar' -- carregar --sqlite "$db" --sql 'SELECT nome FROM nomes ORDER BY rowid' \
        --item nome --posicionar a --json
    # A row SQLite cannot read after the first is a failure while loading.
    caso row-failure 1 $'1\n2\nListIndex\t-1\t' --erro 'integer overflow (error 1, toolkit)' -- \
        carregar --sqlite "$db" --item i --sql 'WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL
            SELECT i + 1 FROM n WHERE i < 5) SELECT CASE WHEN i < 3 THEN i ELSE abs(-9223372036854775807 - 1) END AS i FROM n'
    # The combo box holds 32,767 entries: one row more fails with the overflow error.
    local linhas='WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @) SELECT i FROM n'
    local contar='saida=$("$CAMPOVIVO" carregar --sqlite '"$db"' --item i --sql "$0"); s=$?
        printf "%s\n" "$saida" | wc -l; printf "%s\n" "$saida" | tail -n 2; exit $s'
    caso full-list 0 $'32768\n32767\nListIndex\t-1\t' --sh -- "$contar" "${linhas/@/32767}"
    caso overflow 1 $'32768\n32767\nListIndex\t-1\t' --erro 'error 6, estouro' --sh -- \
        "$contar" "${linhas/@/32768}"

    # The database and the statement: status 2, nothing listed, the file never created.
    caso missing-file 2 'absent' --erro "$tmp/nada.db" --sh -- \
        '"$CAMPOVIVO" carregar --sqlite '"$tmp/nada.db"' --sql "SELECT 1 AS x" --item x; s=$?
        [[ -e '"$tmp/nada.db"' ]] && echo created || echo absent; exit $s'
    printf 'not a database\n' >"$tmp/texto.db"
    caso not-a-database 2 '' --erro 'error 26' -- \
        carregar --sqlite "$tmp/texto.db" --sql 'SELECT 1 AS x' --item x
    caso bad-sql 2 '' --erro 'syntax error' -- carregar --sqlite "$db" --sql 'SELEC nome' --item nome
    caso read-only 2 '' --erro 'readonly' -- carregar --sqlite "$db" \
        --sql "INSERT INTO nomes VALUES ('x') RETURNING nome" --item nome

    # Bad arguments.
    caso no-item 2 '' --erro 'item' -- carregar --sqlite "$db" --sql 'SELECT 1'
    caso no-sql 2 '' --erro 'sql' -- carregar --sqlite "$db" --item nome
    caso no-database 2 '' --erro 'sqlite' -- carregar --sql 'SELECT 1' --item nome
    caso empty-database-name 2 '' --erro 'file name' -- carregar --sqlite '' --sql 'SELECT 1' --item x
    caso item-data-prefix-alone 2 '' --erro 'itemdata' -- "${todas[@]}" --item nome --posicionar-itemdata 35
    caso stray-value 2 '' --erro 'takes no values' -- "${todas[@]}" --item nome -- x
}

"grupo_$grupo"
exit $((falhas > 0))
