#include "cli/carregar.hpp"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/linhas.hpp"
#include "cli/palco.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

// The list as the field holds it after Carregar, whether it finished or not.
struct ListaCarregada {
    std::vector<std::u16string> textos;
    std::vector<std::u16string> dados;
    int16_t indice = -1;
    std::u16string selecionado;
};

ListaCarregada ler_lista(CampoVivo& campo) {
    ListaCarregada l;
    const int16_t quantos = campo.ListCount();
    for (int16_t i = 0; i < quantos; ++i) {
        l.textos.push_back(campo.List(i));
        l.dados.push_back(campo.ItemData(i));
    }
    // The control's remembered position: after a failure it may name an entry the box has
    // not selected yet, which is what a program reading ListIndex would get.
    l.indice = campo.ListIndex();
    if (l.indice >= 0 && l.indice < quantos)
        l.selecionado = l.textos[static_cast<std::size_t>(l.indice)];
    return l;
}

void escrever_plano(const ListaCarregada& l, bool com_dados) {
    std::string linha;
    for (std::size_t i = 0; i < l.textos.size(); ++i) {
        linha.clear();
        anexar_utf16_como_utf8(l.textos[i], linha);
        if (com_dados) {
            linha += '\t';
            anexar_utf16_como_utf8(l.dados[i], linha);
        }
        escrever_linha(linha);
    }
    linha = "ListIndex\t" + std::to_string(l.indice) + "\t";
    anexar_utf16_como_utf8(l.selecionado, linha);
    escrever_linha(linha);
}

void escrever_json(const ListaCarregada& l, const std::optional<Erro>& falha) {
    std::string linha;
    EscritorJson j(linha);
    j.abrir_objeto().chave("entradas").abrir_lista();
    for (std::size_t i = 0; i < l.textos.size(); ++i) {
        j.abrir_objeto().chave("texto").texto(l.textos[i]);
        j.chave("itemData").texto(l.dados[i]).fechar_objeto();
    }
    j.fechar_lista();
    j.chave("ListIndex").numero(l.indice).chave("texto").texto(l.selecionado);
    j.chave("erro");
    if (falha) {
        j.abrir_objeto().chave("numero").numero(falha->numero());
        j.chave("tipo").texto(utf8_para_utf16(nome_tipo_erro(falha->tipo())));
        j.chave("descricao").texto(utf8_para_utf16(falha->descricao()));
        j.fechar_objeto();
    } else {
        j.nulo();
    }
    j.fechar_objeto();
    escrever_linha(linha);
}

std::string descrever(const Erro& e) {
    return std::string(e.descricao()) + " (error " + std::to_string(e.numero()) + ", " +
           std::string(nome_tipo_erro(e.tipo())) + ")";
}

}  // namespace

int comando_carregar(const OpcoesCarregar& o) {
    if (o.arquivo.empty()) throw ErroCli("--sqlite needs a file name");
    // SQLite prepares the statement and reads its first row here: a database it cannot open
    // and a statement it refuses are the tool's input errors, not Carregar's.
    std::unique_ptr<sqlite::RecordsetSqlite> rs;
    try {
        rs = std::make_unique<sqlite::RecordsetSqlite>(o.arquivo, utf8_para_utf16(o.sql));
    } catch (const Erro& e) {
        throw ErroCli(descrever(e));
    }

    const std::unique_ptr<Palco> palco = criar_palco_headless();
    CampoVivo& campo = palco->campo();
    // Carregar fills the combo box in either lookup style; this one offers only the loaded
    // entries, as a list read from a table does.
    campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    std::optional<Erro> falha;
    try {
        campo.Carregar(rs.get(), utf8_para_utf16(o.item), utf8_para_utf16(o.item_data),
                       utf8_para_utf16(o.posicionar), utf8_para_utf16(o.posicionar_item_data));
    } catch (const Erro& e) {
        falha = e;
    }

    const ListaCarregada lista = ler_lista(campo);
    if (o.json) {
        escrever_json(lista, falha);
    } else {
        escrever_plano(lista, !o.item_data.empty());
    }
    if (!falha) return status_sucesso;
    std::fflush(stdout);
    std::fprintf(stderr, "campovivo: Carregar: %s\n", descrever(*falha).c_str());
    return status_invalido;
}

}  // namespace pjtCampoVivo::cli
