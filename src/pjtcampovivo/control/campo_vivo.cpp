#include <pjtcampovivo/control/campo_vivo.hpp>

#include <algorithm>

#include <pjtcampovivo/control/teclas.hpp>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo {

using detail::Backspace;
using detail::caractere;
using detail::codigo;
using detail::Enter;
using detail::Tab;

namespace {

// What loading assumes for a bag without the key: an apostrophe and a double quote.
constexpr std::u16string_view CaracteresProibidosPadrao = u"'\"";

}  // namespace

// The control's ears on its text box.
class CampoVivo::OuvinteTexto final : public NotificacoesCaixa {
  public:
    explicit OuvinteTexto(CampoVivo& c) : c_(c) {}
    void Change() override { c_.txt_Change(); }
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override { c_.txt_KeyDown(KeyCode, Shift); }
    void KeyPress(int16_t& KeyAscii) override { c_.txt_KeyPress(KeyAscii); }
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override { c_.txt_KeyUp(KeyCode, Shift); }
    void DblClick() override { c_.txt_DblClick(); }
    void GotFocus() override { c_.txt_GotFocus(); }
    void LostFocus() override { c_.txt_LostFocus(); }

  private:
    CampoVivo& c_;
};

// The control's ears on its combo box.
class CampoVivo::OuvinteCombo final : public NotificacoesCaixa {
  public:
    explicit OuvinteCombo(CampoVivo& c) : c_(c) {}
    void Change() override { c_.cbo_Change(); }
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override { c_.cbo_KeyDown(KeyCode, Shift); }
    void KeyPress(int16_t& KeyAscii) override { c_.cbo_KeyPress(KeyAscii); }
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override { c_.cbo_KeyUp(KeyCode, Shift); }
    void DblClick() override { c_.cbo_DblClick(); }
    void GotFocus() override { c_.cbo_GotFocus(); }
    void LostFocus() override { c_.cbo_LostFocus(); }
    void Click() override { c_.cbo_Click(); }
    void DropDown() override { c_.cbo_DropDown(); }

  private:
    CampoVivo& c_;
};

CampoVivo::CampoVivo(CaixaTexto& txtCombo, CaixaCombo& cboCombo, Tela& tela, Hospedeiro& hospedeiro)
    : txtCombo_(txtCombo),
      cboCombo_(cboCombo),
      tela_(tela),
      hospedeiro_(hospedeiro),
      ouvinte_texto_(std::make_unique<OuvinteTexto>(*this)),
      ouvinte_combo_(std::make_unique<OuvinteCombo>(*this)) {
    txtCombo_.definir_notificacoes(ouvinte_texto_.get());
    cboCombo_.definir_notificacoes(ouvinte_combo_.get());
}

CampoVivo::~CampoVivo() {
    txtCombo_.definir_notificacoes(nullptr);
    cboCombo_.definir_notificacoes(nullptr);
}

// ---- Core members ----------------------------------------------------------------------

void CampoVivo::CargaObjeto(const std::any& /*objeto*/) {}

void CampoVivo::FazerConsistenciaBasica(int32_t valor) {
    FazerConsistenciaBasica_ = valor;
    hospedeiro_.PropertyChanged(u"FazerConsistenciaBasica");
}

int32_t CampoVivo::Alinhamento() const {
    return txtCombo_.Alignment();
}

void CampoVivo::Alinhamento(int32_t valor) {
    txtCombo_.Alignment(para_int16(valor));
    hospedeiro_.PropertyChanged(u"Alinhamento");
}

bool CampoVivo::Enabled() const {
    return cboCombo_.Enabled();
}

void CampoVivo::Enabled(bool valor) {
    cboCombo_.Enabled(valor);
    txtCombo_.Enabled(valor);
    hospedeiro_.PropertyChanged(u"Enabled");
}

void CampoVivo::Refresh() {
    cboCombo_.Refresh();
}

void CampoVivo::Resize() {
    // The control is always as tall as the combo box; setting the height resizes again, and
    // that nested run finds the heights equal.
    if (hospedeiro_.Height() != cboCombo_.Height()) hospedeiro_.Height(cboCombo_.Height());
    cboCombo_.Move(0, 0, hospedeiro_.LarguraInterna());
    txtCombo_.Move(0, 0, hospedeiro_.LarguraInterna());
}

