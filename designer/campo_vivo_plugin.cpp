#include "campo_vivo_plugin.hpp"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace pjtCampoVivo::designer {

namespace {

// The widget box's icon: a text box with a caret and a drop-down arrow, drawn at 22 px.
QIcon desenhar_icone() {
    QPixmap figura(22, 22);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x60, 0x30), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 5.5, 19, 11), 2, 2);
    p.drawLine(QPointF(5, 8), QPointF(5, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x90, 0x40));
    const QPointF seta[] = {{13, 9.5}, {18, 9.5}, {15.5, 13}};
    p.drawPolygon(seta, 3);
    p.end();
    return QIcon(figura);
}

}  // namespace

FabricaCampoVivo::FabricaCampoVivo(QObject* parent) : QObject(parent) {}

QString FabricaCampoVivo::name() const {
    return QStringLiteral("pjtCampoVivo::qt::CampoVivoWidget");
}

QString FabricaCampoVivo::group() const {
    return QStringLiteral("pjtCampoVivo");
}

QIcon FabricaCampoVivo::icon() const {
    return desenhar_icone();
}

QString FabricaCampoVivo::toolTip() const {
    return QStringLiteral("Campo de entrada com máscara brasileira");
}

QString FabricaCampoVivo::whatsThis() const {
    return QStringLiteral(
        "Campo de entrada de dados que formata e confere o que se digita conforme a máscara "
        "(data, hora, dinheiro, CPF, CNPJ, CEP, telefone, inscrição estadual...) e que também "
        "pode ser uma lista de pesquisa.");
}

QString FabricaCampoVivo::includeFile() const {
    return QStringLiteral("<pjtcampovivo/widgets/campo_vivo_widget.hpp>");
}

bool FabricaCampoVivo::isContainer() const {
    return false;
}

QWidget* FabricaCampoVivo::createWidget(QWidget* parent) {
    // Designer initialises its plugins; a form loaded at run time through QUiLoader uses the
    // same factory uninitialised, and its fields must work as at run time.
    auto* campo = new qt::CampoVivoWidget(parent);
    campo->setModoDesigner(iniciada_);
    return campo;
}

QString FabricaCampoVivo::domXml() const {
    // The format strings are data, not text for translators.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="pjtCampoVivo::qt::CampoVivoWidget" name="campoVivo">
  <property name="geometry">
   <rect>
    <x>0</x>
    <y>0</y>
    <width>150</width>
    <height>24</height>
   </rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>pjtCampoVivo::qt::CampoVivoWidget</class>
   <propertyspecifications>
    <stringpropertyspecification name="CaracteresASeremRetiradosTexto" notr="true" type="singleline"/>
    <stringpropertyspecification name="UF" notr="true" type="singleline"/>
   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)");
}

bool FabricaCampoVivo::isInitialized() const {
    return iniciada_;
}

void FabricaCampoVivo::initialize(QDesignerFormEditorInterface*) {
    iniciada_ = true;
}

ColecaoCampoVivo::ColecaoCampoVivo(QObject* parent) : QObject(parent) {
    fabricas_.append(new FabricaCampoVivo(this));
}

QList<QDesignerCustomWidgetInterface*> ColecaoCampoVivo::customWidgets() const {
    return fabricas_;
}

}  // namespace pjtCampoVivo::designer
