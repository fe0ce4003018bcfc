// The screen seam: a modal message box and key injection.
#pragma once

#include <cstdint>
#include <pjtcampovivo/control_export.hpp>
#include <string_view>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT Tela {
  public:
    virtual ~Tela() = default;

    // Shows a modal message box and waits for it to close; code 16 is the critical icon with
    // one OK button. Returns the button pressed (1 for OK).
    virtual int32_t MsgBox(std::u16string_view prompt, int32_t codigo,
                           std::u16string_view titulo) = 0;

    // Queues keystrokes; "{TAB}" moves the focus to the next control once the current
    // notification has returned.
    virtual void SendKeys(std::u16string_view teclas) = 0;
};

}  // namespace pjtCampoVivo
