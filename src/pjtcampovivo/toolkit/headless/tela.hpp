// A headless screen: message boxes are recorded and answered as if OK were pressed;
// injected keystrokes are recorded and queued for the form to deliver.
#pragma once

#include <cstdint>
#include <deque>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/tela.hpp>

namespace pjtCampoVivo::headless {

struct PJTCAMPOVIVO_HEADLESS_EXPORT Mensagem {
    std::u16string prompt;
    int32_t codigo;
    std::u16string titulo;
};

class PJTCAMPOVIVO_HEADLESS_EXPORT TelaHeadless final : public Tela {
  public:
    static constexpr int32_t BotaoOk = 1;

    int32_t MsgBox(std::u16string_view prompt, int32_t codigo,
                   std::u16string_view titulo) override {
        mensagens.push_back({std::u16string(prompt), codigo, std::u16string(titulo)});
        return BotaoOk;
    }
    void SendKeys(std::u16string_view teclas) override {
        injetadas.emplace_back(teclas);
        fila.emplace_back(teclas);
    }

    std::vector<Mensagem> mensagens;
    std::vector<std::u16string> injetadas;
    // Keystrokes waiting for the current user action to end.
    std::deque<std::u16string> fila;
};

}  // namespace pjtCampoVivo::headless
