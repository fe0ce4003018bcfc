#include <pjtcampovivo/widgets/arquivo_formulario.hpp>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>
#include <QSet>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/qt/conversoes.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace pjtCampoVivo::qt {

namespace {

using detail::qstring;
using detail::u16;

const QString Formato = QStringLiteral("pjtCampoVivo.formulario");
constexpr int Versao = 1;

// The keys a control saves, in the order it writes them, each with the conversion loading
// applies to its value: a value the control could not take is refused before anything loads.
struct Chave {
    const char16_t* nome;
    void (*converter)(const ValorPropriedade&);
    const char* alvo;  // what the value must convert to, for the message
};

const Chave Chaves[] = {
    {u"ForeColor", [](const ValorPropriedade& v) { v.como_cor(); }, "a colour"},
    {u"Alinhamento", [](const ValorPropriedade& v) { v.como_int16(); }, "a 16-bit integer"},
    {u"Enabled", [](const ValorPropriedade& v) { v.como_bool(); }, "a boolean"},
    {u"Font", [](const ValorPropriedade& v) { v.como_fonte(); }, "a font"},
    {u"BackColor", [](const ValorPropriedade& v) { v.como_cor(); }, "a colour"},
    {u"Locked", [](const ValorPropriedade& v) { v.como_bool(); }, "a boolean"},
    {u"MouseIcon", [](const ValorPropriedade& v) { v.como_figura(); }, "a picture or nothing"},
    {u"MousePointer", [](const ValorPropriedade& v) { v.como_int16(); }, "a 16-bit integer"},
    {u"Text", [](const ValorPropriedade& v) { v.como_texto(); }, "a text"},
    {u"ToolTipText", [](const ValorPropriedade& v) { v.como_texto(); }, "a text"},
    {u"WhatsThisHelpID", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"Estilo", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"Mascara", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"QuantidadeCasasDecimais", [](const ValorPropriedade& v) { v.como_int32(); },
     "a 32-bit integer"},
    {u"CapsLockMixed", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"CaracteresASeremRetiradosTexto", [](const ValorPropriedade& v) { v.como_texto(); },
     "a text"},
    {u"MaxLength", [](const ValorPropriedade& v) { v.como_int16(); }, "a 16-bit integer"},
    {u"QtdMaxRegRetornadosPesqLookUp", [](const ValorPropriedade& v) { v.como_double(); },
     "a number"},
    // Written only when on: files saved without them load as before.
    {u"CNPJAlfanumerico", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"PesquisarNovamente", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"TelefoneDDD", [](const ValorPropriedade& v) { v.como_int32(); }, "a 32-bit integer"},
    {u"UF", [](const ValorPropriedade& v) { v.como_texto(); }, "a text"},
};

const Chave* chave_conhecida(const QString& nome) {
    for (const Chave& c : Chaves) {
        if (nome == QString::fromUtf16(c.nome)) return &c;
    }
    return nullptr;
}

// Where a problem is: the file, and the control and key when there are ones.
struct Lugar {
    QString arquivo;
    QString controle;
    QString chave;

