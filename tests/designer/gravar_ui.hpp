// A form saved as Qt Designer saves it (a .ui file, version 4.0). Qt's QFormBuilder cannot do
// this: it writes every property in a random order, refuses enumerations, ignores DESIGNABLE
// false, descends into a custom widget's children and writes no custom widgets section.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;
class QDesignerCustomWidgetInterface;

namespace pjtCampoVivo::teste_designer {

// A custom widget as its Designer plugin describes it: its class ("ns::Classe"), its include
// ("<caminho.hpp>", saved location="global"), the string properties its domXml marks
// notr="true", and fresh widgets for the values a property has before the user sets it.
struct WidgetPersonalizado {
    QString classe;
    QString cabecalho;
    QStringList sem_traducao;
    std::function<std::unique_ptr<QWidget>()> novo;
};

WidgetPersonalizado descrever(QDesignerCustomWidgetInterface& fabrica);

// `form` (a plain QWidget named as the form's class) and its child widgets, all of class
// `personalizado`. Each child is written with the properties Designer's editor shows (readable,
// writable, DESIGNABLE) whose value differs from a fresh widget's, in the meta-object's order
// from QObject down, as Designer writes them; its own children are not the form's. Throws
// std::runtime_error for what it cannot write (a type other than an enumeration, bool, int,
// double, QString or QRect; another widget class).
QByteArray gravar_ui(const QWidget& form, const WidgetPersonalizado& personalizado);

}  // namespace pjtCampoVivo::teste_designer
