// The combo box seam: a Caixa with a list of entries at 0-based positions, and the few
// members a host expects of a combo box.
#pragma once

#include <cstdint>
#include <optional>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/caixa.hpp>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT CaixaCombo : public Caixa {
  public:
    // Natural height, fixed by the toolkit, in the units of Move.
    virtual int32_t Height() const = 0;

    virtual int16_t ListCount() const = 0;
    // Entry i's text; a position outside the list fails.
    virtual std::u16string List(int16_t i) const = 0;
    virtual void List(int16_t i, std::u16string_view texto) = 0;
    // i >= 0 selects entry i and shows its text; -1 removes the selection. Setting it from
    // code raises no Click.
    virtual int16_t ListIndex() const = 0;
    virtual void ListIndex(int16_t i) = 0;
    // Position the list gave the most recently added entry: -1 before any, and after
    // RemoveItem or Clear until the next AddItem.
    virtual int16_t NewIndex() const = 0;
    virtual int16_t TopIndex() const = 0;
    virtual void TopIndex(int16_t i) = 0;
    virtual bool Sorted() const = 0;
    virtual int16_t Style() const = 0;

    // Appends, or inserts at posicao; a position the list rejects fails.
    virtual void AddItem(std::u16string_view texto, std::optional<int32_t> posicao) = 0;
    virtual void RemoveItem(int16_t posicao) = 0;
    virtual void Clear() = 0;

    virtual int32_t hWnd() const = 0;
    virtual bool Locked() const = 0;
    virtual void Locked(bool valor) = 0;
    virtual int16_t MousePointer() const = 0;
    virtual void MousePointer(int16_t valor) = 0;
    virtual int32_t WhatsThisHelpID() const = 0;
    virtual void WhatsThisHelpID(int32_t valor) = 0;
    virtual void Refresh() = 0;
};

}  // namespace pjtCampoVivo
