// The host seam: the form (designer or run time) that holds a control. It carries the
// control's events to the host's code, hears property-changed notices, gives the ambient
// properties and the control's own extent, font and mouse icon.
#pragma once

#include <cstdint>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/valor_propriedade.hpp>

namespace pjtCampoVivo {

// The eight events of the control, raised synchronously: the host's handler runs before the
// raise returns, and by-reference arguments are shared with it (a KeyAscii set to 0 cancels
// the key, a TextoProcurado rewritten is what the search goes on with).
class PJTCAMPOVIVO_CONTROL_EXPORT EventosCampoVivo {
  public:
    virtual void Click() = 0;
    virtual void DblClick() = 0;
    virtual void KeyDown(int16_t& KeyCode, int16_t& Shift) = 0;
    virtual void KeyPress(int16_t& KeyAscii) = 0;
    virtual void KeyUp(int16_t& KeyCode, int16_t& Shift) = 0;
    virtual void Change() = 0;
    virtual void DropDown() = 0;
    virtual void FimItensLista(std::u16string& TextoProcurado) = 0;

  protected:
    ~EventosCampoVivo() = default;
};

class PJTCAMPOVIVO_CONTROL_EXPORT Hospedeiro : public EventosCampoVivo {
  public:
    virtual ~Hospedeiro() = default;

    // Marks the named property as changed, so the form is saved.
    virtual void PropertyChanged(std::u16string_view nome) = 0;

    // Ambient properties: UserMode is true at run time, false in the form designer.
    virtual bool UserMode() const = 0;
    virtual Fonte FonteAmbiente() const = 0;

    // The control's own extent, in the units of the boxes' Move. Setting the height makes
    // the host resize the control again (a nested Resize).
    virtual int32_t Height() const = 0;
    virtual void Height(int32_t altura) = 0;
    virtual int32_t LarguraInterna() const = 0;

    // The control surface's own font and mouse icon, saved with the form.
    virtual Fonte Font() const = 0;
    virtual void Font(const Fonte& fonte) = 0;
    virtual Figura MouseIcon() const = 0;
    virtual void MouseIcon(const Figura& figura) = 0;
};

}  // namespace pjtCampoVivo
