// The Designer plugin as Designer and QUiLoader see it, and a form designed and saved as
// Designer saves it (formulario_projetado.ui, made at build time by gerar_formulario) read back
// through QUiLoader and through uic's generated code, each field with its designed settings.
#include <QBuffer>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QPluginLoader>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiTools/QUiLoader>
#include <map>
#include <memory>
#include <vector>

#include <cctype>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>
#include "tests/designer/formulario_projetado.hpp"
#include "tests/designer/gravar_ui.hpp"
#include "tests/qt/bolsa_teste.hpp"
#include "ui_formulario_projetado.h"

namespace pjtCampoVivo::teste_designer {

namespace {

using qt::CampoVivoWidget;
using teste_qt::escritas;

// The designed form: the fields of formulario_projetado.hpp set up again, as the user set them
// in Designer before saving the file the tests read.
struct Projetado {
    QWidget form;
    std::map<QString, CampoVivoWidget*> campos = projetar(form);
};

// The settings of each field of a loaded form equal the designed ones, and the form holds
// the fields alone, in the designed order and places, in run-time mode, with no box of their
// own added from the file.
void conferir(QWidget& carregado) {
    Projetado projetado;
    QCOMPARE(carregado.objectName(), QString::fromLatin1(classe_formulario));
    QCOMPARE(carregado.size(), projetado.form.size());
    const auto achados = carregado.findChildren<CampoVivoWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(achados.size(), qsizetype(campos_projetados().size()));
    QCOMPARE(carregado.findChildren<CampoVivoWidget*>().size(), achados.size());
    for (qsizetype i = 0; i < achados.size(); ++i) {
        CampoVivoWidget* w = achados[i];
        const QString nome = QString::fromLatin1(campos_projetados()[std::size_t(i)].nome);
        QCOMPARE(w->objectName(), nome);
        CampoVivoWidget* esperado = projetado.campos.at(nome);
        QVERIFY(!w->modoDesigner());
        QVERIFY2(escritas(*w) == escritas(*esperado), qPrintable(nome));
        // The widget keeps its own height.
        QCOMPARE(w->pos(), esperado->pos());
        QCOMPARE(w->width(), esperado->width());
        QCOMPARE(w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2);
    }
}

QByteArray formulario_gravado() {
    QFile arquivo(QStringLiteral(CAMPOVIVO_FORMULARIO));
    if (!arquivo.open(QIODevice::ReadOnly)) return {};
    return arquivo.readAll();
}

// The child elements named `tag` of e, in file order.
std::vector<QDomElement> elementos(const QDomElement& e, const char* tag) {
    std::vector<QDomElement> l;
    for (QDomElement f = e.firstChildElement(QLatin1String(tag)); !f.isNull();
         f = f.nextSiblingElement(QLatin1String(tag)))
        l.push_back(f);
    return l;
}

QString nome_de(const QDomElement& e) {
    return e.attribute(QStringLiteral("name"));
}

// The <property name="nome"> of a <widget>, null when the file does not set it.
QDomElement achar(const QDomElement& w, const char* nome) {
    for (const QDomElement& p : elementos(w, "property")) {
        if (nome_de(p) == QLatin1String(nome)) return p;
    }
    return {};
}

// The .ui file's field named `nome` (null when absent) in `doc`.
QDomElement campo_gravado(const QDomDocument& doc, const QString& nome) {
    for (const QDomElement& w :
         elementos(doc.documentElement().firstChildElement(QStringLiteral("widget")), "widget")) {
        if (nome_de(w) == nome) return w;
    }
    return {};
}

std::unique_ptr<QWidget> carregar(const QByteArray& ui, QString& erro) {
    QUiLoader carregador;
    carregador.addPluginPath(QFileInfo(QStringLiteral(CAMPOVIVO_PLUGIN)).absolutePath());
    QByteArray copia = ui;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> form(carregador.load(&buffer));
    erro = carregador.errorString();
    return form;
}

// `ui` with the properties of widget `nome` in the reverse order.
QByteArray com_propriedades_invertidas(const QByteArray& ui, const QString& nome) {
    QDomDocument doc;
    if (!doc.setContent(ui)) return {};
    QDomElement w = campo_gravado(doc, nome);
    const std::vector<QDomElement> propriedades = elementos(w, "property");
    for (auto p = propriedades.rbegin(); p != propriedades.rend(); ++p) w.appendChild(*p);
    return doc.toByteArray(1);
}

// The eight enumerated properties and the published enumeration each one shows.
const std::map<QByteArray, std::string_view> enumeradas{
    {"Estilo", "eEstilo"},
    {"Mascara", "eMascara"},
    {"CapsLockMixed", "eCapsLockMixed"},
    {"QuantidadeCasasDecimais", "eQuantidadeCasasDecimais"},
    {"Alinhamento", "eAlinhamento"},
    {"CNPJAlfanumerico", "eNaoSim"},
    {"PesquisarNovamente", "eNaoSim"},
    {"TelefoneDDD", "eNaoSim"}};

// A published member name as an identifier: its words run together when each is a capitalised
// word ("Sem Casa Decimal"), else the first word ("CNPF ###.###.###-##", "Texto abcdef0123").
QByteArray identificador(std::string_view publicado) {
    const QByteArray nome(publicado.data(), static_cast<qsizetype>(publicado.size()));
    const QList<QByteArray> palavras = nome.split(' ');
    for (const QByteArray& p : palavras) {
        if (!std::isupper(static_cast<unsigned char>(p.front()))) return palavras.front();
        for (char c : p) {
            if (!std::isalpha(static_cast<unsigned char>(c))) return palavras.front();
        }
    }
    return palavras.join();
}

}  // namespace

class TestesDesigner : public QObject {
    Q_OBJECT

