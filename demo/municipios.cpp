#include "demo/municipios.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_set>

#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::demo {

namespace {

// A combo box list holds at most this many entries.
constexpr int LimiteLista = 32767;

// The entry as the list shows it, and its item data.
constexpr std::u16string_view Colunas = u"SELECT nome || ' - ' || uf AS entrada, codigo ";

// The field's page size; a limit below one means no limit but the list's own.
int tamanho_pagina(const CampoVivo& campo) {
    const double qtd = campo.QtdMaxRegRetornadosPesqLookUp();
    if (!(qtd >= 1) || qtd > LimiteLista) return LimiteLista;
    return static_cast<int>(std::floor(qtd));
}

// A text as an SQL string literal.
std::u16string literal(std::u16string_view texto) {
    std::u16string saida = u"'";
    for (const char16_t c : texto) {
        if (c == u'\'') saida += u'\'';
        saida += c;
    }
    saida += u'\'';
    return saida;
}

std::u16string decimal(int n) {
    std::u16string saida;
    for (const char c : std::to_string(n)) saida += static_cast<char16_t>(c);
    return saida;
}

std::u16string valor(const Recordset& rs, std::u16string_view campo) {
    std::optional<std::u16string> v = rs.Campo(campo);
    if (!v) throw Erro(numero_erro::ValorNulo, TipoErro::ValorNulo, "municipios: null value");
    return *std::move(v);
}

}  // namespace

int MunicipiosSqlite::primeira_pagina(CampoVivo& campo) const {
    const std::u16string sql = std::u16string(Colunas) + u"FROM municipios ORDER BY ordem LIMIT " +
                               decimal(tamanho_pagina(campo));
    sqlite::RecordsetSqlite rs(arquivo_, sql);
    campo.Carregar(&rs, u"entrada", u"codigo");
    return campo.ListCount();
}

int MunicipiosSqlite::proxima_pagina(CampoVivo& campo, std::u16string_view texto) const {
    // The list may already hold entries that begin with texto (an earlier, shorter search
    // brought them): skip those, by their codes.
    std::unordered_set<std::u16string> na_lista;
    const int16_t quantos = campo.ListCount();
    for (int16_t i = 0; i < quantos; ++i) na_lista.insert(campo.ItemData(i));

    // busca holds each entry folded, so a folded prefix finds entries that begin with texto
    // whatever its letter case, accents included ("SÃO P" finds "São Paulo - SP").
    const std::u16string prefixo = literal(letras::dobrar(texto));
    const std::u16string sql = std::u16string(Colunas) +
                               u"FROM municipios WHERE substr(busca, 1, length(" + prefixo +
                               u")) = " + prefixo + u" ORDER BY ordem";
    sqlite::RecordsetSqlite rs(arquivo_, sql);
    const int pagina = std::min(tamanho_pagina(campo), LimiteLista - quantos);
    int adicionadas = 0;
    for (; !rs.Eof() && adicionadas < pagina; rs.MoveNext()) {
        std::u16string codigo = valor(rs, u"codigo");
        if (na_lista.contains(codigo)) continue;
        campo.AddItem(valor(rs, u"entrada"), std::nullopt, codigo);
        na_lista.insert(std::move(codigo));
        ++adicionadas;
    }
    return adicionadas;
}

}  // namespace pjtCampoVivo::demo
