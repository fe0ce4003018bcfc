#include <pjtcampovivo/toolkit/headless/formulario.hpp>

namespace pjtCampoVivo::headless {

namespace {

// Key codes of KeyDown and KeyUp: a letter's capital, a digit's own code, any other
// character its own code. Shift is down for a capital letter.
struct CodigoTecla {
    int16_t codigo;
    int16_t shift;
};

CodigoTecla codigo_de(char16_t c) {
    if (c >= u'a' && c <= u'z') return {static_cast<int16_t>(c - u'a' + u'A'), 0};
    if (c >= u'A' && c <= u'Z') return {static_cast<int16_t>(c), 1};
    return {static_cast<int16_t>(c), 0};
}

}  // namespace

Formulario::Formulario() {
    for (CaixaHeadlessBase* caixa :
         {static_cast<CaixaHeadlessBase*>(&txtCombo), static_cast<CaixaHeadlessBase*>(&cboCombo),
          static_cast<CaixaHeadlessBase*>(&proximo)}) {
        caixa->definir_dono_foco(this);
    }
    foco_ = &proximo;
    avisada_ = &proximo;
}

void Formulario::focar(CaixaHeadlessBase& caixa) {
    if (foco_ == &caixa) return;
    CaixaHeadlessBase* anterior = foco_;
    foco_ = &caixa;
    // Only a box that heard GotFocus hears LostFocus: one the focus passed through while a
    // LostFocus handler took it back never had it.
    if (anterior != nullptr && anterior == avisada_) {
        avisada_ = nullptr;
        if (anterior->ouvinte() != nullptr) anterior->ouvinte()->LostFocus();
    }
    // A LostFocus handler may have taken the focus back; then caixa never gets it.
    if (foco_ != &caixa) return;
    avisada_ = &caixa;
    if (caixa.ouvinte() != nullptr) caixa.ouvinte()->GotFocus();
}

void Formulario::alcance_alterado(CaixaHeadlessBase& /*caixa*/) {
    // The focus never stays where the user cannot reach: a disabled box sends it on to
    // proximo, a box hidden by a change of style hands it to the box now shown.
    if (!foco_no_campo()) return;
    CaixaHeadlessBase& mostrada = caixa_mostrada();
    if (!foco_->habilitada()) {
        focar(proximo);
    } else if (foco_ != &mostrada) {
        focar(mostrada.habilitada() ? mostrada : static_cast<CaixaHeadlessBase&>(proximo));
    }
}

CaixaHeadlessBase& Formulario::caixa_mostrada() {
    if (txtCombo.visivel() || !cboCombo.visivel()) return txtCombo;
    return cboCombo;
}

CaixaHeadlessBase& Formulario::entrar_no_campo() {
    CaixaHeadlessBase& caixa = caixa_mostrada();
    focar(caixa);
    return caixa;
}

template <typename Acao>
void Formulario::acao_do_usuario(Acao&& acao) {
    ++profundidade_;
    try {
        acao();
    } catch (...) {
        --profundidade_;
        tela.fila.clear();
        throw;
    }
    --profundidade_;
    if (profundidade_ == 0) entregar_teclas();
}

void Formulario::entregar_teclas() {
    while (!tela.fila.empty()) {
        const std::u16string teclas = std::move(tela.fila.front());
        tela.fila.pop_front();
        if (teclas != u"{TAB}") continue;
        // Tab order: the control, then proximo, then the control again, unless it is
        // disabled.
        acao_do_usuario([&] {
            if (foco_ == &proximo) {
                if (caixa_mostrada().habilitada()) focar(caixa_mostrada());
            } else {
                focar(proximo);
            }
        });
    }
}

void Formulario::digitar(CaixaHeadlessBase& caixa, char16_t c) {
    NotificacoesCaixa* ouvinte = caixa.ouvinte();
    CodigoTecla baixo = codigo_de(c);
    if (ouvinte != nullptr) ouvinte->KeyDown(baixo.codigo, baixo.shift);
    auto ascii = static_cast<int16_t>(c);
    if (ouvinte != nullptr) ouvinte->KeyPress(ascii);
    if (ascii != 0) caixa.aplicar_caractere(static_cast<char16_t>(ascii));
    CodigoTecla cima = codigo_de(c);
    if (ouvinte != nullptr) ouvinte->KeyUp(cima.codigo, cima.shift);
}

template <typename Acao>
void Formulario::no_campo(Acao&& acao) {
    if (!caixa_mostrada().habilitada()) return;
    acao_do_usuario([&] { entrar_no_campo(); });
    if (!caixa_mostrada().habilitada()) return;
    acao_do_usuario([&] { acao(caixa_mostrada()); });
}

void Formulario::teclar(std::u16string_view texto) {
    // Each character is one user action; one that moved the focus away (Enter, Tab) sends
    // the user back into the control for the next.
    for (const char16_t c : texto) no_campo([&](CaixaHeadlessBase& caixa) { digitar(caixa, c); });
    if (texto.empty()) focar();
}

void Formulario::tecla_especial(CaixaHeadlessBase& caixa, int16_t codigo, int32_t cursor) {
    NotificacoesCaixa* ouvinte = caixa.ouvinte();
    int16_t baixo = codigo;
    int16_t shift = 0;
    if (ouvinte != nullptr) ouvinte->KeyDown(baixo, shift);
    if (codigo == 46) {
        caixa.apagar_adiante();
    } else {
        caixa.mover_cursor(cursor);
    }
    int16_t cima = codigo;
    int16_t shift_cima = 0;
    if (ouvinte != nullptr) ouvinte->KeyUp(cima, shift_cima);
}

void Formulario::tecla(Tecla t) {
    no_campo([&](CaixaHeadlessBase& caixa) {
        const auto fim = static_cast<int32_t>(caixa.texto().size());
        switch (t) {
            case Tecla::Backspace:
                digitar(caixa, 8);
                break;
            case Tecla::Enter:
                digitar(caixa, 13);
                break;
            case Tecla::Tab:
                digitar(caixa, 9);
                break;
            case Tecla::Delete:
                tecla_especial(caixa, 46, 0);
                break;
            case Tecla::Home:
                tecla_especial(caixa, 36, 0);
                break;
            case Tecla::End:
                tecla_especial(caixa, 35, fim);
                break;
            case Tecla::Left:
                tecla_especial(caixa, 37, caixa.inicio_selecao() - 1);
                break;
            case Tecla::Right:
                tecla_especial(caixa, 39, caixa.inicio_selecao() + caixa.tamanho_selecao() + 1);
                break;
        }
    });
}

void Formulario::selecionar(int32_t inicio, int32_t tamanho) {
    if (!caixa_mostrada().habilitada()) return;
    acao_do_usuario([&] { entrar_no_campo().selecionar(inicio, tamanho); });
}

void Formulario::colar(std::u16string_view texto) {
    no_campo([&](CaixaHeadlessBase& caixa) { caixa.colar(texto); });
}

void Formulario::focar() {
    if (!caixa_mostrada().habilitada()) return;
    acao_do_usuario([&] { entrar_no_campo(); });
}

void Formulario::clicar(int16_t indice) {
    no_campo([&](CaixaHeadlessBase&) { cboCombo.clicar(indice); });
}

void Formulario::abrir() {
    no_campo([&](CaixaHeadlessBase&) {
        if (cboCombo.ouvinte() != nullptr) cboCombo.ouvinte()->DropDown();
    });
}

void Formulario::duplo() {
    no_campo([&](CaixaHeadlessBase& caixa) {
        if (caixa.ouvinte() != nullptr) caixa.ouvinte()->DblClick();
    });
}

void Formulario::sair() {
    acao_do_usuario([&] { focar(proximo); });
}

}  // namespace pjtCampoVivo::headless