    QPluginLoader carregador{QStringLiteral(CAMPOVIVO_PLUGIN)};
    QDesignerCustomWidgetInterface* fabrica = nullptr;

  private slots:
    void initTestCase() {
        QVERIFY2(carregador.load(), qPrintable(carregador.errorString()));
        auto* colecao =
            qobject_cast<QDesignerCustomWidgetCollectionInterface*>(carregador.instance());
        QVERIFY(colecao != nullptr);
        QCOMPARE(colecao->customWidgets().size(), 1);
        fabrica = colecao->customWidgets().front();
    }

    // What Designer shows of the widget. (Its domXml's class and untranslated strings are read
    // by descrever, and checked in the saved file below.)
    void fabrica_no_designer() {
        QCOMPARE(fabrica->name(), QStringLiteral("pjtCampoVivo::qt::CampoVivoWidget"));
        QCOMPARE(fabrica->group(), QStringLiteral("pjtCampoVivo"));
        QCOMPARE(fabrica->includeFile(),
                 QStringLiteral("<pjtcampovivo/widgets/campo_vivo_widget.hpp>"));
        QVERIFY(!fabrica->isContainer() && !fabrica->icon().isNull());
        QVERIFY(!fabrica->toolTip().isEmpty() && !fabrica->whatsThis().isEmpty());
    }

    void propriedades_de_projeto() {
        const QMetaObject& meta = CampoVivoWidget::staticMetaObject;
        // The eighteen saved keys with a Qt property of the same name, and the four saved only
        // when set.
        CampoVivoWidget w;
        QStringList de_projeto{QStringLiteral("CNPJAlfanumerico"),
                               QStringLiteral("PesquisarNovamente"), QStringLiteral("TelefoneDDD"),
                               QStringLiteral("UF")};
        for (const auto& [chave, valor] : escritas(w)) {
            const QString nome = QString::fromStdU16String(chave);
            if (meta.indexOfProperty(qPrintable(nome)) >= meta.propertyOffset()) de_projeto << nome;
        }
        QCOMPARE(de_projeto.size(), 15);
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty p = meta.property(i);
            const QString nome = QString::fromLatin1(p.name());
            if (de_projeto.contains(nome)) {
                QVERIFY2(p.isWritable() && p.isDesignable(), p.name());
            } else if (!p.isWritable()) {
                QVERIFY2(!p.isDesignable(), p.name());
            }
            const auto e = enumeradas.find(p.name());
            QCOMPARE(p.isEnumType(), e != enumeradas.end());
            if (e == enumeradas.end()) continue;
            // The keys are the published members, with their values, in their order.
            const EnumeracaoPublicada* publicada = enumeracao_publicada(e->second);
            QVERIFY(publicada != nullptr);
            const QMetaEnum me = p.enumerator();
            QCOMPARE(me.keyCount(), qsizetype(publicada->membros.size()));
            for (int k = 0; k < me.keyCount(); ++k) {
                QCOMPARE(QByteArray(me.key(k)), identificador(publicada->membros[k].nome));
                QCOMPARE(me.value(k), publicada->membros[k].valor);
            }
        }
        // Run-time-only settings are not designable.
        for (const char* so_execucao :
             {"ListIndex", "SelStart", "SelLength", "SelText", "TopIndex", "modoDesigner"}) {
            const QMetaProperty p = meta.property(meta.indexOfProperty(so_execucao));
            QVERIFY2(p.isWritable() && !p.isDesignable(), so_execucao);
        }
    }

