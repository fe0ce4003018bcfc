// The form file: a save and a load keep every setting, and a bad file is refused whole with a
// message that names the file, the control and the key, loading nothing and touching nothing.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

#include "tests/qt/apoio.hpp"
#include "toolkit/qt/arquivo_formulario.hpp"

namespace pjtCampoVivo::teste_qt {

namespace {

using qt::CampoVivoWidget;
using Escritas = std::vector<std::pair<std::u16string, ValorPropriedade>>;

// What a control writes when saved: its whole setting, in order.
Escritas escritas(CampoVivoWidget& w) {
    struct Bolsa final : BolsaPropriedades {
        Escritas lista;
        ValorPropriedade ReadProperty(std::u16string_view,
                                      const ValorPropriedade& padrao) override {
            return padrao;
        }
        void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                           const std::optional<ValorPropriedade>&) override {
            lista.emplace_back(chave, valor);
        }
    } bolsa;
    w.gravarPropriedades(bolsa);
    return bolsa.lista;
}

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
    struct Bolsa final : BolsaPropriedades {
        ValorPropriedade ReadProperty(std::u16string_view chave,
                                      const ValorPropriedade& padrao) override {
            if (chave == u"ForeColor") return Cor{255};
            if (chave == u"Alinhamento") return int16_t{2};
            if (chave == u"Enabled") return false;
            if (chave == u"Font") return Fonte{u"DejaVu Sans", 11.5, true, false, true, false};
            if (chave == u"BackColor") return Cor{0x00C0FFFF};
            if (chave == u"Locked") return true;
            if (chave == u"MouseIcon") return Figura{u"/icones/mão.png"};
            if (chave == u"MousePointer") return int16_t{99};
            if (chave == u"ToolTipText") return u"Dica \"entre aspas\"";
            if (chave == u"WhatsThisHelpID") return int32_t{7};
            if (chave == u"Estilo") return int32_t{2};
            if (chave == u"Mascara") return int32_t{13};
            if (chave == u"QuantidadeCasasDecimais") return int32_t{3};
            if (chave == u"CapsLockMixed") return int32_t{2};
            if (chave == u"CaracteresASeremRetiradosTexto") return u"#'";
            if (chave == u"MaxLength") return int16_t{5};
            if (chave == u"QtdMaxRegRetornadosPesqLookUp") return 250.5;
            return padrao;
        }
        void WriteProperty(std::u16string_view, const ValorPropriedade&,
                           const std::optional<ValorPropriedade>&) override {}
    } bolsa;
    w.lerPropriedades(bolsa);
}

}  // namespace

class TestesArquivo : public QObject {
    Q_OBJECT

  private slots:
    void idaEVolta() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        auto* nome = new CampoVivoWidget(&form);
        configurar(*cpf);
        nome->setEstilo(1);
        nome->setMascara(1);
        qt::salvar_formulario(caminho,
                              {{QStringLiteral("cpf"), cpf}, {QStringLiteral("nome"), nome}});

        // Each control's eighteen keys, in the order and with the types it writes them.
        const QJsonObject raiz = QJsonDocument::fromJson(ler(caminho)).object();
        const QJsonArray controles = raiz.value(QStringLiteral("controles")).toArray();
        QCOMPARE(controles.size(), 2);
        const QJsonArray propriedades =
            controles[0].toObject().value(QStringLiteral("propriedades")).toArray();
        const QStringList chaves{"ForeColor:cor",
                                 "Alinhamento:int16",
                                 "Enabled:bool",
                                 "Font:fonte",
                                 "BackColor:cor",
                                 "Locked:bool",
                                 "MouseIcon:figura",
                                 "MousePointer:int16",
                                 "Text:texto",
                                 "ToolTipText:texto",
                                 "WhatsThisHelpID:int32",
                                 "Estilo:int32",
                                 "Mascara:int32",
                                 "QuantidadeCasasDecimais:int32",
                                 "CapsLockMixed:int32",
                                 "CaracteresASeremRetiradosTexto:texto",
                                 "MaxLength:int16",
                                 "QtdMaxRegRetornadosPesqLookUp:double"};
        QStringList lidas;
        for (const QJsonValue& p : propriedades) {
            lidas << p[QStringLiteral("chave")].toString() + ':' +
                         p[QStringLiteral("tipo")].toString();
        }
        QCOMPARE(lidas, chaves);

