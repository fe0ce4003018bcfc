// The recordsets' value conversions with values drawn from the fuzzer's bytes.
//
// SQLite: a table in a shared in-memory database gets rows of every storage class (NULL,
// INTEGER with its extremes, REAL with infinities, subnormals and huge values, TEXT from
// invalid UTF-8 or lone surrogates, BLOB), and RecordsetSqlite reads them back by field
// name, exact, in another letter case, or unknown. What the table holds is read beside it
// through a connection of our own, and each field must read as documented:
//   NULL -> nullopt; INTEGER -> its decimal digits ("Verdadeiro"/"Falso" in the BOOLEAN
//   column); REAL -> numero_plano of it, which in turn must stand for the double to 15
//   significant digits, with the overflow error 6 for an infinite one (SQLite stores a NaN
//   as NULL); TEXT and BLOB -> SQLite's own UTF-16 of the value;
//   an unknown name -> 3265; past the end, Campo and MoveNext -> 9. Nothing else fails.
//
// In memory: RecordsetMemoria over records of names and values from the bytes. Campo(nome)
// gives the first field, in the record's order, whose name equals nome ignoring case; for
// ASCII names that is checked against a plain ASCII comparison.
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include "fuzz/apoio_fuzz.hpp"

namespace pjtCampoVivo {
namespace {

using fuzz::exigir;
using fuzz::LeitorBytes;
using fuzz::mostrar;
using fuzz::numero_do_erro;

// The database lives as long as our own connection keeps it open; the recordset opens the
// same name read-only.
constexpr const char* Banco = "file:campovivo_fuzz?mode=memory&cache=shared";

// The columns, with their declared types: none (any storage class stays as given), a
// BOOLEAN one, affinities that convert what they can, and a non-ASCII name.
constexpr const char* CriarTabela =
    "CREATE TABLE t (a, Nome, capital BOOLEAN, x REAL, i INTEGER, s TEXT, \"AÇÃO\")";
constexpr std::u16string_view colunas[] = {u"a", u"Nome", u"capital", u"x", u"i", u"s", u"AÇÃO"};
constexpr std::size_t NColunas = std::size(colunas);

sqlite3* banco() {
    static sqlite3* b = [] {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(Banco, &db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI,
                            nullptr) != SQLITE_OK ||
            sqlite3_exec(db, CriarTabela, nullptr, nullptr, nullptr) != SQLITE_OK) {
            fuzz::falhar("banco", sqlite3_errmsg(db));
        }
        return db;
    }();
    return b;
}

void executar(const char* sql) {
    if (sqlite3_exec(banco(), sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fuzz::falhar("banco", sqlite3_errmsg(banco()));
}

constexpr int64_t inteiros[] = {0,         1,     -1,     INT64_MAX,        INT64_MIN, INT32_MAX,
                                INT32_MIN, 32767, -32768, 1000000000000000, 2,         42};
constexpr double Infinito = std::numeric_limits<double>::infinity();
constexpr double reais[] = {0.0,
                            -0.0,
                            1234.5,
                            0.1 + 0.2,
                            1e-5,
                            1e15,
                            1e16,
                            -1e-300,
                            5e-324,
                            2.2250738585072014e-308,
                            1.7976931348623157e308,
                            -1.7976931348623157e308,
                            Infinito,
                            -Infinito,
                            std::numeric_limits<double>::quiet_NaN(),
                            0.0001,
                            123456789012345.6,
                            9.999999999999999e14};

// Binds one value of a storage class chosen by the bytes.
void ligar(sqlite3_stmt* st, int posicao, LeitorBytes& l) {
    switch (l.ate(6)) {
        case 0:
            sqlite3_bind_null(st, posicao);
            break;
        case 1:
            sqlite3_bind_int64(st, posicao, l.enviesado<int64_t>(inteiros));
            break;
        case 2:
            sqlite3_bind_double(st, posicao,
                                l.u8() < 160 ? reais[l.ate(std::size(reais))] : l.real_bits());
            break;
        case 3: {
            // Bytes as they come: often not UTF-8 at all.
            std::string bytes;
            const std::size_t n = l.ate(48);
            for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<char>(l.u8()));
            sqlite3_bind_text(st, posicao, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case 4: {
            const std::u16string t = l.texto(256);
            sqlite3_bind_text16(st, posicao, t.data(), static_cast<int>(t.size() * 2),
                                SQLITE_TRANSIENT);
            break;
        }
        default: {
            std::string bytes;
            const std::size_t n = l.ate(48);
            for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<char>(l.u8()));
            sqlite3_bind_blob(st, posicao, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
            break;
        }
    }
}

// What a field must read as, from our own connection's view of the stored value.
struct Esperado {
    std::optional<std::u16string> valor;
    int32_t erro = 0;
};

std::u16string ascii(const std::string& s) {
    return {s.begin(), s.end()};
}

// numero_plano's text must stand for d rounded to 15 significant digits, as the C library's
// "%.14e" rounds it: the same significant digits and the same power of ten of the first
// one, in either the plain or the exponent form.
void verificar_plano(const std::u16string& texto, double d) {
    char referencia[64];
    std::snprintf(referencia, sizeof referencia, "%.14e", std::fabs(d));
    const std::string_view r = referencia;
    std::string sig_ref;
    for (const char c : r.substr(0, r.find('e'))) {
        if (c != '.') sig_ref.push_back(c);
    }
    const long exp_ref = std::strtol(referencia + r.find('e') + 1, nullptr, 10);
    sig_ref.erase(sig_ref.find_last_not_of('0') + 1);

    const std::string m = mostrar(texto) + " para " + referencia;
    std::string t;
    for (const char16_t u : texto) {
        exigir(u < 0x80, "numero_plano", "não ASCII: " + m);
        t.push_back(static_cast<char>(u));
    }
    if (d == 0) {
        exigir(t == "0", "numero_plano", "zero: " + m);
        return;
    }
    exigir((d < 0) == (!t.empty() && t[0] == '-'), "numero_plano", "sinal: " + m);
    if (d < 0) t.erase(0, 1);
    std::string sig;
    long exp = 0;
    if (const auto e = t.find('E'); e != std::string::npos) {
        for (const char c : t.substr(0, e)) {
            if (c != ',') sig.push_back(c);
        }
        exp = std::strtol(t.c_str() + e + 1, nullptr, 10);
    } else {
        const auto virgula = t.find(',');
        const std::string inteira = t.substr(0, virgula);
        std::string todos = inteira;
        if (virgula != std::string::npos) todos += t.substr(virgula + 1);
        const auto p = todos.find_first_not_of('0');
        exigir(p != std::string::npos, "numero_plano", "zero indevido: " + m);
        exp = static_cast<long>(inteira.size()) - 1 - static_cast<long>(p);
        sig = todos.substr(p);
    }
    sig.erase(sig.find_last_not_of('0') + 1);
    exigir(sig == sig_ref && exp == exp_ref, "numero_plano", "valor: " + m);
}

Esperado esperado_de(sqlite3_stmt* st, int coluna, bool booleana) {
    Esperado e;
    switch (sqlite3_column_type(st, coluna)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER: {
            const sqlite3_int64 n = sqlite3_column_int64(st, coluna);
            e.valor = booleana ? std::u16string(n != 0 ? u"Verdadeiro" : u"Falso")
                               : ascii(std::to_string(n));
            break;
        }
        case SQLITE_FLOAT: {
            const double d = sqlite3_column_double(st, coluna);
            if (!std::isfinite(d)) {
                e.erro = numero_erro::Estouro;
            } else {
                e.valor = numero_plano(d);
                verificar_plano(*e.valor, d);
            }
            break;
        }
        default: {
            const auto* t = static_cast<const char16_t*>(sqlite3_column_text16(st, coluna));
            const int bytes = sqlite3_column_bytes16(st, coluna);
            e.valor = t == nullptr ? std::u16string()
                                   : std::u16string(t, static_cast<std::size_t>(bytes) / 2);
            break;
        }
    }
    return e;
}

// A name in another letter case: ASCII letters swapped, and the non-ASCII column's letters
// in small capitals.
std::u16string outra_caixa(std::u16string_view nome) {
    std::u16string r(nome);
    for (auto& c : r) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - 32);
        } else if ((c >= u'A' && c <= u'Z') || c == u'Ç' || c == u'Ã') {
            c = static_cast<char16_t>(c + 32);
        }
    }
    return r;
}

std::string nome_utf8(std::u16string_view s) {
    return mostrar(s);
}

void sqlite_(LeitorBytes& l) {
    executar("DELETE FROM t");
    sqlite3_stmt* insercao = nullptr;
    sqlite3_prepare_v2(banco(), "INSERT INTO t VALUES (?, ?, ?, ?, ?, ?, ?)", -1, &insercao,
                       nullptr);
    const std::size_t linhas = l.ate(4);
    for (std::size_t r = 0; r < linhas; ++r) {
        for (int c = 1; c <= static_cast<int>(NColunas); ++c) ligar(insercao, c, l);
        exigir(sqlite3_step(insercao) == SQLITE_DONE, "banco", sqlite3_errmsg(banco()));
        sqlite3_reset(insercao);
    }
    sqlite3_finalize(insercao);

    sqlite3_stmt* leitura = nullptr;
    sqlite3_prepare_v2(banco(), "SELECT * FROM t ORDER BY rowid", -1, &leitura, nullptr);
    std::optional<sqlite::RecordsetSqlite> rs;
    numero_do_erro([&] { rs.emplace(Banco, u"SELECT * FROM t ORDER BY rowid"); }, {},
                   "RecordsetSqlite");
    const std::u16string desconhecido = l.texto(24);
    const bool existe = [&] {
        for (const auto c : colunas) {
            if (letras::iguais_sem_caixa(c, desconhecido)) return true;
        }
        return false;
    }();

    std::size_t lidas = 0;
    while (sqlite3_step(leitura) == SQLITE_ROW) {
        ++lidas;
        exigir(!rs->Eof(), "RecordsetSqlite", "Eof antes da hora");
        for (std::size_t c = 0; c < NColunas; ++c) {
            const Esperado e = esperado_de(leitura, static_cast<int>(c), c == 2);
            for (const std::u16string& nome :
                 {std::u16string(colunas[c]), outra_caixa(colunas[c])}) {
                std::optional<std::u16string> obtido;
                const int32_t erro = numero_do_erro([&] { obtido = rs->Campo(nome); },
                                                    {numero_erro::Estouro}, "Campo");
                exigir(erro == e.erro, "Campo",
                       "erro " + std::to_string(erro) + " em " + nome_utf8(nome));
                if (erro == 0) {
                    exigir(obtido == e.valor, "Campo",
                           nome_utf8(nome) + ": " + (obtido ? mostrar(*obtido) : "nulo") +
                               ", esperado " + (e.valor ? mostrar(*e.valor) : "nulo"));
                }
            }
        }
        if (!existe) {
            const int32_t erro = numero_do_erro([&] { (void)rs->Campo(desconhecido); },
                                                {numero_erro::CampoInexistente}, "Campo");
            exigir(erro == numero_erro::CampoInexistente, "Campo",
                   "nome desconhecido " + mostrar(desconhecido) + " achado");
        }
        numero_do_erro([&] { rs->MoveNext(); }, {}, "MoveNext");
    }
    sqlite3_finalize(leitura);
    exigir(lidas == linhas && rs->Eof(), "RecordsetSqlite", "registros a mais ou a menos");
    const int32_t e1 = numero_do_erro([&] { (void)rs->Campo(u"a"); }, {numero_erro::IndiceInvalido},
                                      "Campo no fim");
    const int32_t e2 =
        numero_do_erro([&] { rs->MoveNext(); }, {numero_erro::IndiceInvalido}, "MoveNext no fim");
    exigir(e1 == numero_erro::IndiceInvalido && e2 == numero_erro::IndiceInvalido, "fim",
           "sem o erro 9 depois do fim");
}

// ---- In memory -------------------------------------------------------------------------------

bool e_ascii(std::u16string_view s) {
    for (const char16_t c : s) {
        if (c >= 0x80) return false;
    }
    return true;
}

bool iguais_ascii(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto baixa = [](char16_t c) {
            return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
        };
        if (baixa(a[i]) != baixa(b[i])) return false;
    }
    return true;
}

