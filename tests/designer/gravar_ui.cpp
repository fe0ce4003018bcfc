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
#include <stdexcept>

namespace pjtCampoVivo::teste_designer {

namespace {

[[noreturn]] void recusar(const QString& motivo) {
    throw std::runtime_error(motivo.toStdString());
}

// A property's value in Designer's elements: <enum>Escopo::Chave</enum>, <bool>, <number>,
// <double>, <string> (notr="true" when not for translators) and <rect>.
void gravar_valor(QXmlStreamWriter& x, const QMetaProperty& p, const QVariant& v,
                  bool sem_traducao) {
    const auto texto = [&](const char* elemento, const QString& t) {
        x.writeTextElement(QLatin1String(elemento), t);
    };
    const int n = v.toInt();
    if (p.isEnumType() && !p.enumerator().isFlag() && p.enumerator().valueToKey(n) != nullptr) {
        // Qualified, as Designer writes it: uic copies a qualified value as it is (at global
        // scope, so with the namespaces) and prefixes an unqualified one with the widget's class.
        return texto("enum", QString::fromLatin1(p.enumerator().scope()) + QStringLiteral("::") +
                                 QString::fromLatin1(p.enumerator().valueToKey(n)));
    }
    const QRect r = v.toRect();
    switch (p.isEnumType() ? QMetaType::UnknownType : p.metaType().id()) {
        case QMetaType::Bool:
            return texto("bool", v.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        case QMetaType::Int:
            return texto("number", QString::number(n));
        case QMetaType::Double:
            return texto("double", QString::number(v.toDouble(), 'f', 15));
        case QMetaType::QString:
            x.writeStartElement(QStringLiteral("string"));
            if (sem_traducao) x.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            x.writeCharacters(v.toString());
            return x.writeEndElement();
        case QMetaType::QRect:
            x.writeStartElement(QStringLiteral("rect"));
            texto("x", QString::number(r.x()));
            texto("y", QString::number(r.y()));
            texto("width", QString::number(r.width()));
            texto("height", QString::number(r.height()));
            return x.writeEndElement();
        default:
            recusar(QStringLiteral("%1 (%2): cannot be written")
                        .arg(QString::fromLatin1(p.name()), QString::fromLatin1(p.typeName())));
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
    // From QObject's properties down to the class's own, as Designer's property editor lists
    // them and its files keep them.
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
        gravar_valor(x, p, valor, sem_traducao.contains(nome));
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

QByteArray gravar_ui(const QWidget& form, const WidgetPersonalizado& personalizado) {
    QByteArray saida;
    QBuffer buffer(&saida);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter x(&buffer);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);  // Designer's layout: one space a level
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("ui"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    x.writeTextElement(QStringLiteral("class"), form.objectName());
    x.writeStartElement(QStringLiteral("widget"));
    x.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
    x.writeAttribute(QStringLiteral("name"), form.objectName());
    gravar_propriedades(x, form, QWidget(), {});
    for (const QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString classe = QString::fromLatin1(w->metaObject()->className());
        if (classe != personalizado.classe) recusar(QStringLiteral("a %1 on the form").arg(classe));
        x.writeStartElement(QStringLiteral("widget"));
        x.writeAttribute(QStringLiteral("class"), classe);
        x.writeAttribute(QStringLiteral("name"), w->objectName());
        gravar_propriedades(x, *w, *personalizado.novo(), personalizado.sem_traducao);
        x.writeEndElement();
    }
    x.writeEndElement();  // widget
    x.writeStartElement(QStringLiteral("customwidgets"));
    x.writeStartElement(QStringLiteral("customwidget"));
    x.writeTextElement(QStringLiteral("class"), personalizado.classe);
    x.writeTextElement(
        QStringLiteral("extends"),
        QString::fromLatin1(personalizado.novo()->metaObject()->superClass()->className()));
    x.writeStartElement(QStringLiteral("header"));
    const QString& cabecalho = personalizado.cabecalho;
    if (cabecalho.startsWith(QLatin1Char('<'))) {
        x.writeAttribute(QStringLiteral("location"), QStringLiteral("global"));
        x.writeCharacters(cabecalho.mid(1, cabecalho.size() - 2));
    } else {
        x.writeCharacters(cabecalho);
    }
    x.writeEndElement();  // header
    x.writeEndElement();  // customwidget
    x.writeEndElement();  // customwidgets
    x.writeEmptyElement(QStringLiteral("resources"));
    x.writeEmptyElement(QStringLiteral("connections"));
    x.writeEndElement();  // ui
    x.writeEndDocument();
    return saida;
}

}  // namespace pjtCampoVivo::teste_designer