    [[noreturn]] void falhar(const QString& problema) const {
        QString texto = arquivo;
        if (!controle.isEmpty()) texto += QStringLiteral(": control \"%1\"").arg(controle);
        if (!chave.isEmpty()) texto += QStringLiteral(", key \"%1\"").arg(chave);
        texto += QStringLiteral(": ") + problema;
        throw ErroArquivoFormulario(texto.toStdString());
    }
};

// ---- Values and their JSON form ----

QString nome_json(const QJsonValue& v) {
    switch (v.type()) {
        case QJsonValue::Null:
            return QStringLiteral("null");
        case QJsonValue::Bool:
            return QStringLiteral("a boolean");
        case QJsonValue::Double:
            return QStringLiteral("a number");
        case QJsonValue::String:
            return QStringLiteral("a string");
        case QJsonValue::Array:
            return QStringLiteral("an array");
        case QJsonValue::Object:
            return QStringLiteral("an object");
        default:
            return QStringLiteral("nothing");
    }
}

// A whole number within [minimo, maximo], or a failure saying so.
double inteiro(const QJsonValue& v, double minimo, double maximo, const char* tipo,
               const Lugar& l) {
    if (!v.isDouble())
        l.falhar(QStringLiteral("a %1 must be a number, not %2").arg(tipo, nome_json(v)));
    const double d = v.toDouble();
    if (d != std::floor(d))
        l.falhar(QStringLiteral("%1 is not a whole number, as a %2 must be").arg(d).arg(tipo));
    if (d < minimo || d > maximo) {
        l.falhar(QStringLiteral("%1 is out of the range of a %2 (%3 to %4)")
                     .arg(QString::number(d, 'f', 0), tipo, QString::number(minimo, 'f', 0),
                          QString::number(maximo, 'f', 0)));
    }
    return d;
}

QString texto_json(const QJsonValue& v, const char* tipo, const Lugar& l) {
    if (!v.isString())
        l.falhar(QStringLiteral("a %1 must be a string, not %2").arg(tipo, nome_json(v)));
    return v.toString();
}

Fonte fonte_json(const QJsonValue& v, const Lugar& l) {
    if (!v.isObject())
        l.falhar(QStringLiteral("a fonte must be an object, not %1").arg(nome_json(v)));
    const QJsonObject o = v.toObject();
    static const QStringList campos = {QStringLiteral("nome"),       QStringLiteral("tamanho"),
                                       QStringLiteral("negrito"),    QStringLiteral("italico"),
                                       QStringLiteral("sublinhado"), QStringLiteral("tachado")};
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!campos.contains(it.key()))
            l.falhar(QStringLiteral("a fonte has no member \"%1\"").arg(it.key()));
    }
    Fonte f;
    f.nome = u16(texto_json(o.value(QStringLiteral("nome")), "font name", l));
    const QJsonValue tamanho = o.value(QStringLiteral("tamanho"));
    if (!tamanho.isDouble() || !(tamanho.toDouble() > 0) || !std::isfinite(tamanho.toDouble()))
        l.falhar(QStringLiteral("a fonte's \"tamanho\" must be a positive number"));
    f.tamanho = tamanho.toDouble();
    const auto marca = [&](const char* nome) {
        const QJsonValue b = o.value(QString::fromLatin1(nome));
        if (!b.isBool()) {
            l.falhar(QStringLiteral("a fonte's \"%1\" must be a boolean, not %2")
                         .arg(QString::fromLatin1(nome), nome_json(b)));
        }
        return b.toBool();
    };
    f.negrito = marca("negrito");
    f.italico = marca("italico");
    f.sublinhado = marca("sublinhado");
    f.tachado = marca("tachado");
    return f;
}

ValorPropriedade valor_json(const QString& tipo, const QJsonValue& v, const Lugar& l) {
    if (tipo == QLatin1String("int16"))
        return static_cast<int16_t>(inteiro(v, -32768, 32767, "int16", l));
    if (tipo == QLatin1String("int32"))
        return static_cast<int32_t>(inteiro(v, -2147483648.0, 2147483647.0, "int32", l));
    if (tipo == QLatin1String("cor"))
        return static_cast<Cor>(inteiro(v, 0, 4294967295.0, "cor", l));
    if (tipo == QLatin1String("bool")) {
        if (!v.isBool())
            l.falhar(QStringLiteral("a bool must be true or false, not %1").arg(nome_json(v)));
        return v.toBool();
    }
    if (tipo == QLatin1String("double")) {
        if (!v.isDouble())
            l.falhar(QStringLiteral("a double must be a number, not %1").arg(nome_json(v)));
        return v.toDouble();
    }
    if (tipo == QLatin1String("texto")) return u16(texto_json(v, "texto", l));
    if (tipo == QLatin1String("fonte")) return fonte_json(v, l);
    if (tipo == QLatin1String("figura")) return Figura{u16(texto_json(v, "figura", l))};
    if (tipo == QLatin1String("nada")) {
        if (!v.isNull()) l.falhar(QStringLiteral("a nada must be null, not %1").arg(nome_json(v)));
        return Nada{};
    }
    l.falhar(QStringLiteral("unknown type \"%1\" (expected int16, int32, cor, bool, double, texto, "
                            "fonte, figura or nada)")
                 .arg(tipo));
}

