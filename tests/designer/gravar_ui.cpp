#include "tests/designer/gravar_ui.hpp"

#include <QBuffer>
#include <QDataStream>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <algorithm>
#include <stdexcept>

namespace pjtCampoVivo::teste_designer {

namespace {

[[noreturn]] void recusar(const QString& motivo) {
    throw std::runtime_error(motivo.toStdString());
}

// A property's value in Designer's elements: <enum>Escopo::Chave</enum>, <bool>, <number>,
// <double>, <string> (notr="true" when not for translators) and <rect>.
void gravar_valor(QXmlStreamWriter& x, const QMetaProperty& p, const QVariant& v, bool sem_traducao,
                  const QObject& dono) {
    const auto falta = [&](const char* porque) {
        recusar(QStringLiteral("%1.%2 (%3): %4")
                    .arg(QString::fromLatin1(dono.metaObject()->className()),
                         QString::fromLatin1(p.name()), QString::fromLatin1(p.typeName()),
                         QString::fromLatin1(porque)));
    };
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        if (e.isFlag()) falta("flags are not supported");
        bool ok = false;
        const int n = v.toInt(&ok);
        const char* chave = ok ? e.valueToKey(n) : nullptr;
        if (chave == nullptr) falta("a value outside its enumeration");
        // Qualified by the enumeration's class, as Designer writes it and as uic needs it: uic
        // copies a qualified value into the generated code as it is (at global scope, so the
        // namespaces must be there) and prefixes an unqualified one with the widget's class.
        x.writeTextElement(
            QStringLiteral("enum"),
            QString::fromLatin1(e.scope()) + QStringLiteral("::") + QString::fromLatin1(chave));
        return;
    }
    switch (p.metaType().id()) {
        case QMetaType::Bool:
            x.writeTextElement(QStringLiteral("bool"),
                               v.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
            return;
        case QMetaType::Int:
            x.writeTextElement(QStringLiteral("number"), QString::number(v.toInt()));
            return;
        case QMetaType::Double:
            x.writeTextElement(QStringLiteral("double"), QString::number(v.toDouble(), 'f', 15));
            return;
        case QMetaType::QString:
            x.writeStartElement(QStringLiteral("string"));
            if (sem_traducao) x.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            x.writeCharacters(v.toString());
            x.writeEndElement();
            return;
        case QMetaType::QRect: {
            const QRect r = v.toRect();
            x.writeStartElement(QStringLiteral("rect"));
            x.writeTextElement(QStringLiteral("x"), QString::number(r.x()));
            x.writeTextElement(QStringLiteral("y"), QString::number(r.y()));
            x.writeTextElement(QStringLiteral("width"), QString::number(r.width()));
            x.writeTextElement(QStringLiteral("height"), QString::number(r.height()));
            x.writeEndElement();
            return;
        }
        default:
            falta("a type this writer does not write");
    }
}

// Whether a property has the fresh widget's value. A type with no operator== (QIcon, for the
// form's windowIcon) compares by what QDataStream writes of it.
bool iguais(const QVariant& a, const QVariant& b) {
    if (a == b) return true;
    const auto escrito = [](const QVariant& v) {
        QByteArray bytes;
        QDataStream fluxo(&bytes, QIODevice::WriteOnly);
        fluxo << v;
        return bytes;
    };
    return escrito(a) == escrito(b);
}

// The properties of `w` that differ from those of `novo`, each as <property name="...">.
void gravar_propriedades(QXmlStreamWriter& x, const QWidget& w, const QWidget& novo,
                         const QStringList& sem_traducao) {
    const QMetaObject& meta = *w.metaObject();
    if (novo.metaObject() != &meta) recusar(QStringLiteral("the fresh widget is of another class"));
    // From QObject's properties down to the class's own: the order of Designer's property
    // editor, which Designer's files keep.
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        if (!p.isReadable() || !p.isWritable() || !p.isDesignable()) continue;
        // The widget's name is the element's name attribute.
        if (qstrcmp(p.name(), "objectName") == 0) continue;
        const QVariant valor = p.read(&w);
        if (iguais(valor, p.read(&novo))) continue;
        const QString nome = QString::fromLatin1(p.name());
        x.writeStartElement(QStringLiteral("property"));
        x.writeAttribute(QStringLiteral("name"), nome);
        // A setter not named set<Name> ("Enabled", written by setEnabledCampo): uic must call
        // setProperty(), not setEnabled() (QWidget's). Designer marks those stdset="0".
        if (!p.hasStdCppSet()) x.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
        gravar_valor(x, p, valor, sem_traducao.contains(nome), w);
        x.writeEndElement();
    }
}

}  // namespace

