// The SQLite recordset on real database files made by the tests, alone and feeding the
// control's Carregar.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "control/campo_vivo.hpp"
#include "support/sessao_headless.hpp"
#include "toolkit/sqlite/recordset_sqlite.hpp"
#include "validation/erro.hpp"

namespace pjtCampoVivo {
namespace {

namespace fs = std::filesystem;
using sqlite::RecordsetSqlite;

// A fresh database file per test, removed afterwards.
class BancoTeste : public ::testing::Test {
  protected:
    void SetUp() override {
        caminho_ =
            fs::temp_directory_path() /
            ("campovivo_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".db");
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
        sqlite3_close(banco_);
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
}

TEST_F(BancoTeste, CampoDesconhecidoFalhaCom3265) {
    RecordsetSqlite rs(arquivo(), u"SELECT nome FROM cidades");
    try {
        rs.Campo(u"populacao");
        FAIL() << "an unknown field must fail";
    } catch (const Erro& e) {
        EXPECT_EQ(e.numero(), 3265);
        EXPECT_EQ(e.tipo(), TipoErro::CampoInexistente);
    }
}

TEST_F(BancoTeste, ConsultaVaziaComecaNoFim) {
    RecordsetSqlite rs(arquivo(), u"SELECT * FROM cidades WHERE uf = 'AC'");
    EXPECT_TRUE(rs.Eof());
}

TEST_F(BancoTeste, ArquivoFaltandoOuCorrompidoDizOndeEOQue) {
    const fs::path corrompido = caminho_.string() + ".corrompido";
    {
        std::ofstream f(corrompido, std::ios::binary);
        f << std::string(4096, 'x');
    }
    struct Caso {
        std::string arquivo;
        std::u16string sql;
    } casos[] = {
        {(fs::temp_directory_path() / "campovivo_nao_existe.db").string(), u"SELECT 1"},
        {corrompido.string(), u"SELECT * FROM cidades"},
        {arquivo(), u"SELECT * FROM tabela_inexistente"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arquivo);
        try {
            RecordsetSqlite rs(c.arquivo, c.sql);
            FAIL() << "opening must fail";
        } catch (const Erro& e) {
            EXPECT_EQ(e.tipo(), TipoErro::Toolkit);
            EXPECT_NE(std::string(e.what()).find(c.arquivo), std::string::npos) << e.what();
        }
    }
    fs::remove(corrompido);
}

TEST_F(BancoTeste, BancoTravadoParaEscritaAindaSeLe) {
    executar("BEGIN IMMEDIATE; INSERT INTO cidades VALUES (1, 'Nova', 'AC', 0, 1.0);");
    RecordsetSqlite rs(arquivo(), u"SELECT nome FROM cidades WHERE uf = 'SP'");
    EXPECT_EQ(rs.Campo(u"nome"), u"São Paulo");
    executar("ROLLBACK;");
}

TEST_F(BancoTeste, BancoTravadoComExclusividadeFalhaComClareza) {
    executar("BEGIN EXCLUSIVE; INSERT INTO cidades VALUES (1, 'Nova', 'AC', 0, 1.0);");
    try {
        RecordsetSqlite rs(arquivo(), u"SELECT nome FROM cidades");
        FAIL() << "reading a database locked by a writer must fail";
    } catch (const Erro& e) {
        EXPECT_EQ(e.numero(), SQLITE_BUSY);
        EXPECT_EQ(e.tipo(), TipoErro::Toolkit);
        EXPECT_NE(std::string(e.what()).find(arquivo()), std::string::npos);
    }
    executar("ROLLBACK;");
}

TEST_F(BancoTeste, CarregarMilharesDeLinhasNoControle) {
    executar("CREATE TABLE nomes (id INTEGER, nome TEXT);");
    executar("BEGIN;");
    for (int i = 0; i < 5000; ++i) {
        executar("INSERT INTO nomes VALUES (" + std::to_string(i) + ", 'Nome " + std::to_string(i) +
                 "');");
    }
    executar("COMMIT;");
    teste::Sessao s;
    s.campo.Estilo(2);
    RecordsetSqlite rs(arquivo(), u"SELECT id, nome FROM nomes ORDER BY id");
    s.campo.Carregar(&rs, u"NOME", u"ID", u"nome 4999");
    EXPECT_EQ(s.campo.ListCount(), 5000);
    EXPECT_EQ(s.campo.List(1234), u"Nome 1234");
    EXPECT_EQ(s.campo.ItemData(1234), u"1234");
    EXPECT_EQ(s.campo.ListIndex(), 4999);
    EXPECT_EQ(s.campo.Text(), u"Nome 4999");
    EXPECT_TRUE(rs.Eof());
}

TEST_F(BancoTeste, CarregarComValorNuloGuardaOQueJaCarregou) {
    teste::Sessao s;
    s.campo.Estilo(1);
    RecordsetSqlite rs(arquivo(), u"SELECT nome FROM cidades ORDER BY rowid");
    try {
        s.campo.Carregar(&rs, u"nome");
        FAIL() << "a null name must fail";
    } catch (const Erro& e) {
        EXPECT_EQ(e.numero(), 94);
    }
    ASSERT_EQ(s.campo.ListCount(), 4);
    EXPECT_EQ(s.campo.List(1), u"Rio de Janeiro");  // trimmed
    EXPECT_EQ(s.campo.ItemData(3), u"");
}

}  // namespace
}  // namespace pjtCampoVivo
