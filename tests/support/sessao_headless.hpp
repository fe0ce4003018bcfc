// A run-time form holding one CampoVivo, set up as a host sets it up: created on the form's
// two inner boxes, placed (InitProperties), sized to 3000 x 315, the focus on the next field.
// Tests drive it like a user through `form` and read what the user and the host saw.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include "support/comum.hpp"

namespace pjtCampoVivo::teste {

class Sessao {
  public:
    Sessao();
    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    headless::Formulario form;
    CampoVivo campo{form.txtCombo, form.cboCombo, form.tela, form.hospedeiro};

    // Forgets the events, notices, messages and injected keys recorded so far.
    void esquecer();
    // The box the user sees: the text box in the text style, the combo box otherwise.
    const headless::CaixaHeadlessBase& mostrada() const;
    const std::u16string& texto() const { return mostrada().texto(); }
    int32_t cursor() const { return mostrada().inicio_selecao(); }
    int32_t selecionados() const { return mostrada().tamanho_selecao(); }

    // Events the host heard, as recorded ("Change", "KeyPress(97)", "FimItensLista(Mx)").
    const std::vector<std::u16string>& eventos() const { return form.hospedeiro.eventos; }
    const std::vector<std::u16string>& avisos() const { return form.hospedeiro.avisos; }
    int quantos(std::u16string_view evento) const;  // events exactly `evento`
    std::vector<std::u16string> ouvidos(std::u16string_view prefixo) const;  // in order
    bool ouviu(std::u16string_view prefixo) const { return !ouvidos(prefixo).empty(); }

    // Switches to a combo style and fills its list; then forgets what that recorded.
    void combo(int32_t estilo, std::initializer_list<std::u16string_view> entradas);
};

// A number as the event records write it: 65 -> u"65".
std::u16string texto_de(int32_t numero);

// A property bag kept in memory: every write in order, the keys read in order, and the
// values that reads find (values equal to their defaults kept too).
class BolsaMapa final : public BolsaPropriedades {
  public:
    struct Escrita {
        std::u16string chave;
        ValorPropriedade valor;
        std::optional<ValorPropriedade> padrao;
        friend bool operator==(const Escrita&, const Escrita&) = default;
        friend void PrintTo(const Escrita& e, std::ostream* os) { *os << utf8(e.chave); }
    };
    std::vector<Escrita> escritas;
    std::vector<std::u16string> lidas;
    std::map<std::u16string, ValorPropriedade, std::less<>> valores;

    ValorPropriedade ReadProperty(std::u16string_view chave,
                                  const ValorPropriedade& padrao) override;
    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>& padrao) override;
};

}  // namespace pjtCampoVivo::teste