Formatar& CampoVivo::formatador() {
    if (!objFormatar) objFormatar = std::make_shared<Formatar>();
    return *objFormatar;
}

void CampoVivo::somente_em_execucao() const {
    if (!hospedeiro_.UserMode()) {
        throw Erro(numero_erro::SomenteEmExecucao, TipoErro::SomenteEmExecucao,
                   "Propriedade somente disponível em tempo de execução");
    }
}

// ---- Design-time settings --------------------------------------------------------------

void CampoVivo::mostrar_estilo() {
    if (Estilo_ != 0) {
        cboCombo_.Visible(true);
        txtCombo_.Visible(false);
    } else {
        cboCombo_.Visible(false);
        txtCombo_.Visible(true);
    }
}

void CampoVivo::Estilo(int32_t valor) {
    Estilo_ = valor;
    mostrar_estilo();
    hospedeiro_.PropertyChanged(u"Estilo");
}

void CampoVivo::Mascara(int32_t valor) {
    Mascara_ = valor;
    QuantidadeCasasDecimais(0);
    txtCombo_.Alignment(0);
    // A value outside the masks keeps MaxLength as it is.
    if (const auto config = configuracao_mascara(valor)) {
        if (config->casas_decimais != 0) QuantidadeCasasDecimais(config->casas_decimais);
        MaxLength(comprimento_da_mascara());
        if (config->alinhamento != 0)
            txtCombo_.Alignment(static_cast<int16_t>(config->alinhamento));
    }
    hospedeiro_.PropertyChanged(u"Alinhamento");
    hospedeiro_.PropertyChanged(u"Mascara");
}

void CampoVivo::QuantidadeCasasDecimais(int32_t valor) {
    QuantidadeCasasDecimais_ = valor;
    hospedeiro_.PropertyChanged(u"QuantidadeCasasDecimais");
}

void CampoVivo::CapsLockMixed(int32_t valor) {
    CapsLockMixed_ = valor;
    hospedeiro_.PropertyChanged(u"CapsLockMixed");
}

void CampoVivo::CaracteresASeremRetiradosTexto(std::u16string_view valor) {
    CaracteresASeremRetiradosTexto_ = valor;
    hospedeiro_.PropertyChanged(u"CaracteresASeremRetiradosTexto");
}

void CampoVivo::MaxLength(int16_t valor) {
    MaxLength_ = valor;
    hospedeiro_.PropertyChanged(u"MaxLength");
}

void CampoVivo::QtdMaxRegRetornadosPesqLookUp(double valor) {
    QtdMaxRegRetornadosPesqLookUp_ = valor;
    hospedeiro_.PropertyChanged(u"QtdMaxRegRetornadosPesqLookUp");
}

void CampoVivo::CNPJAlfanumerico(int32_t valor) {
    CNPJAlfanumerico_ = valor;
    hospedeiro_.PropertyChanged(u"CNPJAlfanumerico");
}

void CampoVivo::PesquisarNovamente(int32_t valor) {
    PesquisarNovamente_ = valor;
    hospedeiro_.PropertyChanged(u"PesquisarNovamente");
}

void CampoVivo::TelefoneDDD(int32_t valor) {
    TelefoneDDD_ = valor;
    if (Mascara_ == pjtCampoVivo::valor(eMascara::Telefone)) MaxLength(comprimento_da_mascara());
    hospedeiro_.PropertyChanged(u"TelefoneDDD");
}

const VarianteMascara* CampoVivo::variante_em_uso() const noexcept {
    switch (ajustes().moldagem()) {
        case Moldagem::CNPJAlfanumerico:
            return variante_mascara(u"CNPJAlfanumerico");
        case Moldagem::TelefoneDDD:
            return variante_mascara(u"TelefoneDDD");
        case Moldagem::Mascara:
        case Moldagem::InscricaoUF:
            break;
    }
    return nullptr;
}