WidgetPersonalizado descrever(QDesignerCustomWidgetInterface& fabrica) {
    WidgetPersonalizado d;
    d.classe = fabrica.name();
    d.cabecalho = fabrica.includeFile();
    QXmlStreamReader xml(fabrica.domXml());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("stringpropertyspecification") &&
            a.value(QLatin1String("notr")) == QLatin1String("true"))
            d.sem_traducao << a.value(QLatin1String("name")).toString();
    }
    if (xml.hasError()) recusar(QStringLiteral("domXml: ") + xml.errorString());
    d.novo = [&fabrica] { return std::unique_ptr<QWidget>(fabrica.createWidget(nullptr)); };
    return d;
}

QByteArray gravar_ui(const QWidget& form, const std::vector<WidgetPersonalizado>& personalizados) {
    if (form.metaObject() != &QWidget::staticMetaObject)
        recusar(QStringLiteral("the form's top widget must be a QWidget"));
    QByteArray saida;
    QBuffer buffer(&saida);
    buffer.open(QIODevice::WriteOnly);
    // Designer's layout: one space a level.
    QXmlStreamWriter x(&buffer);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("ui"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    x.writeTextElement(QStringLiteral("class"), form.objectName());

    x.writeStartElement(QStringLiteral("widget"));
    x.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
    x.writeAttribute(QStringLiteral("name"), form.objectName());
    {
        const QWidget novo;
        gravar_propriedades(x, form, novo, {});
    }
    std::vector<const WidgetPersonalizado*> usados;
    for (const QObject* filho : form.children()) {
        const auto* w = qobject_cast<const QWidget*>(filho);
        if (w == nullptr) continue;
        const QString classe = QString::fromLatin1(w->metaObject()->className());
        const WidgetPersonalizado* p = nullptr;
        for (const auto& candidato : personalizados) {
            if (candidato.classe == classe) p = &candidato;
        }
        if (p == nullptr) recusar(QStringLiteral("a widget of class %1 on the form").arg(classe));
        if (std::find(usados.begin(), usados.end(), p) == usados.end()) usados.push_back(p);
        x.writeStartElement(QStringLiteral("widget"));
        x.writeAttribute(QStringLiteral("class"), classe);
        x.writeAttribute(QStringLiteral("name"), w->objectName());
        const std::unique_ptr<QWidget> novo = p->novo();
        gravar_propriedades(x, *w, *novo, p->sem_traducao);
        // Not a container: what the widget holds (its inner boxes) is not the form's.
        x.writeEndElement();
    }
    x.writeEndElement();  // widget

    if (!usados.empty()) {
        x.writeStartElement(QStringLiteral("customwidgets"));
        for (const WidgetPersonalizado* p : usados) {
            x.writeStartElement(QStringLiteral("customwidget"));
            x.writeTextElement(QStringLiteral("class"), p->classe);
            x.writeTextElement(
                QStringLiteral("extends"),
                QString::fromLatin1(p->novo()->metaObject()->superClass()->className()));
            x.writeStartElement(QStringLiteral("header"));
            QString cabecalho = p->cabecalho;
            if (cabecalho.startsWith(QLatin1Char('<')) && cabecalho.endsWith(QLatin1Char('>'))) {
                x.writeAttribute(QStringLiteral("location"), QStringLiteral("global"));
                cabecalho = cabecalho.mid(1, cabecalho.size() - 2);
            } else if (cabecalho.startsWith(QLatin1Char('"')) &&
                       cabecalho.endsWith(QLatin1Char('"'))) {
                cabecalho = cabecalho.mid(1, cabecalho.size() - 2);
            }
            x.writeCharacters(cabecalho);
            x.writeEndElement();  // header
            x.writeEndElement();  // customwidget
        }
        x.writeEndElement();  // customwidgets
    }
    x.writeEmptyElement(QStringLiteral("resources"));
    x.writeEmptyElement(QStringLiteral("connections"));
    x.writeEndElement();  // ui
    x.writeEndDocument();
    return saida;
}

}  // namespace pjtCampoVivo::teste_designer
