// The session as a whole (novo, modo, redimensionar), the host's handlers (hospede) and
// what the user does on the form (teclar ... duplo).
#include <array>
#include <string>
#include <utility>
#include <vector>

#include <pjtcampovivo/validation/conversao.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/roteiro_argumentos.hpp"
#include "cli/roteiro_operacoes.hpp"
#include "cli/roteiro_propriedades.hpp"
#include "cli/roteiro_sessao.hpp"

namespace pjtCampoVivo::cli {

namespace {

using Tipo = ValorJson::Tipo;

// The operation's own value, the line's only member.
const ValorJson& valor_unico(const ValorJson& linha, std::u16string_view operacao, Tipo tipo) {
    exigir_membros(linha, {operacao}, "a " + citar_json(operacao) + " line");
    return exigir_tipo(*linha.membro(operacao), tipo, citar_json(operacao));
}

// [A, B] of two numbers, converted to 32 bits when the line runs.
std::pair<double, double> par_de_numeros(const ValorJson& linha, std::u16string_view operacao) {
    const ValorJson& par = valor_unico(linha, operacao, Tipo::Lista);
    if (par.lista.size() != 2) {
        throw ErroCli(citar_json(operacao) + " takes a list of two numbers");
    }
    for (const auto& n : par.lista)
        exigir_tipo(n, Tipo::Numero, "each number of " + citar_json(operacao));
    return {par.lista[0].numero, par.lista[1].numero};
}

struct NomeTecla {
    std::u16string_view nome;
    Tecla tecla;
};

constexpr std::array<NomeTecla, 8> teclas{{
    {u"Backspace", Tecla::Backspace},
    {u"Enter", Tecla::Enter},
    {u"Tab", Tecla::Tab},
    {u"Delete", Tecla::Delete},
    {u"Home", Tecla::Home},
    {u"End", Tecla::End},
    {u"Left", Tecla::Left},
    {u"Right", Tecla::Right},
}};

// {"KeyAscii": N}: the handler writes N into the argument.
void armar_KeyPress(const ValorJson& acao, SessaoControle& s) {
    exigir_membros(acao, {u"KeyAscii"}, "the KeyPress action");
    const double valor = membro_exigido(acao, u"KeyAscii", Tipo::Numero).numero;
    s.armado_KeyPress = [valor](int16_t& KeyAscii) { KeyAscii = arredondar_para<int16_t>(valor); };
}

// {"AddItem": [TEXTS], "TextoProcurado": S}: the handler adds the entries through the
// control, then rewrites the argument.
void armar_FimItensLista(const ValorJson& acao, SessaoControle& s) {
    exigir_membros(acao, {u"AddItem", u"TextoProcurado"}, "the FimItensLista action");
    std::vector<std::u16string> entradas;
    if (const ValorJson* lista = membro_opcional(acao, u"AddItem", Tipo::Lista)) {
        for (const auto& e : lista->lista) {
            entradas.push_back(exigir_tipo(e, Tipo::Texto, "each entry of \"AddItem\"").texto);
        }
    }
    std::optional<std::u16string> texto;
    if (const ValorJson* t = membro_opcional(acao, u"TextoProcurado", Tipo::Texto))
        texto = t->texto;
    CampoVivo& campo = s.campo;
    s.armado_FimItensLista = [&campo, entradas = std::move(entradas),
                              texto = std::move(texto)](std::u16string& TextoProcurado) {
        for (const auto& e : entradas) campo.AddItem(e);
        if (texto) TextoProcurado = *texto;
    };
}

// {"set": PROPERTY, "valor": V}: the handler assigns a property of the control.
void armar_Change(const ValorJson& acao, SessaoControle& s) {
    Atribuicao atribuicao = ler_atribuicao(acao, "the Change action");
    CampoVivo& campo = s.campo;
    s.armado_Change = [&campo, atribuicao = std::move(atribuicao)] { atribuir(atribuicao, campo); };
}

}  // namespace

void operacao_novo(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    exigir_verdadeiro(linha, u"novo");
    sessao.controle = std::make_unique<SessaoControle>(sessao.fabrica());
}

void operacao_modo(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const std::u16string& modo = valor_unico(linha, u"modo", Tipo::Texto).texto;
    if (modo != u"designer" && modo != u"execucao") {
        throw ErroCli("\"modo\" is \"designer\" or \"execucao\", not " + citar_json(modo));
    }
    sessao.controle->palco->modo_usuario(modo == u"execucao");
}

void operacao_redimensionar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const auto [largura, altura] = par_de_numeros(linha, u"redimensionar");
    const int32_t l = arredondar_para<int32_t>(largura);
    const int32_t a = arredondar_para<int32_t>(altura);
    sessao.controle->palco->redimensionar(l, a);
}

void operacao_hospede(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const ValorJson& eventos = valor_unico(linha, u"hospede", Tipo::Objeto);
    if (eventos.objeto.empty()) throw ErroCli("\"hospede\" names no event");
    SessaoControle& s = *sessao.controle;
    for (const auto& [evento, acao] : eventos.objeto) {
        exigir_tipo(acao, Tipo::Objeto, "the action of " + citar_json(evento));
        if (evento == u"KeyPress") {
            armar_KeyPress(acao, s);
        } else if (evento == u"FimItensLista") {
            armar_FimItensLista(acao, s);
        } else if (evento == u"Change") {
            armar_Change(acao, s);
        } else {
            throw ErroCli("no host handler can be armed for " + citar_json(evento) +
                          " (KeyPress, FimItensLista or Change)");
        }
    }
}

void operacao_teclar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    sessao.controle->palco->teclar(valor_unico(linha, u"teclar", Tipo::Texto).texto);
}

void operacao_tecla(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const std::u16string& nome = valor_unico(linha, u"tecla", Tipo::Texto).texto;
    for (const auto& t : teclas) {
        if (t.nome == nome) {
            sessao.controle->palco->tecla(t.tecla);
            return;
        }
    }
    throw ErroCli("unknown key " + citar_json(nome) +
                  " (Backspace, Enter, Tab, Delete, Home, End, Left or Right)");
}

void operacao_selecionar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const auto [inicio, tamanho] = par_de_numeros(linha, u"selecionar");
    const int32_t i = arredondar_para<int32_t>(inicio);
    const int32_t t = arredondar_para<int32_t>(tamanho);
    sessao.controle->palco->selecionar(i, t);
}

void operacao_colar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    sessao.controle->palco->colar(valor_unico(linha, u"colar", Tipo::Texto).texto);
}

void operacao_focar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    exigir_verdadeiro(linha, u"focar");
    sessao.controle->palco->focar();
}

void operacao_sair(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    exigir_verdadeiro(linha, u"sair");
    sessao.controle->palco->sair();
}

void operacao_clicar(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const double indice = valor_unico(linha, u"clicar", Tipo::Numero).numero;
    sessao.controle->palco->clicar(arredondar_para<int16_t>(indice));
}

void operacao_abrir(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    exigir_verdadeiro(linha, u"abrir");
    sessao.controle->palco->abrir();
}

void operacao_duplo(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    exigir_verdadeiro(linha, u"duplo");
    sessao.controle->palco->duplo();
}

}  // namespace pjtCampoVivo::cli