void CampoVivo::UF(std::u16string_view valor) {
    UF_ = valor;
    hospedeiro_.PropertyChanged(u"UF");
    // The number already in the field takes the new unit's shape, as if the host assigned it
    // in that shape: a box given its own text again would not change, nor re-format.
    if (Mascara_ != pjtCampoVivo::valor(eMascara::InscricaoEstadual)) return;
    std::u16string moldado;
    {
        const detail::ValorNoEscopo flag(SeparadorInserido);
        const detail::ValorNoEscopo entrada(lngEntradaDe_);
        lngEntradaDe_ = 1;
        std::u16string texto = Text();
        int32_t negativo = 0;
        moldado = formatar_campo(texto, negativo);
    }
    Text(moldado);
}

AjustesCampo CampoVivo::ajustes() const noexcept {
    return AjustesCampo{Mascara_,
                        QuantidadeCasasDecimais_,
                        MaxLength_,
                        CNPJAlfanumerico_ == valor(eNaoSim::sim),
                        TelefoneDDD_ == valor(eNaoSim::sim),
                        UF_};
}

int16_t CampoVivo::comprimento_da_mascara() const noexcept {
    const VarianteMascara* variante = variante_em_uso();
    return variante != nullptr ? variante->max_length : configuracao_mascara(Mascara_)->max_length;
}

std::u16string CampoVivo::formatar_campo(std::u16string& texto, int32_t& negativo) {
    AjustesCampo campo = ajustes();
    const Moldagem moldagem = campo.moldagem();
    if (moldagem == Moldagem::Mascara) {
        return formatador().FormatarTextoEntrada(texto, Mascara_, MaxLength_,
                                                 QuantidadeCasasDecimais_, negativo, lngEntradaDe_);
    }
    TextoFormatado r = formatar_campo_entrada(campo, texto, static_cast<eEntradaDe>(lngEntradaDe_));
    MaxLength_ = campo.max_length;  // 0 becomes 50, as the published routines write it back
    // The flag is raised as the published routines raise it, so the nested Change stops;
    // the alphanumeric CNPJ came first and never raised it, and its events stay as they were.
    if (r.separador_inserido && moldagem != Moldagem::CNPJAlfanumerico) SeparadorInserido = 1;
    return std::move(r.texto);
}

// ---- Persistence -------------------------------------------------------------------------

void CampoVivo::InitProperties() {
    Estilo_ = 0;
}

void CampoVivo::ReadProperties(BolsaPropriedades& bolsa) {
    // The box properties first, each put at once into its target.
    cboCombo_.ForeColor(bolsa.ReadProperty(u"ForeColor", cores::TextoJanela).como_cor());
    txtCombo_.Alignment(bolsa.ReadProperty(u"Alinhamento", int32_t{0}).como_int16());
    cboCombo_.Enabled(bolsa.ReadProperty(u"Enabled", true).como_bool());
    const Fonte ambiente = hospedeiro_.FonteAmbiente();
    hospedeiro_.Font(bolsa.ReadProperty(u"Font", ambiente).como_fonte());
    cboCombo_.BackColor(bolsa.ReadProperty(u"BackColor", cores::FundoJanela).como_cor());
    cboCombo_.Locked(bolsa.ReadProperty(u"Locked", false).como_bool());
    hospedeiro_.MouseIcon(bolsa.ReadProperty(u"MouseIcon", Nada{}).como_figura());
    cboCombo_.MousePointer(bolsa.ReadProperty(u"MousePointer", int16_t{0}).como_int16());
    cboCombo_.Text(bolsa.ReadProperty(u"Text", u"").como_texto());
    cboCombo_.ToolTipText(bolsa.ReadProperty(u"ToolTipText", u"").como_texto());
    cboCombo_.WhatsThisHelpID(bolsa.ReadProperty(u"WhatsThisHelpID", int16_t{0}).como_int32());

    Estilo_ = bolsa.ReadProperty(u"Estilo", int16_t{0}).como_int32();
    if (Estilo_ == 0) {
        txtCombo_.Visible(true);
        cboCombo_.Visible(false);
        txtCombo_.ToolTipText(cboCombo_.ToolTipText());
    } else {
        txtCombo_.Visible(false);
        cboCombo_.Visible(true);
    }

    // Straight into the fields: loading Mascara must not recompute what was saved beside it.
    Mascara_ = bolsa.ReadProperty(u"Mascara", int16_t{0}).como_int32();
    QuantidadeCasasDecimais_ =
        bolsa.ReadProperty(u"QuantidadeCasasDecimais", int16_t{0}).como_int32();
    CapsLockMixed_ = bolsa.ReadProperty(u"CapsLockMixed", int16_t{0}).como_int32();
    CaracteresASeremRetiradosTexto_ = bolsa
                                          .ReadProperty(u"CaracteresASeremRetiradosTexto",
                                                        std::u16string(CaracteresProibidosPadrao))
                                          .como_texto();
    MaxLength_ = bolsa.ReadProperty(u"MaxLength", int16_t{0}).como_int16();
    QtdMaxRegRetornadosPesqLookUp_ =
        bolsa.ReadProperty(u"QtdMaxRegRetornadosPesqLookUp", int16_t{100}).como_double();
    CNPJAlfanumerico_ = bolsa.ReadProperty(u"CNPJAlfanumerico", int16_t{0}).como_int32();
    PesquisarNovamente_ = bolsa.ReadProperty(u"PesquisarNovamente", int16_t{0}).como_int32();
    TelefoneDDD_ = bolsa.ReadProperty(u"TelefoneDDD", int16_t{0}).como_int32();
    UF_ = bolsa.ReadProperty(u"UF", u"").como_texto();
}

