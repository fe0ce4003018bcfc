// The value commands of campovivo: formatar, saida, validar and mascaras. Each takes its
// values from the arguments, or one a line from standard input when there are none, and
// writes one line per value. They return the process exit status.
#pragma once

#include <string>
#include <vector>

#include <pjtcampovivo/formatting/formatacao.hpp>

namespace pjtCampoVivo::cli {

// The field's settings (campo.uf points into the caller's storage) and what to print.
struct OpcoesFormatar {
    AjustesCampo campo;
    bool movido = false;  // the value is assigned as a whole (EntradaDe 1), not typed
    bool json = false;
};

struct OpcoesSaida {
    AjustesCampo campo;
    bool ponto = false;  // decimal point instead of comma, "0" for an empty value
    bool json = false;
};

struct OpcoesValidar {
    AjustesCampo campo;
    bool json = false;
};

// Display text of each value: "1234" with mask 1 gives "12,34".
int comando_formatar(const OpcoesFormatar& opcoes, const std::vector<std::string>& textos);
// Plain value of each display text: "1.234,56" with mask 1 gives "1234,56".
int comando_saida(const OpcoesSaida& opcoes, const std::vector<std::string>& textos);
// "ok" or the field's message for each value; status 1 when any was refused.
int comando_validar(const OpcoesValidar& opcoes, const std::vector<std::string>& textos);
// The masks with their numbers, published names, field lengths and an example, then the
// variants with the option that switches each on.
int comando_mascaras();

}  // namespace pjtCampoVivo::cli
