// The SQLite recordset on database files made by the tests, alone and feeding Carregar, with
// the database's own faults. What Carregar makes of a recordset's fields and NULLs is the
// control's (tests/control, on a recordset in memory).
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

namespace fs = std::filesystem;
using sqlite::RecordsetSqlite;

class BancoTeste : public ::testing::Test {
  protected:
    void SetUp() override {
        // One file per test and process: builds of several trees may run these at once.
        caminho_ = fs::temp_directory_path() /
                   ("campovivo_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db");
        fs::remove(caminho_);
        ASSERT_EQ(sqlite3_open(caminho_.c_str(), &banco_), SQLITE_OK);
        executar(
            "CREATE TABLE cidades (codigo INTEGER, Nome TEXT, uf TEXT, capital BOOLEAN, area REAL);"
            "INSERT INTO cidades VALUES (3550308, 'São Paulo', 'SP', 1, 1521.11),"
            " (3304557, '  Rio de Janeiro ', 'RJ', 1, 1200.329),"
            " (3106200, 'Belo Horizonte', 'MG', 1, NULL),"
            " (3509502, 'Campinas', 'SP', 0, 0.05),"
            " (NULL, NULL, 'XX', 0, 1e-7);");
    }
    void TearDown() override {
        if (banco_ != nullptr) sqlite3_close(banco_);
        fs::remove(caminho_);
    }
    void executar(const std::string& sql) {
        char* erro = nullptr;
        ASSERT_EQ(sqlite3_exec(banco_, sql.c_str(), nullptr, nullptr, &erro), SQLITE_OK)
            << (erro ? erro : "");
    }
    std::string arquivo() const { return caminho_.string(); }

    fs::path caminho_;
    sqlite3* banco_ = nullptr;
};

TEST_F(BancoTeste, LeValoresComoUmRecordset) {
    RecordsetSqlite rs(arquivo(), u"SELECT * FROM cidades ORDER BY rowid");
    struct Linha {
        std::optional<std::u16string> codigo, nome, capital, area;
    };
    const Linha esperadas[] = {
        {u"3550308", u"São Paulo", u"Verdadeiro", u"1521,11"},
        {u"3304557", u"  Rio de Janeiro ", u"Verdadeiro", u"1200,329"},
        {u"3106200", u"Belo Horizonte", u"Verdadeiro", std::nullopt},
        {u"3509502", u"Campinas", u"Falso", u"0,05"},
        {std::nullopt, std::nullopt, u"Falso", u"1E-07"},
    };
    // Names match without regard to case, but whole.
    for (const std::u16string_view ausente : {u"populacao", u"nome "})
        EXPECT_EQ(teste::numero_de([&] { rs.Campo(ausente); }), numero_erro::CampoInexistente);
    for (const auto& e : esperadas) {
        ASSERT_FALSE(rs.Eof());
        EXPECT_EQ(rs.Campo(u"codigo"), e.codigo);
        EXPECT_EQ(rs.Campo(u"nome"), e.nome);
        EXPECT_EQ(rs.Campo(u"CAPITAL"), e.capital);
        EXPECT_EQ(rs.Campo(u"Area"), e.area);
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.MoveNext(), Erro);
    EXPECT_TRUE(RecordsetSqlite(arquivo(), u"SELECT * FROM cidades WHERE uf = 'AC'").Eof());
}

