// campovivo-demo: a customer form of CampoVivo fields with a live panel of the focused
// field's values and a designer mode. Without a display, or with --tour, it runs a scripted
// session offscreen instead, prints what every field showed and saves a screenshot.
//
//   campovivo-demo                          the form, interactive
//   campovivo-demo --tour [--captura F.png] the tour (default screenshot: campovivo-demo.png)
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string_view>

#include "demo/formulario_cliente.hpp"
#include "demo/passeio.hpp"

namespace {

constexpr const char* Uso =
    "usage: campovivo-demo [--tour [--captura FILE.png]]\n"
    "  --tour      run the scripted tour offscreen and exit (also the default without a "
    "display)\n"
    "  --captura   where the tour saves its screenshot (default: campovivo-demo.png)\n";

struct Opcoes {
    bool passeio = false;
    QString captura = QStringLiteral("campovivo-demo.png");
    bool captura_dada = false;
};

// Reads the options Qt left; false (after a message) for anything else.
bool ler_opcoes(const QStringList& argumentos, Opcoes& opcoes) {
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"--tour") {
            opcoes.passeio = true;
        } else if (a == u"--captura") {
            if (i + 1 == argumentos.size()) {
                std::cerr << "campovivo-demo: --captura needs a file name\n" << Uso;
                return false;
            }
            opcoes.captura = argumentos[++i];
            opcoes.captura_dada = true;
        } else if (a == u"--help" || a == u"-h") {
            std::cout << Uso;
            std::exit(0);
        } else {
            std::cerr << "campovivo-demo: unknown option " << a.toStdString() << "\n" << Uso;
            return false;
        }
    }
    return true;
}

// The municipality database: next to the program in the build tree, where gerar_municipios
// writes it, and in the data folder of an installed tree (bin/../share/pjtcampovivo).
QString banco_municipios() {
    const QString pasta = QApplication::applicationDirPath();
    const QString ao_lado = pasta + QStringLiteral("/municipios.db");
    if (QFileInfo::exists(ao_lado)) return ao_lado;
    return QDir(pasta).absoluteFilePath(QStringLiteral("../share/pjtcampovivo/municipios.db"));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pjtCampoVivo::demo;

    // The platform is chosen when the application starts, so this is decided on argv.
    bool pediu_passeio = false;
    for (int i = 1; i < argc; ++i)
        pediu_passeio = pediu_passeio || std::string_view(argv[i]) == "--tour";
    const bool sem_tela = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
                          qEnvironmentVariableIsEmpty("DISPLAY") &&
                          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (pediu_passeio || sem_tela) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("campovivo-demo"));
    Opcoes opcoes;
    if (!ler_opcoes(QApplication::arguments(), opcoes)) return 2;
    opcoes.passeio = opcoes.passeio || sem_tela;
    if (opcoes.captura_dada && !opcoes.passeio) {
        std::cerr << "campovivo-demo: --captura is for the tour; add --tour\n";
        return 2;
    }

    FormularioCliente form(banco_municipios());
    if (opcoes.passeio) {
        std::cout << std::unitbuf;
        try {
            form.carregar_municipios();
            executar_passeio(form, opcoes.captura, std::cout);
        } catch (const std::exception& e) {
            std::cerr << "campovivo-demo: the tour failed: " << e.what() << "\n";
            return 1;
        }
        return 0;
    }

    form.show();
    try {
        form.carregar_municipios();
    } catch (const std::exception& e) {
        QMessageBox::warning(&form, QStringLiteral("Municípios"),
                             QStringLiteral("A lista de cidades não pôde ser carregada:\n%1")
                                 .arg(QString::fromUtf8(e.what())));
    }
    return QApplication::exec();
}
