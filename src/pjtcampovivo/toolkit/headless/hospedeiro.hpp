// A headless host: it records every event and property-changed notice it hears, lets the
// caller plug a handler behind each event, and keeps the control's extent, font and icon.
#pragma once

#include <cstdint>
#include <functional>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/hospedeiro.hpp>

namespace pjtCampoVivo::headless {

class PJTCAMPOVIVO_HEADLESS_EXPORT HospedeiroHeadless final : public Hospedeiro {
  public:
    // Handlers of the host's code, run inside the raise; empty ones do nothing.
    struct Tratadores {
        std::function<void()> Click, DblClick, Change, DropDown;
        std::function<void(int16_t&KeyCode, int16_t&Shift)> KeyDown, KeyUp;
        std::function<void(int16_t& KeyAscii)> KeyPress;
        std::function<void(std::u16string& TextoProcurado)> FimItensLista;
    };
    Tratadores tratadores;

    // Called when the control must lay itself out again (the host's Resize notification).
    std::function<void()> ao_redimensionar;

    // Events as raised, each argument as the handler received it: "KeyPress(50)",
    // "FimItensLista(Mx)".
    std::vector<std::u16string> eventos;
    // Property-changed notices, by name.
    std::vector<std::u16string> avisos;

    bool modo_usuario = true;
    Fonte fonte_ambiente;

    // The host changes the control's size (a negative extent is 0) and tells it (Resize).
    void redimensionar(int32_t largura, int32_t altura);
    int32_t altura() const noexcept { return altura_; }
    int32_t largura() const noexcept { return largura_; }

    void Click() override;
    void DblClick() override;
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override;
    void KeyPress(int16_t& KeyAscii) override;
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override;
    void Change() override;
    void DropDown() override;
    void FimItensLista(std::u16string& TextoProcurado) override;

    void PropertyChanged(std::u16string_view nome) override { avisos.emplace_back(nome); }
    bool UserMode() const override { return modo_usuario; }
    Fonte FonteAmbiente() const override { return fonte_ambiente; }
    int32_t Height() const override { return altura_; }
    void Height(int32_t altura) override;
    int32_t LarguraInterna() const override { return largura_; }
    Fonte Font() const override { return fonte_; }
    void Font(const Fonte& fonte) override { fonte_ = fonte; }
    Figura MouseIcon() const override { return icone_; }
    void MouseIcon(const Figura& figura) override { icone_ = figura; }

  private:
    int32_t altura_ = 0;
    int32_t largura_ = 0;
    Fonte fonte_;
    Figura icone_;
};

}  // namespace pjtCampoVivo::headless
