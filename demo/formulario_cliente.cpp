#include "demo/formulario_cliente.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <optional>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "demo/painel.hpp"
#include "demo/tabela_propriedades.hpp"
#include "demo/texto.hpp"

namespace pjtCampoVivo::demo {

namespace {

// The fields in tab order: name in the form file, label.
struct DefinicaoCampo {
    const char16_t* nome;
    const char16_t* rotulo;
};

constexpr DefinicaoCampo Campos[] = {
    {u"nome", u"Nome"},
    {u"cpf", u"CPF"},
    {u"cnpj", u"CNPJ"},
    {u"nascimento", u"Nascimento"},
    {u"telefone", u"Telefone"},
    {u"cep", u"CEP"},
    {u"limite", u"Limite de crédito"},
    {u"quantidade", u"Quantidade"},
    {u"horario", u"Horário"},
    {u"estado_civil", u"Estado civil"},
    {u"cidade", u"Cidade"},
    {u"inscricao", u"Inscrição estadual"},
};

// Marital status entries and the codes kept as their item data.
struct EstadoCivil {
    const char16_t* texto;
    const char16_t* codigo;
};

constexpr EstadoCivil EstadosCivis[] = {
    {u"Solteiro(a)", u"1"}, {u"Casado(a)", u"2"},     {u"Divorciado(a)", u"3"},
    {u"Viúvo(a)", u"4"},    {u"União estável", u"5"},
};

}  // namespace

FormularioCliente::FormularioCliente(const QString& banco_municipios, QWidget* parent)
    : QWidget(parent), municipios_(banco_municipios.toStdString()) {
    setWindowTitle(QStringLiteral("Cadastro de cliente"));

    auto* cliente = new QGroupBox(QStringLiteral("Cliente"), this);
    auto* linhas = new QFormLayout(cliente);
    linhas->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    linhas->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const DefinicaoCampo& d : Campos) {
        qt::CampoVivoWidget* w = novo_campo(qtexto(d.nome), qtexto(d.rotulo));
        auto* rotulo = new QLabel(qtexto(d.rotulo) + u':', cliente);
        rotulo->setBuddy(w);
        linhas->addRow(rotulo, w);
    }
    cliente->setMinimumWidth(380);
    configurar_campos();

    painel_ = new PainelValores(this);

    auto* designer = new QGroupBox(QStringLiteral("Propriedades"), this);
    auto* coluna_designer = new QVBoxLayout(designer);
    modo_designer_ = new QCheckBox(QStringLiteral("Modo designer"), designer);
    std::vector<TabelaPropriedades::CampoListado> listados;
    for (const CampoFormulario& c : campos_) listados.push_back({c.rotulo, c.widget});
    tabela_ = new TabelaPropriedades(std::move(listados), designer);
    tabela_->ao_falhar = [this](const QString& m) {
        avisar_depois(QStringLiteral("Propriedade recusada"), m);
    };
    auto* salvar = new QPushButton(QStringLiteral("Salvar formulário..."), designer);
    auto* abrir = new QPushButton(QStringLiteral("Abrir formulário..."), designer);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(salvar);
    botoes->addWidget(abrir);
    botoes->addStretch(1);
    coluna_designer->addWidget(modo_designer_);
    coluna_designer->addWidget(tabela_, 1);
    coluna_designer->addLayout(botoes);

    auto* direita = new QVBoxLayout;
    direita->addWidget(painel_);
    direita->addWidget(designer, 1);
    auto* principal = new QHBoxLayout(this);
    principal->addWidget(cliente, 1, Qt::AlignTop);
    principal->addLayout(direita, 1);

