// Loads the pjtCampoVivo plugin from a Designer plugin folder as Designer does: QPluginLoader
// on the file, the collection interface, each factory's description, a widget created by it
// and the properties its property editor would list.
//
//   plugin_designer [FOLDER]
//
// FOLDER defaults to Qt's own plugin folder plus /designer, where Designer looks first.
// Prints what it finds; exits with 1 when the plugin does not load, is not the collection,
// creates something other than a CampoVivoWidget or lacks a designable property a form sets.
#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QLibraryInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <cstdio>
#include <memory>

namespace {

constexpr const char* classe = "pjtCampoVivo::qt::CampoVivoWidget";

// What the widget box and uic take from the factory.
struct Descricao {
    const char* oque;
    QString (QDesignerCustomWidgetInterface::*ler)() const;
    const char* esperado;
};
constexpr Descricao descricoes[] = {
    {"name", &QDesignerCustomWidgetInterface::name, classe},
    {"group", &QDesignerCustomWidgetInterface::group, "pjtCampoVivo"},
    {"includeFile", &QDesignerCustomWidgetInterface::includeFile,
     "<pjtcampovivo/widgets/campo_vivo_widget.hpp>"},
};

// The settings the examples' and the tests' forms set in Designer.
constexpr const char* propriedades_de_projeto[] = {
    "Estilo",      "Mascara",          "MaxLength",          "QuantidadeCasasDecimais",
    "Alinhamento", "CNPJAlfanumerico", "PesquisarNovamente", "TelefoneDDD",
    "UF",
};

int falhar(const QString& motivo) {
    std::printf("FALHA  %s\n", qPrintable(motivo));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString pasta =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/designer");

    // Designer tries every library in the folder; ours is the one named after the project.
    QStringList arquivos;
    for (const QFileInfo& f : QDir(pasta).entryInfoList(QDir::Files)) {
        if (QLibrary::isLibrary(f.fileName()) && f.fileName().contains("pjtcampovivo"))
            arquivos << f.absoluteFilePath();
    }
    if (arquivos.size() != 1)
        return falhar(QStringLiteral("%1 plugins do pjtCampoVivo em %2: %3")
                          .arg(arquivos.size())
                          .arg(pasta, QDir(pasta).entryList(QDir::Files).join(' ')));

    QPluginLoader carregador(arquivos.front());
    std::printf("plugin %s\n", qPrintable(carregador.fileName()));
    if (!carregador.load()) return falhar(carregador.errorString());
    auto* colecao = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(carregador.instance());
    if (colecao == nullptr)
        return falhar(QStringLiteral("não é uma coleção de widgets do Designer (IID %1)")
                          .arg(carregador.metaData().value("IID").toString()));

    int falhas = 0;
    const auto fabricas = colecao->customWidgets();
    if (fabricas.size() != 1) falhas += falhar(QStringLiteral("%1 widgets").arg(fabricas.size()));
    for (QDesignerCustomWidgetInterface* fabrica : fabricas) {
        for (const Descricao& d : descricoes) {
            const QString lido = (fabrica->*d.ler)();
            const bool ok = lido == QLatin1String(d.esperado);
            std::printf("%-6s %s: %s\n", ok ? "ok" : "FALHA", d.oque, qPrintable(lido));
            falhas += ok ? 0 : 1;
        }

        const std::unique_ptr<QWidget> widget(fabrica->createWidget(nullptr));
        if (widget == nullptr || !widget->inherits(classe)) {
            falhas += falhar(QStringLiteral("createWidget deu %1")
                                 .arg(widget ? widget->metaObject()->className() : "nullptr"));
            continue;
        }
        const QMetaObject* meta = widget->metaObject();
        std::printf("ok     createWidget: %s\n", meta->className());
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            std::printf("       %-32s %-48s %s\n", p.name(), p.typeName(),
                        p.isDesignable() ? "designable" : "-");
        }
        for (const char* nome : propriedades_de_projeto) {
            const int i = meta->indexOfProperty(nome);
            if (i < 0 || !meta->property(i).isDesignable() || !meta->property(i).isWritable())
                falhas +=
                    falhar(QStringLiteral("propriedade %1 ausente ou não editável").arg(nome));
        }
    }
    std::printf("%s\n",
                falhas == 0 ? "plugin_designer: tudo confere" : "plugin_designer: há diferenças");
    return falhas == 0 ? 0 : 1;
}
