// The form file: a save and a load keep every setting; a bad file is refused whole, naming the
// file, loading nothing and touching nothing; a failed save keeps the old file.
#include <signal.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <limits>

#include <pjtcampovivo/widgets/arquivo_formulario.hpp>
#include "tests/qt/apoio.hpp"
#include "tests/qt/bolsa_teste.hpp"

namespace pjtCampoVivo::teste_qt {

namespace {

using qt::CampoVivoWidget;

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void gravar(const QString& caminho, const QByteArray& dados) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dados);
}

// Settings that differ from a new control's in every key.
void configurar(CampoVivoWidget& w) {
    Bolsa b;
    b.ler = [](std::u16string_view c) -> std::optional<ValorPropriedade> {
        if (c == u"ForeColor") return Cor{255};
        if (c == u"Alinhamento") return int16_t{2};
        if (c == u"Enabled") return false;
        if (c == u"Font") return Fonte{u"DejaVu Sans", 11.5, true, false, true, false};
        if (c == u"BackColor") return Cor{0x00C0FFFF};
        if (c == u"Locked") return true;
        if (c == u"MouseIcon") return Figura{u"/icones/mão.png"};
        if (c == u"MousePointer") return int16_t{99};
        if (c == u"ToolTipText") return u"Dica \"entre aspas\"";
        if (c == u"WhatsThisHelpID") return int32_t{7};
        if (c == u"Estilo") return int32_t{2};
        if (c == u"Mascara") return int32_t{13};
        if (c == u"QuantidadeCasasDecimais") return int32_t{3};
        if (c == u"CapsLockMixed") return int32_t{2};
        if (c == u"CaracteresASeremRetiradosTexto") return u"#'";
        if (c == u"MaxLength") return int16_t{5};
        if (c == u"QtdMaxRegRetornadosPesqLookUp") return 250.5;
        return std::nullopt;
    };
    w.lerPropriedades(b);
}

// The message of the ErroArquivoFormulario f throws, empty when it throws none.
QString falha(const std::function<void()>& f) {
    try {
        f();
    } catch (const qt::ErroArquivoFormulario& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

QJsonArray propriedades(const QString& caminho, int controle) {
    return QJsonDocument::fromJson(ler(caminho))[QStringLiteral("controles")][controle]
        .toObject()[QStringLiteral("propriedades")]
        .toArray();
}

// The message of saving under a file size limit of `bytes`: writing beyond fails with EFBIG,
// as on a full disk.
QString falha_com_limite(qsizetype bytes, const std::function<void()>& f) {
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    struct sigaction ignorar {};
    struct sigaction sinal_antes {};
    ignorar.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorar, &sinal_antes);
    rlimit limite = antes;
    limite.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limite);
    QString msg = falha(f);
    setrlimit(RLIMIT_FSIZE, &antes);
    sigaction(SIGXFSZ, &sinal_antes, nullptr);
    return msg;
}

}  // namespace

