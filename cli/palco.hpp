// The stage a session script plays on: a form holding one CampoVivo and, after it in tab
// order, one plain text box. The stage plays the host (it records the events and notices it
// hears and runs the handlers a script armed), the screen (it records message boxes and
// injected keys) and the user. It is realised on the headless toolkit and on Qt widgets, so
// the same script can be replayed on both and their answers compared.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include "cli/roteiro_operacoes.hpp"

namespace pjtCampoVivo::cli {

using headless::Tecla;

// One inner box as the report shows it.
struct EstadoCaixa {
    std::u16string texto;
    int32_t sel_inicio = 0;
    int32_t sel_tamanho = 0;
    Cor frente = 0;
    Cor fundo = 0;
    bool visivel = false;
    bool habilitada = false;
    std::u16string dica;
};

struct EstadoCaixas {
    EstadoCaixa texto;
    int16_t alinhamento = 0;
    EstadoCaixa combo;
    std::vector<std::u16string> lista;
    int16_t indice = -1;
};

// What the stage heard since it was last cleared.
struct Registros {
    std::vector<std::u16string> eventos;
    std::vector<std::u16string> avisos;
    std::vector<MensagemMostrada> mensagens;
    std::vector<std::u16string> injetadas;
};

// The host's own code behind three events, run inside the raise after it is recorded.
struct Tratadores {
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void(std::u16string& TextoProcurado)> FimItensLista;
    std::function<void()> Change;
};

class Palco {
  public:
    virtual ~Palco() = default;

    virtual CampoVivo& campo() = 0;
    virtual const CampoVivo& campo() const = 0;
    Tratadores tratadores;

    virtual void limpar_registros() = 0;
    virtual Registros registros() const = 0;
    virtual EstadoCaixas caixas() const = 0;
    virtual bool foco_no_campo() const = 0;

    // The host: ambient UserMode, and the control's extent in the units of the boxes' Move.
    virtual void modo_usuario(bool execucao) = 0;
    virtual void redimensionar(int32_t largura, int32_t altura) = 0;
    virtual int32_t altura() const = 0;
    virtual int32_t largura() const = 0;

    // The user, on the control's shown inner box; each action that finds the focus elsewhere
    // clicks into that box first. A failure of the control's handlers reaches the caller.
    virtual void teclar(std::u16string_view texto) = 0;
    virtual void tecla(Tecla t) = 0;
    virtual void selecionar(int32_t inicio, int32_t tamanho) = 0;
    virtual void colar(std::u16string_view texto) = 0;
    virtual void focar() = 0;
    virtual void sair() = 0;
    virtual void clicar(int16_t indice) = 0;
    virtual void abrir() = 0;
    virtual void duplo() = 0;
};

// Where a session's stage comes from ("novo" asks for a fresh one).
using FabricaPalco = std::function<std::unique_ptr<Palco>()>;

std::unique_ptr<Palco> criar_palco_headless();

// On Qt widgets in a window of their own (platform "offscreen" unless QT_QPA_PLATFORM says
// otherwise). Empty when this build has no Qt.
FabricaPalco fabrica_palco_qt();

}  // namespace pjtCampoVivo::cli