    connect(modo_designer_, &QCheckBox::toggled, this, &FormularioCliente::mudar_modo);
    connect(salvar, &QPushButton::clicked, this, &FormularioCliente::perguntar_salvar);
    connect(abrir, &QPushButton::clicked, this, &FormularioCliente::perguntar_abrir);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* novo) { foco_mudou(novo); });
    connect(campo(u"cidade"), &qt::CampoVivoWidget::FimItensLista, this,
            &FormularioCliente::continuar_cidades);
    connect(campo(u"cidade"), &qt::CampoVivoWidget::Change, this,
            &FormularioCliente::acompanhar_uf);
    connect(campo(u"cidade"), &qt::CampoVivoWidget::Click, this, &FormularioCliente::acompanhar_uf);
}

FormularioCliente::~FormularioCliente() {
    // Closing the window (in QWidget's destructor, after this one) moves the focus, and the
    // form must no longer hear it.
    disconnect(qApp, nullptr, this, nullptr);
}

qt::CampoVivoWidget* FormularioCliente::novo_campo(const QString& nome, const QString& rotulo) {
    auto* w = new qt::CampoVivoWidget(this);
    w->setObjectName(nome);
    campos_.push_back({nome, rotulo, w});
    // The table shows what the control made of a change, and a mask changes more than itself.
    connect(w, &qt::CampoVivoWidget::propriedadeAlterada, this, [this, w](const QString&) {
        if (tabela_ != nullptr && tabela_->selecionado() == w) tabela_->reler();
    });
    connect(w, &qt::CampoVivoWidget::falhaNaoTratada, this,
            [this, rotulo](int numero, const QString& descricao) {
                avisar_depois(rotulo, QStringLiteral("Erro %1: %2").arg(numero).arg(descricao));
            });
    return w;
}

void FormularioCliente::configurar_campos() {
    // A freshly placed control has MaxLength 0 and no forbidden characters: each field gets
    // its mask, which sets the length and alignment it calls for, and whatever else it needs.
    const auto mascara = [this](QStringView nome, eMascara m) -> CampoVivo& {
        CampoVivo& c = campo(nome)->campo();
        c.Mascara(valor(m));
        return c;
    };
    // Nome keeps the saved-form default: apostrophes and double quotes cannot be typed.
    mascara(u"nome", eMascara::Texto).CaracteresASeremRetiradosTexto(u"'\"");
    mascara(u"cpf", eMascara::CNPF);
    // Company numbers issued from July 2026 may hold capital letters.
    mascara(u"cnpj", eMascara::CNPJ).CNPJAlfanumerico(valor(eNaoSim::sim));
    mascara(u"nascimento", eMascara::DdMmAaaa).ToolTipText(u"Dia, mês e ano: 25/12/2003");
    // Numbers as dialled today: area code, nine-digit mobiles, 0800 numbers.
    mascara(u"telefone", eMascara::Telefone).TelefoneDDD(valor(eNaoSim::sim));
    mascara(u"cep", eMascara::Cep);
    mascara(u"limite", eMascara::DinheiroTaxa)
        .QuantidadeCasasDecimais(valor(eQuantidadeCasasDecimais::Duas));
    mascara(u"quantidade", eMascara::Numero);
    mascara(u"horario", eMascara::HhMm);

    CampoVivo& estado_civil = campo(u"estado_civil")->campo();
    estado_civil.Estilo(valor(eEstilo::ComboBoxLookUpComDigAdicional));
    estado_civil.Mascara(valor(eMascara::Texto));
    for (const EstadoCivil& e : EstadosCivis) estado_civil.AddItem(e.texto, std::nullopt, e.codigo);

    // Names such as "Olho d'Água" need the apostrophe; the list is loaded later, from the
    // database, 100 entries at a time. The page a keystroke loads is searched in that same
    // keystroke, so the user never types a character twice.
    CampoVivo& cidade = campo(u"cidade")->campo();
    cidade.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    cidade.Mascara(valor(eMascara::Texto));
    cidade.QtdMaxRegRetornadosPesqLookUp(100);
    cidade.PesquisarNovamente(valor(eNaoSim::sim));
    cidade.ToolTipText(u"Digite o início do nome do município");

    // Shaped and checked by the rules of the unit of the chosen city (acompanhar_uf).
    mascara(u"inscricao", eMascara::InscricaoEstadual)
        .ToolTipText(u"Número da inscrição estadual, ou ISENTO");
}

