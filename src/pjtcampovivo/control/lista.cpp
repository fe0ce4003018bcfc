// The list of the combo styles and its item data, loading from recordsets, positioning,
// and the members that pass through to the combo box.
#include <algorithm>
#include <utility>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/control/teclas.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo {

namespace {

// A field's value where text is needed: a null value fails with its own error.
std::u16string texto_do_campo(const Recordset& rs, std::u16string_view campo) {
    std::optional<std::u16string> valor = rs.Campo(campo);
    if (!valor)
        throw Erro(numero_erro::ValorNulo, TipoErro::ValorNulo, "Uso inválido de valor nulo");
    return std::move(*valor);
}

// Case-blind prefix test of loading: the value cut to the prefix's length, both raised to
// capitals.
bool comeca_com(std::u16string_view valor, std::u16string_view prefixo) {
    return letras::maiusculas(valor.substr(0, prefixo.size())) == letras::maiusculas(prefixo);
}

// Whole-text test of positioning: trimmed, both raised to capitals.
bool iguais_aparados(std::u16string_view a, std::u16string_view b) {
    return letras::maiusculas(detail::aparar(a)) == letras::maiusculas(detail::aparar(b));
}

void exigir_indice(int32_t indice, std::size_t tamanho) {
    if (indice < 0 || static_cast<std::size_t>(indice) >= tamanho) {
        throw Erro::indice_invalido("Índice fora da lista");
    }
}

}  // namespace

std::vector<std::u16string>& CampoVivo::itens() {
    if (!colItemData_) colItemData_.emplace();
    return *colItemData_;
}

void CampoVivo::lembrar_entrada(std::size_t posicao, std::u16string_view texto) {
    EntradaPesquisa entrada;
    entrada.por_unidade = letras::dobrar_por_unidade(texto, entrada.dobrada);
    posicao = std::min(posicao, pesquisa_.size());
    pesquisa_.insert(pesquisa_.begin() + static_cast<std::ptrdiff_t>(posicao), std::move(entrada));
}

void CampoVivo::AddItem(std::u16string_view Item, std::optional<int32_t> Index,
                        std::u16string_view ItemData) {
    cboCombo_.AddItem(Item, Index);
    // The box holds the entry from here on. Should asking it where the entry went fail, the
    // item data and the search copy still take theirs, where an unsorted box puts it, so the
    // store keeps one string per entry and the search stays in step with the list.
    std::vector<std::u16string>& dados = itens();
    const auto no_fim = static_cast<int32_t>(dados.size());
    int32_t posicao = std::clamp<int32_t>(Index.value_or(no_fim), 0, no_fim);
    bool lembrada = false;
    try {
        lembrar_entrada(static_cast<std::size_t>(std::max<int16_t>(cboCombo_.NewIndex(), 0)), Item);
        lembrada = true;
        posicao = std::clamp<int32_t>(cboCombo_.NewIndex(), 0, no_fim);
    } catch (...) {
        if (!lembrada) lembrar_entrada(static_cast<std::size_t>(posicao), Item);
        dados.insert(dados.begin() + posicao, std::u16string(ItemData));
        throw;
    }
    dados.insert(dados.begin() + posicao, std::u16string(ItemData));
}

void CampoVivo::Carregar(Recordset* rs, std::u16string_view Item, std::u16string_view ItemData,
                         std::u16string_view ItemAPosicionar,
                         std::u16string_view ItemDataAPosicionar) {
    cboCombo_.Clear();
    pesquisa_.clear();
    colItemData_.reset();
    int16_t posicao = -1;
    int16_t contador = 0;
    cboCombo_.ListIndex(-1);
    if (rs == nullptr || rs->Eof()) return;
    // Failures are exceptions here, so nothing can be left pending between records.
    while (!rs->Eof()) {
        const std::u16string texto(detail::aparar(texto_do_campo(*rs, Item)));
        const std::u16string dado =
            ItemData.empty() ? std::u16string()
                             : std::u16string(detail::aparar(texto_do_campo(*rs, ItemData)));
        AddItem(texto, contador, dado);
        // The last record that matches wins, and it is remembered at once.
        if (!ItemAPosicionar.empty() && comeca_com(texto_do_campo(*rs, Item), ItemAPosicionar)) {
            posicao = contador;
            lngListIndex_ = contador;
        }
        if (!ItemDataAPosicionar.empty() && !ItemData.empty() &&
            comeca_com(texto_do_campo(*rs, ItemData), ItemDataAPosicionar)) {
            posicao = contador;
            lngListIndex_ = contador;
        }
        contador = para_int16(contador + 1);
        rs->MoveNext();
    }
    if (posicao >= 0) cboCombo_.ListIndex(posicao);
}

