// "metodo": the control's methods and the host's notifications that take arguments (the
// property bag of ReadProperties and WriteProperties, the recordset of Carregar).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/roteiro_argumentos.hpp"
#include "cli/roteiro_operacoes.hpp"
#include "cli/roteiro_sessao.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

using Tipo = ValorJson::Tipo;

// A bag that reads the values a script gave and records what the control writes.
class BolsaRoteiro final : public BolsaPropriedades {
  public:
    struct Escrita {
        std::u16string chave;
        ValorPropriedade valor;
        std::optional<ValorPropriedade> padrao;
    };

    std::vector<std::pair<std::u16string, ValorPropriedade>> guardados;
    std::vector<Escrita> escritas;

    ValorPropriedade ReadProperty(std::u16string_view chave,
                                  const ValorPropriedade& padrao) override {
        for (auto it = guardados.rbegin(); it != guardados.rend(); ++it) {
            if (it->first == chave) return it->second;
        }
        return padrao;
    }

    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>& padrao) override {
        escritas.push_back({std::u16string(chave), valor, padrao});
    }
};

// A JSON number without a fraction or an exponent.
bool literal_inteiro(const ValorJson& v) {
    return v.literal.find_first_of(".eE") == std::string::npos;
}

// A value of the script's bag: a JSON integer that fits is a 32-bit integer, any other
// number a double; a string under "Font" names a font and under "MouseIcon" a picture.
ValorPropriedade valor_da_bolsa(std::u16string_view chave, const ValorJson& v) {
    switch (v.tipo) {
        case Tipo::Nulo:
            return Nada{};
        case Tipo::Booleano:
            return v.booleano;
        case Tipo::Numero:
            if (literal_inteiro(v) && v.numero >= INT32_MIN && v.numero <= INT32_MAX) {
                return static_cast<int32_t>(v.numero);
            }
            return v.numero;
        case Tipo::Texto:
            if (chave == u"Font") {
                Fonte fonte;
                fonte.nome = v.texto;
                return fonte;
            }
            if (chave == u"MouseIcon") return Figura{v.texto};
            return v.texto;
        default:
            throw ErroCli("the value of " + citar_json(chave) + " in \"bolsa\" must be a " +
                          "string, number, boolean or null, not " + com_artigo(v.tipo));
    }
}

void escrever_valor(EscritorJson& j, const ValorPropriedade& valor) {
    std::visit(
        [&](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Nada>) {
                j.nulo();
            } else if constexpr (std::is_same_v<V, bool>) {
                j.booleano(v);
            } else if constexpr (std::is_same_v<V, double>) {
                j.bruto(numero_json(v));
            } else if constexpr (std::is_same_v<V, std::u16string>) {
                j.texto(v);
            } else if constexpr (std::is_same_v<V, Fonte>) {
                j.texto(v.nome);
            } else if constexpr (std::is_same_v<V, Figura>) {
                j.texto(v.origem);
            } else {
                j.numero(v);  // 16-bit, 32-bit, and colours as unsigned
            }
        },
        valor.conteudo());
}

std::string bolsa_json(const BolsaRoteiro& bolsa) {
    std::string json;
    EscritorJson j(json);
    j.abrir_lista();
    for (const auto& e : bolsa.escritas) {
        j.abrir_lista().texto(e.chave);
        escrever_valor(j, e.valor);
        if (e.padrao) {
            escrever_valor(j, *e.padrao);
        } else {
            j.nulo();
        }
        j.fechar_lista();
    }
    j.fechar_lista();
    return json;
}

// A recordset field's value as text: numbers as a recordset shows them, booleans in words.
std::optional<std::u16string> valor_do_campo(std::u16string_view nome, const ValorJson& v) {
    switch (v.tipo) {
        case Tipo::Nulo:
            return std::nullopt;
        case Tipo::Texto:
            return v.texto;
        case Tipo::Numero:
            // JSON reads 1e400 as infinite: no recordset holds such a number.
            if (!std::isfinite(v.numero)) {
                throw Erro::estouro("Número fora do alcance de um campo de recordset");
            }
            return numero_como_texto(v.numero);
        case Tipo::Booleano:
            return std::u16string(v.booleano ? u"Verdadeiro" : u"Falso");
        default:
            throw ErroCli("field " + citar_json(nome) + " must be a string, number, boolean " +
                          "or null, not " + com_artigo(v.tipo));
    }
}

