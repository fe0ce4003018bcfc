#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::sqlite {

namespace {

std::u16string ascii(const std::string& s) {
    return {s.begin(), s.end()};
}

bool declarada_booleana(const char* tipo) {
    if (tipo == nullptr) return false;
    std::string t(tipo);
    for (auto& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t == "BOOLEAN" || t == "BOOL";
}

}  // namespace

void RecordsetSqlite::FecharBanco::operator()(sqlite3* banco) const noexcept {
    sqlite3_close_v2(banco);
}

void RecordsetSqlite::FinalizarConsulta::operator()(sqlite3_stmt* consulta) const noexcept {
    sqlite3_finalize(consulta);
}

RecordsetSqlite::RecordsetSqlite(const std::string& arquivo, std::u16string_view sql)
    : arquivo_(arquivo) {
    sqlite3* banco = nullptr;
    const int aberto = sqlite3_open_v2(arquivo.c_str(), &banco, SQLITE_OPEN_READONLY, nullptr);
    banco_.reset(banco);  // SQLite hands out a handle even when opening fails
    if (aberto != SQLITE_OK) falhar(aberto, "não foi possível abrir o banco");
    // A locked database is waited for a moment before the failure is reported.
    sqlite3_busy_timeout(banco, 1000);
    exigir_arquivo_inteiro();
    sqlite3_stmt* consulta = nullptr;
    const int preparado = sqlite3_prepare16_v3(
        banco, sql.data(), para_int32(sql.size() * sizeof(char16_t)), 0, &consulta, nullptr);
    consulta_.reset(consulta);
    if (preparado != SQLITE_OK) falhar(preparado, "consulta recusada");
    const int colunas = sqlite3_column_count(consulta);
    for (int i = 0; i < colunas; ++i) {
        const auto* nome = static_cast<const char16_t*>(sqlite3_column_name16(consulta, i));
        colunas_dobradas_.push_back(
            letras::dobrar(nome != nullptr ? std::u16string_view(nome) : u""));
        colunas_booleanas_.push_back(declarada_booleana(sqlite3_column_decltype(consulta, i)));
    }
    passo();
}

// SQLite reads the missing end of a cut file as zeros, which it takes for valid records with
// null or wrong values. A database not kept in write-ahead mode holds all its pages in the
// file, so a file shorter than its header says is refused at once.
void RecordsetSqlite::exigir_arquivo_inteiro() const {
    sqlite3_int64 paginas = 0;
    sqlite3_int64 tamanho_pagina = 0;
    std::string modo;
    const auto ler = [&](const char* pragma, const auto& guardar) {
        sqlite3_stmt* consulta = nullptr;
        const int r = sqlite3_prepare_v2(banco_.get(), pragma, -1, &consulta, nullptr);
        const std::unique_ptr<sqlite3_stmt, FinalizarConsulta> dona(consulta);
        if (r != SQLITE_OK) falhar(r, "não foi possível abrir o banco");
        const int passo = sqlite3_step(consulta);
        if (passo == SQLITE_ROW) {
            guardar(consulta);
        } else if (passo != SQLITE_DONE) {
            falhar(passo, "não foi possível abrir o banco");
        }
    };
    ler("PRAGMA page_count", [&](sqlite3_stmt* c) { paginas = sqlite3_column_int64(c, 0); });
    ler("PRAGMA page_size", [&](sqlite3_stmt* c) { tamanho_pagina = sqlite3_column_int64(c, 0); });
    ler("PRAGMA journal_mode", [&](sqlite3_stmt* c) {
        const auto* texto = sqlite3_column_text(c, 0);
        if (texto != nullptr) modo = reinterpret_cast<const char*>(texto);
    });
    if (modo == "wal") return;
    std::error_code erro;
    const auto tamanho = std::filesystem::file_size(arquivo_, erro);
    if (erro) return;  // not a plain file (":memory:", a URI): nothing to compare
    if (static_cast<std::uintmax_t>(paginas) * static_cast<std::uintmax_t>(tamanho_pagina) >
        tamanho) {
        throw Erro(SQLITE_CORRUPT, TipoErro::Toolkit,
                   "SQLite: arquivo cortado em " + arquivo_ + ": o cabeçalho indica " +
                       std::to_string(paginas * tamanho_pagina) + " bytes, o arquivo tem " +
                       std::to_string(tamanho));
    }
}

void RecordsetSqlite::falhar(int codigo, const std::string& oque) const {
    std::string mensagem = "SQLite: " + oque + " em " + arquivo_;
    if (banco_ != nullptr) mensagem += ": " + std::string(sqlite3_errmsg(banco_.get()));
    throw Erro(codigo, TipoErro::Toolkit, mensagem);
}

void RecordsetSqlite::passo() {
    const int r = sqlite3_step(consulta_.get());
    if (r == SQLITE_ROW) return;
    if (r == SQLITE_DONE) {
        fim_ = true;
        return;
    }
    falhar(r, "falha ao ler o próximo registro");
}

void RecordsetSqlite::MoveNext() {
    if (fim_) throw Erro::indice_invalido("MoveNext além do último registro");
    passo();
}

std::optional<std::u16string> RecordsetSqlite::Campo(std::u16string_view nome) const {
    if (fim_) throw Erro::indice_invalido("Não há registro atual: o recordset está no fim");
    const std::u16string procurado = letras::dobrar(nome);
    for (std::size_t i = 0; i < colunas_dobradas_.size(); ++i) {
        if (colunas_dobradas_[i] != procurado) continue;
        const int coluna = static_cast<int>(i);
        switch (sqlite3_column_type(consulta_.get(), coluna)) {
            case SQLITE_NULL:
                return std::nullopt;
            case SQLITE_INTEGER: {
                const sqlite3_int64 n = sqlite3_column_int64(consulta_.get(), coluna);
                if (colunas_booleanas_[i]) return std::u16string(n != 0 ? u"Verdadeiro" : u"Falso");
                return ascii(std::to_string(n));
            }
            case SQLITE_FLOAT:
                return numero_plano(sqlite3_column_double(consulta_.get(), coluna));
            default: {
                const auto* texto =
                    static_cast<const char16_t*>(sqlite3_column_text16(consulta_.get(), coluna));
                const int bytes = sqlite3_column_bytes16(consulta_.get(), coluna);
                if (texto == nullptr) return std::u16string();
                return std::u16string(texto, static_cast<std::size_t>(bytes) / sizeof(char16_t));
            }
        }
    }
    throw Erro(numero_erro::CampoInexistente, TipoErro::CampoInexistente,
               "Campo inexistente no recordset");
}

}  // namespace pjtCampoVivo::sqlite
