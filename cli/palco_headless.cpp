// The stage on the headless toolkit: a headless::Formulario and its control.
#include "cli/palco.hpp"

namespace pjtCampoVivo::cli {

namespace {

// The host gives the control this extent when it sizes it; the height is the combo box's
// natural one, which the control would take anyway.
constexpr int32_t LarguraInicial = 3000;
constexpr int32_t AlturaInicial = 315;

EstadoCaixa estado_de(const headless::CaixaHeadlessBase& caixa) {
    return {caixa.texto(),     caixa.inicio_selecao(), caixa.tamanho_selecao(), caixa.cor_texto(),
            caixa.cor_fundo(), caixa.visivel(),        caixa.habilitada(),      caixa.dica()};
}

class PalcoHeadless final : public Palco {
  public:
    PalcoHeadless() {
        campo_.InitProperties();
        form_.hospedeiro.ao_redimensionar = [this] { campo_.Resize(); };
        form_.hospedeiro.redimensionar(LarguraInicial, AlturaInicial);
        auto& t = form_.hospedeiro.tratadores;
        t.KeyPress = [this](int16_t& KeyAscii) {
            if (tratadores.KeyPress) tratadores.KeyPress(KeyAscii);
        };
        t.FimItensLista = [this](std::u16string& TextoProcurado) {
            if (tratadores.FimItensLista) tratadores.FimItensLista(TextoProcurado);
        };
        t.Change = [this] {
            if (tratadores.Change) tratadores.Change();
        };
    }

    CampoVivo& campo() override { return campo_; }
    const CampoVivo& campo() const override { return campo_; }

    void limpar_registros() override {
        form_.hospedeiro.eventos.clear();
        form_.hospedeiro.avisos.clear();
        form_.tela.mensagens.clear();
        form_.tela.injetadas.clear();
    }

    Registros registros() const override {
        Registros r{form_.hospedeiro.eventos, form_.hospedeiro.avisos, {}, form_.tela.injetadas};
        for (const auto& m : form_.tela.mensagens)
            r.mensagens.push_back({m.prompt, m.codigo, m.titulo});
        return r;
    }

    EstadoCaixas caixas() const override {
        return {estado_de(form_.txtCombo), form_.txtCombo.alinhamento(), estado_de(form_.cboCombo),
                form_.cboCombo.lista(), form_.cboCombo.indice()};
    }

    bool foco_no_campo() const override { return form_.foco_no_campo(); }

    void modo_usuario(bool execucao) override { form_.hospedeiro.modo_usuario = execucao; }
    void redimensionar(int32_t largura, int32_t altura) override {
        form_.hospedeiro.redimensionar(largura, altura);
    }
    int32_t altura() const override { return form_.hospedeiro.altura(); }
    int32_t largura() const override { return form_.hospedeiro.largura(); }

    void teclar(std::u16string_view texto) override { form_.teclar(texto); }
    void tecla(Tecla t) override { form_.tecla(t); }
    void selecionar(int32_t inicio, int32_t tamanho) override { form_.selecionar(inicio, tamanho); }
    void colar(std::u16string_view texto) override { form_.colar(texto); }
    void focar() override { form_.focar(); }
    void sair() override { form_.sair(); }
    void clicar(int16_t indice) override { form_.clicar(indice); }
    void abrir() override { form_.abrir(); }
    void duplo() override { form_.duplo(); }

  private:
    headless::Formulario form_;
    CampoVivo campo_{form_.txtCombo, form_.cboCombo, form_.tela, form_.hospedeiro};
};

}  // namespace

std::unique_ptr<Palco> criar_palco_headless() {
    return std::make_unique<PalcoHeadless>();
}

}  // namespace pjtCampoVivo::cli
