// "set" and "get": every property of the control by its published name, with the type a
// host's call passes. Numbers become 16-bit or 32-bit integers as a host's call converts
// them (nearest, halves to even; out of range is the overflow error, reported by the line).
#include "cli/roteiro_propriedades.hpp"

#include <cmath>
#include <cstdint>
#include <string>
#include <variant>

#include <pjtcampovivo/validation/conversao.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/roteiro_argumentos.hpp"
#include "cli/roteiro_operacoes.hpp"
#include "cli/roteiro_sessao.hpp"

namespace pjtCampoVivo::cli {

using Valor = std::variant<int16_t, int32_t, double, bool, std::u16string>;

enum class TipoPropriedade { Int16, Int32, Double, Booleano, Texto };

struct Propriedade {
    std::u16string_view nome;
    TipoPropriedade tipo;
    bool indexada;  // List(Index), ItemData(Index)
    Valor (*ler)(CampoVivo& campo, int16_t indice);
    // nullptr for a property the control only lets read.
    void (*escrever)(CampoVivo& campo, const Valor& valor, int16_t indice);
};

namespace {

using T = TipoPropriedade;

int16_t i16(const Valor& v) {
    return std::get<int16_t>(v);
}
int32_t i32(const Valor& v) {
    return std::get<int32_t>(v);
}
const std::u16string& txt(const Valor& v) {
    return std::get<std::u16string>(v);
}

// In the control's published order.
constexpr Propriedade propriedades[]{
    {u"FazerConsistenciaBasica", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.FazerConsistenciaBasica(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.FazerConsistenciaBasica(i32(v)); }},
    {u"Alinhamento", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.Alinhamento(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.Alinhamento(i32(v)); }},
    {u"Enabled", T::Booleano, false, [](CampoVivo& c, int16_t) -> Valor { return c.Enabled(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.Enabled(std::get<bool>(v)); }},
    {u"hWnd", T::Int32, false, [](CampoVivo& c, int16_t) -> Valor { return c.hWnd(); }, nullptr},
    {u"ItemData", T::Texto, true, [](CampoVivo& c, int16_t i) -> Valor { return c.ItemData(i); },
     [](CampoVivo& c, const Valor& v, int16_t i) { c.ItemData(i, txt(v)); }},
    {u"List", T::Texto, true, [](CampoVivo& c, int16_t i) -> Valor { return c.List(i); },
     [](CampoVivo& c, const Valor& v, int16_t i) { c.List(i, txt(v)); }},
    {u"ListCount", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.ListCount(); },
     nullptr},
    {u"ListIndex", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.ListIndex(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.ListIndex(i16(v)); }},
    {u"NewIndex", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.NewIndex(); },
     nullptr},
    {u"SelLength", T::Int32, false, [](CampoVivo& c, int16_t) -> Valor { return c.SelLength(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.SelLength(i32(v)); }},
    {u"SelStart", T::Int32, false, [](CampoVivo& c, int16_t) -> Valor { return c.SelStart(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.SelStart(i32(v)); }},
    {u"SelText", T::Texto, false, [](CampoVivo& c, int16_t) -> Valor { return c.SelText(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.SelText(txt(v)); }},
    {u"Sorted", T::Booleano, false, [](CampoVivo& c, int16_t) -> Valor { return c.Sorted(); },
     nullptr},
    {u"Style", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.Style(); }, nullptr},
    {u"Text", T::Texto, false, [](CampoVivo& c, int16_t) -> Valor { return c.Text(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.Text(txt(v)); }},
    {u"ClipText", T::Texto, false, [](CampoVivo& c, int16_t) -> Valor { return c.ClipText(); },
     nullptr},
    {u"ClipTextPonto", T::Texto, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.ClipTextPonto(); }, nullptr},
    {u"ToolTipText", T::Texto, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.ToolTipText(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.ToolTipText(txt(v)); }},
    {u"TopIndex", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.TopIndex(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.TopIndex(i16(v)); }},
    {u"Estilo", T::Int32, false, [](CampoVivo& c, int16_t) -> Valor { return c.Estilo(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.Estilo(i32(v)); }},
    {u"Mascara", T::Int32, false, [](CampoVivo& c, int16_t) -> Valor { return c.Mascara(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.Mascara(i32(v)); }},
    {u"QuantidadeCasasDecimais", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.QuantidadeCasasDecimais(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.QuantidadeCasasDecimais(i32(v)); }},
    {u"CapsLockMixed", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.CapsLockMixed(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.CapsLockMixed(i32(v)); }},
    {u"CaracteresASeremRetiradosTexto", T::Texto, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.CaracteresASeremRetiradosTexto(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.CaracteresASeremRetiradosTexto(txt(v)); }},
    {u"MaxLength", T::Int16, false, [](CampoVivo& c, int16_t) -> Valor { return c.MaxLength(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.MaxLength(i16(v)); }},
    {u"QtdMaxRegRetornadosPesqLookUp", T::Double, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.QtdMaxRegRetornadosPesqLookUp(); },
     [](CampoVivo& c, const Valor& v, int16_t) {
         c.QtdMaxRegRetornadosPesqLookUp(std::get<double>(v));
     }},
    {u"CNPJAlfanumerico", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.CNPJAlfanumerico(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.CNPJAlfanumerico(i32(v)); }},
    {u"PesquisarNovamente", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.PesquisarNovamente(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.PesquisarNovamente(i32(v)); }},
    {u"TelefoneDDD", T::Int32, false,
     [](CampoVivo& c, int16_t) -> Valor { return c.TelefoneDDD(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.TelefoneDDD(i32(v)); }},
    {u"UF", T::Texto, false, [](CampoVivo& c, int16_t) -> Valor { return c.UF(); },
     [](CampoVivo& c, const Valor& v, int16_t) { c.UF(txt(v)); }},
};

ValorJson::Tipo tipo_json(TipoPropriedade tipo) {
    switch (tipo) {
        case T::Texto:
            return ValorJson::Tipo::Texto;
        case T::Booleano:
            return ValorJson::Tipo::Booleano;
        default:
            return ValorJson::Tipo::Numero;
    }
}

const Propriedade& propriedade_nomeada(const ValorJson& nome, std::string_view chave) {
    exigir_tipo(nome, ValorJson::Tipo::Texto, chave);
    for (const auto& p : propriedades) {
        if (p.nome == nome.texto) return p;
    }
    throw ErroCli("unknown property " + citar_json(nome.texto));
}

// An index or a value JSON already checked, converted as a host's call converts it.
Valor converter(const ValorJson& v, TipoPropriedade tipo) {
    switch (tipo) {
        case T::Int16:
            return arredondar_para<int16_t>(v.numero);
        case T::Int32:
            return arredondar_para<int32_t>(v.numero);
        case T::Double:
            if (!std::isfinite(v.numero)) throw Erro::estouro("Estouro: número fora do intervalo");
            return v.numero;
        case T::Booleano:
            return v.tipo == ValorJson::Tipo::Booleano ? v.booleano : v.numero != 0;
        case T::Texto:
            return v.texto;
    }
    return {};
}

std::string valor_json(const Valor& valor) {
    std::string json;
    EscritorJson j(json);
    std::visit(
        [&](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::u16string>) {
                j.texto(v);
            } else if constexpr (std::is_same_v<V, bool>) {
                j.booleano(v);
            } else if constexpr (std::is_same_v<V, double>) {
                j.bruto(numero_json(v));
            } else {
                j.numero(v);
            }
        },
        valor);
    return json;
}

// "indice" is taken, and required, by the indexed properties only.
const ValorJson* indice_dado(const ValorJson& objeto, const Propriedade& p) {
    const ValorJson* indice = membro_opcional(objeto, u"indice", ValorJson::Tipo::Numero);
    if (p.indexada && !indice) {
        throw ErroCli("property " + citar_json(p.nome) + " needs \"indice\"");
    }
    if (!p.indexada && indice) {
        throw ErroCli("property " + citar_json(p.nome) + " takes no \"indice\"");
    }
    return indice;
}

int16_t indice_convertido(const ValorJson* indice) {
    return indice ? arredondar_para<int16_t>(indice->numero) : int16_t{0};
}

}  // namespace

Atribuicao ler_atribuicao(const ValorJson& objeto, std::string_view onde) {
    exigir_membros(objeto, {u"set", u"valor", u"indice"}, onde);
    const Propriedade& p = propriedade_nomeada(*objeto.membro(u"set"), "\"set\"");
    if (!p.escrever) throw ErroCli("property " + citar_json(p.nome) + " is read-only");
    const ValorJson* indice = indice_dado(objeto, p);
    const ValorJson* valor = objeto.membro(u"valor");
    if (!valor) throw ErroCli("missing member \"valor\"");
    const bool numero_como_booleano =
        p.tipo == T::Booleano && valor->tipo == ValorJson::Tipo::Numero;
    if (!numero_como_booleano) exigir_tipo(*valor, tipo_json(p.tipo), "\"valor\"");

    Atribuicao a;
    a.propriedade = &p;
    a.valor = *valor;
    if (indice) a.indice = *indice;
    return a;
}

void atribuir(const Atribuicao& a, CampoVivo& campo) {
    const int16_t indice = indice_convertido(a.indice ? &*a.indice : nullptr);
    const Valor valor = converter(a.valor, a.propriedade->tipo);
    a.propriedade->escrever(campo, valor, indice);
}

void operacao_set(const ValorJson& linha, Sessao& sessao, ResultadoLinha&) {
    const Atribuicao a = ler_atribuicao(linha, "a set line");
    atribuir(a, sessao.controle->campo);
}

void operacao_get(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado) {
    exigir_membros(linha, {u"get", u"indice"}, "a get line");
    const Propriedade& p = propriedade_nomeada(*linha.membro(u"get"), "\"get\"");
    const ValorJson* indice = indice_dado(linha, p);
    resultado.valor = valor_json(p.ler(sessao.controle->campo, indice_convertido(indice)));
}

}  // namespace pjtCampoVivo::cli