void CampoVivo::PosicionarPorItem(std::u16string_view Item) {
    const int16_t quantos = cboCombo_.ListCount();
    if (quantos < 1) return;
    for (int16_t i = 0; i < quantos; ++i) {
        if (iguais_aparados(Item, cboCombo_.List(i))) {
            cboCombo_.ListIndex(i);
            lngListIndex_ = i;
            return;
        }
    }
}

void CampoVivo::PosicionarPorItemData(std::u16string_view ItemData) {
    if (cboCombo_.ListCount() < 1) return;
    const std::vector<std::u16string>& dados = itens();
    for (std::size_t i = 0; i < dados.size(); ++i) {
        if (iguais_aparados(ItemData, dados[i])) {
            ListIndex(para_int16(i));
            return;
        }
    }
}

void CampoVivo::Clear() {
    cboCombo_.Clear();
    // The box is empty from here on: its item data and search copy go with it even if the box
    // then fails to drop its selection.
    pesquisa_.clear();
    colItemData_.reset();
    cboCombo_.ListIndex(-1);
}

void CampoVivo::RemoveItem(int16_t Index) {
    cboCombo_.RemoveItem(Index);
    if (Index >= 0 && static_cast<std::size_t>(Index) < pesquisa_.size()) {
        pesquisa_.erase(pesquisa_.begin() + Index);
    }
    std::vector<std::u16string>& dados = itens();
    exigir_indice(Index, dados.size());
    dados.erase(dados.begin() + Index);
}

std::u16string CampoVivo::ItemData(int16_t Index) {
    if (Index < 0) return u"0";
    const std::vector<std::u16string>& dados = itens();
    exigir_indice(Index, dados.size());
    return dados[static_cast<std::size_t>(Index)];
}

void CampoVivo::ItemData(int16_t Index, std::u16string_view valor) {
    std::vector<std::u16string>& dados = itens();
    exigir_indice(Index, dados.size());
    dados[static_cast<std::size_t>(Index)] = valor;
}

// ---- Pass-through members ----------------------------------------------------------------

int32_t CampoVivo::hWnd() const {
    return cboCombo_.hWnd();
}

std::u16string CampoVivo::List(int16_t Index) const {
    return cboCombo_.List(Index);
}

void CampoVivo::List(int16_t Index, std::u16string_view valor) {
    exigir_indice(Index, static_cast<std::size_t>(std::max<int16_t>(cboCombo_.ListCount(), 0)));
    cboCombo_.List(Index, valor);
    if (static_cast<std::size_t>(Index) < pesquisa_.size()) {
        auto& entrada = pesquisa_[static_cast<std::size_t>(Index)];
        entrada.por_unidade = letras::dobrar_por_unidade(valor, entrada.dobrada);
    }
}

int16_t CampoVivo::ListCount() const {
    return cboCombo_.ListCount();
}

int16_t CampoVivo::ListIndex() const {
    return para_int16(lngListIndex_);
}

void CampoVivo::ListIndex(int16_t V) {
    if (cboCombo_.ListCount() < 1) return;
    somente_em_execucao();
    cboCombo_.ListIndex(V);
    // Setting the position from code raises no Click, so the control records it here: a read
    // right after the set reports what was set.
    lngListIndex_ = V;
    hospedeiro_.PropertyChanged(u"ListIndex");
}

int16_t CampoVivo::NewIndex() const {
    return cboCombo_.NewIndex();
}

int32_t CampoVivo::SelLength() const {
    return cboCombo_.SelLength();
}

void CampoVivo::SelLength(int32_t valor) {
    somente_em_execucao();
    cboCombo_.SelLength(valor);
    hospedeiro_.PropertyChanged(u"SelLength");
}

int32_t CampoVivo::SelStart() const {
    return cboCombo_.SelStart();
}

void CampoVivo::SelStart(int32_t valor) {
    somente_em_execucao();
    cboCombo_.SelStart(valor);
    hospedeiro_.PropertyChanged(u"SelStart");
}

std::u16string CampoVivo::SelText() const {
    return cboCombo_.SelText();
}

void CampoVivo::SelText(std::u16string_view valor) {
    somente_em_execucao();
    cboCombo_.SelText(valor);
    hospedeiro_.PropertyChanged(u"SelText");
}

bool CampoVivo::Sorted() const {
    return cboCombo_.Sorted();
}

int16_t CampoVivo::Style() const {
    return cboCombo_.Style();
}

std::u16string CampoVivo::ToolTipText() const {
    return cboCombo_.ToolTipText();
}

void CampoVivo::ToolTipText(std::u16string_view valor) {
    cboCombo_.ToolTipText(valor);
    hospedeiro_.PropertyChanged(u"ToolTipText");
}

int16_t CampoVivo::TopIndex() const {
    return cboCombo_.TopIndex();
}

void CampoVivo::TopIndex(int16_t valor) {
    somente_em_execucao();
    cboCombo_.TopIndex(valor);
    hospedeiro_.PropertyChanged(u"TopIndex");
}

}  // namespace pjtCampoVivo
