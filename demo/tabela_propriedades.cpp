#include "demo/tabela_propriedades.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>
#include <limits>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "demo/texto.hpp"

namespace pjtCampoVivo::demo {

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Tipo { Enumerada, Inteiro, Real, Texto };

struct Propriedade {
    const char* nome;  // the widget's Qt property, named as the control's
    Tipo tipo;
    const char* enumeracao;  // published enumeration of an enumerated row
};

// Enabled, CNPJAlfanumerico, PesquisarNovamente and TelefoneDDD are yes/no settings: they show
// as eNaoSim's published names.
constexpr Propriedade Propriedades[] = {
    {"Estilo", Tipo::Enumerada, "eEstilo"},
    {"Mascara", Tipo::Enumerada, "eMascara"},
    {"QuantidadeCasasDecimais", Tipo::Enumerada, "eQuantidadeCasasDecimais"},
    {"CapsLockMixed", Tipo::Enumerada, "eCapsLockMixed"},
    {"CaracteresASeremRetiradosTexto", Tipo::Texto, nullptr},
    {"MaxLength", Tipo::Inteiro, nullptr},
    {"QtdMaxRegRetornadosPesqLookUp", Tipo::Real, nullptr},
    {"CNPJAlfanumerico", Tipo::Enumerada, "eNaoSim"},
    {"PesquisarNovamente", Tipo::Enumerada, "eNaoSim"},
    {"TelefoneDDD", Tipo::Enumerada, "eNaoSim"},
    {"UF", Tipo::Texto, nullptr},
    {"Alinhamento", Tipo::Enumerada, "eAlinhamento"},
    {"Enabled", Tipo::Enumerada, "eNaoSim"},
    {"ToolTipText", Tipo::Texto, nullptr},
};
constexpr int QuantasLinhas = static_cast<int>(std::size(Propriedades));

int linha_de(const QString& nome) {
    for (int i = 0; i < QuantasLinhas; ++i) {
        if (nome == QLatin1String(Propriedades[i].nome)) return i;
    }
    return -1;
}

const EnumeracaoPublicada& enumeracao(const Propriedade& p) {
    return *enumeracao_publicada(p.enumeracao);
}

// Fills an enumerated row's choices with the published names, the current value selected;
// a value that has no published name is offered as its number.
void mostrar_enumerada(QComboBox* caixa, const EnumeracaoPublicada& e, int valor) {
    const QSignalBlocker bloqueio(caixa);
    const auto membros = static_cast<int>(e.membros.size());
    if (caixa->count() != membros) {
        caixa->clear();
        for (const MembroPublicado& m : e.membros) caixa->addItem(qtexto(m.nome), m.valor);
    }
    const int indice = caixa->findData(valor);
    if (indice >= 0) {
        caixa->setCurrentIndex(indice);
    } else {
        caixa->addItem(QStringLiteral("%1 (sem nome publicado)").arg(valor), valor);
        caixa->setCurrentIndex(membros);
    }
}

}  // namespace

TabelaPropriedades::TabelaPropriedades(std::vector<CampoListado> campos, QWidget* parent)
    : QWidget(parent),
      campos_(std::move(campos)),
      escolha_(new QComboBox(this)),
      tabela_(new QTableWidget(QuantasLinhas, 2, this)) {
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    auto* linha_escolha = new QHBoxLayout;
    auto* rotulo = new QLabel(QStringLiteral("Campo selecionado:"), this);
    rotulo->setBuddy(escolha_);
    linha_escolha->addWidget(rotulo);
    linha_escolha->addWidget(escolha_, 1);
    coluna->addLayout(linha_escolha);
    coluna->addWidget(tabela_);

    for (const CampoListado& c : campos_) escolha_->addItem(c.rotulo);
    escolha_->setCurrentIndex(-1);
    connect(escolha_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(campos_.size())) selecionar(campos_[i].widget);
    });

    tabela_->setHorizontalHeaderLabels({QStringLiteral("Propriedade"), QStringLiteral("Valor")});
    tabela_->verticalHeader()->hide();
    tabela_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tabela_->horizontalHeader()->setStretchLastSection(true);
    tabela_->setSelectionMode(QAbstractItemView::NoSelection);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < QuantasLinhas; ++i) {
        const Propriedade& p = Propriedades[i];
        tabela_->setItem(i, 0, new QTableWidgetItem(QString::fromLatin1(p.nome)));
        switch (p.tipo) {
            case Tipo::Enumerada: {
                auto* caixa = new QComboBox;
                connect(caixa, &QComboBox::activated, this,
                        [this, i, caixa](int indice) { aplicar(i, caixa->itemData(indice)); });
                tabela_->setCellWidget(i, 1, caixa);
                break;
            }
            case Tipo::Inteiro: {
                auto* numero = new QSpinBox;
                numero->setRange(std::numeric_limits<int16_t>::min(),
                                 std::numeric_limits<int16_t>::max());
                numero->setKeyboardTracking(false);
                connect(numero, &QSpinBox::valueChanged, this, [this, i](int v) { aplicar(i, v); });
                tabela_->setCellWidget(i, 1, numero);
                break;
            }
            case Tipo::Real: {
                auto* numero = new QDoubleSpinBox;
                numero->setDecimals(0);
                numero->setRange(0, 1e9);
                numero->setKeyboardTracking(false);
                connect(numero, &QDoubleSpinBox::valueChanged, this,
                        [this, i](double v) { aplicar(i, v); });
                tabela_->setCellWidget(i, 1, numero);
                break;
            }
            case Tipo::Texto: {
                auto* texto = new QLineEdit;
                connect(texto, &QLineEdit::editingFinished, this,
                        [this, i, texto] { aplicar(i, texto->text()); });
                tabela_->setCellWidget(i, 1, texto);
                break;
            }
        }
    }
    tabela_->resizeRowsToContents();
    tabela_->resizeColumnToContents(0);
    // Every row in sight, and room for the longest published names ("CNPJ ##.###...").
    int altura = tabela_->horizontalHeader()->sizeHint().height() + 2 * tabela_->frameWidth();
    for (int i = 0; i < QuantasLinhas; ++i) altura += tabela_->rowHeight(i);
    tabela_->setMinimumHeight(altura);
    tabela_->setMinimumWidth(tabela_->columnWidth(0) + 2 * tabela_->frameWidth() +
                             fontMetrics().horizontalAdvance(u"ComboBoxLookUpComDigAdicional"_s) +
                             48);
    selecionar(nullptr);
}

