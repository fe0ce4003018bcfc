// A recordset over a SQLite query: the statement is prepared once and stepped lazily, one
// row per MoveNext, so a list can be loaded from a table of any size without holding it.
// Values read as a recordset user expects: NULL is a null value, integers are their digits,
// other numbers take the engine's plain decimal form ("1234,5"), columns declared BOOLEAN
// read "Verdadeiro" or "Falso", text is text. Field names are matched without regard to
// case ("NOME" finds the column nome).
#pragma once

#include <memory>
#include <optional>
#include <pjtcampovivo/sqlite_export.hpp>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/toolkit/recordset.hpp>

struct sqlite3;
struct sqlite3_stmt;

namespace pjtCampoVivo::sqlite {

class PJTCAMPOVIVO_SQLITE_EXPORT RecordsetSqlite final : public Recordset {
  public:
    // Opens arquivo (UTF-8 path) read-only and runs sql on it. A missing, locked, cut short or
    // corrupt file, or a statement SQLite refuses, fails with a toolkit error that names the
    // file and SQLite's own message.
    RecordsetSqlite(const std::string& arquivo, std::u16string_view sql);
    RecordsetSqlite(const RecordsetSqlite&) = delete;
    RecordsetSqlite& operator=(const RecordsetSqlite&) = delete;

    bool Eof() const override { return fim_; }
    std::optional<std::u16string> Campo(std::u16string_view nome) const override;
    void MoveNext() override;

  private:
    void passo();
    void exigir_arquivo_inteiro() const;
    [[noreturn]] void falhar(int codigo, const std::string& oque) const;

    // Closed by their owners even when opening fails half-way.
    struct FecharBanco {
        void operator()(sqlite3* banco) const noexcept;
    };
    struct FinalizarConsulta {
        void operator()(sqlite3_stmt* consulta) const noexcept;
    };

    std::string arquivo_;
    std::unique_ptr<sqlite3, FecharBanco> banco_;
    std::unique_ptr<sqlite3_stmt, FinalizarConsulta> consulta_;
    std::vector<std::u16string> colunas_dobradas_;
    std::vector<bool> colunas_booleanas_;
    bool fim_ = false;
};

}  // namespace pjtCampoVivo::sqlite
