// campovivo: the formatting engine and validators of pjtCampoVivo from the command line.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/versao.hpp>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "cli/carregar.hpp"
#include "cli/comandos.hpp"
#include "cli/erro_cli.hpp"
#include "cli/mascara_opcao.hpp"
#include "cli/roteiro.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

// What the command line asked for, before the defaults that depend on the mask are known.
struct Pedido {
    std::string mascara;
    int casas = 0;
    int max_length = 0;
    bool movido = false;
    bool ponto = false;
    bool json = false;
    bool alfanumerico = false;
    bool ddd = false;
    std::string uf;
    std::vector<std::string> textos;
    std::string roteiro = "-";
    std::string toolkit = "headless";
    OpcoesCarregar carregar;
};

struct Subcomandos {
    CLI::App* formatar;
    CLI::App* saida;
    CLI::App* validar;
    CLI::App* mascaras;
    CLI::App* roteiro;
    CLI::App* carregar;
    CLI::Option* casas_formatar;
    CLI::Option* max_formatar;
    CLI::Option* casas_saida;
};

void opcao_mascara(CLI::App* app, Pedido& p) {
    app->add_option("--mascara,-m", p.mascara,
                    "mask: its number (0-15), its name or the name's first word (CNPJ)")
        ->required();
}

// The settings that switch a variant on beside the mask, the same on every value command.
void opcoes_variantes(CLI::App* app, Pedido& p) {
    app->add_flag("--alfanumerico", p.alfanumerico,
                  "CNPJ mask only: the first twelve positions may hold capital letters");
    app->add_flag("--ddd", p.ddd,
                  "Telefone mask only: the number with its area code, \"(11) 91234-5678\", "
                  "or a service number, \"0800 123 4567\"");
    app->add_option("--uf", p.uf,
                    "InscricaoEstadual mask only: the numbers of this unit (SP, ba, ...), shaped "
                    "and checked by its rules");
}

void opcao_textos(CLI::App* app, Pedido& p) {
    app->add_option("texto", p.textos,
                    "values; without any, one value a line from standard input "
                    "(put -- before values that start with -)");
}

void declarar_carregar(Subcomandos& s, CLI::App& app, OpcoesCarregar& o) {
    s.carregar = app.add_subcommand(
        "carregar", "load a field's list from a SQLite query as Carregar does, and print it");
    s.carregar->add_option("--sqlite", o.arquivo, "database file, opened read-only")->required();
    s.carregar->add_option("--sql", o.sql, "the query whose rows become the entries")->required();
    s.carregar->add_option("--item", o.item, "field of each entry's text (Item)")->required();
    CLI::Option* item_data = s.carregar->add_option(
        "--itemdata", o.item_data, "field of each entry's item data (ItemData; default: none)");
    s.carregar->add_option("--posicionar", o.posicionar,
                           "select the last entry whose text begins with this (ItemAPosicionar)");
    s.carregar
        ->add_option("--posicionar-itemdata", o.posicionar_item_data,
                     "select the last entry whose item data begins with this "
                     "(ItemDataAPosicionar)")
        ->needs(item_data);
    s.carregar->add_flag("--json", o.json, "one JSON object with the entries and the selection");
}

Subcomandos declarar(CLI::App& app, Pedido& p) {
    Subcomandos s{};
    s.formatar = app.add_subcommand("formatar", "display text of each value, as a field shows it");
    opcao_mascara(s.formatar, p);
    s.casas_formatar =
        s.formatar
            ->add_option("--casas", p.casas, "decimal places of mask 1 (default: 2 for mask 1)")
            ->check(CLI::Range(0, 9));
    s.max_formatar = s.formatar
                         ->add_option("--max", p.max_length,
                                      "MaxLength (default: the mask's; 0 or less means 50)")
                         ->check(CLI::Range(-32768, 32767));
    s.formatar->add_flag("--movido", p.movido, "the value is assigned whole, not typed");
    s.formatar->add_flag("--json", p.json, "one JSON object per value");
    opcoes_variantes(s.formatar, p);
    opcao_textos(s.formatar, p);

    s.saida = app.add_subcommand("saida", "plain value of each display text");
    opcao_mascara(s.saida, p);
    s.casas_saida =
        s.saida->add_option("--casas", p.casas, "decimal places of mask 1 (default: 2 for mask 1)")
            ->check(CLI::Range(0, 9));
    s.saida->add_flag("--ponto", p.ponto, "decimal point instead of comma, 0 for empty");
    s.saida->add_flag("--json", p.json, "one JSON object per value");
    opcoes_variantes(s.saida, p);
    opcao_textos(s.saida, p);

    s.validar = app.add_subcommand("validar", "check each value as a field does on leaving it");
    opcao_mascara(s.validar, p);
    s.validar->add_flag("--json", p.json, "one JSON object per value");
    opcoes_variantes(s.validar, p);
    opcao_textos(s.validar, p);

    s.mascaras = app.add_subcommand("mascaras", "list the masks");

    s.roteiro = app.add_subcommand("roteiro", "replay a session script (JSON Lines)");
    s.roteiro->add_option("arquivo", p.roteiro, "script file; - or nothing for standard input");
    s.roteiro
        ->add_option("--toolkit", p.toolkit,
                     "the field's widgets: headless (default) or qt (real Qt widgets, offscreen "
                     "unless QT_QPA_PLATFORM says otherwise)")
        ->check(CLI::IsMember({"headless", "qt"}));
    declarar_carregar(s, app, p.carregar);
    return s;
}

