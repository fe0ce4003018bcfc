#include "demo/painel.hpp"

#include <QFormLayout>
#include <QLabel>
#include <exception>
#include <functional>

#include <pjtcampovivo/validation/erro.hpp>
#include "demo/texto.hpp"

namespace pjtCampoVivo::demo {

namespace {

QLabel* valor_selecionavel(QWidget* pai) {
    auto* rotulo = new QLabel(pai);
    rotulo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rotulo->setMinimumWidth(220);
    return rotulo;
}

// A text in quotes, so an empty value and surrounding spaces show.
QString entre_aspas(const QString& texto) {
    return QStringLiteral("\"%1\"").arg(texto);
}

// A reading of the control, or the failure it ended with.
QString ler(const std::function<QString()>& leitura) {
    try {
        return leitura();
    } catch (const Erro& e) {
        return QStringLiteral("erro %1: %2").arg(e.numero()).arg(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        return QStringLiteral("erro: %1").arg(QString::fromUtf8(e.what()));
    }
}

}  // namespace

PainelValores::PainelValores(QWidget* parent)
    : QGroupBox(QStringLiteral("Campo em foco"), parent),
      nome_(new QLabel(this)),
      text_(valor_selecionavel(this)),
      clip_text_(valor_selecionavel(this)),
      clip_text_ponto_(valor_selecionavel(this)),
      list_index_(valor_selecionavel(this)),
      item_data_(valor_selecionavel(this)) {
    auto* linhas = new QFormLayout(this);
    QFont negrito = nome_->font();
    negrito.setBold(true);
    nome_->setFont(negrito);
    linhas->addRow(QStringLiteral("Campo:"), nome_);
    linhas->addRow(QStringLiteral("Text:"), text_);
    linhas->addRow(QStringLiteral("ClipText:"), clip_text_);
    linhas->addRow(QStringLiteral("ClipTextPonto:"), clip_text_ponto_);
    linhas->addRow(QStringLiteral("ListIndex:"), list_index_);
    linhas->addRow(QStringLiteral("ItemData(ListIndex):"), item_data_);
    acompanhar(nullptr, {});
}

void PainelValores::acompanhar(qt::CampoVivoWidget* campo, const QString& rotulo) {
    for (const QMetaObject::Connection& l : ligacoes_) QObject::disconnect(l);
    ligacoes_.clear();
    campo_ = campo;
    nome_->setText(campo ? rotulo : QStringLiteral("(nenhum)"));
    if (campo) {
        // Plain text in a text box raises no Change, so each key's KeyUp reads it too; Click
        // is when a pick from the list settles ListIndex.
        using W = qt::CampoVivoWidget;
        ligacoes_ = {connect(campo, &W::Change, this, &PainelValores::atualizar),
                     connect(campo, &W::KeyUp, this, &PainelValores::atualizar),
                     connect(campo, &W::Click, this, &PainelValores::atualizar)};
    }
    atualizar();
}

void PainelValores::atualizar() {
    qt::CampoVivoWidget* campo = campo_;
    if (!campo) {
        for (QLabel* l : {text_, clip_text_, clip_text_ponto_, list_index_, item_data_}) {
            l->clear();
        }
        return;
    }
    text_->setText(ler([campo] { return entre_aspas(campo->Text()); }));
    clip_text_->setText(ler([campo] { return entre_aspas(campo->ClipText()); }));
    clip_text_ponto_->setText(ler([campo] { return entre_aspas(campo->ClipTextPonto()); }));
    list_index_->setText(ler([campo] { return QString::number(campo->ListIndex()); }));
    item_data_->setText(ler([campo] {
        CampoVivo& c = campo->campo();
        return entre_aspas(qtexto(c.ItemData(c.ListIndex())));
    }));
}

QString PainelValores::mostrado(const QString& linha) const {
    if (linha == u"Text") return text_->text();
    if (linha == u"ClipText") return clip_text_->text();
    if (linha == u"ClipTextPonto") return clip_text_ponto_->text();
    if (linha == u"ListIndex") return list_index_->text();
    if (linha == u"ItemData(ListIndex)") return item_data_->text();
    return {};
}

}  // namespace pjtCampoVivo::demo
