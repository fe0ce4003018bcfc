#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPixmap>
#include <QResizeEvent>
#include <QtGlobal>
#include <algorithm>
#include <optional>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/toolkit/qt/caixas_qt.hpp>
#include <pjtcampovivo/toolkit/qt/conversoes.hpp>
#include <pjtcampovivo/toolkit/qt/tela_qt.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo::qt {

using detail::qstring;
using detail::u16;

// The widget's enumerations carry the published values.
using W = CampoVivoWidget;
static_assert(W::ComboBoxLookUpAteLimiteDados == valor(eEstilo::ComboBoxLookUpAteLimiteDados));
static_assert(W::InscricaoEstadual == valor(eMascara::InscricaoEstadual));
static_assert(W::CNPF == valor(eMascara::CNPF) && W::CNPJ == valor(eMascara::CNPJ));
static_assert(W::Nove == valor(eQuantidadeCasasDecimais::Nove));
static_assert(W::UpperCase == valor(eCapsLockMixed::UpperCase));
static_assert(W::Centralizado == valor(eAlinhamento::Centralizado));
static_assert(W::sim == valor(eNaoSim::sim));

// The widget is the control's host: its events become the widget's signals, its extent is
// the widget's, and the inner boxes are the widget's children.
struct CampoVivoWidget::Impl final : Hospedeiro, detail::DonoCaixas {
    explicit Impl(CampoVivoWidget& widget);
    ~Impl() override;

    CampoVivoWidget& w;
    QLineEdit* txt;
    detail::ComboBoxQt* cbo;
    detail::CaixaTextoQt caixa_texto;
    detail::CaixaComboQt caixa_combo;
    detail::TelaQt tela;
    bool designer = false;
    Figura icone;
    std::optional<CampoVivo> campo;

    void redimensionar() noexcept;
    void descrever_mascara();

    // ---- Hospedeiro ----
    void Click() override { emit w.Click(); }
    void DblClick() override { emit w.DblClick(); }
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override { emit w.KeyDown(&KeyCode, &Shift); }
    void KeyPress(int16_t& KeyAscii) override { emit w.KeyPress(&KeyAscii); }
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override { emit w.KeyUp(&KeyCode, &Shift); }
    void Change() override { emit w.Change(); }
    void DropDown() override { emit w.DropDown(); }
    void FimItensLista(std::u16string& TextoProcurado) override {
        QString texto = qstring(TextoProcurado);
        emit w.FimItensLista(&texto);
        TextoProcurado = u16(texto);
    }
    void PropertyChanged(std::u16string_view nome) override {
        emit w.propriedadeAlterada(qstring(nome));
    }
    bool UserMode() const override { return !designer; }
    Fonte FonteAmbiente() const override {
        const QWidget* pai = w.parentWidget();
        return detail::fonte_de(pai != nullptr ? pai->font() : QApplication::font());
    }
    int32_t Height() const override { return w.height(); }
    // The control fixes its own height: the user cannot stretch it in a layout.
    void Height(int32_t altura) override { w.setFixedHeight(altura); }
    int32_t LarguraInterna() const override { return w.width(); }
    Fonte Font() const override { return detail::fonte_de(w.font()); }
    void Font(const Fonte& fonte) override { w.setFont(detail::fonte_qt(fonte)); }
    Figura MouseIcon() const override { return icone; }
    void MouseIcon(const Figura& figura) override;

    // ---- DonoCaixas ----
    void visibilidade_alterada() override;
    int altura_caixas() const override { return cbo->sizeHint().height(); }
    QPalette paleta_ambiente() const override { return w.palette(); }
    void falha(const std::exception& erro) noexcept override;
};

CampoVivoWidget::Impl::Impl(CampoVivoWidget& widget)
    : w(widget),
      txt(new QLineEdit(&widget)),
      cbo(new detail::ComboBoxQt(&widget)),
      caixa_texto(*txt, *this),
      caixa_combo(*cbo, *this),
      tela(
          widget,
          // "{TAB}": on to the next widget in the window's tab order, from wherever the
          // focus is by then.
          [this] { w.focusNextPrevChild(true); }, [this](const std::exception& e) { falha(e); }) {
    tela.ao_enviar = [this](std::u16string_view teclas) { emit w.teclasEnviadas(qstring(teclas)); };
    txt->setObjectName(QStringLiteral("txtCombo"));
    cbo->setObjectName(QStringLiteral("cboCombo"));
}

CampoVivoWidget::Impl::~Impl() {
    // The control lets go of the boxes' notifications before the boxes go.
    campo.reset();
}

