// What the operations of a session script share: the session they act on and the record of
// what one line produced. Each operation is a handler in the runner's table, keyed by the
// name that the first member of the line's object carries.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/toolkit/recordset.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "cli/json_leitura.hpp"

namespace pjtCampoVivo::cli {

class SessaoControle;
class Palco;

// Opens the recordset of a Carregar line's "sqlite": {"arquivo": PATH, "sql": SELECT}.
using AbrirBanco =
    std::function<std::unique_ptr<Recordset>(const std::string& arquivo, std::u16string_view sql)>;

// The tool's: the query on the SQLite file, opened read-only.
std::unique_ptr<Recordset> abrir_banco_sqlite(const std::string& arquivo, std::u16string_view sql);

// The state a script acts on across lines: a form holding one control, on a stage made by
// fabrica, replaced by "novo". The engine calls need none of it.
struct Sessao {
    Sessao(std::function<std::unique_ptr<Palco>()> f, AbrirBanco b);
    ~Sessao();
    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    std::function<std::unique_ptr<Palco>()> fabrica;
    AbrirBanco abrir_banco;
    std::unique_ptr<SessaoControle> controle;
};

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
// it cannot run (wrong member types, unknown names) is refused with ErroCli before anything
// is done. The handlers of the control's operations let a pjtCampoVivo::Erro of the member
// they run reach the runner, which reports it with the session as the failure left it.
using Operacao = void (*)(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

// {"chamar": NAME, "args": {...}}: one engine function or validator.
void operacao_chamar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

// The control, from the host's code.
void operacao_novo(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_set(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_get(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_metodo(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_modo(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_redimensionar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_hospede(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

// The user, on the control's shown inner box.
void operacao_teclar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_tecla(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_selecionar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_colar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_focar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_sair(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_clicar(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_abrir(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);
void operacao_duplo(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado);

}  // namespace pjtCampoVivo::cli
