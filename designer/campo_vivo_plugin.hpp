// The Qt Designer plugin: one collection holding the factory of CampoVivoWidget. Designer
// creates the widget in designer mode (UserMode false), so run-time-only settings refuse to
// change while a form is designed.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace pjtCampoVivo::designer {

class FabricaCampoVivo final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit FabricaCampoVivo(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QIcon icon() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

  private:
    bool iniciada_ = false;
};

class ColecaoCampoVivo final : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

  public:
    explicit ColecaoCampoVivo(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

  private:
    QList<QDesignerCustomWidgetInterface*> fabricas_;
};

}  // namespace pjtCampoVivo::designer