void CampoVivoWidget::Impl::redimensionar() noexcept {
    if (!campo) return;
    try {
        campo->Resize();
    } catch (const std::exception& e) {
        falha(e);
    }
}

void CampoVivoWidget::Impl::descrever_mascara() {
    // What a screen reader says about the field: the mask's published name ("CNPF
    // ###.###.###-##") and a finished value as the example.
    const int32_t mascara = campo->Mascara();
    QString nome;
    QString descricao;
    if (const auto* e = enumeracao_publicada("eMascara")) {
        if (const auto n = e->nome_de(mascara))
            nome = QString::fromLatin1(n->data(), static_cast<qsizetype>(n->size()));
    }
    if (const auto c = configuracao_mascara(mascara))
        descricao = QStringLiteral("Exemplo: ") + qstring(c->exemplo);
    // A variant switched on shows values of its own shape.
    if (const VarianteMascara* v = campo->variante_em_uso())
        descricao = QStringLiteral("Exemplo: ") + qstring(v->exemplo);
    if (mascara == valor(eMascara::InscricaoEstadual) && Comuns::UFConhecida(campo->UF()))
        descricao =
            QStringLiteral("Exemplo: ") + qstring(Comuns::ExemploInscricaoEstadual(campo->UF()));
    for (QWidget* caixa : {static_cast<QWidget*>(txt), static_cast<QWidget*>(cbo)}) {
        caixa->setAccessibleName(nome);
        caixa->setAccessibleDescription(descricao);
    }
}

void CampoVivoWidget::Impl::MouseIcon(const Figura& figura) {
    icone = figura;
    const QPixmap imagem(qstring(figura.origem));
    if (!figura.origem.empty() && !imagem.isNull()) {
        w.setCursor(QCursor(imagem));
    } else {
        w.unsetCursor();
    }
}

void CampoVivoWidget::Impl::visibilidade_alterada() {
    // Qt shows one box: the one the user works in, the text box unless only the combo box
    // is meant to be seen. The seam keeps each box's own flag.
    const bool texto = caixa_texto.visivel() || !caixa_combo.visivel();
    QWidget* mostrada = texto ? static_cast<QWidget*>(txt) : static_cast<QWidget*>(cbo);
    QWidget* escondida = texto ? static_cast<QWidget*>(cbo) : static_cast<QWidget*>(txt);
    mostrada->setVisible(true);
    // The focus follows the field into the box now shown instead of leaving the control.
    if (escondida->hasFocus()) mostrada->setFocus(Qt::OtherFocusReason);
    escondida->setVisible(false);
    w.setFocusProxy(mostrada);
}

void CampoVivoWidget::Impl::falha(const std::exception& erro) noexcept {
    tela.descartar();
    const auto* e = dynamic_cast<const Erro*>(&erro);
    const int numero = e != nullptr ? e->numero() : 0;
    const QString descricao = QString::fromUtf8(erro.what());
    if (!w.isSignalConnected(QMetaMethod::fromSignal(&CampoVivoWidget::falhaNaoTratada))) {
        qWarning("CampoVivoWidget: falha não tratada %d: %s", numero, erro.what());
    }
    emit w.falhaNaoTratada(numero, descricao);
}

// ---- The widget --------------------------------------------------------------------------------

CampoVivoWidget::CampoVivoWidget(QWidget* parent)
    : QWidget(parent), impl_(std::make_unique<Impl>(*this)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &CampoVivoWidget::propriedadeAlterada, this, [this](const QString& nome) {
        if (nome == QLatin1String("Mascara") || nome == QLatin1String("UF") ||
            variante_mascara(nome.toStdU16String()))
            impl_->descrever_mascara();
    });
    // The host's initialise, first placement and sizing.
    impl_->campo.emplace(impl_->caixa_texto, impl_->caixa_combo, impl_->tela, *impl_);
    impl_->campo->InitProperties();
    impl_->visibilidade_alterada();
    impl_->descrever_mascara();
    impl_->redimensionar();
}

CampoVivoWidget::~CampoVivoWidget() = default;

CampoVivo& CampoVivoWidget::campo() {
    return *impl_->campo;
}

const CampoVivo& CampoVivoWidget::campo() const {
    return *impl_->campo;
}

bool CampoVivoWidget::modoDesigner() const {
    return impl_->designer;
}

void CampoVivoWidget::setModoDesigner(bool designer) {
    impl_->designer = designer;
}

QLineEdit* CampoVivoWidget::caixaTexto() const {
    return impl_->txt;
}