void CampoVivo::WriteProperties(BolsaPropriedades& bolsa) {
    bolsa.WriteProperty(u"ForeColor", cboCombo_.ForeColor(), cores::TextoJanela);
    bolsa.WriteProperty(u"Alinhamento", txtCombo_.Alignment(), int32_t{0});
    bolsa.WriteProperty(u"Enabled", cboCombo_.Enabled(), true);
    bolsa.WriteProperty(u"Font", hospedeiro_.Font(), hospedeiro_.FonteAmbiente());
    bolsa.WriteProperty(u"BackColor", cboCombo_.BackColor(), cores::FundoJanela);
    bolsa.WriteProperty(u"Locked", cboCombo_.Locked(), false);
    const Figura icone = hospedeiro_.MouseIcon();
    bolsa.WriteProperty(u"MouseIcon",
                        icone.origem.empty() ? ValorPropriedade(Nada{}) : ValorPropriedade(icone),
                        Nada{});
    bolsa.WriteProperty(u"MousePointer", cboCombo_.MousePointer(), int16_t{0});
    // The text shown at design time is never kept.
    bolsa.WriteProperty(u"Text", u"", std::nullopt);
    std::u16string dica = cboCombo_.ToolTipText();
    if (dica.empty()) dica = txtCombo_.ToolTipText();
    bolsa.WriteProperty(u"ToolTipText", dica, u"");
    bolsa.WriteProperty(u"WhatsThisHelpID", cboCombo_.WhatsThisHelpID(), int16_t{0});

    bolsa.WriteProperty(u"Estilo", Estilo_, int16_t{0});
    mostrar_estilo();

    bolsa.WriteProperty(u"Mascara", Mascara_, int16_t{0});
    bolsa.WriteProperty(u"QuantidadeCasasDecimais", QuantidadeCasasDecimais_, int16_t{0});
    bolsa.WriteProperty(u"CapsLockMixed", CapsLockMixed_, int16_t{0});
    bolsa.WriteProperty(u"CaracteresASeremRetiradosTexto", CaracteresASeremRetiradosTexto_,
                        std::u16string(CaracteresProibidosPadrao));
    bolsa.WriteProperty(u"MaxLength", MaxLength_, int16_t{0});
    bolsa.WriteProperty(u"QtdMaxRegRetornadosPesqLookUp", QtdMaxRegRetornadosPesqLookUp_,
                        int16_t{100});
    // Written only when on, so a form that never used them is saved exactly as before.
    if (CNPJAlfanumerico_ != 0)
        bolsa.WriteProperty(u"CNPJAlfanumerico", CNPJAlfanumerico_, int16_t{0});
    if (PesquisarNovamente_ != 0)
        bolsa.WriteProperty(u"PesquisarNovamente", PesquisarNovamente_, int16_t{0});
    if (TelefoneDDD_ != 0) bolsa.WriteProperty(u"TelefoneDDD", TelefoneDDD_, int16_t{0});
    if (!UF_.empty()) bolsa.WriteProperty(u"UF", UF_, u"");
}

