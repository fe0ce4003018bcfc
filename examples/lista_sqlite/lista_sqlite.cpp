// A lookup combo whose list comes from a SQLite table: the program writes a small database
// of cities, opens a query on it as a recordset and hands it to Carregar, the way a form
// fills a "município" field. The field is headless here (no window): the same control runs
// on Qt through CampoVivoWidget::campo(). Exits with 1 when the list differs from the table.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include <pjtcampovivo/validation/erro.hpp>

using namespace pjtCampoVivo;

namespace {

// The control's texts are UTF-16; the terminal wants UTF-8.
std::string utf8(std::u16string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            r += static_cast<char>(c);
            continue;
        }
        const int seguintes = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr unsigned char inicial[] = {0, 0xC0, 0xE0, 0xF0};
        r += static_cast<char>(inicial[seguintes] | (c >> (6 * seguintes)));
        for (int k = seguintes - 1; k >= 0; --k)
            r += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return r;
}

int falhas = 0;

void conferir(const std::string& oque, std::u16string_view obtido, std::u16string_view esperado) {
    const bool ok = obtido == esperado;
    std::printf("%-6s %s: %s\n", ok ? "ok" : "FALHA", oque.c_str(), utf8(obtido).c_str());
    if (!ok) {
        std::printf("       esperado: %s\n", utf8(esperado).c_str());
        ++falhas;
    }
}

std::u16string numero(int n) {
    std::u16string r;
    for (char c : std::to_string(n)) r += static_cast<char16_t>(c);
    return r;
}

// The table as the list must show it: ordered by name, trimmed, with the city code as the
// entry's item data.
struct Cidade {
    std::u16string_view nome;
    std::u16string_view codigo;
};
constexpr Cidade esperadas[] = {
    {u"Belo Horizonte", u"3106200"}, {u"Campinas", u"3509502"}, {u"Curitiba", u"4106902"},
    {u"Rio de Janeiro", u"3304557"}, {u"Salvador", u"2927408"}, {u"São Paulo", u"3550308"},
};

constexpr const char* banco_sql = R"(
    CREATE TABLE cidades (codigo INTEGER PRIMARY KEY, nome TEXT NOT NULL, uf TEXT);
    INSERT INTO cidades VALUES
        (3550308, 'São Paulo', 'SP'),      (3304557, '  Rio de Janeiro ', 'RJ'),
        (3106200, 'Belo Horizonte', 'MG'), (3509502, 'Campinas', 'SP'),
        (4106902, 'Curitiba', 'PR'),       (2927408, 'Salvador', 'BA');
)";

// Writes the database to arquivo, replacing any file there.
bool criar_banco(const std::filesystem::path& arquivo) {
    std::filesystem::remove(arquivo);
    sqlite3* banco = nullptr;
    char* erro = nullptr;
    const bool ok = sqlite3_open(arquivo.c_str(), &banco) == SQLITE_OK &&
                    sqlite3_exec(banco, banco_sql, nullptr, nullptr, &erro) == SQLITE_OK;
    if (!ok)
        std::printf("FALHA  criando %s: %s\n", arquivo.c_str(),
                    erro ? erro : sqlite3_errmsg(banco));
    sqlite3_free(erro);
    sqlite3_close(banco);
    return ok;
}

}  // namespace

int main() {
    const auto arquivo = std::filesystem::temp_directory_path() / "exemplo_lista_sqlite.db";
    if (!criar_banco(arquivo)) return 1;

    // The field as a host sets it up: its boxes, placed and sized, a lookup combo that only
    // accepts entries of its list.
    headless::Formulario form;
    CampoVivo campo(form.txtCombo, form.cboCombo, form.tela, form.hospedeiro);
    campo.InitProperties();
    form.hospedeiro.ao_redimensionar = [&] { campo.Resize(); };
    form.hospedeiro.redimensionar(3000, 315);
    campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));

    try {
        // The entry's text from column nome, its item data from codigo; the entry beginning
        // with "cu" (compared in capitals) is selected.
        sqlite::RecordsetSqlite rs(arquivo.string(),
                                   u"SELECT codigo, nome FROM cidades ORDER BY trim(nome)");
        campo.Carregar(&rs, u"nome", u"codigo", u"cu");

        conferir("entradas", numero(campo.ListCount()), numero(std::size(esperadas)));
        for (int16_t i = 0; i < campo.ListCount() && i < static_cast<int16_t>(std::size(esperadas));
             ++i) {
            conferir("entrada " + std::to_string(i), campo.List(i), esperadas[i].nome);
            conferir("código de " + utf8(esperadas[i].nome), campo.ItemData(i),
                     esperadas[i].codigo);
        }
        conferir("selecionada", campo.Text(), u"Curitiba");

        // The user selects the whole text and types over it: the field shows the first entry
        // that begins with what was typed, accents and all ("sa" would be Salvador).
        form.selecionar(0, static_cast<int32_t>(campo.Text().size()));
        form.teclar(u"sã");
        conferir("digitado \"sã\"", campo.Text(), u"São Paulo");
        conferir("código escolhido", campo.ItemData(campo.ListIndex()), u"3550308");
    } catch (const Erro& e) {
        std::printf("FALHA  erro %d: %s\n", e.numero(), e.what());
        ++falhas;
    }

    std::filesystem::remove(arquivo);
    std::printf("%s\n", falhas == 0 ? "lista_sqlite: tudo confere" : "lista_sqlite: há diferenças");
    return falhas == 0 ? 0 : 1;
}