        // Loaded into new controls (listed in another order), they save the same settings.
        QWidget outro;
        auto* cpf2 = new CampoVivoWidget(&outro);
        auto* nome2 = new CampoVivoWidget(&outro);
        qt::abrir_formulario(caminho,
                             {{QStringLiteral("nome"), nome2}, {QStringLiteral("cpf"), cpf2}});
        QVERIFY(escritas(*cpf2) == escritas(*cpf));
        QVERIFY(escritas(*nome2) == escritas(*nome));
        QCOMPARE(cpf2->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(cpf2->caixaTexto()->accessibleName(), QStringLiteral("CNPF ###.###.###-##"));
        // A new control saved as it is loads as it was, though its zero settings are not the
        // loading defaults.
        QWidget terceiro;
        auto* novo = new CampoVivoWidget(&terceiro);
        auto* novo2 = new CampoVivoWidget(&terceiro);
        qt::salvar_formulario(caminho, {{QStringLiteral("x"), novo}});
        qt::abrir_formulario(caminho, {{QStringLiteral("x"), novo2}});
        QVERIFY(escritas(*novo2) == escritas(*novo));
    }

    void arquivoRuimNaoCarregaNada() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        auto* nome = new CampoVivoWidget(&form);
        configurar(*cpf);
        configurar(*nome);
        qt::salvar_formulario(caminho,
                              {{QStringLiteral("cpf"), cpf}, {QStringLiteral("nome"), nome}});
        const QJsonObject bom = QJsonDocument::fromJson(ler(caminho)).object();

