// The SQLite recordset on real database files made by the tests, alone and feeding the
// control's Carregar.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

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

// Damaged files loaded into the control: opening, preparing or stepping fails with a toolkit
// error naming the file, wherever SQLite notices the damage, and nothing else escapes.
TEST_F(BancoTeste, ArquivoCortadoOuEstragadoFalhaComErroDoToolkit) {
    executar("CREATE TABLE nomes (id INTEGER, nome TEXT);");
    executar("BEGIN;");
    for (int i = 0; i < 3000; ++i) {
        executar("INSERT INTO nomes VALUES (" + std::to_string(i) + ", '" +
                 std::string(40, static_cast<char>('a' + i % 26)) + "');");
    }
    executar("COMMIT;");
    sqlite3_close(banco_);
    banco_ = nullptr;
    std::string bom;
    {
        std::ifstream f(caminho_, std::ios::binary);
        bom.assign(std::istreambuf_iterator<char>(f), {});
    }
    ASSERT_GT(bom.size(), 64u * 1024);
    std::string paginas_trocadas = bom;  // the schema intact, table pages overwritten
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
    };
    const fs::path estragado = caminho_.string() + ".estragado";
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        {
            std::ofstream f(estragado, std::ios::binary | std::ios::trunc);
            f << c.conteudo;
        }
        teste::Sessao s;
        s.campo.Estilo(1);
        try {
            RecordsetSqlite rs(estragado.string(), u"SELECT id, nome FROM nomes ORDER BY id");
            s.campo.Carregar(&rs, u"nome", u"id");
            ADD_FAILURE() << "a damaged file must fail";
        } catch (const Erro& e) {
            EXPECT_EQ(e.tipo(), TipoErro::Toolkit) << e.what();
            EXPECT_NE(std::string(e.what()).find(estragado.string()), std::string::npos)
                << e.what();
        }
        // Whatever loaded before the damage is consistent.
        EXPECT_EQ(s.campo.estado().itemData.size(), static_cast<std::size_t>(s.campo.ListCount()));
    }
    fs::remove(estragado);
}

// The query's columns do not have the field the control asks for: unknown field, 3265, for
// the item, the item data, or a prefix's field, with nothing loaded.
TEST_F(BancoTeste, CarregarCampoDesconhecidoFalhaCom3265) {
    const struct {
        std::u16string item, item_data;
    } casos[] = {
        {u"populacao", u""},
        {u"nome", u"id"},
        {u"nome ", u"codigo"},
    };
    for (const auto& c : casos) {
        teste::Sessao s;
        s.campo.Estilo(2);
        RecordsetSqlite rs(arquivo(), u"SELECT nome, codigo FROM cidades WHERE codigo IS NOT NULL");
        const std::optional<Erro> e =
            teste::falha_de([&] { s.campo.Carregar(&rs, c.item, c.item_data); });
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->numero(), numero_erro::CampoInexistente);
        EXPECT_EQ(s.campo.ListCount(), 0);
    }
}

// A writer holding the lock only for a moment: the reader waits for it instead of failing.
TEST_F(BancoTeste, BancoTravadoPorUmMomentoEsperaALiberacao) {
    executar("BEGIN EXCLUSIVE; INSERT INTO cidades VALUES (1, 'Nova', 'AC', 0, 1.0);");
    std::thread escritor([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        executar("COMMIT;");
    });
    std::optional<Erro> falha;
    std::optional<std::u16string> nome;
    try {
        RecordsetSqlite rs(arquivo(), u"SELECT nome FROM cidades WHERE uf = 'AC'");
        nome = rs.Campo(u"nome");
    } catch (const Erro& e) {
        falha = e;
    }
    escritor.join();
    ASSERT_FALSE(falha.has_value()) << falha->what();
    EXPECT_EQ(nome, u"Nova");
}

// In write-ahead mode recent pages live beside the file, which is then shorter than the
// database: that is not a cut file.
TEST_F(BancoTeste, BancoEmModoWalNaoPareceCortado) {
    executar("PRAGMA journal_mode=WAL; CREATE TABLE nomes (nome TEXT);");
    executar("BEGIN;");
    for (int i = 0; i < 500; ++i)
        executar("INSERT INTO nomes VALUES ('" + std::string(100, 'n') + "');");
    executar("COMMIT;");
    ASSERT_LT(fs::file_size(caminho_), 500u * 100);
    RecordsetSqlite rs(arquivo(), u"SELECT count(*) AS n FROM nomes");
    EXPECT_EQ(rs.Campo(u"n"), u"500");
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