int executar(const Subcomandos& s, const Pedido& p) {
    if (s.mascaras->parsed()) return comando_mascaras();
    if (s.carregar->parsed()) return comando_carregar(p.carregar);
    if (s.roteiro->parsed()) {
        FabricaPalco fabrica = criar_palco_headless;
        if (p.toolkit == "qt") {
            fabrica = fabrica_palco_qt();
            if (!fabrica)
                throw ErroCli("this campovivo was built without Qt: --toolkit qt is not available");
        }
        return executar_roteiro(p.roteiro, fabrica);
    }
    const int32_t mascara = interpretar_mascara(p.mascara);
    if (p.alfanumerico && mascara != valor(eMascara::CNPJ))
        throw ErroCli("--alfanumerico applies only to mask 14 (CNPJ)");
    if (p.ddd && mascara != valor(eMascara::Telefone))
        throw ErroCli("--ddd applies only to mask 11 (Telefone)");
    const std::u16string uf = utf8_para_utf16(p.uf);
    if (!p.uf.empty()) {
        if (mascara != valor(eMascara::InscricaoEstadual))
            throw ErroCli("--uf applies only to mask 15 (InscricaoEstadual)");
        if (!Comuns::UFConhecida(uf)) {
            std::string siglas;
            for (const std::u16string_view s : Comuns::SiglasUF())
                siglas += (siglas.empty() ? "" : " ") + utf16_para_utf8(s);
            throw ErroCli("unknown unit '" + p.uf + "' (the units are " + siglas + ")");
        }
    }
    // --casas and --max default to what a field's Mascara property (and the variant's
    // setting) sets for the mask.
    ConfiguracaoMascara padrao = *configuracao_mascara(mascara);
    if (p.ddd) padrao.max_length = variante_mascara(u"TelefoneDDD")->max_length;
    AjustesCampo campo;
    campo.mascara = mascara;
    campo.cnpj_alfanumerico = p.alfanumerico;
    campo.telefone_ddd = p.ddd;
    campo.uf = uf;
    if (s.formatar->parsed()) {
        OpcoesFormatar o;
        o.campo = campo;
        o.campo.casas_decimais = s.casas_formatar->count() ? p.casas : padrao.casas_decimais;
        o.campo.max_length =
            s.max_formatar->count() ? static_cast<int16_t>(p.max_length) : padrao.max_length;
        o.movido = p.movido;
        o.json = p.json;
        return comando_formatar(o, p.textos);
    }
    if (s.saida->parsed()) {
        OpcoesSaida o;
        o.campo = campo;
        o.campo.casas_decimais = s.casas_saida->count() ? p.casas : padrao.casas_decimais;
        o.ponto = p.ponto;
        o.json = p.json;
        return comando_saida(o, p.textos);
    }
    OpcoesValidar o;
    o.campo = campo;
    o.json = p.json;
    return comando_validar(o, p.textos);
}

// Every argument must be UTF-8 before anything reads it.
void validar_argumentos(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        try {
            validar_utf8(argv[i]);
        } catch (const Utf8Invalido& e) {
            throw ErroCli("argument " + std::to_string(i) + ": " + e.what());
        }
    }
}

// CLI11 stops taking values at "--" when one value came before it, so everything after the
// first "--" is set aside before parsing and handed over as values afterwards.
std::vector<std::string> separar_literais(int& argc, char** argv) {
    std::vector<std::string> literais;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) != "--") continue;
        literais.assign(argv + i + 1, argv + argc);
        argc = i;
        break;
    }
    return literais;
}

void acrescentar_literais(const Subcomandos& s, Pedido& p, std::vector<std::string> literais) {
    if (literais.empty()) return;
    if (s.roteiro->parsed()) {
        if (literais.size() > 1 || s.roteiro->get_option("arquivo")->count()) {
            throw ErroCli("roteiro takes at most one file");
        }
        p.roteiro = literais.front();
    } else if (s.mascaras->parsed()) {
        throw ErroCli("mascaras takes no values");
    } else if (s.carregar->parsed()) {
        throw ErroCli("carregar takes no values");
    } else {
        p.textos.insert(p.textos.end(), literais.begin(), literais.end());
    }
}

void relatar(const char* mensagem) {
    std::fflush(stdout);
    std::fprintf(stderr, "campovivo: %s\n", mensagem);
}

}  // namespace

int principal(int argc, char** argv) {
    CLI::App app{"Formats and checks values the way pjtCampoVivo fields do.", "campovivo"};
    app.set_version_flag("--version", "campovivo " PJTCAMPOVIVO_VERSION_STRING);
    app.require_subcommand(1, 1);
    Pedido pedido;
    const Subcomandos subcomandos = declarar(app, pedido);
    try {
        validar_argumentos(argc, argv);
        std::vector<std::string> literais = separar_literais(argc, argv);
        app.parse(argc, argv);
        acrescentar_literais(subcomandos, pedido, std::move(literais));
        const int status = executar(subcomandos, pedido);
        std::fflush(stdout);
        return status;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
        relatar((std::string(e.what()) + " (see campovivo --help)").c_str());
    } catch (const std::exception& e) {
        relatar(e.what());
    }
    return status_erro;
}

}  // namespace pjtCampoVivo::cli

int main(int argc, char** argv) {
    static char buffer_saida[1 << 16];
    std::setvbuf(stdout, buffer_saida, _IOFBF, sizeof buffer_saida);
    try {
        return pjtCampoVivo::cli::principal(argc, argv);
    } catch (...) {  // setting up the parser failed: nothing ran
        std::fputs("campovivo: internal error\n", stderr);
        return pjtCampoVivo::cli::status_erro;
    }
}
