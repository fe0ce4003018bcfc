// A form saved as Qt Designer saves it: a .ui file (version 4.0) with the form's top widget,
// each widget on it with its name and the properties the user changed, and the custom widgets'
// section. Qt's QFormBuilder cannot do this (it writes every property in a random order, refuses
// enumerations, ignores DESIGNABLE false, descends into a custom widget's own children and writes
// no custom widgets section), so the tests write the file themselves.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class QDesignerCustomWidgetInterface;

namespace pjtCampoVivo::teste_designer {

// A custom widget as its Designer plugin describes it.
struct WidgetPersonalizado {
    QString classe;     // the class name, as on the form ("ns::Classe")
    QString cabecalho;  // the include: "<caminho.hpp>" (saved location="global") or "caminho.hpp"
    // The string properties saved notr="true": the plugin's domXml says they are not text
    // for translators (<stringpropertyspecification notr="true">).
    QStringList sem_traducao;
    // A freshly made widget: the values a property has before the user sets it.
    std::function<std::unique_ptr<QWidget>()> novo;
};

// The widget a plugin's factory makes, as Designer sees it: its class, its include, the string
// properties its domXml marks notr="true", and new widgets from the factory.
WidgetPersonalizado descrever(QDesignerCustomWidgetInterface& fabrica);

// `form` (a plain QWidget, its object name the form's class) and its child widgets, saved as
// Designer saves them. The properties of each widget are those Designer's property editor
// shows (readable, writable, DESIGNABLE) whose value differs from a freshly made widget's, in
// the order of the widget's meta-object from QObject down, as the editor lists them and as
// Designer writes them; the object name is the widget's name attribute. A custom widget's own
// children are not written (they are not the form's). Each child widget must be one of
// `personalizados`. Throws std::runtime_error for what it cannot write (a property of a type
// other than an enumeration, bool, int, double, QString or QRect; another widget class).
QByteArray gravar_ui(const QWidget& form, const std::vector<WidgetPersonalizado>& personalizados);

}  // namespace pjtCampoVivo::teste_designer