// ---- Value members -----------------------------------------------------------------------

std::u16string CampoVivo::Text() const {
    return Estilo_ != 0 ? cboCombo_.Text() : txtCombo_.Text();
}

void CampoVivo::Text(std::u16string_view valor) {
    lngEntradaDe_ = 1;
    blnBackspace_ = 0;
    if (Estilo_ != 0) {
        cboCombo_.Text(valor);
    } else if (Mascara_ == 1) {
        // A money value moved in gets exactly its decimal places before it is formatted:
        // "12" -> "12,00", "12,345" -> "12,34" (cut, not rounded).
        static constexpr std::u16string_view zeros = u"000000000000";
        if (QuantidadeCasasDecimais_ < 0)
            throw Erro::argumento_invalido("QuantidadeCasasDecimais negativa");
        const auto casas = static_cast<std::size_t>(QuantidadeCasasDecimais_);
        std::u16string completo(valor);
        const auto virgula = valor.find(u',');
        if (virgula == std::u16string_view::npos) {
            completo += u',';
            completo += zeros.substr(0, casas);
        } else if (const std::size_t depois = valor.size() - virgula - 1; depois > casas) {
            completo.resize(virgula + 1 + casas);
        } else {
            completo += zeros.substr(0, casas - depois);
        }
        txtCombo_.Text(completo);
    } else {
        txtCombo_.Text(valor);
    }
    hospedeiro_.PropertyChanged(u"Text");
}

std::u16string CampoVivo::ClipText() {
    std::u16string valor = formatar_campo_saida(ajustes(), Text());
    return valor.empty() ? u"0" : valor;
}

std::u16string CampoVivo::ClipTextPonto() {
    std::u16string valor = ClipText();
    if (const auto virgula = valor.find(u','); virgula != std::u16string::npos)
        valor[virgula] = u'.';
    return valor;
}

CampoVivo::Estado CampoVivo::estado() const {
    return Estado{Estilo_,
                  Mascara_,
                  QuantidadeCasasDecimais_,
                  CapsLockMixed_,
                  CaracteresASeremRetiradosTexto_,
                  MaxLength_,
                  QtdMaxRegRetornadosPesqLookUp_,
                  FazerConsistenciaBasica_,
                  colItemData_.value_or(std::vector<std::u16string>{}),
                  lngListIndex_,
                  lngEntradaDe_,
                  blnBackspace_,
                  blnEscrevendo_,
                  lngSelStartAnterior_};
}

// ---- Keystrokes --------------------------------------------------------------------------

void CampoVivo::enter_ou_tab(int16_t KeyAscii) {
    if (KeyAscii != Enter && KeyAscii != Tab) return;
    tela_.SendKeys(detail::TeclaTab);
    hospedeiro_.Click();
}

bool CampoVivo::letra_em_maiuscula(char16_t maiuscula) const {
    switch (ajustes().moldagem()) {
        case Moldagem::CNPJAlfanumerico:
            return true;
        case Moldagem::InscricaoUF:
            // ISENTO's letters, and a letter the unit's shapes hold (SP's rural P).
            return std::u16string_view(u"ISENTO").find(maiuscula) != std::u16string_view::npos ||
                   std::ranges::any_of(
                       Comuns::MoldesInscricaoEstadual(UF_),
                       [&](std::u16string_view m) { return !m.empty() && m[0] == maiuscula; });
        case Moldagem::Mascara:
        case Moldagem::TelefoneDDD:
            break;
    }
    return false;
}

void CampoVivo::aplicar_caixa_alta(int16_t& KeyAscii) const {
    const char16_t c = caractere(KeyAscii);
    const char16_t maiuscula = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    // Those are capitals whatever CapsLockMixed says.
    if (letra_em_maiuscula(maiuscula)) {
        KeyAscii = codigo(maiuscula);
    } else if (CapsLockMixed_ == 2) {
        KeyAscii = codigo(letras::maiuscula(c));
    } else if (CapsLockMixed_ == 1) {
        KeyAscii = codigo(letras::minuscula(c));
    }
}