std::pair<QString, QJsonValue> tipo_e_json(const ValorPropriedade& valor, const Lugar& l) {
    return std::visit(
        [&](const auto& v) -> std::pair<QString, QJsonValue> {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Nada>) {
                return {QStringLiteral("nada"), QJsonValue()};
            } else if constexpr (std::is_same_v<V, int16_t>) {
                return {QStringLiteral("int16"), v};
            } else if constexpr (std::is_same_v<V, int32_t>) {
                return {QStringLiteral("int32"), v};
            } else if constexpr (std::is_same_v<V, Cor>) {
                return {QStringLiteral("cor"), static_cast<double>(v)};
            } else if constexpr (std::is_same_v<V, bool>) {
                return {QStringLiteral("bool"), v};
            } else if constexpr (std::is_same_v<V, double>) {
                if (!std::isfinite(v))
                    l.falhar(QStringLiteral("%1 cannot be written as JSON").arg(v));
                return {QStringLiteral("double"), v};
            } else if constexpr (std::is_same_v<V, std::u16string>) {
                return {QStringLiteral("texto"), qstring(v)};
            } else if constexpr (std::is_same_v<V, Fonte>) {
                if (!std::isfinite(v.tamanho))
                    l.falhar(QStringLiteral("a font size cannot be written as JSON"));
                return {QStringLiteral("fonte"),
                        QJsonObject{{QStringLiteral("nome"), qstring(v.nome)},
                                    {QStringLiteral("tamanho"), v.tamanho},
                                    {QStringLiteral("negrito"), v.negrito},
                                    {QStringLiteral("italico"), v.italico},
                                    {QStringLiteral("sublinhado"), v.sublinhado},
                                    {QStringLiteral("tachado"), v.tachado}}};
            } else {
                return {QStringLiteral("figura"), qstring(v.origem)};
            }
        },
        valor.conteudo());
}

// ---- Bags ----

class BolsaGravacao final : public BolsaPropriedades {
  public:
    explicit BolsaGravacao(Lugar lugar) : lugar_(std::move(lugar)) {}

    ValorPropriedade ReadProperty(std::u16string_view, const ValorPropriedade& padrao) override {
        return padrao;
    }
    // Every key is kept, defaults included, so the file shows the whole setting.
    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>&) override {
        Lugar l = lugar_;
        l.chave = qstring(chave);
        auto [tipo, json] = tipo_e_json(valor, l);
        propriedades.append(QJsonObject{{QStringLiteral("chave"), l.chave},
                                        {QStringLiteral("tipo"), tipo},
                                        {QStringLiteral("valor"), json}});
    }

    QJsonArray propriedades;

  private:
    Lugar lugar_;
};

class BolsaLeitura final : public BolsaPropriedades {
  public:
    ValorPropriedade ReadProperty(std::u16string_view chave,
                                  const ValorPropriedade& padrao) override {
        const auto it = valores.find(std::u16string(chave));
        return it == valores.end() ? padrao : it->second;
    }
    void WriteProperty(std::u16string_view, const ValorPropriedade&,
                       const std::optional<ValorPropriedade>&) override {}

    std::map<std::u16string, ValorPropriedade> valores;
};

void exigir_membros(const QJsonObject& o, const QStringList& membros, const char* oque,
                    const Lugar& l) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!membros.contains(it.key())) {
            l.falhar(
                QStringLiteral("unknown member \"%1\" in %2").arg(it.key(), QLatin1String(oque)));
        }
    }
    for (const QString& m : membros) {
        if (!o.contains(m)) l.falhar(QStringLiteral("%1 lacks \"%2\"").arg(QLatin1String(oque), m));
    }
}

