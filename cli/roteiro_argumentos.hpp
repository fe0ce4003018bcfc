// Reading the members of a script line and writing values back: the checks that refuse a
// line before anything runs (ErroCli), and the number forms of the output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_leitura.hpp"

namespace pjtCampoVivo::cli {

// Refuses a member of the object whose key is not among permitidas; onde names the object
// in the message ("a set line", "\"args\" of AddItem").
void exigir_membros(const ValorJson& objeto, const std::vector<std::u16string_view>& permitidas,
                    std::string_view onde);

// A JSON type with its article, as messages name it: "a string", "an object".
std::string com_artigo(ValorJson::Tipo tipo);

// Refuses a value that is not of the JSON type tipo; nome says what the value is.
const ValorJson& exigir_tipo(const ValorJson& valor, ValorJson::Tipo tipo, std::string_view nome);

// The member chave, which must be present and of the JSON type tipo.
const ValorJson& membro_exigido(const ValorJson& objeto, std::u16string_view chave,
                                ValorJson::Tipo tipo);

// The member chave when present (of the JSON type tipo), or nullptr.
const ValorJson* membro_opcional(const ValorJson& objeto, std::u16string_view chave,
                                 ValorJson::Tipo tipo);

// A line whose operation takes no argument carries true: {"focar": true}.
void exigir_verdadeiro(const ValorJson& linha, std::u16string_view operacao);

// A double as JSON: a whole number below 1e21 with its digits and no fraction (100), others
// in the shortest form that reads back the same (0.1, 1e-07, 1e+21). JSON has no infinity or
// NaN: those give null.
std::string numero_json(double valor);

// A number as a recordset gives it as text: a whole number as its digits, others in plain
// decimal form with a decimal comma (2,5; 0,0000001), never with an exponent.
std::u16string numero_como_texto(double valor);

}  // namespace pjtCampoVivo::cli