// "sqlite": {"arquivo": PATH, "sql": SELECT}, a query stepped row by row as the list loads.
std::unique_ptr<Recordset> recordset_sqlite(const ValorJson& sqlite, const AbrirBanco& abrir) {
    exigir_tipo(sqlite, Tipo::Objeto, "\"sqlite\"");
    const ValorJson* arquivo = membro_opcional(sqlite, u"arquivo", Tipo::Texto);
    const ValorJson* sql = membro_opcional(sqlite, u"sql", Tipo::Texto);
    if (!arquivo || !sql) throw ErroCli("\"sqlite\" needs \"arquivo\" and \"sql\"");
    return abrir(utf16_para_utf8(arquivo->texto), sql->texto);
}

// "registros": the records of a recordset, or null for no recordset at all; or "sqlite".
std::unique_ptr<Recordset> recordset_dado(const ValorJson& linha, const AbrirBanco& abrir) {
    const ValorJson* sqlite = linha.membro(u"sqlite");
    const ValorJson* registros = linha.membro(u"registros");
    if (sqlite && registros) throw ErroCli("Carregar takes \"registros\" or \"sqlite\", not both");
    if (sqlite) return recordset_sqlite(*sqlite, abrir);
    if (!registros) throw ErroCli("Carregar needs \"registros\" or \"sqlite\"");
    if (registros->tipo == Tipo::Nulo) return nullptr;
    exigir_tipo(*registros, Tipo::Lista, "\"registros\"");
    std::vector<headless::RecordsetMemoria::Registro> lista;
    for (const auto& r : registros->lista) {
        exigir_tipo(r, Tipo::Objeto, "a record");
        headless::RecordsetMemoria::Registro registro;
        for (const auto& campo : r.objeto) {
            registro.emplace_back(campo.chave, valor_do_campo(campo.chave, campo.valor));
        }
        lista.push_back(std::move(registro));
    }
    return std::make_unique<headless::RecordsetMemoria>(std::move(lista));
}

// The arguments of a method: "args" is an object of the names it takes.
struct Argumentos {
    const ValorJson* args = nullptr;
    const AbrirBanco* abrir_banco = nullptr;  // the session's, for Carregar's "sqlite"

    const ValorJson* opcional(std::u16string_view nome, Tipo tipo) const {
        return args ? membro_opcional(*args, nome, tipo) : nullptr;
    }
    const ValorJson& exigido(std::u16string_view nome, Tipo tipo) const {
        const ValorJson* v = opcional(nome, tipo);
        if (!v) throw ErroCli("missing argument " + citar_json(nome));
        return *v;
    }
    std::u16string texto(std::u16string_view nome) const {
        const ValorJson* v = opcional(nome, Tipo::Texto);
        return v ? v->texto : std::u16string();
    }
};

struct Metodo {
    std::u16string_view nome;
    std::vector<std::u16string_view> parametros;
    std::vector<std::u16string_view> membros;  // besides "metodo" and "args"
    void (*chamar)(const ValorJson& linha, const Argumentos& a, SessaoControle& s,
                   ResultadoLinha& r);
};