// The controls by name, each once.
std::map<QString, CampoVivoWidget*> por_nome(const ControlesNomeados& controles, const Lugar& l) {
    std::map<QString, CampoVivoWidget*> mapa;
    for (const auto& [nome, widget] : controles) {
        if (widget == nullptr) l.falhar(QStringLiteral("control \"%1\" is null").arg(nome));
        if (!mapa.emplace(nome, widget).second)
            l.falhar(QStringLiteral("two controls are named \"%1\"").arg(nome));
    }
    return mapa;
}

// (line, column) of a byte offset, for a person looking at the file.
std::pair<int, int> linha_coluna(const QByteArray& dados, int offset) {
    int linha = 1;
    int coluna = 1;
    for (int i = 0; i < offset && i < dados.size(); ++i) {
        if (dados[i] == '\n') {
            ++linha;
            coluna = 1;
        } else {
            ++coluna;
        }
    }
    return {linha, coluna};
}

}  // namespace

void salvar_formulario(const QString& caminho, const ControlesNomeados& controles) {
    const Lugar arquivo{caminho, {}, {}};
    por_nome(controles, arquivo);
    QJsonArray lista;
    for (const auto& [nome, widget] : controles) {
        BolsaGravacao bolsa(Lugar{caminho, nome, {}});
        try {
            widget->gravarPropriedades(bolsa);
        } catch (const Erro& e) {
            Lugar{caminho, nome, {}}.falhar(QString::fromUtf8(e.what()));
        }
        lista.append(QJsonObject{{QStringLiteral("nome"), nome},
                                 {QStringLiteral("propriedades"), bolsa.propriedades}});
    }
    const QJsonObject raiz{{QStringLiteral("formato"), Formato},
                           {QStringLiteral("versao"), Versao},
                           {QStringLiteral("controles"), lista}};
    const QByteArray dados = QJsonDocument(raiz).toJson(QJsonDocument::Indented);

    // Written beside the old file and renamed over it only when complete.
    QSaveFile saida(caminho);
    if (!saida.open(QIODevice::WriteOnly))
        arquivo.falhar(QStringLiteral("cannot write the file: %1").arg(saida.errorString()));
    // The data is flushed and checked here: a failure of the flush inside commit() (a full
    // disk, a file size limit) is not always reported by it, and the old file would be
    // replaced by a short one.
    if (saida.write(dados) != dados.size() || !saida.flush() ||
        saida.error() != QFileDevice::NoError) {
        const QString erro = saida.errorString();
        saida.cancelWriting();
        arquivo.falhar(QStringLiteral("cannot write the file: %1").arg(erro));
    }
    if (!saida.commit())
        arquivo.falhar(QStringLiteral("cannot write the file: %1").arg(saida.errorString()));
}

