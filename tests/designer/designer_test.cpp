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
#include <QXmlStreamReader>
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
using teste_qt::Escritas;
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
        const Escritas lidas = escritas(*w);
        QCOMPARE(lidas.size(), escritas(*esperado).size());
        QVERIFY2(lidas == escritas(*esperado), qPrintable(nome));
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

// A <property> of a widget in a .ui file: its attributes, its value's element and text.
struct PropriedadeGravada {
    QString nome;
    QXmlStreamAttributes atributos;
    QString tipo;
    QXmlStreamAttributes atributos_valor;
    QString texto;
};

// A <widget> of a .ui file: its class, its properties in file order, and the widgets in it.
struct WidgetGravado {
    QString classe;
    QString nome;
    std::vector<PropriedadeGravada> propriedades;
    std::vector<WidgetGravado> filhos;
};

// Reads the <widget> element the reader is at, with what it holds.
WidgetGravado ler_widget(QXmlStreamReader& xml) {
    WidgetGravado w;
    w.classe = xml.attributes().value(QLatin1String("class")).toString();
    w.nome = xml.attributes().value(QLatin1String("name")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("widget")) {
            w.filhos.push_back(ler_widget(xml));
        } else if (xml.name() == QLatin1String("property")) {
            PropriedadeGravada p;
            p.atributos = xml.attributes();
            p.nome = p.atributos.value(QLatin1String("name")).toString();
            if (xml.readNextStartElement()) {
                p.tipo = xml.name().toString();
                p.atributos_valor = xml.attributes();
                // A <rect>'s text is in its children, which the tests do not look at.
                p.texto = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                xml.skipCurrentElement();
            }
            w.propriedades.push_back(p);
        } else {
            xml.skipCurrentElement();
        }
    }
    return w;
}

// A .ui file's form: its top widget and the custom widgets' section's classes, extended
// classes and headers (with their location attribute).
struct FormularioGravado {
    QString versao;
    QString classe;
    WidgetGravado topo;
    QStringList personalizados;
    QString erro;
};

FormularioGravado ler_formulario(const QByteArray& ui) {
    FormularioGravado f;
    QXmlStreamReader xml(ui);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("ui")) {
        f.versao = xml.attributes().value(QLatin1String("version")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("class")) {
                f.classe = xml.readElementText();
            } else if (xml.name() == QLatin1String("widget")) {
                f.topo = ler_widget(xml);
            } else if (xml.name() == QLatin1String("customwidgets")) {
                while (xml.readNextStartElement()) {
                    QStringList partes;
                    while (xml.readNextStartElement()) {
                        const QString elemento = xml.name().toString();
                        const QString local =
                            xml.attributes().value(QLatin1String("location")).toString();
                        const QString texto = xml.readElementText();
                        partes << elemento + QLatin1Char('=') + texto +
                                      (local.isEmpty() ? QString() : QLatin1Char('@') + local);
                    }
                    f.personalizados << partes.join(QLatin1Char(' '));
                }
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) f.erro = xml.errorString();
    return f;
}

const PropriedadeGravada* achar(const WidgetGravado& w, const char* nome) {
    for (const auto& p : w.propriedades) {
        if (p.nome == QLatin1String(nome)) return &p;
    }
    return nullptr;
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
    const QDomNodeList widgets = doc.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        QDomElement w = widgets.at(i).toElement();
        if (w.attribute(QStringLiteral("name")) != nome) continue;
        std::vector<QDomNode> propriedades;
        for (QDomElement p = w.firstChildElement(QStringLiteral("property")); !p.isNull();
             p = p.nextSiblingElement(QStringLiteral("property")))
            propriedades.push_back(p);
        for (QDomNode& p : propriedades) w.removeChild(p);
        for (auto p = propriedades.rbegin(); p != propriedades.rend(); ++p) w.appendChild(*p);
    }
    return doc.toByteArray(1);
}

