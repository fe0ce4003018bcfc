// The control's properties as a script names them: "set" and "get" lines, and the
// assignment a host handler armed by "hospede" makes.
#pragma once

#include <optional>
#include <string_view>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include "cli/json_leitura.hpp"

namespace pjtCampoVivo::cli {

struct Propriedade;

// {"set": PROPERTY, "valor": V} (with "indice": I for List and ItemData), checked when the
// line is read and made later: the JSON types are right, the numbers not yet converted.
struct Atribuicao {
    const Propriedade* propriedade = nullptr;
    ValorJson valor;
    std::optional<ValorJson> indice;
};

// Reads an assignment from objeto; onde names the object in messages ("a set line").
Atribuicao ler_atribuicao(const ValorJson& objeto, std::string_view onde);

// Converts the value as a host's call converts it (a number out of the property's range
// fails with the overflow error) and assigns it.
void atribuir(const Atribuicao& atribuicao, CampoVivo& campo);

}  // namespace pjtCampoVivo::cli