bool CampoVivo::filtrar_caractere(int16_t& KeyAscii) {
    // Listing a small a also refuses a capital A: both sides are compared in capitals.
    para_int16(CaracteresASeremRetiradosTexto_.size());
    if (CaracteresASeremRetiradosTexto_.empty()) return KeyAscii != 0;
    const char16_t c = caractere(KeyAscii);
    const std::u16string tecla = letras::maiusculas(std::u16string_view(&c, 1));
    for (const char16_t proibido : CaracteresASeremRetiradosTexto_) {
        if (letras::maiusculas(std::u16string_view(&proibido, 1)) == tecla) KeyAscii = 0;
    }
    return KeyAscii != 0;
}

void CampoVivo::txt_KeyDown(int16_t& KeyCode, int16_t& Shift) {
    lngEntradaDe_ = 0;
    hospedeiro_.KeyDown(KeyCode, Shift);
}

void CampoVivo::txt_KeyUp(int16_t& KeyCode, int16_t& Shift) {
    hospedeiro_.KeyUp(KeyCode, Shift);
}

void CampoVivo::txt_DblClick() {
    hospedeiro_.DblClick();
}

void CampoVivo::txt_KeyPress(int16_t& KeyAscii) {
    blnBackspace_ = 0;
    enter_ou_tab(KeyAscii);
    filtrar_caractere(KeyAscii);
    if (KeyAscii != Enter && KeyAscii != Backspace && KeyAscii != Tab) {
        // The selected part is about to be replaced, so it does not count toward the limit:
        // a full field whose text is all selected still takes a key.
        const auto tamanho = static_cast<int64_t>(txtCombo_.Text().size());
        if (tamanho - txtCombo_.SelLength() >= MaxLength_) {
            KeyAscii = 0;
            return;
        }
    }
    if (KeyAscii == 0) return;
    aplicar_caixa_alta(KeyAscii);
    if (KeyAscii == Backspace) {
        blnBackspace_ = 1;
        blnEscrevendo_ = true;
        txtCombo_.SelText(u"");
    }
    hospedeiro_.KeyPress(KeyAscii);
    blnEscrevendo_ = false;
}

void CampoVivo::txt_Change() {
    if (Estilo_ == 0 && Mascara_ == 0) return;
    if (blnEscrevendo_ || SeparadorInserido == 1 || blnBackspace_ != 0) return;
    const int16_t caret = para_int16(txtCombo_.SelStart());
    std::u16string texto = txtCombo_.Text();
    int32_t negativo = 0;
    const std::u16string formatado = formatar_campo(texto, negativo);
    txtCombo_.Text(formatado);
    if (SeparadorInserido == 1) txtCombo_.SelStart(para_int16(caret + 1));
    SeparadorInserido = 0;
    lngSelStartAnterior_ = txtCombo_.SelStart();
    txtCombo_.SelStart(static_cast<int32_t>(txtCombo_.Text().size()));
    txtCombo_.ForeColor(negativo == 1 ? cores::Vermelho : cores::Preto);
    hospedeiro_.Change();
}

// ---- Focus -------------------------------------------------------------------------------

void CampoVivo::txt_GotFocus() {
    txtCombo_.BackColor(cores::Realce);
    txtCombo_.SelStart(0);
    txtCombo_.SelLength(static_cast<int32_t>(txtCombo_.Text().size()));
    txtCombo_.SetFocus();
}

void CampoVivo::txt_LostFocus() {
    txtCombo_.BackColor(cores::FundoJanela);
    if (conferindo_saida_) return;  // the combo box's check is taking the focus back
    const ChecagemSaida* checagem = checagem_saida_campo(ajustes());
    if (checagem == nullptr) return;
    const std::u16string texto = txtCombo_.Text();
    if (detail::vazio_ou_brancos(texto)) return;
    if (checagem->valido(texto)) return;
    const detail::FlagNoEscopo conferindo(conferindo_saida_);
    tela_.MsgBox(checagem->prompt, CodigoMensagemCritica, checagem->titulo);
    txtCombo_.SetFocus();
    txtCombo_.Text(u" ");
}

}  // namespace pjtCampoVivo
