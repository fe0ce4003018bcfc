// The live panel: what the field with the focus holds, read back through the control on
// every Change (and every key and pick) — its shown text, its plain values and its list
// position.
#pragma once

#include <QGroupBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <vector>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

class QLabel;

namespace pjtCampoVivo::demo {

class PainelValores : public QGroupBox {
  public:
    explicit PainelValores(QWidget* parent = nullptr);

    // Follows campo (nullptr: none) from now on, under the name rotulo.
    void acompanhar(qt::CampoVivoWidget* campo, const QString& rotulo);
    qt::CampoVivoWidget* acompanhado() const { return campo_; }
    // Reads the followed field again.
    void atualizar();

    // The panel's lines, as shown: "Text", "ClipText", "ClipTextPonto", "ListIndex",
    // "ItemData(ListIndex)".
    QString mostrado(const QString& linha) const;

  private:
    QPointer<qt::CampoVivoWidget> campo_;
    std::vector<QMetaObject::Connection> ligacoes_;
    QLabel* nome_;
    QLabel* text_;
    QLabel* clip_text_;
    QLabel* clip_text_ponto_;
    QLabel* list_index_;
    QLabel* item_data_;
};

}  // namespace pjtCampoVivo::demo