    // The saved file: each field of the plugin's class and header, the strings not for
    // translators marked notr, and the characters XML escapes as designed.
    void arquivo_gravado() {
        const QByteArray ui = formulario_gravado();
        QDomDocument doc;
        QVERIFY(doc.setContent(ui));
        QVERIFY(
            ui.contains("<header location=\"global\">pjtcampovivo/widgets/campo_vivo_widget.hpp"));
        QCOMPARE(descrever(*fabrica).sem_traducao,
                 QStringList({"CaracteresASeremRetiradosTexto", "UF"}));
        const std::vector<QDomElement> campos =
            elementos(doc.documentElement().firstChildElement(QStringLiteral("widget")), "widget");
        QCOMPARE(campos.size(), campos_projetados().size());
        // Every setting that left the default value, the ones no form-file key holds among them.
        Projetado projetado;
        CampoVivoWidget novo;
        for (std::size_t i = 0; i < campos.size(); ++i) {
            const QDomElement& w = campos[i];
            QCOMPARE(w.attribute(QStringLiteral("class")), fabrica->name());
            CampoVivoWidget* designado = projetado.campos.at(nome_de(w));
            for (const Ajuste& a : campos_projetados()[i].ajustes) {
                if (designado->property(a.propriedade) == novo.property(a.propriedade)) continue;
                QVERIFY2(!achar(w, a.propriedade).isNull(),
                         qPrintable(nome_de(w) + '.' + QLatin1String(a.propriedade)));
            }
        }
        QCOMPARE(achar(campos.front(), "CaracteresASeremRetiradosTexto").text(),
                 QStringLiteral("<&\"'>"));
        QCOMPARE(achar(campos.front(), "ToolTipText").text(),
                 QStringLiteral("CPF do titular <não do \"cônjuge\"> & só números"));
        QVERIFY(ui.contains("<string notr=\"true\">&lt;&amp;&quot;'&gt;</string>"));
        QVERIFY(ui.contains("<string>CPF do titular"));
    }

    // Through QUiLoader (the plugin found on its path) and through uic's generated code.
    void formulario_pelo_QUiLoader_e_pelo_uic() {
        QUiLoader carregador_ui;
        carregador_ui.addPluginPath(QFileInfo(QStringLiteral(CAMPOVIVO_PLUGIN)).absolutePath());
        QVERIFY(carregador_ui.availableWidgets().contains(fabrica->name()));
        QString erro;
        const std::unique_ptr<QWidget> form = carregar(formulario_gravado(), erro);
        QVERIFY2(form != nullptr, qPrintable(erro));
        conferir(*form);
        QWidget compilado;
        Ui::FormularioProjetado ui;
        ui.setupUi(&compilado);
        conferir(compilado);
    }

    // The mask's setter resets MaxLength: a MaxLength chosen after the mask survives the file
    // because the meta-object, and so the file, has Mascara first. The same file with the
    // field's properties in the other order loses it.
    void maxlength_escolhido_depois_da_mascara() {
        const QString nome = QString::fromLatin1(campo_maxlength_depois_da_mascara);
        Projetado projetado;
        CampoVivoWidget* designado = projetado.campos.at(nome);
        CampoVivoWidget so_mascara;
        so_mascara.setMascara(designado->Mascara());
        QVERIFY(designado->MaxLength() != so_mascara.MaxLength());

        const QByteArray ui = formulario_gravado();
        const QByteArray invertido = com_propriedades_invertidas(ui, nome);
        QVERIFY(!invertido.isEmpty() && invertido != ui);
        for (const auto& [arquivo, max_length] :
             {std::pair{ui, designado->MaxLength()}, {invertido, so_mascara.MaxLength()}}) {
            QString erro;
            const std::unique_ptr<QWidget> form = carregar(arquivo, erro);
            QVERIFY2(form != nullptr, qPrintable(erro));
            auto* lido = form->findChild<CampoVivoWidget*>(nome);
            QVERIFY(lido != nullptr);
            QCOMPARE(lido->Mascara(), designado->Mascara());
            QCOMPARE(lido->MaxLength(), max_length);
        }
    }

    // A form read back and saved again gives the same file, as Designer's open and save does:
    // nothing is lost or added on the way, and run-time mode changes no designable value.
    void formulario_lido_e_regravado_igual() {
        const QByteArray ui = formulario_gravado();
        QString erro;
        const std::unique_ptr<QWidget> form = carregar(ui, erro);
        QVERIFY2(form != nullptr, qPrintable(erro));
        // Line by line, so that a failure shows the first line that differs.
        QCOMPARE(gravar_ui(*form, descrever(*fabrica)).split('\n'), ui.split('\n'));
    }

    // Last: Designer initialises the factory, and the loaders above share it.
    void widget_em_modo_designer_so_no_designer() {
        // Uninitialised, as QUiLoader uses the factory: a run-time field.
        std::unique_ptr<QWidget> solto(fabrica->createWidget(nullptr));
        auto* w = qobject_cast<CampoVivoWidget*>(solto.get());
        QVERIFY(w != nullptr);
        QVERIFY(!w->modoDesigner());
        fabrica->initialize(nullptr);
        QVERIFY(fabrica->isInitialized());
        std::unique_ptr<QWidget> projeto(fabrica->createWidget(nullptr));
        w = qobject_cast<CampoVivoWidget*>(projeto.get());
        QVERIFY(w != nullptr);
        QVERIFY(w->modoDesigner());
        // Run-time-only setters refuse in designer mode.
        try {
            w->setSelStart(1);
            QFAIL("SelStart mudou em modo designer");
        } catch (const Erro& e) {
            QCOMPARE(e.numero(), 382);
        }
    }
};

}  // namespace pjtCampoVivo::teste_designer

QTEST_MAIN(pjtCampoVivo::teste_designer::TestesDesigner)
#include "designer_test.moc"
