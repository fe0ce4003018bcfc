// What the operations of a session script share: the session they act on and the record of
// what one line produced. Each operation is a handler in the runner's table, keyed by the
// name that the first member of the line's object carries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/json_leitura.hpp"
#include "validation/erro.hpp"

namespace pjtCampoVivo::cli {

// The state a script acts on across lines. The engine calls need none; the control's
// operations keep their form here.
struct Sessao {};

struct MensagemMostrada {
    std::u16string prompt;
    int32_t codigo = 0;
    std::u16string titulo;
};

// What one line produced, reported in this order.
struct ResultadoLinha {
    std::vector<std::u16string> eventos;
    std::vector<std::u16string> avisos;
    std::vector<MensagemMostrada> mensagens;
    std::vector<std::u16string> injetadas;
    std::string valor = "null";  // JSON
    std::optional<Erro> erro;    // the failure that ended the line's member
    // The members that close the line, as JSON without braces: "args" and
    // "SeparadorInserido" after an engine call, "estado" after a control operation.
    std::string complemento;
};

// A handler gets the whole line (an object whose first member names the operation). A line
// it cannot run (wrong member types, unknown names) is refused with ErroCli.
using Operacao = void (*)(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

// {"chamar": NAME, "args": {...}}: one engine function or validator.
void operacao_chamar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

}  // namespace pjtCampoVivo::cli
