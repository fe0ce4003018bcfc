#include <pjtcampovivo/toolkit/headless/caixas.hpp>

#include <algorithm>
#include <limits>

#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::headless {

namespace {

// The number this toolkit gives a property value it refuses.
constexpr int32_t ValorInvalido = 380;

[[noreturn]] void recusar(const char* operacao) {
    throw Erro(ValorInvalido, TipoErro::Toolkit,
               std::string("Valor de propriedade inválido em ") + operacao);
}

int32_t tamanho(const std::u16string& texto) {
    return para_int32(texto.size());
}

}  // namespace

int32_t CaixaHeadlessBase::limitar(int32_t posicao) const noexcept {
    return std::clamp(posicao, 0, static_cast<int32_t>(texto_.size()));
}

void CaixaHeadlessBase::trocar_conteudo(std::u16string novo, int32_t cursor) {
    const bool mudou = novo != texto_;
    texto_ = std::move(novo);
    sel_inicio_ = limitar(cursor);
    sel_tamanho_ = 0;
    if (mudou && ouvinte_ != nullptr) ouvinte_->Change();
}

void CaixaHeadlessBase::substituir_selecao(std::u16string_view texto) {
    std::u16string novo = texto_;
    novo.replace(static_cast<std::size_t>(sel_inicio_), static_cast<std::size_t>(sel_tamanho_),
                 texto);
    trocar_conteudo(std::move(novo), sel_inicio_ + static_cast<int32_t>(texto.size()));
}

void CaixaHeadlessBase::aplicar_caractere(char16_t c) {
    if (c == 13 || c == 9 || recusa_edicao()) return;
    if (c == 8) {
        if (sel_tamanho_ > 0) {
            substituir_selecao(u"");
        } else if (sel_inicio_ > 0) {
            sel_inicio_ -= 1;
            sel_tamanho_ = 1;
            substituir_selecao(u"");
        }
        return;
    }
    substituir_selecao(std::u16string_view(&c, 1));
}

void CaixaHeadlessBase::apagar_adiante() {
    if (recusa_edicao()) return;
    if (sel_tamanho_ == 0) {
        if (sel_inicio_ >= static_cast<int32_t>(texto_.size())) return;
        sel_tamanho_ = 1;
    }
    substituir_selecao(u"");
}

void CaixaHeadlessBase::mover_cursor(int32_t posicao) {
    sel_inicio_ = limitar(posicao);
    sel_tamanho_ = 0;
}

void CaixaHeadlessBase::selecionar(int32_t inicio, int32_t tamanho_selecao) {
    sel_inicio_ = limitar(inicio);
    const auto resto = static_cast<int32_t>(texto_.size()) - sel_inicio_;
    sel_tamanho_ = std::clamp(tamanho_selecao, 0, resto);
}

void CaixaHeadlessBase::colar(std::u16string_view texto) {
    if (recusa_edicao()) return;
    substituir_selecao(texto);
}

template <class Costura>
void CaixaHeadless<Costura>::SelStart(int32_t valor) {
    contar("SelStart=");
    if (valor < 0) recusar("SelStart");
    sel_inicio_ = limitar(valor);
    sel_tamanho_ = 0;
}

template <class Costura>
void CaixaHeadless<Costura>::SelLength(int32_t valor) {
    contar("SelLength=");
    if (valor < 0) recusar("SelLength");
    sel_tamanho_ = std::min(valor, tamanho(texto_) - sel_inicio_);
}

template class CaixaHeadless<CaixaTexto>;
template class CaixaHeadless<CaixaCombo>;

// List positions outside the list are refused with the out-of-range error.
void CaixaComboHeadless::exigir_posicao(int32_t i, int32_t limite) const {
    if (i < 0 || i >= limite) throw Erro::indice_invalido("Posição fora da lista");
}

int16_t CaixaComboHeadless::ListCount() const {
    contar("ListCount");
    return para_int16(lista_.size());
}

std::u16string CaixaComboHeadless::List(int16_t i) const {
    contar("List");
    exigir_posicao(i, static_cast<int32_t>(lista_.size()));
    return lista_[static_cast<std::size_t>(i)];
}

void CaixaComboHeadless::List(int16_t i, std::u16string_view texto) {
    contar("List=");
    exigir_posicao(i, static_cast<int32_t>(lista_.size()));
    lista_[static_cast<std::size_t>(i)] = texto;
}

void CaixaComboHeadless::mostrar_entrada(int16_t i) {
    indice_ = i;
    if (i < 0) return;
    texto_ = lista_[static_cast<std::size_t>(i)];
    sel_inicio_ = tamanho(texto_);
    sel_tamanho_ = 0;
}

void CaixaComboHeadless::ListIndex(int16_t i) {
    contar("ListIndex=");
    if (i != -1) exigir_posicao(i, static_cast<int32_t>(lista_.size()));
    mostrar_entrada(i);
}

void CaixaComboHeadless::TopIndex(int16_t i) {
    contar("TopIndex=");
    if (!lista_.empty() || i != 0) exigir_posicao(i, static_cast<int32_t>(lista_.size()));
    topo_lista_ = i;
}

void CaixaComboHeadless::AddItem(std::u16string_view texto, std::optional<int32_t> posicao) {
    contar("AddItem");
    const auto quantos = static_cast<int32_t>(lista_.size());
    if (quantos >= std::numeric_limits<int16_t>::max()) throw Erro::estouro("Lista cheia");
    const int32_t onde = posicao.value_or(quantos);
    exigir_posicao(onde, quantos + 1);
    lista_.insert(lista_.begin() + onde, std::u16string(texto));
    novo_indice_ = static_cast<int16_t>(onde);
    // The selected entry keeps its selection when an entry is inserted above it.
    if (indice_ >= onde) ++indice_;
}

void CaixaComboHeadless::RemoveItem(int16_t posicao) {
    contar("RemoveItem");
    exigir_posicao(posicao, static_cast<int32_t>(lista_.size()));
    lista_.erase(lista_.begin() + posicao);
    // The entry added last may have moved or gone: no position names it any more.
    novo_indice_ = -1;
    if (indice_ == posicao) {
        indice_ = -1;
    } else if (indice_ > posicao) {
        --indice_;
    }
}

void CaixaComboHeadless::Clear() {
    contar("Clear");
    lista_.clear();
    indice_ = -1;
    novo_indice_ = -1;
    topo_lista_ = 0;
}

void CaixaComboHeadless::clicar(int16_t i) {
    exigir_posicao(i, static_cast<int32_t>(lista_.size()));
    mostrar_entrada(i);
    if (ouvinte_ != nullptr) ouvinte_->Click();
}

}  // namespace pjtCampoVivo::headless
