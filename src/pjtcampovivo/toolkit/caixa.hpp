// The seam between the control and its two inner boxes: what both a text box and a combo
// box offer, and the notifications they send. A real widget set or a headless model stands
// behind it. Every operation may fail with the toolkit's own numbered error (an Erro of kind
// Toolkit); the control never catches it.
#pragma once

#include <cstdint>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/cores.hpp>

namespace pjtCampoVivo {

// Notifications of one box, delivered synchronously: setting Text raises Change before the
// setter returns, so handlers nest. Key codes are by reference: a KeyAscii set to 0 cancels
// the character.
class PJTCAMPOVIVO_CONTROL_EXPORT NotificacoesCaixa {
  public:
    virtual void Change() = 0;
    virtual void KeyDown(int16_t& KeyCode, int16_t& Shift) = 0;
    virtual void KeyPress(int16_t& KeyAscii) = 0;
    virtual void KeyUp(int16_t& KeyCode, int16_t& Shift) = 0;
    virtual void DblClick() = 0;
    virtual void GotFocus() = 0;
    virtual void LostFocus() = 0;
    // Only the combo box sends these two.
    virtual void Click() {}
    virtual void DropDown() {}

  protected:
    ~NotificacoesCaixa() = default;
};

class PJTCAMPOVIVO_CONTROL_EXPORT Caixa {
  public:
    virtual ~Caixa() = default;

    // Who hears this box's notifications (nullptr: nobody).
    virtual void definir_notificacoes(NotificacoesCaixa* ouvinte) = 0;

    // Setting replaces the content and raises Change when it differs.
    virtual std::u16string Text() const = 0;
    virtual void Text(std::u16string_view texto) = 0;

    // 0-based caret; a caret past the end goes to the end; a length past the end selects to
    // the end. Setting SelText replaces the selection and raises Change.
    virtual int32_t SelStart() const = 0;
    virtual void SelStart(int32_t valor) = 0;
    virtual int32_t SelLength() const = 0;
    virtual void SelLength(int32_t valor) = 0;
    virtual std::u16string SelText() const = 0;
    virtual void SelText(std::u16string_view texto) = 0;

    virtual Cor BackColor() const = 0;
    virtual void BackColor(Cor cor) = 0;
    virtual Cor ForeColor() const = 0;
    virtual void ForeColor(Cor cor) = 0;
    virtual bool Visible() const = 0;
    virtual void Visible(bool valor) = 0;
    virtual bool Enabled() const = 0;
    virtual void Enabled(bool valor) = 0;
    virtual std::u16string ToolTipText() const = 0;
    virtual void ToolTipText(std::u16string_view texto) = 0;

    // Moves the focus here (nothing when the box has it already, or is disabled or hidden).
    // Hiding or disabling the box that has the focus moves the focus on before the setter
    // returns.
    virtual void SetFocus() = 0;
    // Places the box; its height stays as it is.
    virtual void Move(int32_t esquerda, int32_t topo, int32_t largura) = 0;
};

}  // namespace pjtCampoVivo
