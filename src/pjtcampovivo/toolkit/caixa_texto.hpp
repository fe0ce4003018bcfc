// The single-line text box seam: a Caixa with a text alignment.
#pragma once

#include <cstdint>
#include <pjtcampovivo/control_export.hpp>

#include <pjtcampovivo/toolkit/caixa.hpp>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT CaixaTexto : public Caixa {
  public:
    // 0 left, 1 right, 2 centred.
    virtual int16_t Alignment() const = 0;
    virtual void Alignment(int16_t valor) = 0;
};

}  // namespace pjtCampoVivo