void TabelaPropriedades::selecionar(qt::CampoVivoWidget* campo) {
    campo_ = campo;
    {
        const QSignalBlocker bloqueio(escolha_);
        int indice = -1;
        for (std::size_t i = 0; i < campos_.size(); ++i) {
            if (campos_[i].widget == campo) indice = static_cast<int>(i);
        }
        escolha_->setCurrentIndex(indice);
    }
    reler();
}

void TabelaPropriedades::editavel(bool sim) {
    editavel_ = sim;
    reler();
}

void TabelaPropriedades::reler() {
    for (int i = 0; i < QuantasLinhas; ++i) mostrar_linha(i);
}

void TabelaPropriedades::mostrar_linha(int linha) {
    QWidget* editor = tabela_->cellWidget(linha, 1);
    editor->setEnabled(campo_ != nullptr && editavel_);
    const Propriedade& p = Propriedades[linha];
    if (!campo_) {
        if (auto* caixa = qobject_cast<QComboBox*>(editor)) caixa->setCurrentIndex(-1);
        if (auto* texto = qobject_cast<QLineEdit*>(editor)) texto->clear();
        return;
    }
    const QVariant valor = campo_->property(p.nome);
    const QSignalBlocker bloqueio(editor);
    switch (p.tipo) {
        case Tipo::Enumerada:
            mostrar_enumerada(static_cast<QComboBox*>(editor), enumeracao(p), valor.toInt());
            break;
        case Tipo::Inteiro:
            static_cast<QSpinBox*>(editor)->setValue(valor.toInt());
            break;
        case Tipo::Real:
            static_cast<QDoubleSpinBox*>(editor)->setValue(valor.toDouble());
            break;
        case Tipo::Texto:
            static_cast<QLineEdit*>(editor)->setText(valor.toString());
            break;
    }
}

void TabelaPropriedades::aplicar(int linha, const QVariant& valor) {
    if (!campo_ || !editavel_) return;
    const Propriedade& p = Propriedades[linha];
    const QMetaObject* meta = campo_->metaObject();
    const QMetaProperty propriedade = meta->property(meta->indexOfProperty(p.nome));
    QVariant convertido = valor;
    if (propriedade.typeId() == QMetaType::Bool) convertido = QVariant(valor.toInt() != 0);
    if (campo_->property(p.nome) == convertido) return;
    try {
        propriedade.write(campo_, convertido);
    } catch (const std::exception& e) {
        if (ao_falhar) {
            ao_falhar(QStringLiteral("%1: %2").arg(QString::fromLatin1(p.nome),
                                                   QString::fromUtf8(e.what())));
        }
    }
    reler();
}

QString TabelaPropriedades::mostrado(const QString& propriedade) const {
    const int linha = linha_de(propriedade);
    if (linha < 0) return {};
    QWidget* editor = tabela_->cellWidget(linha, 1);
    if (auto* caixa = qobject_cast<QComboBox*>(editor)) return caixa->currentText();
    if (auto* numero = qobject_cast<QAbstractSpinBox*>(editor)) return numero->text();
    if (auto* texto = qobject_cast<QLineEdit*>(editor)) return texto->text();
    return {};
}

bool TabelaPropriedades::editar(const QString& propriedade, const QString& valor) {
    const int linha = linha_de(propriedade);
    if (linha < 0 || !campo_ || !editavel_) return false;
    QWidget* editor = tabela_->cellWidget(linha, 1);
    switch (Propriedades[linha].tipo) {
        case Tipo::Enumerada: {
            auto* caixa = static_cast<QComboBox*>(editor);
            const int indice = caixa->findText(valor);
            if (indice < 0) return false;
            caixa->setCurrentIndex(indice);
            aplicar(linha, caixa->itemData(indice));
            return true;
        }
        case Tipo::Inteiro:
        case Tipo::Real: {
            bool ok = false;
            const double v = valor.toDouble(&ok);
            if (!ok) return false;
            aplicar(linha, Propriedades[linha].tipo == Tipo::Inteiro ? QVariant(int(v)) : v);
            return true;
        }
        case Tipo::Texto:
            static_cast<QLineEdit*>(editor)->setText(valor);
            aplicar(linha, valor);
            return true;
    }
    return false;
}

}  // namespace pjtCampoVivo::demo