        using Mudanca = std::function<void(QJsonObject & nome, QJsonArray & controles)>;
        // Sets the value (and type) of a key of "nome".
        const auto valor = [](const char* chave, const char* tipo, QJsonValue v) -> Mudanca {
            return [=](QJsonObject& n, QJsonArray&) {
                QJsonArray ps = n[QStringLiteral("propriedades")].toArray();
                for (auto p : ps) {
                    QJsonObject o = p.toObject();
                    if (o[QStringLiteral("chave")] != QLatin1String(chave)) continue;
                    o[QStringLiteral("tipo")] = QLatin1String(tipo);
                    o[QStringLiteral("valor")] = v;
                    p = o;
                }
                n[QStringLiteral("propriedades")] = ps;
            };
        };
        const struct {
            const char* caso;
            Mudanca mudanca;
            QByteArray bruto;  // the whole file, when not a change of the good one
            QStringList no_texto;
        } casos[] = {
            {"json inválido",
             {},
             "{\"formato\": \"pjtCampoVivo.formulario\",\n \"versao\": 1,,}",
             {"not valid JSON", "line 2"}},
            {"tipo errado",
             valor("Enabled", "bool", QStringLiteral("sim")),
             {},
             {"\"nome\"", "\"Enabled\"", "bool"}},
            {"fora do intervalo",
             valor("MaxLength", "int16", 40000),
             {},
             {"\"nome\"", "\"MaxLength\"", "40000", "out of the range"}},
            {"não converte",
             valor("Estilo", "texto", QStringLiteral("dois")),
             {},
             {"\"nome\"", "\"Estilo\"", "32-bit integer"}},
            {"não inteiro", valor("Mascara", "int32", 1.5), {}, {"\"Mascara\"", "whole number"}},
            {"cor negativa", valor("BackColor", "cor", -1), {}, {"\"BackColor\"", "cor"}},
            {"fonte incompleta",
             valor("Font", "fonte", QJsonObject{{"nome", "Arial"}}),
             {},
             {"\"Font\"", "tamanho"}},
            {"chave desconhecida",
             [](QJsonObject& n, QJsonArray&) {
                 QJsonArray ps = n[QStringLiteral("propriedades")].toArray();
                 ps.append(QJsonObject{{"chave", "Cor"}, {"tipo", "cor"}, {"valor", 1}});
                 n[QStringLiteral("propriedades")] = ps;
             },
             {},
             {"\"nome\"", "\"Cor\"", "unknown key"}},
            {"chave repetida",
             [](QJsonObject& n, QJsonArray&) {
                 QJsonArray ps = n[QStringLiteral("propriedades")].toArray();
                 ps.append(QJsonObject{{"chave", "Mascara"}, {"tipo", "int32"}, {"valor", 1}});
                 n[QStringLiteral("propriedades")] = ps;
             },
             {},
             {"\"nome\"", "\"Mascara\"", "twice"}},
            {"controle repetido",
             [](QJsonObject& n, QJsonArray& cs) {
                 n[QStringLiteral("nome")] = QStringLiteral("cpf");
                 Q_UNUSED(cs);
             },
             {},
             {"\"cpf\"", "twice"}},
            {"controle desconhecido",
             [](QJsonObject& n, QJsonArray&) { n[QStringLiteral("nome")] = QStringLiteral("rg"); },
             {},
             {"\"rg\"", "no such control"}},
            {"versão", {}, {}, {"versao"}},
        };
        for (const auto& c : casos) {
            QByteArray dados = c.bruto;
            if (dados.isEmpty()) {
                QJsonObject raiz = bom;
                QJsonArray controles = raiz[QStringLiteral("controles")].toArray();
                if (c.mudanca) {
                    QJsonObject n = controles[1].toObject();
                    c.mudanca(n, controles);
                    controles[1] = n;
                } else {
                    raiz[QStringLiteral("versao")] = 2;
                }
                raiz[QStringLiteral("controles")] = controles;
                dados = QJsonDocument(raiz).toJson();
            }
            gravar(caminho, dados);

            QWidget outro;
            auto* cpf2 = new CampoVivoWidget(&outro);
            auto* nome2 = new CampoVivoWidget(&outro);
            const Escritas antes_cpf = escritas(*cpf2);
            const Escritas antes_nome = escritas(*nome2);
            QString mensagem;
            try {
                qt::abrir_formulario(
                    caminho, {{QStringLiteral("cpf"), cpf2}, {QStringLiteral("nome"), nome2}});
            } catch (const qt::ErroArquivoFormulario& e) {
                mensagem = QString::fromUtf8(e.what());
            }
            QVERIFY2(mensagem.startsWith(caminho), c.caso);
            for (const QString& trecho : c.no_texto) {
                QVERIFY2(mensagem.contains(trecho),
                         qPrintable(QStringLiteral("%1: %2 lacks %3")
                                        .arg(QLatin1String(c.caso), mensagem, trecho)));
            }
            // Nothing loaded, not even the good control before the bad one; the file untouched.
            QVERIFY2(escritas(*cpf2) == antes_cpf, c.caso);
            QVERIFY2(escritas(*nome2) == antes_nome, c.caso);
            QVERIFY2(ler(caminho) == dados, c.caso);
        }
    }

    void gravacaoQueFalhaPreservaOArquivo() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        qt::salvar_formulario(caminho, {{QStringLiteral("cpf"), cpf}});
        const QByteArray antes = ler(caminho);

        const struct {
            const char* caso;
            std::function<void()> salvar;
            QStringList no_texto;
        } casos[] = {
            {"valor sem forma em JSON",
             [&] {
                 cpf->setQtdMaxRegRetornadosPesqLookUp(std::numeric_limits<double>::quiet_NaN());
                 qt::salvar_formulario(caminho, {{QStringLiteral("cpf"), cpf}});
             },
             {"\"cpf\"", "\"QtdMaxRegRetornadosPesqLookUp\""}},
            {"nome repetido",
             [&] {
                 cpf->setQtdMaxRegRetornadosPesqLookUp(1);
                 qt::salvar_formulario(
                     caminho, {{QStringLiteral("cpf"), cpf}, {QStringLiteral("cpf"), cpf}});
             },
             {"\"cpf\""}},
            {"pasta inexistente",
             [&] {
                 qt::salvar_formulario(pasta.filePath(QStringLiteral("nao/existe.json")),
                                       {{QStringLiteral("cpf"), cpf}});
             },
             {"nao/existe.json", "cannot write"}},
        };
        for (const auto& c : casos) {
            QString mensagem;
            try {
                c.salvar();
            } catch (const qt::ErroArquivoFormulario& e) {
                mensagem = QString::fromUtf8(e.what());
            }
            for (const QString& trecho : c.no_texto) {
                QVERIFY2(mensagem.contains(trecho),
                         qPrintable(QStringLiteral("%1: \"%2\" lacks %3")
                                        .arg(QLatin1String(c.caso), mensagem, trecho)));
            }
            QVERIFY2(ler(caminho) == antes, c.caso);
            // Nothing left behind beside it.
            QCOMPARE(QDir(pasta.path()).entryList(QDir::Files),
                     QStringList{QStringLiteral("form.json")});
        }
    }
};

int testar_arquivo(int argc, char** argv) {
    TestesArquivo t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace pjtCampoVivo::teste_qt

#include "arquivo_formulario_test.moc"
