// The form file: a save and a load keep every setting, and a bad file is refused whole with a
// message that names the file, the control and the key, loading nothing and touching nothing.
#include <signal.h>
#include <sys/resource.h>
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
#include <optional>

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

// Runs f with files limited to `bytes` (RLIMIT_FSIZE: writing beyond it fails with EFBIG,
// as on a full disk, and needs no privilege), then lifts the limit again.
void com_limite_de_arquivo(qsizetype bytes, const std::function<void()>& f) {
    rlimit antes{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &antes) == 0);
    struct sigaction ignorar {};
    struct sigaction sinal_antes {};
    ignorar.sa_handler = SIG_IGN;
    QVERIFY(sigaction(SIGXFSZ, &ignorar, &sinal_antes) == 0);  // EFBIG instead of the signal
    rlimit limite = antes;
    limite.rlim_cur = static_cast<rlim_t>(bytes);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
    try {
        f();
    } catch (...) {
        setrlimit(RLIMIT_FSIZE, &antes);
        sigaction(SIGXFSZ, &sinal_antes, nullptr);
        throw;
    }
    setrlimit(RLIMIT_FSIZE, &antes);
    sigaction(SIGXFSZ, &sinal_antes, nullptr);
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
        for (const auto& p : propriedades) {
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

    // The alphanumeric CNPJ setting is a nineteenth key, saved only when on; a file without
    // it (every file saved before it existed) loads it off.
    void cnpjAlfanumericoSoQuandoLigado() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* ligado = new CampoVivoWidget(&form);
        auto* desligado = new CampoVivoWidget(&form);
        for (auto* w : {ligado, desligado}) w->setMascara(14);
        QVERIFY(ligado->setProperty("CNPJAlfanumerico", 1));
        qt::salvar_formulario(caminho,
                              {{QStringLiteral("a"), ligado}, {QStringLiteral("b"), desligado}});
        const QJsonArray controles = QJsonDocument::fromJson(ler(caminho))
                                         .object()
                                         .value(QStringLiteral("controles"))
                                         .toArray();
        const QJsonArray com =
            controles[0].toObject().value(QStringLiteral("propriedades")).toArray();
        const QJsonArray sem =
            controles[1].toObject().value(QStringLiteral("propriedades")).toArray();
        QCOMPARE(com.size(), 19);
        QCOMPARE(sem.size(), 18);
        QCOMPARE(com.last(), QJsonValue(QJsonObject{
                                 {QStringLiteral("chave"), QStringLiteral("CNPJAlfanumerico")},
                                 {QStringLiteral("tipo"), QStringLiteral("int32")},
                                 {QStringLiteral("valor"), 1}}));

        // Loaded crosswise: each control takes the other's setting, the key or its absence.
        qt::abrir_formulario(caminho,
                             {{QStringLiteral("a"), desligado}, {QStringLiteral("b"), ligado}});
        QCOMPARE(desligado->property("CNPJAlfanumerico").toInt(), 1);
        QCOMPARE(ligado->property("CNPJAlfanumerico").toInt(), 0);
        ligado->setText(QStringLiteral("191"));
        desligado->setText(QStringLiteral("191"));
        QCOMPARE(ligado->ClipText(), QStringLiteral("191"));
        QCOMPARE(desligado->ClipText(), QStringLiteral("00000000000191"));
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

        // A change of the good file's root object; `no_nome` changes the control "nome".
        using Mudanca = std::function<void(QJsonObject & raiz)>;
        const auto no_nome = [](const std::function<void(QJsonObject&)>& f) -> Mudanca {
            return [f](QJsonObject& raiz) {
                QJsonArray controles = raiz[QStringLiteral("controles")].toArray();
                QJsonObject n = controles[1].toObject();
                f(n);
                controles[1] = n;
                raiz[QStringLiteral("controles")] = controles;
            };
        };
        // Applies f to the property chave of "nome".
        const auto na_chave = [&](const char* chave,
                                  const std::function<void(QJsonObject&)>& f) -> Mudanca {
            return no_nome([=](QJsonObject& n) {
                QJsonArray ps = n[QStringLiteral("propriedades")].toArray();
                for (auto p : ps) {
                    QJsonObject o = p.toObject();
                    if (o[QStringLiteral("chave")] != QLatin1String(chave)) continue;
                    f(o);
                    p = o;
                }
                n[QStringLiteral("propriedades")] = ps;
            });
        };
        // Sets the value (and type) of a key of "nome".
        const auto valor = [&](const char* chave, const char* tipo,
                               const QJsonValue& v) -> Mudanca {
            return na_chave(chave, [=](QJsonObject& o) {
                o[QStringLiteral("tipo")] = QLatin1String(tipo);
                o[QStringLiteral("valor")] = v;
            });
        };
        const auto membro = [&](const char* chave, const char* nome,
                                const QJsonValue& v) -> Mudanca {
            return na_chave(chave, [=](QJsonObject& o) { o[QLatin1String(nome)] = v; });
        };
        const auto nova_propriedade = [&](const QJsonValue& p) -> Mudanca {
            return no_nome([=](QJsonObject& n) {
                QJsonArray ps = n[QStringLiteral("propriedades")].toArray();
                ps.append(p);
                n[QStringLiteral("propriedades")] = ps;
            });
        };
        const auto na_raiz = [](const char* nome, const QJsonValue& v) -> Mudanca {
            return [=](QJsonObject& raiz) { raiz[QLatin1String(nome)] = v; };
        };
        // The good file's text with its first `de` replaced: numbers JSON writers never write.
        const QByteArray texto_bom = QJsonDocument(bom).toJson();
        const auto trocado = [&](const char* de, const char* para) {
            QByteArray t = texto_bom;
            const auto i = t.indexOf(de);
            return i < 0 ? QByteArray() : t.replace(i, qsizetype(qstrlen(de)), para);
        };
        const struct {
            const char* caso;
            Mudanca mudanca;
            std::optional<QByteArray> bruto;  // the whole file, when not a change of the good one
            QStringList no_texto;
        } casos[] = {
            // Not JSON, or not the form's JSON.
            {"json inválido",
             {},
             "{\"formato\": \"pjtCampoVivo.formulario\",\n \"versao\": 1,,}",
             {"not valid JSON", "line 2"}},
            {"vazio", {}, QByteArray(), {"not valid JSON", "line 1"}},
            {"binário", {}, QByteArray("\x00\xff\xfe{\x01", 5), {"not valid JSON", "line 1"}},
            {"texto solto", {}, "formulario\n", {"not valid JSON", "line 1"}},
            {"lista na raiz", {}, "[]", {"must hold a JSON object"}},
            {"membro da raiz desconhecido",
             na_raiz("extra", 1),
             {},
             {"unknown member \"extra\"", "the file"}},
            {"formato errado", na_raiz("formato", "outro"), {}, {"\"formato\""}},
            {"versão", na_raiz("versao", 2), {}, {"versao"}},
            {"versão em texto", na_raiz("versao", "1"), {}, {"versao"}},
            // Wrong types.
            {"controles não é lista", na_raiz("controles", QJsonObject{}), {}, {"\"controles\""}},
            {"controle não é objeto",
             [](QJsonObject& raiz) {
                 QJsonArray cs = raiz[QStringLiteral("controles")].toArray();
                 cs[1] = 5;
                 raiz[QStringLiteral("controles")] = cs;
             },
             {},
             {"each of \"controles\""}},
            {"nome não é texto",
             no_nome([](QJsonObject& n) { n[QStringLiteral("nome")] = 7; }),
             {},
             {"\"nome\" must be a string"}},
            {"propriedades não é lista",
             no_nome([](QJsonObject& n) { n[QStringLiteral("propriedades")] = QJsonObject{}; }),
             {},
             {"\"nome\"", "\"propriedades\" must be an array"}},
            {"propriedade não é objeto",
             nova_propriedade(QStringLiteral("Mascara")),
             {},
             {"\"nome\"", "each property must be an object"}},
            {"chave não é texto",
             membro("Mascara", "chave", 3),
             {},
             {"\"chave\" must be a string"}},
            {"tipo não é texto",
             membro("Mascara", "tipo", 3),
             {},
             {"\"Mascara\"", "\"tipo\" must be a string"}},
            {"tipo desconhecido", membro("Mascara", "tipo", "int64"), {}, {"\"Mascara\"", "int64"}},
            {"tipo errado",
             valor("Enabled", "bool", QStringLiteral("sim")),
             {},
             {"\"nome\"", "\"Enabled\"", "bool"}},
            {"número nulo", valor("Estilo", "int32", QJsonValue()), {}, {"\"Estilo\"", "not null"}},
            {"nada com valor", valor("MouseIcon", "nada", "x"), {}, {"\"MouseIcon\"", "null"}},
            // The text shown is never saved, so a file holding one is refused.
            {"texto mostrado",
             valor("Text", "texto", QStringLiteral("Bia")),
             {},
             {"\"nome\"", "\"Text\" must be empty"}},
            {"não converte",
             valor("Estilo", "texto", QStringLiteral("dois")),
             {},
             {"\"nome\"", "\"Estilo\"", "32-bit integer"}},
            {"fonte em texto", valor("Font", "fonte", "Arial"), {}, {"\"Font\"", "object"}},
            {"fonte com marca numérica",
             valor("Font", "fonte",
                   QJsonObject{{"nome", "Arial"},
                               {"tamanho", 9},
                               {"negrito", 1},
                               {"italico", false},
                               {"sublinhado", false},
                               {"tachado", false}}),
             {},
             {"\"Font\"", "\"negrito\" must be a boolean"}},
            {"fonte incompleta",
             valor("Font", "fonte", QJsonObject{{"nome", "Arial"}}),
             {},
             {"\"Font\"", "tamanho"}},
            // Values out of range.
            {"fora do intervalo",
             valor("MaxLength", "int16", 40000),
             {},
             {"\"nome\"", "\"MaxLength\"", "40000", "out of the range"}},
            {"int16 abaixo",
             valor("Alinhamento", "int16", -32769),
             {},
             {"\"Alinhamento\"", "-32769"}},
            {"int32 acima",
             valor("Estilo", "int32", 2147483648.0),
             {},
             {"\"Estilo\"", "2147483648", "out of the range"}},
            {"cor acima", valor("ForeColor", "cor", 4294967296.0), {}, {"\"ForeColor\"", "cor"}},
            {"cor negativa", valor("BackColor", "cor", -1), {}, {"\"BackColor\"", "cor"}},
            {"não inteiro", valor("Mascara", "int32", 1.5), {}, {"\"Mascara\"", "whole number"}},
            {"número sem forma em JSON",
             {},
             trocado("250.5", "1e400"),
             {"not valid JSON", "line "}},
            {"int32 muito negativo",
             {},
             trocado("\"valor\": 13", "\"valor\": -1e308"),
             {"\"Mascara\"", "out of the range"}},
            {"int16 além de 2^53",
             {},
             trocado("\"valor\": 5", "\"valor\": 9007199254740993"),
             {"\"MaxLength\"", "out of the range"}},
            {"fonte de tamanho zero",
             valor("Font", "fonte",
                   QJsonObject{{"nome", "Arial"},
                               {"tamanho", 0},
                               {"negrito", false},
                               {"italico", false},
                               {"sublinhado", false},
                               {"tachado", false}}),
             {},
             {"\"Font\"", "tamanho"}},
            // Unknown keys and members.
            {"chave desconhecida",
             nova_propriedade(QJsonObject{{"chave", "Cor"}, {"tipo", "cor"}, {"valor", 1}}),
             {},
             {"\"nome\"", "\"Cor\"", "unknown key"}},
            {"membro de controle desconhecido",
             no_nome([](QJsonObject& n) { n[QStringLiteral("ordem")] = 1; }),
             {},
             {"\"nome\"", "unknown member \"ordem\""}},
            {"membro de propriedade desconhecido",
             membro("Mascara", "padrao", 0),
             {},
             {"\"Mascara\"", "unknown member \"padrao\""}},
            {"propriedade sem valor",
             nova_propriedade(QJsonObject{{"chave", "Locked"}, {"tipo", "bool"}}),
             {},
             {"\"Locked\"", "lacks \"valor\""}},
            {"membro de fonte desconhecido",
             valor("Font", "fonte",
                   QJsonObject{{"nome", "Arial"},
                               {"tamanho", 9},
                               {"negrito", false},
                               {"italico", false},
                               {"sublinhado", false},
                               {"tachado", false},
                               {"cor", 1}}),
             {},
             {"\"Font\"", "\"cor\""}},
            // Repetitions.
            {"chave repetida",
             nova_propriedade(QJsonObject{{"chave", "Mascara"}, {"tipo", "int32"}, {"valor", 1}}),
             {},
             {"\"nome\"", "\"Mascara\"", "twice"}},
            {"controle repetido",
             no_nome([](QJsonObject& n) { n[QStringLiteral("nome")] = QStringLiteral("cpf"); }),
             {},
             {"\"cpf\"", "twice"}},
            {"controle desconhecido",
             no_nome([](QJsonObject& n) { n[QStringLiteral("nome")] = QStringLiteral("rg"); }),
             {},
             {"\"rg\"", "no such control"}},
        };
        for (const auto& c : casos) {
            QByteArray dados;
            if (c.bruto) {
                dados = *c.bruto;
                QVERIFY2(!c.mudanca, c.caso);
            } else {
                QJsonObject raiz = bom;
                c.mudanca(raiz);
                dados = QJsonDocument(raiz).toJson();
            }
            QVERIFY2(dados != texto_bom || c.bruto, c.caso);
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

    // A file cut short (a copy interrupted, a disk that filled) at every length: each cut is
    // refused with where the JSON breaks, loading nothing, unless what is left is still the
    // same JSON (only trailing blanks were cut).
    void arquivoCortadoEmCadaTamanho() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        configurar(*cpf);
        qt::salvar_formulario(caminho, {{QStringLiteral("cpf"), cpf}});
        const QByteArray inteiro = ler(caminho);
        const QJsonDocument documento = QJsonDocument::fromJson(inteiro);
        QVERIFY(documento.isObject());

        QWidget outro;
        auto* destino = new CampoVivoWidget(&outro);
        const Escritas novo = escritas(*destino);
        int carregados = 0;
        for (qsizetype tamanho = 0; tamanho < inteiro.size(); ++tamanho) {
            // A new file each time: rewriting one file in place makes some file systems write
            // it out at every close, which is slow.
            const QString onde = QString::number(tamanho);
            const QString cortado_em = pasta.filePath(onde + QStringLiteral(".json"));
            const QByteArray cortado = inteiro.left(tamanho);
            gravar(cortado_em, cortado);
            QString mensagem;
            try {
                qt::abrir_formulario(cortado_em, {{QStringLiteral("cpf"), destino}});
            } catch (const qt::ErroArquivoFormulario& e) {
                mensagem = QString::fromUtf8(e.what());
            }
            if (mensagem.isEmpty()) {
                QVERIFY2(QJsonDocument::fromJson(cortado) == documento, qPrintable(onde));
                QVERIFY2(escritas(*destino) == escritas(*cpf), qPrintable(onde));
                ++carregados;
                delete destino;
                destino = new CampoVivoWidget(&outro);
            } else {
                QVERIFY2(
                    mensagem.startsWith(cortado_em) && mensagem.contains(QLatin1String("line ")),
                    qPrintable(onde + QStringLiteral(": ") + mensagem));
                QVERIFY2(escritas(*destino) == novo, qPrintable(onde));
            }
            QVERIFY2(ler(cortado_em) == cortado, qPrintable(onde));
            QFile::remove(cortado_em);
        }
        // Only the final newline can go.
        QCOMPARE(carregados, inteiro.endsWith('\n') ? 1 : 0);
    }

    void gravacaoQueFalhaPreservaOArquivo() {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("form.json"));
        QWidget form;
        auto* cpf = new CampoVivoWidget(&form);
        qt::salvar_formulario(caminho, {{QStringLiteral("cpf"), cpf}});
        const QByteArray antes = ler(caminho);
        // Another setting, so that a save that went through would change the file.
        const auto salvar_cpf = [&](const QString& onde) {
            cpf->setMascara(3);
            qt::salvar_formulario(onde, {{QStringLiteral("cpf"), cpf}});
        };

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
            // A full disk: the process may write only a few bytes more to any file.
            {"disco cheio",
             [&] { com_limite_de_arquivo(0, [&] { salvar_cpf(caminho); }); },
             {"form.json", "cannot write"}},
            {"disco cheio no meio",
             [&] { com_limite_de_arquivo(antes.size() / 2, [&] { salvar_cpf(caminho); }); },
             {"form.json", "cannot write"}},
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
