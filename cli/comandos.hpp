// The value commands of campovivo: formatar, saida, validar and mascaras. Each takes its
// values from the arguments, or one a line from standard input when there are none, and
// writes one line per value. They return the process exit status.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pjtCampoVivo::cli {

// The way of shaping a mask's values that a field's yes/no setting switches on.
enum class Variante {
    Nenhuma,
    CNPJAlfanumerico,     // --alfanumerico: mask 14 takes capital letters in its first twelve
    TelefoneDDD,          // --ddd: mask 11 takes the area code, "(11) 91234-5678"
    InscricaoEstadualUF,  // --uf UF: mask 15 takes the numbers of the unit UF, by its rules
};

struct OpcoesFormatar {
    int32_t mascara = 0;
    int32_t casas_decimais = 0;
    int16_t max_length = 0;
    bool movido = false;  // the value is assigned as a whole (EntradaDe 1), not typed
    Variante variante = Variante::Nenhuma;
    std::u16string uf;  // the unit of InscricaoEstadualUF
    bool json = false;
};

struct OpcoesSaida {
    int32_t mascara = 0;
    int32_t casas_decimais = 0;
    bool ponto = false;  // decimal point instead of comma, "0" for an empty value
    Variante variante = Variante::Nenhuma;
    std::u16string uf;  // the unit of InscricaoEstadualUF
    bool json = false;
};

struct OpcoesValidar {
    int32_t mascara = 0;
    Variante variante = Variante::Nenhuma;
    std::u16string uf;  // the unit of InscricaoEstadualUF
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
