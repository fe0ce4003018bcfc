// The control a session script drives: a stage whose CampoVivo has been created, placed
// (InitProperties) and sized by its host, with the focus on the box after it. The host's
// handlers can be armed for one raise of an event ("hospede").
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include "cli/json_saida.hpp"
#include "cli/palco.hpp"
#include "cli/roteiro_operacoes.hpp"

namespace pjtCampoVivo::cli {

class SessaoControle {
  public:
    explicit SessaoControle(std::unique_ptr<Palco> p);
    SessaoControle(const SessaoControle&) = delete;
    SessaoControle& operator=(const SessaoControle&) = delete;

    std::unique_ptr<Palco> palco;
    CampoVivo& campo;

    // What the host's code does on the next raise of each event; the handler is disarmed
    // before it runs, so a raise it causes itself finds nothing armed.
    std::function<void(int16_t& KeyAscii)> armado_KeyPress;
    std::function<void(std::u16string& TextoProcurado)> armado_FimItensLista;
    std::function<void()> armado_Change;

    // Forgets the events, notices, messages and injected keys recorded so far.
    void limpar_registros();
    // Hands over what was recorded since, and the state after the line as "estado".
    void relatar(ResultadoLinha& resultado) const;
};

}  // namespace pjtCampoVivo::cli
