// gerar_formulario PLUGIN SAIDA.ui: designs the tests' form (formulario_projetado.hpp) as a user
// does in Qt Designer, with the plugin's factory initialised as Designer initialises it, and
// saves it as Designer saves it. Run at build time, on the offscreen platform.
#include <QApplication>
#include <QPluginLoader>
#include <QSaveFile>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <cstdio>
#include <exception>

#include "tests/designer/formulario_projetado.hpp"
#include "tests/designer/gravar_ui.hpp"

int main(int argc, char** argv) {
    using namespace pjtCampoVivo::teste_designer;
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: gerar_formulario PLUGIN SAIDA.ui\n");
        return 2;
    }
    QPluginLoader carregador(QString::fromLocal8Bit(argv[1]));
    auto* colecao = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(carregador.instance());
    if (colecao == nullptr || colecao->customWidgets().size() != 1) {
        std::fprintf(stderr, "gerar_formulario: %s: %s\n", argv[1],
                     qPrintable(carregador.errorString()));
        return 1;
    }
    QDesignerCustomWidgetInterface& fabrica = *colecao->customWidgets().front();
    fabrica.initialize(nullptr);
    try {
        QWidget form;
        projetar(form);
        const QByteArray ui = gravar_ui(form, descrever(fabrica));
        QSaveFile arquivo(QString::fromLocal8Bit(argv[2]));
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(ui) != ui.size() ||
            !arquivo.commit()) {
            std::fprintf(stderr, "gerar_formulario: %s: %s\n", argv[2],
                         qPrintable(arquivo.errorString()));
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gerar_formulario: %s\n", e.what());
        return 1;
    }
    return 0;
}
