// The screen on Qt: message boxes are QMessageBox, and an injected "{TAB}" moves the focus to
// the next widget in tab order once the notification that queued it has returned and Qt's
// event loop runs again. Not for callers: CampoVivoWidget owns it.
#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <pjtcampovivo/widgets_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/tela.hpp>

class QMessageBox;
class QWidget;

namespace pjtCampoVivo::qt::detail {

class PJTCAMPOVIVO_WIDGETS_EXPORT TelaQt final : public Tela {
  public:
    // proximo_campo moves the focus on; falha hears a failure of it.
    TelaQt(QWidget& dono, std::function<void()> proximo_campo,
           std::function<void(const std::exception&)> falha);

    int32_t MsgBox(std::u16string_view prompt, int32_t codigo, std::u16string_view titulo) override;
    void SendKeys(std::u16string_view teclas) override;

    // Hears every injection as it is queued ("{TAB}").
    std::function<void(std::u16string_view)> ao_enviar;

    // Forgets the keystrokes still waiting (the user action that queued them failed).
    void descartar() noexcept { fila_.clear(); }

    // When set, each message box is handed to it instead of being shown; it returns the
    // QMessageBox::StandardButton the box counts as closed with. The box carries the code it
    // was asked with as its property "codigo".
    static std::function<int(QMessageBox&)>& interceptador();

  private:
    void entregar();

    QWidget& dono_;
    std::function<void()> proximo_campo_;
    std::function<void(const std::exception&)> falha_;
    std::deque<std::u16string> fila_;
    bool agendada_ = false;
};

}  // namespace pjtCampoVivo::qt::detail