const Metodo metodos[]{
    {u"AddItem",
     {u"Item", u"Index", u"ItemData"},
     {},
     [](const ValorJson&, const Argumentos& a, SessaoControle& s, ResultadoLinha&) {
         const std::u16string& item = a.exigido(u"Item", Tipo::Texto).texto;
         const ValorJson* index = a.opcional(u"Index", Tipo::Numero);
         const std::u16string item_data = a.texto(u"ItemData");
         std::optional<int32_t> posicao;
         if (index) posicao = arredondar_para<int32_t>(index->numero);
         s.campo.AddItem(item, posicao, item_data);
     }},
    {u"Clear",
     {},
     {},
     [](const ValorJson&, const Argumentos&, SessaoControle& s, ResultadoLinha&) {
         s.campo.Clear();
     }},
    {u"RemoveItem",
     {u"Index"},
     {},
     [](const ValorJson&, const Argumentos& a, SessaoControle& s, ResultadoLinha&) {
         const double index = a.exigido(u"Index", Tipo::Numero).numero;
         s.campo.RemoveItem(arredondar_para<int16_t>(index));
     }},
    {u"PosicionarPorItem",
     {u"Item"},
     {},
     [](const ValorJson&, const Argumentos& a, SessaoControle& s, ResultadoLinha&) {
         s.campo.PosicionarPorItem(a.exigido(u"Item", Tipo::Texto).texto);
     }},
    {u"PosicionarPorItemData",
     {u"ItemData"},
     {},
     [](const ValorJson&, const Argumentos& a, SessaoControle& s, ResultadoLinha&) {
         s.campo.PosicionarPorItemData(a.exigido(u"ItemData", Tipo::Texto).texto);
     }},
    {u"Refresh",
     {},
     {},
     [](const ValorJson&, const Argumentos&, SessaoControle& s, ResultadoLinha&) {
         s.campo.Refresh();
     }},
    {u"InitProperties",
     {},
     {},
     [](const ValorJson&, const Argumentos&, SessaoControle& s, ResultadoLinha&) {
         s.campo.InitProperties();
     }},
    {u"Carregar",
     {u"Item", u"ItemData", u"ItemAPosicionar", u"ItemDataAPosicionar"},
     {u"registros", u"sqlite"},
     [](const ValorJson& linha, const Argumentos& a, SessaoControle& s, ResultadoLinha&) {
         const std::u16string item = a.texto(u"Item");
         const std::u16string item_data = a.texto(u"ItemData");
         const std::u16string item_posicionar = a.texto(u"ItemAPosicionar");
         const std::u16string item_data_posicionar = a.texto(u"ItemDataAPosicionar");
         const std::unique_ptr<Recordset> rs = recordset_dado(linha, *a.abrir_banco);
         s.campo.Carregar(rs.get(), item, item_data, item_posicionar, item_data_posicionar);
     }},
    {u"ReadProperties",
     {},
     {u"bolsa"},
     [](const ValorJson& linha, const Argumentos&, SessaoControle& s, ResultadoLinha&) {
         BolsaRoteiro bolsa;
         if (const ValorJson* dada = membro_opcional(linha, u"bolsa", Tipo::Objeto)) {
             for (const auto& m : dada->objeto) {
                 bolsa.guardados.emplace_back(m.chave, valor_da_bolsa(m.chave, m.valor));
             }
         }
         s.campo.ReadProperties(bolsa);
     }},
    {u"WriteProperties",
     {},
     {},
     [](const ValorJson&, const Argumentos&, SessaoControle& s, ResultadoLinha& r) {
         BolsaRoteiro bolsa;
         s.campo.WriteProperties(bolsa);
         r.valor = bolsa_json(bolsa);
     }},
};

const Metodo& metodo_nomeado(const ValorJson& nome) {
    exigir_tipo(nome, Tipo::Texto, "\"metodo\"");
    for (const auto& m : metodos) {
        if (m.nome == nome.texto) return m;
    }
    throw ErroCli("unknown method " + citar_json(nome.texto));
}

}  // namespace

std::unique_ptr<Recordset> abrir_banco_sqlite(const std::string& arquivo, std::u16string_view sql) {
    return std::make_unique<sqlite::RecordsetSqlite>(arquivo, sql);
}

void operacao_metodo(const ValorJson& linha, Sessao& sessao, ResultadoLinha& resultado) {
    const Metodo& m = metodo_nomeado(*linha.membro(u"metodo"));
    for (const auto& membro : linha.objeto) {
        const bool conhecido =
            membro.chave == u"metodo" || membro.chave == u"args" ||
            std::find(m.membros.begin(), m.membros.end(), membro.chave) != m.membros.end();
        if (!conhecido) {
            throw ErroCli("unexpected member " + citar_json(membro.chave) + " in a " +
                          citar_json(m.nome) + " line");
        }
    }
    Argumentos a;
    a.args = membro_opcional(linha, u"args", Tipo::Objeto);
    a.abrir_banco = &sessao.abrir_banco;
    if (a.args) exigir_membros(*a.args, m.parametros, "the \"args\" of " + citar_json(m.nome));
    m.chamar(linha, a, *sessao.controle, resultado);
}

}  // namespace pjtCampoVivo::cli
