// The combo box's notifications: filtering and formatting as in the text box, the
// type-ahead search of the lookup style, and the exit check of the date masks.
#include <algorithm>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/control/teclas.hpp>
#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/conversao.hpp>

namespace pjtCampoVivo {

using detail::Backspace;

namespace {

// The lookup style that searches its list while the user types.
constexpr int32_t EstiloAteLimiteDados = 2;

}  // namespace

void CampoVivo::cbo_Click() {
    lngListIndex_ = cboCombo_.ListIndex();
    hospedeiro_.Click();
}

void CampoVivo::cbo_DblClick() {
    hospedeiro_.DblClick();
}

void CampoVivo::cbo_DropDown() {
    cboCombo_.BackColor(cores::Realce);
    hospedeiro_.DropDown();
}

void CampoVivo::cbo_KeyDown(int16_t& KeyCode, int16_t& Shift) {
    hospedeiro_.KeyDown(KeyCode, Shift);
}

void CampoVivo::cbo_KeyUp(int16_t& KeyCode, int16_t& Shift) {
    hospedeiro_.KeyUp(KeyCode, Shift);
}

void CampoVivo::cbo_GotFocus() {
    cboCombo_.BackColor(cores::Realce);
}

void CampoVivo::cbo_KeyPress(int16_t& KeyAscii) {
    blnBackspace_ = 0;
    enter_ou_tab(KeyAscii);
    // With nothing to look up, the lookup style takes no key at all, Backspace included.
    if (Estilo_ == EstiloAteLimiteDados && cboCombo_.ListCount() <= 0) {
        KeyAscii = 0;
        return;
    }
    if (!filtrar_caractere(KeyAscii)) return;
    aplicar_caixa_alta(KeyAscii);
    if (KeyAscii == Backspace) {
        // Removes the completion the search selected; the box then deletes one more
        // character itself, and neither change is formatted or searched.
        blnBackspace_ = 1;
        blnEscrevendo_ = true;
        cboCombo_.SelText(u"");
    }
    hospedeiro_.KeyPress(KeyAscii);
    blnEscrevendo_ = false;
}

void CampoVivo::cbo_Change() {
    if (blnEscrevendo_ || SeparadorInserido == 1 || blnBackspace_ != 0) return;
    const int16_t caret = para_int16(cboCombo_.SelStart());
    std::u16string texto = cboCombo_.Text();
    int32_t negativo = 0;
    const std::u16string formatado = formatar_campo(texto, negativo);
    cboCombo_.Text(formatado);
    // Unlike the text box, the caret stays where the user typed, past any new separator.
    if (SeparadorInserido == 1) cboCombo_.SelStart(para_int16(caret + 1));
    if (cboCombo_.Text().empty()) {
        lngSelStartAnterior_ = 0;
        lngListIndex_ = -1;
    } else if (Estilo_ == EstiloAteLimiteDados) {
        PesquisarLookUp();
    }
    SeparadorInserido = 0;
    cboCombo_.ForeColor(negativo == 1 ? cores::Vermelho : cores::Preto);
    hospedeiro_.Change();
}

std::optional<int16_t> CampoVivo::procurar_prefixo(std::u16string_view alvo, std::size_t tamanho) {
    const std::u16string alvo_dobrado = letras::dobrar(alvo);
    const int16_t quantos = cboCombo_.ListCount();
    for (int16_t i = 0; i < quantos; ++i) {
        const auto posicao = static_cast<std::size_t>(i);
        bool igual = false;
        if (posicao < pesquisa_.size() && pesquisa_[posicao].por_unidade) {
            igual =
                std::u16string_view(pesquisa_[posicao].dobrada).substr(0, tamanho) == alvo_dobrado;
        } else {
            const std::u16string entrada = cboCombo_.List(i);
            igual = letras::dobrar(std::u16string_view(entrada).substr(0, tamanho)) == alvo_dobrado;
        }
        if (igual) return i;
    }
    return std::nullopt;
}

void CampoVivo::PesquisarLookUp() {
    blnEscrevendo_ = true;
    lngSelStartAnterior_ = cboCombo_.SelStart();
    std::u16string texto = cboCombo_.Text();
    const std::size_t tamanho = texto.size();

    const std::optional<int16_t> achada = procurar_prefixo(texto, tamanho);
    if (achada) {
        cboCombo_.ListIndex(*achada);
        lngListIndex_ = *achada;
    }
    if (achada || cboCombo_.ListCount() <= 0) {
        cboCombo_.SelStart(lngSelStartAnterior_);
    } else {
        // Nothing begins with the typed text: bring back the remembered entry, or empty the
        // text. A remembered position the list no longer has (the host emptied or shortened
        // it) counts as none instead of failing inside the keystroke.
        if (lngListIndex_ < -1 || lngListIndex_ >= cboCombo_.ListCount()) lngListIndex_ = -1;
        cboCombo_.ListIndex(static_cast<int16_t>(lngListIndex_));
        if (lngListIndex_ == -1) cboCombo_.Text(u"");
        // Before the refused character; a caret already at 0 stays there.
        cboCombo_.SelStart(std::max(lngSelStartAnterior_ - 1, 0));

        hospedeiro_.FimItensLista(texto);
        const auto fim = static_cast<int32_t>(texto.size());

        // With PesquisarNovamente the first pass runs again, over the list the host left and
        // with the whole text it left: an entry it loaded that begins with the text is shown
        // at once, the caret after the text, and the typed character stays. An emptied text
        // searches nothing, as in the second pass.
        std::optional<int16_t> carregada;
        if (PesquisarNovamente_ == valor(eNaoSim::sim) && !texto.empty())
            carregada = procurar_prefixo(texto, texto.size());
        if (carregada) {
            cboCombo_.ListIndex(*carregada);
            lngListIndex_ = *carregada;
            cboCombo_.SelStart(fim);
        } else {
            // The host may have added entries: look again, over the list it left, for an entry
            // that is exactly the text without the refused character.
            bool achada_de_novo = false;
            if (!texto.empty()) {
                const std::u16string_view sem_ultimo =
                    std::u16string_view(texto).substr(0, texto.size() - 1);
                if (const auto i = procurar_prefixo(sem_ultimo, tamanho)) {
                    cboCombo_.ListIndex(*i);
                    lngListIndex_ = *i;
                    achada_de_novo = true;
                }
            }
            cboCombo_.SelStart(achada_de_novo ? fim : std::max(fim - 1, 0));
        }
    }
    cboCombo_.SelLength(static_cast<int32_t>(cboCombo_.Text().size()));
    blnEscrevendo_ = false;
}

void CampoVivo::cbo_LostFocus() {
    cboCombo_.BackColor(cores::FundoJanela);
    if (conferindo_saida_) return;  // the text box's check is taking the focus back
    // In the combo box only dates and date parts are checked; its text stays as typed.
    const ChecagemSaida* checagem = checagem_saida(Mascara());
    if (checagem == nullptr || checagem->documento) return;
    const std::u16string texto = cboCombo_.Text();
    if (detail::vazio_ou_brancos(texto)) return;
    if (checagem->valido(texto)) return;
    const detail::FlagNoEscopo conferindo(conferindo_saida_);
    tela_.MsgBox(checagem->prompt, CodigoMensagemCritica, checagem->titulo);
    cboCombo_.SetFocus();
}

}  // namespace pjtCampoVivo