QComboBox* CampoVivoWidget::caixaCombo() const {
    return impl_->cbo;
}

const CaixaTexto& CampoVivoWidget::costuraTexto() const {
    return impl_->caixa_texto;
}

const CaixaCombo& CampoVivoWidget::costuraCombo() const {
    return impl_->caixa_combo;
}

void CampoVivoWidget::lerPropriedades(BolsaPropriedades& bolsa) {
    campo().ReadProperties(bolsa);
    impl_->descrever_mascara();
}

void CampoVivoWidget::gravarPropriedades(BolsaPropriedades& bolsa) {
    campo().WriteProperties(bolsa);
}

void CampoVivoWidget::interceptarMensagens(std::function<int(QMessageBox&)> responder) {
    detail::TelaQt::interceptador() = std::move(responder);
}

QSize CampoVivoWidget::sizeHint() const {
    return {std::max(150, impl_->cbo->sizeHint().width()), impl_->altura_caixas()};
}

void CampoVivoWidget::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    impl_->redimensionar();
}

void CampoVivoWidget::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::FontChange || evento->type() == QEvent::StyleChange)
        impl_->redimensionar();
}

// ---- Properties --------------------------------------------------------------------------------

CampoVivoWidget::eEstilo CampoVivoWidget::Estilo() const {
    return static_cast<eEstilo>(campo().Estilo());
}
void CampoVivoWidget::setEstilo(eEstilo v) {
    setEstilo(static_cast<int>(v));
}
void CampoVivoWidget::setEstilo(int v) {
    campo().Estilo(v);
}
CampoVivoWidget::eMascara CampoVivoWidget::Mascara() const {
    return static_cast<eMascara>(campo().Mascara());
}
void CampoVivoWidget::setMascara(eMascara v) {
    setMascara(static_cast<int>(v));
}
void CampoVivoWidget::setMascara(int v) {
    campo().Mascara(v);
}
CampoVivoWidget::eQuantidadeCasasDecimais CampoVivoWidget::QuantidadeCasasDecimais() const {
    return static_cast<eQuantidadeCasasDecimais>(campo().QuantidadeCasasDecimais());
}
void CampoVivoWidget::setQuantidadeCasasDecimais(eQuantidadeCasasDecimais v) {
    setQuantidadeCasasDecimais(static_cast<int>(v));
}
void CampoVivoWidget::setQuantidadeCasasDecimais(int v) {
    campo().QuantidadeCasasDecimais(v);
}
CampoVivoWidget::eCapsLockMixed CampoVivoWidget::CapsLockMixed() const {
    return static_cast<eCapsLockMixed>(campo().CapsLockMixed());
}
void CampoVivoWidget::setCapsLockMixed(eCapsLockMixed v) {
    setCapsLockMixed(static_cast<int>(v));
}
void CampoVivoWidget::setCapsLockMixed(int v) {
    campo().CapsLockMixed(v);
}
QString CampoVivoWidget::CaracteresASeremRetiradosTexto() const {
    return qstring(campo().CaracteresASeremRetiradosTexto());
}
void CampoVivoWidget::setCaracteresASeremRetiradosTexto(const QString& v) {
    campo().CaracteresASeremRetiradosTexto(u16(v));
}
int CampoVivoWidget::MaxLength() const {
    return campo().MaxLength();
}
void CampoVivoWidget::setMaxLength(int v) {
    campo().MaxLength(para_int16(v));
}
double CampoVivoWidget::QtdMaxRegRetornadosPesqLookUp() const {
    return campo().QtdMaxRegRetornadosPesqLookUp();
}
void CampoVivoWidget::setQtdMaxRegRetornadosPesqLookUp(double v) {
    campo().QtdMaxRegRetornadosPesqLookUp(v);
}
int CampoVivoWidget::FazerConsistenciaBasica() const {
    return campo().FazerConsistenciaBasica();
}
void CampoVivoWidget::setFazerConsistenciaBasica(int v) {
    campo().FazerConsistenciaBasica(v);
}
CampoVivoWidget::eNaoSim CampoVivoWidget::CNPJAlfanumerico() const {
    return static_cast<eNaoSim>(campo().CNPJAlfanumerico());
}
void CampoVivoWidget::setCNPJAlfanumerico(eNaoSim v) {
    setCNPJAlfanumerico(static_cast<int>(v));
}
void CampoVivoWidget::setCNPJAlfanumerico(int v) {
    campo().CNPJAlfanumerico(v);
}
CampoVivoWidget::eNaoSim CampoVivoWidget::PesquisarNovamente() const {
    return static_cast<eNaoSim>(campo().PesquisarNovamente());
}
void CampoVivoWidget::setPesquisarNovamente(eNaoSim v) {
    setPesquisarNovamente(static_cast<int>(v));
}
void CampoVivoWidget::setPesquisarNovamente(int v) {
    campo().PesquisarNovamente(v);
}
CampoVivoWidget::eNaoSim CampoVivoWidget::TelefoneDDD() const {
    return static_cast<eNaoSim>(campo().TelefoneDDD());
}
void CampoVivoWidget::setTelefoneDDD(eNaoSim v) {
    setTelefoneDDD(static_cast<int>(v));
}
void CampoVivoWidget::setTelefoneDDD(int v) {
    campo().TelefoneDDD(v);
}
QString CampoVivoWidget::UF() const {
    return qstring(campo().UF());
}
void CampoVivoWidget::setUF(const QString& v) {
    campo().UF(u16(v));
}
CampoVivoWidget::eAlinhamento CampoVivoWidget::Alinhamento() const {
    return static_cast<eAlinhamento>(campo().Alinhamento());
}
void CampoVivoWidget::setAlinhamento(eAlinhamento v) {
    setAlinhamento(static_cast<int>(v));
}
void CampoVivoWidget::setAlinhamento(int v) {
    campo().Alinhamento(v);
}
bool CampoVivoWidget::EnabledCampo() const {
    return campo().Enabled();
}
void CampoVivoWidget::setEnabledCampo(bool v) {
    campo().Enabled(v);
}
QString CampoVivoWidget::Text() const {
    return qstring(campo().Text());
}
void CampoVivoWidget::setText(const QString& v) {
    campo().Text(u16(v));
}
QString CampoVivoWidget::ClipText() {
    return qstring(campo().ClipText());
}
QString CampoVivoWidget::ClipTextPonto() {
    return qstring(campo().ClipTextPonto());
}
int CampoVivoWidget::ListCount() const {
    return campo().ListCount();
}
int CampoVivoWidget::ListIndex() const {
    return campo().ListIndex();
}
void CampoVivoWidget::setListIndex(int v) {
    campo().ListIndex(para_int16(v));
}
int CampoVivoWidget::NewIndex() const {
    return campo().NewIndex();
}
int CampoVivoWidget::SelStart() const {
    return campo().SelStart();
}
void CampoVivoWidget::setSelStart(int v) {
    campo().SelStart(v);
}
int CampoVivoWidget::SelLength() const {
    return campo().SelLength();
}
void CampoVivoWidget::setSelLength(int v) {
    campo().SelLength(v);
}
QString CampoVivoWidget::SelText() const {
    return qstring(campo().SelText());
}
void CampoVivoWidget::setSelText(const QString& v) {
    campo().SelText(u16(v));
}
QString CampoVivoWidget::ToolTipText() const {
    return qstring(campo().ToolTipText());
}
void CampoVivoWidget::setToolTipText(const QString& v) {
    campo().ToolTipText(u16(v));
}
int CampoVivoWidget::TopIndex() const {
    return campo().TopIndex();
}
void CampoVivoWidget::setTopIndex(int v) {
    campo().TopIndex(para_int16(v));
}
bool CampoVivoWidget::Sorted() const {
    return campo().Sorted();
}
int CampoVivoWidget::Style() const {
    return campo().Style();
}
int CampoVivoWidget::hWnd() const {
    return campo().hWnd();
}

QString CampoVivoWidget::List(int indice) const {
    return qstring(campo().List(para_int16(indice)));
}
void CampoVivoWidget::setList(int indice, const QString& texto) {
    campo().List(para_int16(indice), u16(texto));
}
QString CampoVivoWidget::ItemData(int indice) {
    return qstring(campo().ItemData(para_int16(indice)));
}
void CampoVivoWidget::setItemData(int indice, const QString& valor) {
    campo().ItemData(para_int16(indice), u16(valor));
}
void CampoVivoWidget::AddItem(const QString& item, const QString& itemData) {
    campo().AddItem(u16(item), std::nullopt, u16(itemData));
}
void CampoVivoWidget::RemoveItem(int indice) {
    campo().RemoveItem(para_int16(indice));
}
void CampoVivoWidget::Clear() {
    campo().Clear();
}
void CampoVivoWidget::PosicionarPorItem(const QString& item) {
    campo().PosicionarPorItem(u16(item));
}
void CampoVivoWidget::PosicionarPorItemData(const QString& itemData) {
    campo().PosicionarPorItemData(u16(itemData));
}

}  // namespace pjtCampoVivo::qt