void abrir_formulario(const QString& caminho, const ControlesNomeados& controles) {
    const Lugar arquivo{caminho, {}, {}};
    const std::map<QString, CampoVivoWidget*> destinos = por_nome(controles, arquivo);

    QFile entrada(caminho);
    if (!entrada.open(QIODevice::ReadOnly))
        arquivo.falhar(QStringLiteral("cannot read the file: %1").arg(entrada.errorString()));
    const QByteArray dados = entrada.readAll();

    QJsonParseError erro_json;
    const QJsonDocument documento = QJsonDocument::fromJson(dados, &erro_json);
    if (erro_json.error != QJsonParseError::NoError) {
        const auto [linha, coluna] = linha_coluna(dados, erro_json.offset);
        arquivo.falhar(QStringLiteral("not valid JSON at line %1, column %2: %3")
                           .arg(linha)
                           .arg(coluna)
                           .arg(erro_json.errorString()));
    }
    if (!documento.isObject()) arquivo.falhar(QStringLiteral("the file must hold a JSON object"));
    const QJsonObject raiz = documento.object();
    exigir_membros(
        raiz, {QStringLiteral("formato"), QStringLiteral("versao"), QStringLiteral("controles")},
        "the file", arquivo);
    if (raiz.value(QStringLiteral("formato")).toString() != Formato)
        arquivo.falhar(QStringLiteral("\"formato\" must be \"%1\"").arg(Formato));
    if (const QJsonValue versao = raiz.value(QStringLiteral("versao"));
        !versao.isDouble() || versao.toDouble() != Versao)
        arquivo.falhar(QStringLiteral("\"versao\" must be %1").arg(Versao));
    if (!raiz.value(QStringLiteral("controles")).isArray())
        arquivo.falhar(QStringLiteral("\"controles\" must be an array"));

    // Everything is checked and converted before any control changes.
    std::vector<std::pair<CampoVivoWidget*, BolsaLeitura>> cargas;
    QSet<QString> vistos;
    for (const QJsonValue item : raiz.value(QStringLiteral("controles")).toArray()) {
        if (!item.isObject())
            arquivo.falhar(QStringLiteral("each of \"controles\" must be an object"));
        const QJsonObject controle = item.toObject();
        const QJsonValue nome_valor = controle.value(QStringLiteral("nome"));
        if (!nome_valor.isString())
            arquivo.falhar(QStringLiteral("a control's \"nome\" must be a string"));
        const Lugar lugar_controle{caminho, nome_valor.toString(), {}};
        exigir_membros(controle, {QStringLiteral("nome"), QStringLiteral("propriedades")},
                       "the control", lugar_controle);
        const auto destino = destinos.find(lugar_controle.controle);
        if (destino == destinos.end())
            lugar_controle.falhar(QStringLiteral("no such control on the form"));
        if (vistos.contains(lugar_controle.controle))
            lugar_controle.falhar(QStringLiteral("the control appears twice"));
        vistos.insert(lugar_controle.controle);
        if (!controle.value(QStringLiteral("propriedades")).isArray())
            lugar_controle.falhar(QStringLiteral("\"propriedades\" must be an array"));

        BolsaLeitura bolsa;
        for (const QJsonValue p : controle.value(QStringLiteral("propriedades")).toArray()) {
            if (!p.isObject())
                lugar_controle.falhar(QStringLiteral("each property must be an object"));
            const QJsonObject propriedade = p.toObject();
            Lugar lugar = lugar_controle;
            lugar.chave = propriedade.value(QStringLiteral("chave")).toString();
            exigir_membros(
                propriedade,
                {QStringLiteral("chave"), QStringLiteral("tipo"), QStringLiteral("valor")},
                "the property", lugar);
            if (!propriedade.value(QStringLiteral("chave")).isString())
                lugar.falhar(QStringLiteral("\"chave\" must be a string"));
            const Chave* chave = chave_conhecida(lugar.chave);
            if (chave == nullptr) lugar.falhar(QStringLiteral("unknown key"));
            if (!propriedade.value(QStringLiteral("tipo")).isString())
                lugar.falhar(QStringLiteral("\"tipo\" must be a string"));
            ValorPropriedade valor =
                valor_json(propriedade.value(QStringLiteral("tipo")).toString(),
                           propriedade.value(QStringLiteral("valor")), lugar);
            try {
                chave->converter(valor);
            } catch (const Erro& e) {
                lugar.falhar(QStringLiteral("the value does not convert to %1 (%2)")
                                 .arg(QLatin1String(chave->alvo), QString::fromUtf8(e.what())));
            }
            // The text shown is never kept. Loading one would have the control format it with
            // the settings it had before, which can fail (a text too long for 16-bit positions)
            // once other controls had already taken the file's settings.
            if (lugar.chave == QLatin1String("Text") && !valor.como_texto().empty())
                lugar.falhar(QStringLiteral("\"Text\" must be empty: the text shown is not kept"));
            if (!bolsa.valores.emplace(u16(lugar.chave), std::move(valor)).second)
                lugar.falhar(QStringLiteral("the key appears twice"));
        }
        cargas.emplace_back(destino->second, std::move(bolsa));
    }

    for (auto& [widget, bolsa] : cargas) {
        try {
            widget->lerPropriedades(bolsa);
        } catch (const Erro& e) {
            arquivo.falhar(QString::fromUtf8(e.what()));
        }
    }
}

}  // namespace pjtCampoVivo::qt