void memoria(LeitorBytes& l) {
    std::vector<headless::RecordsetMemoria::Registro> registros(l.ate(4));
    for (auto& r : registros) {
        const std::size_t campos = l.ate(5);
        for (std::size_t i = 0; i < campos; ++i) {
            std::u16string nome =
                l.booleano() ? std::u16string(colunas[l.ate(NColunas)]) : l.texto(16);
            if (l.booleano()) nome = outra_caixa(nome);
            std::optional<std::u16string> valor;
            if (l.booleano()) valor = l.texto(64);
            r.emplace_back(std::move(nome), std::move(valor));
        }
    }
    const std::u16string procurado = l.texto(16);
    headless::RecordsetMemoria rs(registros);
    for (const auto& registro : registros) {
        exigir(!rs.Eof(), "RecordsetMemoria", "Eof antes da hora");
        std::vector<std::u16string> nomes{procurado};
        for (const auto& [nome, valor] : registro) {
            nomes.push_back(nome);
            nomes.push_back(outra_caixa(nome));
        }
        for (const auto& nome : nomes) {
            // The first field whose name matches, by the library's comparison; checked
            // against a plain one for ASCII names.
            const headless::RecordsetMemoria::Campo_* achado = nullptr;
            for (const auto& campo : registro) {
                const bool iguais = letras::iguais_sem_caixa(campo.first, nome);
                exigir(iguais == letras::iguais_sem_caixa(nome, campo.first), "iguais_sem_caixa",
                       "não simétrica para " + mostrar(nome) + " e " + mostrar(campo.first));
                if (e_ascii(campo.first) && e_ascii(nome)) {
                    exigir(iguais == iguais_ascii(campo.first, nome), "iguais_sem_caixa",
                           mostrar(nome) + " e " + mostrar(campo.first));
                }
                if (iguais && achado == nullptr) achado = &campo;
            }
            std::optional<std::u16string> obtido;
            const int32_t erro = numero_do_erro([&] { obtido = rs.Campo(nome); },
                                                {numero_erro::CampoInexistente}, "Campo");
            if (achado == nullptr) {
                exigir(erro == numero_erro::CampoInexistente, "Campo", "achou " + mostrar(nome));
            } else {
                exigir(erro == 0 && obtido == achado->second, "Campo", "valor de " + mostrar(nome));
            }
        }
        numero_do_erro([&] { rs.MoveNext(); }, {}, "MoveNext");
    }
    exigir(rs.Eof(), "RecordsetMemoria", "não chegou ao fim");
    const int32_t e1 = numero_do_erro([&] { (void)rs.Campo(procurado); },
                                      {numero_erro::IndiceInvalido}, "Campo no fim");
    const int32_t e2 =
        numero_do_erro([&] { rs.MoveNext(); }, {numero_erro::IndiceInvalido}, "MoveNext no fim");
    exigir(e1 == numero_erro::IndiceInvalido && e2 == numero_erro::IndiceInvalido, "fim",
           "sem o erro 9 depois do fim");
}

}  // namespace
}  // namespace pjtCampoVivo

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The recordset opens the database by name; the name is a URI naming shared memory.
    sqlite3_config(SQLITE_CONFIG_URI, 1);
    pjtCampoVivo::banco();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    pjtCampoVivo::fuzz::LeitorBytes l(dados, tamanho);
    if (l.ate(3) == 0) {
        pjtCampoVivo::memoria(l);
    } else {
        pjtCampoVivo::sqlite_(l);
    }
    return 0;
}
