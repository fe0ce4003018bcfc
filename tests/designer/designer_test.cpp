// The Designer plugin as Designer and QUiLoader see it, and a designed form read back through
// QUiLoader and through uic's generated code, each field with its designed settings.
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
#include "tests/qt/bolsa_teste.hpp"
#include "ui_formulario_teste.h"

namespace pjtCampoVivo::teste_designer {

namespace {

using qt::CampoVivoWidget;
using teste_qt::Escritas;
using teste_qt::escritas;

// The form of formulario_teste.ui, set up in designer mode as a user sets it in Designer's
// property editor, in the order the editor lists the properties.
struct Projetado {
    QWidget form;
    std::map<QString, CampoVivoWidget*> campos;

    CampoVivoWidget& novo(const char* nome) {
        auto* w = new CampoVivoWidget(&form);
        w->setModoDesigner(true);
        campos[QString::fromLatin1(nome)] = w;
        return *w;
    }

    Projetado() {
        auto& cpf = novo("cpf");
        cpf.setMascara(CampoVivoWidget::CNPF);
        cpf.setCaracteresASeremRetiradosTexto(QStringLiteral("#'"));
        cpf.setToolTipText(QStringLiteral("CPF do cliente"));
        auto& valor = novo("valor");
        valor.setMascara(CampoVivoWidget::DinheiroTaxa);
        valor.setQuantidadeCasasDecimais(CampoVivoWidget::Tres);
        valor.setMaxLength(12);
        valor.setAlinhamento(CampoVivoWidget::Centralizado);
        auto& nome = novo("nome");
        nome.setEstilo(CampoVivoWidget::ComboBoxLookUpComDigAdicional);
        nome.setMaxLength(40);
        nome.setCapsLockMixed(CampoVivoWidget::UpperCase);
        nome.setCaracteresASeremRetiradosTexto(QStringLiteral("%*"));
        nome.setQtdMaxRegRetornadosPesqLookUp(250);
        auto& cnpj = novo("cnpj");
        cnpj.setMascara(CampoVivoWidget::CNPJ);
        cnpj.setCNPJAlfanumerico(CampoVivoWidget::sim);
        cnpj.setAlinhamento(CampoVivoWidget::Direita);
        cnpj.setEnabledCampo(false);
    }
};

// The settings of each field of a loaded form equal the designed ones, and the form holds
// the fields alone, in run-time mode, with no box of their own added from the file.
void conferir(QWidget& carregado) {
    Projetado projetado;
    const auto achados = carregado.findChildren<CampoVivoWidget*>();
    QCOMPARE(achados.size(), qsizetype(projetado.campos.size()));
    for (const auto& [nome, esperado] : projetado.campos) {
        auto* w = carregado.findChild<CampoVivoWidget*>(nome);
        QVERIFY2(w != nullptr, qPrintable(nome));
        QVERIFY(!w->modoDesigner());
        const Escritas lidas = escritas(*w);
        QCOMPARE(lidas.size(), escritas(*esperado).size());
        QVERIFY2(lidas == escritas(*esperado), qPrintable(nome));
        QCOMPARE(w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2);
    }
}

// The six enumerated properties and the published enumeration each one shows.
const std::map<QByteArray, std::string_view> enumeradas{
    {"Estilo", "eEstilo"},
    {"Mascara", "eMascara"},
    {"QuantidadeCasasDecimais", "eQuantidadeCasasDecimais"},
    {"CapsLockMixed", "eCapsLockMixed"},
    {"Alinhamento", "eAlinhamento"},
    {"CNPJAlfanumerico", "eNaoSim"},
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
        // Each string property named there is one of the widget's.
        for (const QString& p : sem_traducao)
            QVERIFY2(CampoVivoWidget::staticMetaObject.indexOfProperty(qPrintable(p)) >= 0,
                     qPrintable(p));
    }

    void propriedades_de_projeto() {
        const QMetaObject& meta = CampoVivoWidget::staticMetaObject;
        // The eighteen saved keys with a Qt property of the same name, and CNPJAlfanumerico.
        CampoVivoWidget w;
        QStringList de_projeto{QStringLiteral("CNPJAlfanumerico")};
        for (const auto& [chave, valor] : escritas(w)) {
            const QString nome = QString::fromStdU16String(chave);
            if (meta.indexOfProperty(qPrintable(nome)) >= meta.propertyOffset()) de_projeto << nome;
        }
        QCOMPARE(de_projeto.size(), 12);
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
        Ui::FormularioTeste ui;
        ui.setupUi(&form);
        conferir(form);
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
