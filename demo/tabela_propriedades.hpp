// The property table of designer mode: the selected field's design-time settings, one row
// each, enumerated values shown by their published names ("DdMmAaaa dd/mm/aaaa"). The
// values can be changed only while the table is editable (designer mode); every change goes
// through the widget's property, so the control notifies and the table reads back what the
// control made of it (choosing a mask also sets MaxLength and the alignment).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

class QComboBox;
class QTableWidget;

namespace pjtCampoVivo::demo {

class TabelaPropriedades : public QWidget {
  public:
    struct CampoListado {
        QString rotulo;
        qt::CampoVivoWidget* widget;
    };

    explicit TabelaPropriedades(std::vector<CampoListado> campos, QWidget* parent = nullptr);

    // Shows campo's settings (nullptr: none).
    void selecionar(qt::CampoVivoWidget* campo);
    qt::CampoVivoWidget* selecionado() const { return campo_; }
    // Designer mode: the values can be changed.
    void editavel(bool sim);
    // Reads the selected field's settings again.
    void reler();

    // A row's value as shown ("Mascara" -> "DdMmAaaa dd/mm/aaaa").
    QString mostrado(const QString& propriedade) const;
    // Changes a row's value as the user would: an enumerated row by its published name,
    // another by its text. False when the table is not editable or the value is not offered.
    bool editar(const QString& propriedade, const QString& valor);

    // Called with a failure's message when a change is refused by the control.
    std::function<void(const QString&)> ao_falhar;

  private:
    void aplicar(int linha, const QVariant& valor);
    void mostrar_linha(int linha);

    std::vector<CampoListado> campos_;
    QPointer<qt::CampoVivoWidget> campo_;
    bool editavel_ = false;
    QComboBox* escolha_;
    QTableWidget* tabela_;
};

}  // namespace pjtCampoVivo::demo