// Missing or damaged files fail with a toolkit error naming the file,
// wherever SQLite notices it, and what loaded before stays consistent.
TEST_F(BancoTeste, ArquivoCortadoOuEstragadoFalhaComErroDoToolkit) {
    // 3000 names of 40 times one letter, 'a' + id % 26.
    executar(
        "CREATE TABLE nomes (id INTEGER, nome TEXT); INSERT INTO nomes WITH RECURSIVE"
        " n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999) SELECT i,"
        " replace(hex(zeroblob(40)), '00', char(97 + i % 26)) FROM n;");
    sqlite3_close(banco_);
    banco_ = nullptr;
    std::ifstream f(caminho_, std::ios::binary);
    const std::string bom{std::istreambuf_iterator<char>(f), {}};
    ASSERT_GT(bom.size(), 64u * 1024);
    std::string paginas_trocadas = bom;  // schema intact, table pages overwritten
    for (std::size_t i = 8192; i < paginas_trocadas.size(); i += 97)
        paginas_trocadas[i] = static_cast<char>(i * 31);
    const struct {
        const char* caso;
        std::string conteudo;
    } casos[] = {
        {"header cut", bom.substr(0, 50)},
        {"half the pages", bom.substr(0, bom.size() / 2)},
        {"last page cut", bom.substr(0, bom.size() - 100)},
        {"pages overwritten", paginas_trocadas},
        {"a text file", "id,nome\n1,Ana\n"},
        {"missing", ""},
        {"intact", bom},
    };
    const fs::path estragado = caminho_.string() + ".estragado";
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        fs::remove(estragado);
        if (!c.conteudo.empty()) std::ofstream(estragado, std::ios::binary) << c.conteudo;
        teste::Sessao s;
        s.campo.Estilo(1);
        const std::optional<Erro> e = teste::falha_de([&] {
            RecordsetSqlite rs(estragado.string(), u"SELECT id, nome FROM nomes ORDER BY id");
            s.campo.Carregar(&rs, u"NOME", u"ID", u"m");
        });
        if (c.conteudo == bom) {
            ASSERT_FALSE(e.has_value()) << e->what();
            EXPECT_EQ(s.campo.ListCount(), 3000);
            EXPECT_EQ(s.campo.ItemData(1234), u"1234");
            EXPECT_EQ(s.campo.ListIndex(), 2976);  // the last of the names in m
            continue;
        }
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->tipo(), TipoErro::Toolkit) << e->what();
        EXPECT_NE(std::string(e->what()).find(estragado.string()), std::string::npos) << e->what();
        // Whatever loaded before the damage is consistent.
        EXPECT_EQ(s.campo.estado().itemData.size(), static_cast<std::size_t>(s.campo.ListCount()));
    }
    fs::remove(estragado);
}

// A writer that keeps the lock makes the reader fail with SQLITE_BUSY once its wait is over; one
// that holds it only for a moment is waited for.
TEST_F(BancoTeste, BancoTravadoEsperaOuFalhaComClareza) {
    executar("BEGIN EXCLUSIVE; INSERT INTO cidades VALUES (1, 'Nova', 'AC', 0, 1.0);");
    const std::u16string sql = u"SELECT nome FROM cidades WHERE uf = 'AC'";
    const std::optional<Erro> e = teste::falha_de([&] { RecordsetSqlite rs(arquivo(), sql); });
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->numero(), SQLITE_BUSY);
    EXPECT_EQ(e->tipo(), TipoErro::Toolkit);
    EXPECT_NE(std::string(e->what()).find(arquivo()), std::string::npos);
    std::thread escritor([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        executar("COMMIT;");
    });
    std::optional<std::u16string> nome;
    const std::optional<Erro> espera =
        teste::falha_de([&] { nome = RecordsetSqlite(arquivo(), sql).Campo(u"nome"); });
    escritor.join();
    ASSERT_FALSE(espera.has_value()) << espera->what();
    EXPECT_EQ(nome, u"Nova");
}

// In write-ahead mode recent pages live beside the file, which is then shorter than the
// database: that is not a cut file.
TEST_F(BancoTeste, BancoEmModoWalNaoPareceCortado) {
    executar(
        "PRAGMA journal_mode=WAL; CREATE TABLE nomes (nome TEXT); INSERT INTO nomes WITH"
        " RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) SELECT"
        " replace(hex(zeroblob(100)), '00', 'n') FROM n;");
    ASSERT_LT(fs::file_size(caminho_), 500u * 100);
    RecordsetSqlite rs(arquivo(), u"SELECT count(*) AS n FROM nomes");
    EXPECT_EQ(rs.Campo(u"n"), u"500");
}

}  // namespace
}  // namespace pjtCampoVivo
