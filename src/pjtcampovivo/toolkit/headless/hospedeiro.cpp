#include <pjtcampovivo/toolkit/headless/hospedeiro.hpp>

#include <algorithm>
#include <string>

namespace pjtCampoVivo::headless {

namespace {

std::u16string numero(int32_t n) {
    std::u16string r;
    for (const char c : std::to_string(n)) r.push_back(static_cast<char16_t>(c));
    return r;
}

template <typename F, typename... Args>
void chamar(const F& tratador, Args&... args) {
    if (tratador) tratador(args...);
}

}  // namespace

void HospedeiroHeadless::redimensionar(int32_t largura, int32_t altura) {
    // As a window's, the extent is never negative.
    largura_ = std::max(largura, 0);
    altura_ = std::max(altura, 0);
    if (ao_redimensionar) ao_redimensionar();
}

void HospedeiroHeadless::Height(int32_t altura) {
    altura_ = altura;
    if (ao_redimensionar) ao_redimensionar();
}

void HospedeiroHeadless::Click() {
    eventos.emplace_back(u"Click");
    chamar(tratadores.Click);
}

void HospedeiroHeadless::DblClick() {
    eventos.emplace_back(u"DblClick");
    chamar(tratadores.DblClick);
}

void HospedeiroHeadless::KeyDown(int16_t& KeyCode, int16_t& Shift) {
    eventos.push_back(u"KeyDown(" + numero(KeyCode) + u"," + numero(Shift) + u")");
    chamar(tratadores.KeyDown, KeyCode, Shift);
}

void HospedeiroHeadless::KeyPress(int16_t& KeyAscii) {
    eventos.push_back(u"KeyPress(" + numero(KeyAscii) + u")");
    chamar(tratadores.KeyPress, KeyAscii);
}

void HospedeiroHeadless::KeyUp(int16_t& KeyCode, int16_t& Shift) {
    eventos.push_back(u"KeyUp(" + numero(KeyCode) + u"," + numero(Shift) + u")");
    chamar(tratadores.KeyUp, KeyCode, Shift);
}

void HospedeiroHeadless::Change() {
    eventos.emplace_back(u"Change");
    chamar(tratadores.Change);
}

void HospedeiroHeadless::DropDown() {
    eventos.emplace_back(u"DropDown");
    chamar(tratadores.DropDown);
}

void HospedeiroHeadless::FimItensLista(std::u16string& TextoProcurado) {
    eventos.push_back(u"FimItensLista(" + TextoProcurado + u")");
    chamar(tratadores.FimItensLista, TextoProcurado);
}

}  // namespace pjtCampoVivo::headless
