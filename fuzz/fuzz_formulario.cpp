// The JSON form file of CampoVivoWidget, read from arbitrary bytes into a small form of
// named widgets (Qt offscreen, one application for the whole run). Either the file loads, or
// abrir_formulario throws ErroArquivoFormulario and no widget changed; the file is never
// touched; and a form that loaded saves a file that loads back into the same settings.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/widgets/arquivo_formulario.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace {

using namespace pjtCampoVivo;
using pjtCampoVivo::qt::CampoVivoWidget;

[[noreturn]] void violacao(const std::string& oque) {
    std::fprintf(stderr, "fuzz_formulario: %s\n", oque.c_str());
    std::abort();
}

// What a widget saves, key by key, in write order.
class BolsaRegistro final : public BolsaPropriedades {
  public:
    ValorPropriedade ReadProperty(std::u16string_view, const ValorPropriedade& padrao) override {
        return padrao;
    }
    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>&) override {
        escritas.emplace_back(std::u16string(chave), valor);
    }
    std::vector<std::pair<std::u16string, ValorPropriedade>> escritas;
};

// The form: three fields as a data-entry form has them, each set up differently.
struct Formulario {
    QWidget janela;
    CampoVivoWidget* cpf = new CampoVivoWidget(&janela);
    CampoVivoWidget* valor = new CampoVivoWidget(&janela);
    CampoVivoWidget* cidade = new CampoVivoWidget(&janela);

    Formulario() {
        cpf->campo().Mascara(13);
        cpf->campo().ToolTipText(u"CPF do cliente");
        valor->campo().Mascara(1);
        valor->campo().QuantidadeCasasDecimais(3);
        cidade->campo().Estilo(2);
        cidade->campo().CapsLockMixed(2);
        cidade->campo().AddItem(u"Niterói", std::nullopt, u"3303302");
    }

    pjtCampoVivo::qt::ControlesNomeados controles() {
        return {{QStringLiteral("cpf"), cpf},
                {QStringLiteral("valor"), valor},
                {QStringLiteral("cidade"), cidade}};
    }

    // Every widget's saved settings; a failure to save is a finding of its own.
    std::vector<std::vector<std::pair<std::u16string, ValorPropriedade>>> configuracoes() {
        std::vector<std::vector<std::pair<std::u16string, ValorPropriedade>>> todas;
        for (const auto& [nome, widget] : controles()) {
            BolsaRegistro bolsa;
            try {
                widget->gravarPropriedades(bolsa);
            } catch (const Erro& e) {
                violacao("WriteProperties of " + nome.toStdString() + " failed: " + e.what());
            }
            todas.push_back(std::move(bolsa.escritas));
        }
        return todas;
    }
};

QTemporaryDir* pasta = nullptr;

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) violacao("cannot read back " + caminho.toStdString());
    return f.readAll();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Message boxes (none are expected here) would wait for a click.
    qputenv("CAMPOVIVO_MENSAGENS_AUTOMATICAS", "1");
    static QApplication aplicacao(*argc, *argv);
    static QTemporaryDir dir;
    if (!dir.isValid()) violacao("cannot create a temporary folder");
    pasta = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    const QByteArray conteudo(reinterpret_cast<const char*>(dados),
                              static_cast<qsizetype>(tamanho));
    const QString caminho = pasta->filePath(QStringLiteral("formulario.json"));
    {
        QFile f(caminho);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(conteudo) != conteudo.size())
            violacao("cannot write the input file");
    }

    Formulario form;
    const auto antes = form.configuracoes();
    bool carregou = true;
    try {
        pjtCampoVivo::qt::abrir_formulario(caminho, form.controles());
    } catch (const pjtCampoVivo::qt::ErroArquivoFormulario& e) {
        carregou = false;
        // CAMPOVIVO_MOSTRAR_ERRO=1 says why a file of the corpus did not load.
        static const bool mostrar = std::getenv("CAMPOVIVO_MOSTRAR_ERRO") != nullptr;
        if (mostrar) std::fprintf(stderr, "%s\n", e.what());
    }
    // Anything else escaping (an Erro, a standard exception) ends the run as a finding.

    if (ler(caminho) != conteudo) violacao("loading changed the file");
    const auto depois = form.configuracoes();
    if (!carregou) {
        if (depois != antes) violacao("a file that failed to load changed a widget");
        return 0;
    }

    // What loaded saves, and loads back into a fresh form as the same settings.
    const QString copia = pasta->filePath(QStringLiteral("copia.json"));
    try {
        pjtCampoVivo::qt::salvar_formulario(copia, form.controles());
    } catch (const pjtCampoVivo::qt::ErroArquivoFormulario& e) {
        violacao(std::string("a loaded form cannot be saved: ") + e.what());
    }
    Formulario outro;
    try {
        pjtCampoVivo::qt::abrir_formulario(copia, outro.controles());
    } catch (const pjtCampoVivo::qt::ErroArquivoFormulario& e) {
        violacao(std::string("a saved form does not load: ") + e.what());
    }
    if (outro.configuracoes() != depois) violacao("a saved form loads other settings");
    return 0;
}