// The eight enumerated properties and the published enumeration each one shows.
const std::map<QByteArray, std::string_view> enumeradas{
    {"Estilo", "eEstilo"},
    {"Mascara", "eMascara"},
    {"QuantidadeCasasDecimais", "eQuantidadeCasasDecimais"},
    {"CapsLockMixed", "eCapsLockMixed"},
    {"Alinhamento", "eAlinhamento"},
    {"CNPJAlfanumerico", "eNaoSim"},
    {"PesquisarNovamente", "eNaoSim"},
    {"TelefoneDDD", "eNaoSim"},
};

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

    void fabrica_descreve_o_widget() {
        QCOMPARE(fabrica->name(), QStringLiteral("pjtCampoVivo::qt::CampoVivoWidget"));
        QCOMPARE(fabrica->group(), QStringLiteral("pjtCampoVivo"));
        QCOMPARE(fabrica->includeFile(),
                 QStringLiteral("<pjtcampovivo/widgets/campo_vivo_widget.hpp>"));
        QVERIFY(!fabrica->isContainer());
        QVERIFY(!fabrica->icon().isNull());
        QVERIFY(!fabrica->toolTip().isEmpty() && !fabrica->whatsThis().isEmpty());
    }

    void domXml_valido() {
        QXmlStreamReader xml(fabrica->domXml());
        QStringList classes;
        QStringList sem_traducao;
        QString raiz;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = xml.attributes();
            if (raiz.isEmpty()) {
                raiz = xml.name().toString();
                QCOMPARE(a.value(QLatin1String("language")), QLatin1String("c++"));
            }
            if (xml.name() == QLatin1String("widget"))
                classes << a.value(QLatin1String("class")).toString();
            if (xml.name() == QLatin1String("stringpropertyspecification") &&
                a.value(QLatin1String("notr")) == QLatin1String("true"))
                sem_traducao << a.value(QLatin1String("name")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(raiz, QStringLiteral("ui"));
        QCOMPARE(classes, QStringList{fabrica->name()});
        QVERIFY(sem_traducao.contains(QStringLiteral("CaracteresASeremRetiradosTexto")));
        QVERIFY(sem_traducao.contains(QStringLiteral("UF")));
        // Each string property named there is one of the widget's.
        for (const QString& p : sem_traducao)
            QVERIFY2(CampoVivoWidget::staticMetaObject.indexOfProperty(qPrintable(p)) >= 0,
                     qPrintable(p));
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
        // The setters that change others come before what they change.
        for (const char* depois : {"QuantidadeCasasDecimais", "MaxLength", "Alinhamento"}) {
            for (const char* antes : {"Estilo", "Mascara", "CNPJAlfanumerico"})
                QVERIFY(meta.indexOfProperty(antes) < meta.indexOfProperty(depois));
        }
    }

    // The generated file has the shape of Designer's: the fields on the top widget, each with
    // the properties the user changed, DESIGNABLE ones only, in the meta-object's order, the
    // enumerations qualified, the strings for translators alone without notr, the inner boxes
    // left out, and the custom widget's global header.
    void arquivo_como_o_designer_grava() {
        const QByteArray ui = formulario_gravado();
        QVERIFY(!ui.isEmpty());
        const FormularioGravado f = ler_formulario(ui);
        QVERIFY2(f.erro.isEmpty(), qPrintable(f.erro));
        QCOMPARE(f.versao, QStringLiteral("4.0"));
        QCOMPARE(f.classe, QString::fromLatin1(classe_formulario));
        QCOMPARE(f.topo.classe, QStringLiteral("QWidget"));
        QCOMPARE(f.topo.nome, f.classe);
        QCOMPARE(f.personalizados,
                 QStringList{
                     QStringLiteral("class=pjtCampoVivo::qt::CampoVivoWidget "
                                    "extends=QWidget "
                                    "header=pjtcampovivo/widgets/campo_vivo_widget.hpp@global")});
        QCOMPARE(f.topo.filhos.size(), campos_projetados().size());

        const QMetaObject& meta = CampoVivoWidget::staticMetaObject;
        const QStringList sem_traducao = descrever(*fabrica).sem_traducao;
        QCOMPARE(sem_traducao, (QStringList{QStringLiteral("CaracteresASeremRetiradosTexto"),
                                            QStringLiteral("UF")}));
        Projetado projetado;
        CampoVivoWidget novo;
        for (std::size_t i = 0; i < f.topo.filhos.size(); ++i) {
            const WidgetGravado& w = f.topo.filhos[i];
            const CampoProjetado& campo = campos_projetados()[i];
            QCOMPARE(w.classe, fabrica->name());
            QCOMPARE(w.nome, QString::fromLatin1(campo.nome));
            QVERIFY2(w.filhos.empty(), qPrintable(w.nome));
            QVERIFY(!w.propriedades.empty());
            QCOMPARE(w.propriedades.front().nome, QStringLiteral("geometry"));
            int anterior = -1;
            for (const PropriedadeGravada& p : w.propriedades) {
                const QString onde = w.nome + QLatin1Char('.') + p.nome;
                const int indice = meta.indexOfProperty(qPrintable(p.nome));
                QVERIFY2(indice > anterior, qPrintable(onde));
                anterior = indice;
                const QMetaProperty mp = meta.property(indice);
                QVERIFY2(mp.isDesignable() && mp.isWritable(), qPrintable(onde));
                QVERIFY2(p.nome != QLatin1String("objectName"), qPrintable(onde));
                // Enabled (setEnabledCampo) through setProperty, the others through set<Name>.
                QCOMPARE(p.atributos.value(QLatin1String("stdset")).toString(),
                         mp.hasStdCppSet() ? QString() : QStringLiteral("0"));
                if (mp.isEnumType()) {
                    QCOMPARE(p.tipo, QStringLiteral("enum"));
                    const QString escopo = QStringLiteral("pjtCampoVivo::qt::CampoVivoWidget::");
                    QVERIFY2(p.texto.startsWith(escopo), qPrintable(p.texto));
                    bool ok = false;
                    mp.enumerator().keyToValue(qPrintable(p.texto.mid(escopo.size())), &ok);
                    QVERIFY2(ok, qPrintable(p.texto));
                }
                if (p.tipo == QLatin1String("string")) {
                    QCOMPARE(p.atributos_valor.value(QLatin1String("notr")).toString(),
                             sem_traducao.contains(p.nome) ? QStringLiteral("true") : QString());
                }
            }
            // Each setting of the table is in the file unless it left the default value.
            CampoVivoWidget* designado = projetado.campos.at(w.nome);
            for (const Ajuste& a : campo.ajustes) {
                const bool padrao =
                    designado->property(a.propriedade) == novo.property(a.propriedade);
                QVERIFY2(padrao || achar(w, a.propriedade) != nullptr,
                         qPrintable(w.nome + QLatin1Char('.') + QLatin1String(a.propriedade)));
            }
            // Each field but the untouched one is saved otherwise than a fresh one.
            QCOMPARE(escritas(*designado) == escritas(novo), campo.ajustes.empty());
        }
        // Characters XML escapes come back as they were designed.
        const WidgetGravado& cpf = f.topo.filhos.front();
        QCOMPARE(achar(cpf, "CaracteresASeremRetiradosTexto")->texto, QStringLiteral("<&\"'>"));
        QCOMPARE(achar(cpf, "ToolTipText")->texto,
                 QStringLiteral("CPF do titular <não do \"cônjuge\"> & só números"));
        QVERIFY(ui.contains("<string notr=\"true\">&lt;&amp;&quot;'&gt;</string>"));
    }

    void formulario_pelo_QUiLoader() {
        QUiLoader carregador_ui;
        carregador_ui.addPluginPath(QFileInfo(QStringLiteral(CAMPOVIVO_PLUGIN)).absolutePath());
        QVERIFY(carregador_ui.availableWidgets().contains(fabrica->name()));
        QFile arquivo(QStringLiteral(CAMPOVIVO_FORMULARIO));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> form(carregador_ui.load(&arquivo));
        QVERIFY2(form != nullptr, qPrintable(carregador_ui.errorString()));
        conferir(*form);
    }

    void formulario_compilado_pelo_uic() {
        QWidget form;
        Ui::FormularioProjetado ui;
        ui.setupUi(&form);
        conferir(form);
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

        const QMetaObject& meta = CampoVivoWidget::staticMetaObject;
        QVERIFY(meta.indexOfProperty("Mascara") < meta.indexOfProperty("MaxLength"));
        const QByteArray ui = formulario_gravado();
        const FormularioGravado f = ler_formulario(ui);
        const WidgetGravado* w = nullptr;
        for (const auto& filho : f.topo.filhos) {
            if (filho.nome == nome) w = &filho;
        }
        QVERIFY(w != nullptr);
        QVERIFY(achar(*w, "Mascara") != nullptr && achar(*w, "MaxLength") != nullptr);
        QVERIFY(achar(*w, "Mascara") < achar(*w, "MaxLength"));

        QString erro;
        const std::unique_ptr<QWidget> como_gravado = carregar(ui, erro);
        QVERIFY2(como_gravado != nullptr, qPrintable(erro));
        auto* lido = como_gravado->findChild<CampoVivoWidget*>(nome);
        QVERIFY(lido != nullptr);
        QCOMPARE(lido->MaxLength(), designado->MaxLength());

        const QByteArray invertido = com_propriedades_invertidas(ui, nome);
        QVERIFY(!invertido.isEmpty() && invertido != ui);
        const std::unique_ptr<QWidget> ao_contrario = carregar(invertido, erro);
        QVERIFY2(ao_contrario != nullptr, qPrintable(erro));
        lido = ao_contrario->findChild<CampoVivoWidget*>(nome);
        QVERIFY(lido != nullptr);
        QCOMPARE(lido->Mascara(), designado->Mascara());
        QCOMPARE(lido->MaxLength(), so_mascara.MaxLength());
    }

    // A form read back and saved again gives the same file, as Designer's open and save does:
    // nothing is lost or added on the way, and run-time mode changes no designable value.
    void formulario_lido_e_regravado_igual() {
        const QByteArray ui = formulario_gravado();
        QString erro;
        const std::unique_ptr<QWidget> form = carregar(ui, erro);
        QVERIFY2(form != nullptr, qPrintable(erro));
        // Line by line, so that a failure shows the first line that differs.
        QCOMPARE(gravar_ui(*form, {descrever(*fabrica)}).split('\n'), ui.split('\n'));
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
