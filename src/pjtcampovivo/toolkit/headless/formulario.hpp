// A headless form: the control's two inner boxes, one plain text box after it in tab order
// (proximo), the screen and the host. It owns the focus and plays the user: typing, special
// keys, selecting, pasting, clicking. Keystrokes injected while a user action runs are
// delivered when its outermost notification has returned.
#pragma once

#include <cstdint>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/headless/caixas.hpp>
#include <pjtcampovivo/toolkit/headless/hospedeiro.hpp>
#include <pjtcampovivo/toolkit/headless/tela.hpp>

namespace pjtCampoVivo::headless {

enum class Tecla { Backspace, Enter, Tab, Delete, Home, End, Left, Right };

class PJTCAMPOVIVO_HEADLESS_EXPORT Formulario final : private DonoFoco {
  public:
    Formulario();
    Formulario(const Formulario&) = delete;
    Formulario& operator=(const Formulario&) = delete;

    CaixaTextoHeadless txtCombo{"txtCombo"};
    CaixaComboHeadless cboCombo{"cboCombo"};
    CaixaTextoHeadless proximo{"proximo"};
    TelaHeadless tela;
    HospedeiroHeadless hospedeiro;

    // The box that has the focus.
    CaixaHeadlessBase* foco() const noexcept { return foco_; }
    // True when the focus is in one of the control's inner boxes.
    bool foco_no_campo() const noexcept { return foco_ == &txtCombo || foco_ == &cboCombo; }

    // The user acts on the control's shown inner box (the combo box when the text box is
    // hidden), clicking into it first when the focus is elsewhere. A disabled box takes no
    // user action: then these do nothing.
    void teclar(std::u16string_view texto);
    void tecla(Tecla t);
    void selecionar(int32_t inicio, int32_t tamanho);
    void colar(std::u16string_view texto);
    void focar();
    void clicar(int16_t indice);
    void abrir();
    void duplo();
    // The user clicks into proximo.
    void sair();

    // Moves the focus to caixa: LostFocus on the box that had it, then GotFocus on caixa
    // unless the LostFocus handler sent the focus elsewhere.
    void focar(CaixaHeadlessBase& caixa) override;
    bool tem_foco(const CaixaHeadlessBase& caixa) const override { return foco_ == &caixa; }
    // A box was shown, hidden, enabled or disabled: the focus leaves a box the user can no
    // longer reach, before the member that changed it returns.
    void alcance_alterado(CaixaHeadlessBase& caixa) override;

  private:
    CaixaHeadlessBase& caixa_mostrada();
    CaixaHeadlessBase& entrar_no_campo();
    // Runs one user action, then delivers the keystrokes it injected.
    template <typename Acao>
    void acao_do_usuario(Acao&& acao);
    // Clicks into the shown box, then runs acao(the shown box) as the next user action;
    // nothing while that box is disabled.
    template <typename Acao>
    void no_campo(Acao&& acao);
    void entregar_teclas();
    void digitar(CaixaHeadlessBase& caixa, char16_t c);
    void tecla_especial(CaixaHeadlessBase& caixa, int16_t codigo, int32_t cursor);

    CaixaHeadlessBase* foco_ = nullptr;
    // The box that was last told GotFocus and not yet LostFocus.
    CaixaHeadlessBase* avisada_ = nullptr;
    int profundidade_ = 0;
};

}  // namespace pjtCampoVivo::headless