void FormularioCliente::acompanhar_uf() {
    // Cities are listed as "São Paulo - SP": the unit is the code after the last " - ".
    const std::u16string cidade = campo(u"cidade")->campo().Text();
    const auto traco = cidade.rfind(u" - ");
    if (traco == std::u16string::npos) return;
    const std::u16string uf = cidade.substr(traco + 3);
    CampoVivo& inscricao = campo(u"inscricao")->campo();
    if (Comuns::UFConhecida(uf) && inscricao.UF() != uf) inscricao.UF(uf);
}

void FormularioCliente::carregar_municipios() {
    municipios_.primeira_pagina(campo(u"cidade")->campo());
    painel_->atualizar();
}

qt::CampoVivoWidget* FormularioCliente::campo(QStringView nome) const {
    for (const CampoFormulario& c : campos_) {
        if (c.nome == nome) return c.widget;
    }
    return nullptr;
}

qt::ControlesNomeados FormularioCliente::controles() const {
    qt::ControlesNomeados nomeados;
    for (const CampoFormulario& c : campos_) nomeados.emplace_back(c.nome, c.widget);
    return nomeados;
}

void FormularioCliente::salvar(const QString& caminho) const {
    qt::salvar_formulario(caminho, controles());
}

void FormularioCliente::abrir(const QString& caminho) {
    qt::abrir_formulario(caminho, controles());
    // Loading a form sets the fields directly, without the notices of the setters.
    tabela_->reler();
    painel_->atualizar();
}

void FormularioCliente::foco_mudou(QWidget* novo) {
    for (QWidget* w = novo; w != nullptr; w = w->parentWidget()) {
        for (const CampoFormulario& c : campos_) {
            if (c.widget != w) continue;
            if (painel_->acompanhado() != w) painel_->acompanhar(c.widget, c.rotulo);
            if (tabela_->selecionado() != w) tabela_->selecionar(c.widget);
            return;
        }
    }
}

void FormularioCliente::mudar_modo(bool designer) {
    for (const CampoFormulario& c : campos_) c.widget->setModoDesigner(designer);
    tabela_->editavel(designer);
    painel_->atualizar();
}

void FormularioCliente::continuar_cidades(QString* TextoProcurado) {
    try {
        const int adicionadas =
            municipios_.proxima_pagina(campo(u"cidade")->campo(), u16(*TextoProcurado));
        emit paginaCarregada(*TextoProcurado, adicionadas);
    } catch (const std::exception& e) {
        avisar_depois(QStringLiteral("Municípios"), QString::fromUtf8(e.what()));
    }
}

void FormularioCliente::perguntar_salvar() {
    const QString caminho = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salvar formulário"), QStringLiteral("cadastro_cliente.json"),
        QStringLiteral("Formulário (*.json);;Todos os arquivos (*)"));
    if (caminho.isEmpty()) return;
    try {
        salvar(caminho);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Salvar formulário"),
                              QString::fromUtf8(e.what()));
    }
}

void FormularioCliente::perguntar_abrir() {
    const QString caminho =
        QFileDialog::getOpenFileName(this, QStringLiteral("Abrir formulário"), QString(),
                                     QStringLiteral("Formulário (*.json);;Todos os arquivos (*)"));
    if (caminho.isEmpty()) return;
    try {
        abrir(caminho);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Abrir formulário"),
                              QString::fromUtf8(e.what()));
    }
}

void FormularioCliente::avisar_depois(const QString& titulo, const QString& mensagem) {
    QMetaObject::invokeMethod(
        this, [this, titulo, mensagem] { QMessageBox::critical(this, titulo, mensagem); },
        Qt::QueuedConnection);
}

}  // namespace pjtCampoVivo::demo
