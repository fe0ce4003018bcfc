// Fault injection for the headless boxes: any operation can be told to fail, with the
// toolkit's own error number, on its n-th call. Tests use it to check that a failing
// toolkit operation ends a handler where it stands.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <string_view>

namespace pjtCampoVivo::headless {

class PJTCAMPOVIVO_HEADLESS_EXPORT Falhas {
  public:
    // The n-th call (1-based) of operacao from now on fails with numero. Operation names are
    // the member's name, with "=" appended for a setter: "Text", "Text=", "SelText=",
    // "ListIndex=", "SetFocus", "AddItem", ...
    void falhar(const std::string& operacao, int n, int32_t numero = 380);
    // Forgets every armed failure.
    void limpar() noexcept { armadas_.clear(); }

    // Counts one call of operacao and throws the armed error when its turn has come.
    void contar(const char* operacao);

    // Hears every call before its failure is decided, so a test can record which operations a
    // handler performs, in order, and then fail each of them in turn.
    std::function<void(std::string_view operacao)> observador;

  private:
    struct Armada {
        int restantes;
        int32_t numero;
    };
    std::map<std::string, Armada, std::less<>> armadas_;
};

}  // namespace pjtCampoVivo::headless