class TestesArquivo : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString caminho = pasta.filePath(QStringLiteral("form.json"));

  private slots:
    void idaEVolta() {
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        auto* nome = new CampoVivoWidget(&form);
        configurar(*cpf);
        nome->setEstilo(1);
        nome->setMascara(1);
        qt::salvar_formulario(caminho, {{"cpf", cpf}, {"nome", nome}});
        QCOMPARE(propriedades(caminho, 0).size(), 18);

        // Loaded into new controls listed in another order, they save the same settings.
        QWidget outro;
        auto* cpf2 = new CampoVivoWidget(&outro);
        auto* nome2 = new CampoVivoWidget(&outro);
        qt::abrir_formulario(caminho, {{"nome", nome2}, {"cpf", cpf2}});
        QVERIFY(escritas(*cpf2) == escritas(*cpf));
        QVERIFY(escritas(*nome2) == escritas(*nome));
        QCOMPARE(cpf2->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(cpf2->caixaTexto()->accessibleName(), QStringLiteral("CNPF ###.###.###-##"));
        // A new control's zero settings are not the loading defaults, yet come back.
        auto* novo = new CampoVivoWidget(&outro);
        auto* novo2 = new CampoVivoWidget(&outro);
        qt::salvar_formulario(caminho, {{"x", novo}});
        qt::abrir_formulario(caminho, {{"x", novo2}});
        QVERIFY(escritas(*novo2) == escritas(*novo));
    }

    // The keys saved only when set follow the eighteen, in the control's order: the switches as
    // an int32 1, the unit's code as a text. A file without one loads it unset.
    void chavesSoQuandoLigadas_data() {
        QTest::addColumn<QStringList>("ligadas");
        QTest::newRow("UF") << QStringList{"UF"};
        QTest::newRow("todas") << QStringList{"CNPJAlfanumerico", "PesquisarNovamente",
                                              "TelefoneDDD", "UF"};
    }

    void chavesSoQuandoLigadas() {
        QFETCH(QStringList, ligadas);
        QWidget form;
        auto* ligado = new CampoVivoWidget(&form);
        auto* desligado = new CampoVivoWidget(&form);
        for (auto* w : {ligado, desligado}) w->setMascara(14);
        // What a key saves and loads back, as the file writes it.
        const auto uf = [](const QString& p) { return p == QLatin1String("UF"); };
        const auto lido = [&](CampoVivoWidget* w, const QString& p) {
            const QVariant v = w->property(qPrintable(p));
            return uf(p) ? v.toString() : QString::number(v.toInt());
        };
        for (const QString& p : ligadas) {
            QVERIFY(ligado->setProperty(qPrintable(p),
                                        uf(p) ? QVariant(QStringLiteral("BA"))
                                              : QVariant::fromValue(CampoVivoWidget::sim)));
        }
        qt::salvar_formulario(caminho, {{"a", ligado}, {"b", desligado}});
        const QJsonArray salvas = propriedades(caminho, 0);
        QCOMPARE(salvas.size(), 18 + ligadas.size());
        for (qsizetype i = 0; i < ligadas.size(); ++i) {
            const QJsonValue chave = salvas[18 + i];
            QCOMPARE(chave[QStringLiteral("chave")].toString(), ligadas[i]);
            QCOMPARE(chave[QStringLiteral("tipo")].toString(),
                     uf(ligadas[i]) ? QStringLiteral("texto") : QStringLiteral("int32"));
            QCOMPARE(chave[QStringLiteral("valor")].toVariant().toString(),
                     lido(ligado, ligadas[i]));
        }
        QCOMPARE(propriedades(caminho, 1).size(), 18);
        qt::abrir_formulario(caminho, {{"a", desligado}, {"b", ligado}});
        for (const char* p : {"CNPJAlfanumerico", "PesquisarNovamente", "TelefoneDDD", "UF"}) {
            const bool ligada = ligadas.contains(QLatin1String(p));
            QCOMPARE(lido(desligado, p), ligada ? (uf(p) ? "BA" : "1") : (uf(p) ? "" : "0"));
            QCOMPARE(lido(ligado, p), uf(p) ? "" : "0");
        }
    }

    void arquivoRuimNaoCarregaNada() {
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        auto* nome = new CampoVivoWidget(&form);
        configurar(*cpf);
        configurar(*nome);
        qt::salvar_formulario(caminho, {{"cpf", cpf}, {"nome", nome}});
        const QByteArray bom = ler(caminho);
        // The good file with its first `de` replaced by `para`.
        const auto trocado = [&](const char* de, const char* para) {
            QByteArray t = bom;
            const auto i = t.indexOf(de);
            return i < 0 ? QByteArray() : t.replace(i, qsizetype(qstrlen(de)), para);
        };
        const auto no_nome = [&](const char* de, const char* para) {
            QByteArray t = bom;
            const auto i = t.indexOf(de, t.indexOf("\"nome\": \"nome\""));
            return t.replace(i, qsizetype(qstrlen(de)), para);
        };
        const struct {
            QByteArray dados;
            QStringList no_texto;
        } casos[] = {
            {"{\"formato\": \"x\",\n \"versao\": 1,,}", {"not valid JSON", "line 2"}},
            {"[]", {"must hold a JSON object"}},
            {trocado("\"versao\": 1", "\"versao\": 2"), {"versao"}},
            {trocado("\"controles\"", "\"extra\": 1, \"controles\""), {"unknown member \"extra\""}},
            {trocado("250.5", "1e400"), {"not valid JSON", "line "}},
            {no_nome("\"tipo\": \"int32\"", "\"tipo\": \"int64\""), {"\"nome\"", "int64"}},
            {no_nome("\"valor\": false", "\"valor\": \"sim\""),
             {"\"nome\"", "\"Enabled\"", "bool"}},
            {no_nome("\"valor\": \"\"", "\"valor\": \"Bia\""), {"\"Text\" must be empty"}},
            {no_nome("\"valor\": 5", "\"valor\": 40000"), {"\"MaxLength\"", "out of the range"}},
            {no_nome("\"valor\": 5", "\"valor\": 9007199254740993"), {"\"MaxLength\"", "range"}},
            {no_nome("\"valor\": 13", "\"valor\": 1.5"), {"\"Mascara\"", "whole number"}},
            {no_nome("\"negrito\": true", "\"negrito\": 1"), {"\"Font\"", "\"negrito\""}},
            {no_nome("\"chave\": \"Locked\"", "\"chave\": \"Cor\""), {"\"Cor\"", "unknown key"}},
            {no_nome("\"chave\": \"Locked\"", "\"chave\": \"Enabled\""), {"\"Enabled\"", "twice"}},
            {trocado("\"nome\": \"nome\"", "\"nome\": \"cpf\""), {"\"cpf\"", "twice"}},
            {trocado("\"nome\": \"nome\"", "\"nome\": \"rg\""), {"\"rg\"", "no such control"}},
        };
        const auto recusa = [&](const QByteArray& dados, const QStringList& no_texto) {
            gravar(caminho, dados);
            QWidget outro;
            auto* cpf2 = new CampoVivoWidget(&outro);
            auto* nome2 = new CampoVivoWidget(&outro);
            const Escritas novo = escritas(*cpf2);
            const QString msg = falha([&] {
                qt::abrir_formulario(caminho, {{"cpf", cpf2}, {"nome", nome2}});
            });
            QVERIFY2(msg.startsWith(caminho), qPrintable(msg));
            for (const QString& t : no_texto)
                QVERIFY2(msg.contains(t), qPrintable(msg + " / " + t));
            // Nothing loaded, not even the good control before the bad one; the file untouched.
            QVERIFY2(escritas(*cpf2) == novo && escritas(*nome2) == novo, qPrintable(msg));
            QVERIFY2(ler(caminho) == dados, qPrintable(msg));
        };
        for (const auto& c : casos) {
            QVERIFY(!c.dados.isEmpty() && c.dados != bom);
            recusa(c.dados, c.no_texto);
        }
        // Cut short at every length, from nothing: refused where the JSON breaks, but for the
        // final newline.
        const qsizetype fim = bom.endsWith('\n') ? bom.size() - 1 : bom.size();
        for (qsizetype n = 0; n < fim; ++n) recusa(bom.left(n), {"line "});
    }

    void gravacaoQueFalhaPreservaOArquivo() {
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        qt::salvar_formulario(caminho, {{"cpf", cpf}});
        const QByteArray antes = ler(caminho);
        cpf->setMascara(3);  // a save that went through would change the file
        const auto salvar = [&] { qt::salvar_formulario(caminho, {{"cpf", cpf}}); };
        const struct {
            std::function<QString()> salvar;
            const char* no_texto;
        } casos[] = {
            {[&] { return falha_com_limite(0, salvar); }, "cannot write"},
            {[&] { return falha_com_limite(antes.size() / 2, salvar); }, "cannot write"},
            {[&] {
                 cpf->setQtdMaxRegRetornadosPesqLookUp(std::numeric_limits<double>::quiet_NaN());
                 return falha(salvar);
             },
             "QtdMaxRegRetornadosPesqLookUp"},
        };
        for (const auto& c : casos) {
            const QString msg = c.salvar();
            QVERIFY2(msg.contains(QLatin1String(c.no_texto)), qPrintable(msg));
            QVERIFY(ler(caminho) == antes);
            QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList{"form.json"});
        }
    }
};

int testar_arquivo(int argc, char** argv) {
    TestesArquivo t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace pjtCampoVivo::teste_qt

#include "arquivo_formulario_test.moc"
