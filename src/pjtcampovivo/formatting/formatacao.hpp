// Value-returning formatting for C++ callers who want no write-backs: the same engine as
// Formatar, with the inputs left untouched and the facts a caller may want returned.
//
//   auto r = formatar_entrada(u"-1234", eMascara::DinheiroTaxa, 22, 2);
//   // r.texto == u"-12,34", r.negativo == true, r.separador_inserido == true
//
// These functions leave the thread's SeparadorInserido flag as they found it.
#pragma once

#include <cstdint>
#include <pjtcampovivo/engine_export.hpp>
#include <string>
#include <string_view>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo {

// What a formatting call noticed besides the text.
struct PJTCAMPOVIVO_ENGINE_EXPORT SinaisFormatacao {
    bool negativo = false;            // a minus sign was seen (money and number masks)
    bool separador_inserido = false;  // the routine raised SeparadorInserido
};

struct PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado : SinaisFormatacao {
    std::u16string texto;  // the display text
};

// The display text that FormatarTextoEntrada gives for texto (max_length 0 means 50).
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado
formatar_entrada(std::u16string_view texto, eMascara mascara, int16_t max_length = 0,
                 int32_t casas_decimais = 0, eEntradaDe entrada = eEntradaDe::eeteclado);

// The same, written into saida (its capacity is reused: no allocation once it is large
// enough). Takes the published integer values, so any mask number is accepted.
PJTCAMPOVIVO_ENGINE_EXPORT SinaisFormatacao formatar_entrada_em(std::u16string_view texto,
                                                                int32_t mascara, int16_t max_length,
                                                                int32_t casas_decimais,
                                                                int32_t entrada,
                                                                std::u16string& saida);

// The display text of a CNPJ field that also takes letters: what mask 14 of
// FormatarTextoEntrada gives, with Formatar::CNPJAlfanumerico in place of the CNPJ routine.
// texto is cut to max_length (0 or less becomes 50, written back as the dispatcher does), a
// value assigned as a whole (eeMove) gets leading zeros up to fourteen characters:
// "191" -> "00.000.000/0001-91". texto itself is not touched.
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado formatar_cnpj_alfanumerico_entrada(
    std::u16string_view texto, int16_t& max_length, eEntradaDe entrada = eEntradaDe::eeteclado);

// The display text of a telephone field that takes the area code (Formatar::TelefoneDDD):
// typed text is cut to max_length first (0 or less becomes 50, written back); a value
// assigned as a whole (eeMove) is read in full and loses the country code of a national
// number written with it: "+55 11 91234-5678" -> "(11) 91234-5678". texto is not touched.
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado formatar_telefone_ddd_entrada(
    std::u16string_view texto, int16_t& max_length, eEntradaDe entrada = eEntradaDe::eeteclado);

// The plain value that FormatarTextoSaida gives: "1.234,56" (mask 1, 2 places) -> "1234,56".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string formatar_saida(std::u16string_view texto,
                                                         eMascara mascara,
                                                         int32_t casas_decimais = 0);

// The plain value of a display text in a CNPJ field that takes letters: its characters
// (Comuns::ExtrairCNPJAlfanumerico) with their leading zeros, an identifier rather than a
// number: "00.000.000/0001-91" -> "00000000000191", "12.ABC.345/01DE-35" -> "12ABC34501DE35".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string formatar_saida_cnpj_alfanumerico(
    std::u16string_view texto);

// The plain value of a telephone field that takes the area code: its digits as typed, an
// identifier rather than a number, so a leading zero stays: "0800 123 4567" -> "08001234567".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string formatar_saida_telefone_ddd(std::u16string_view texto);

// The display text of a state registration number of the unit uf as it is typed
// (detail::inscricao_estadual_uf): the unit's shape for the digits so far, "ISENTO" for that
// word; an unknown unit shapes as mask 15. With "SP": "1100424" -> "110.042.4",
// "p011004243002" -> "P-01100424.3/002". texto itself is not touched.
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado formatar_inscricao_estadual_uf(std::u16string_view texto,
                                                                         std::u16string_view uf);

// What a registration field of the unit uf shows: texto cut to max_length first (0 or less
// becomes 50, written back), as the dispatcher cuts every mask's, then shaped by
// formatar_inscricao_estadual_uf.
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado formatar_inscricao_estadual_uf_entrada(
    std::u16string_view texto, std::u16string_view uf, int16_t& max_length);

// The plain value of such a field: its digits with their leading zeros (and SP's P), or
// ISENTO, an identifier rather than a number: "062.307.904/0081" -> "0623079040081".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string formatar_saida_inscricao_estadual_uf(
    std::u16string_view texto, std::u16string_view uf);

// The routines a field's text goes through: its mask's own, or those of a variant that a
// setting switches on beside the mask.
enum class Moldagem : uint8_t {
    Mascara,
    CNPJAlfanumerico,  // mask 14 with CNPJAlfanumerico sim
    TelefoneDDD,       // mask 11 with TelefoneDDD sim
    InscricaoUF,       // mask 15 with a known unit in UF
};

// The settings of a field that decide how its text is shaped, read and checked.
struct PJTCAMPOVIVO_ENGINE_EXPORT AjustesCampo {
    int32_t mascara = 0;
    int32_t casas_decimais = 0;
    int16_t max_length = 0;
    bool cnpj_alfanumerico = false;
    bool telefone_ddd = false;
    std::u16string_view uf{};  // not owned: the caller keeps it alive

    // A setting counts only with its own mask; a unit only when known. Inline: a field asks
    // on every key.
    Moldagem moldagem() const noexcept {
        switch (mascara) {
            case valor(eMascara::CNPJ):
                return cnpj_alfanumerico ? Moldagem::CNPJAlfanumerico : Moldagem::Mascara;
            case valor(eMascara::Telefone):
                return telefone_ddd ? Moldagem::TelefoneDDD : Moldagem::Mascara;
            case valor(eMascara::InscricaoEstadual):
                return Comuns::UFConhecida(uf) ? Moldagem::InscricaoUF : Moldagem::Mascara;
            default:
                return Moldagem::Mascara;
        }
    }
};

// The display text of such a field, typed or moved in as a whole: formatar_entrada_em for
// the mask's own routines, else the variant's form above. A max_length of 0 or less becomes
// 50, written back into campo as the dispatcher writes it back.
PJTCAMPOVIVO_ENGINE_EXPORT TextoFormatado formatar_campo_entrada(AjustesCampo& campo,
                                                                 std::u16string_view texto,
                                                                 eEntradaDe entrada);

// The same, written into saida, as formatar_entrada_em writes (the mask's own routines then
// allocate nothing once saida is large enough).
PJTCAMPOVIVO_ENGINE_EXPORT SinaisFormatacao formatar_campo_entrada_em(AjustesCampo& campo,
                                                                      std::u16string_view texto,
                                                                      eEntradaDe entrada,
                                                                      std::u16string& saida);

// Its plain value: formatar_saida, or the variant's (an identifier: leading zeros stay).
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string formatar_campo_saida(const AjustesCampo& campo,
                                                               std::u16string_view texto);

// Its check on leaving, or nullptr for none: checagem_saida of the mask, or the variant's.
PJTCAMPOVIVO_ENGINE_EXPORT const ChecagemSaida* checagem_saida_campo(const AjustesCampo& campo);

// A double in the engine's plain decimal form, at most 15 significant digits: 1234.5 gives
// "1234,5", 0.05 gives "0,05", 0.1 + 0.2 gives "0,3", 1e-5 gives "1E-05", 1e15 gives
// "1E+15". An infinite or NaN value overflows (error 6).
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string numero_plano(double valor);

// A plain value with its first decimal comma turned into a point, "0" for an empty one:
// what a program that reads numbers the C way wants ("1234,56" -> "1234.56").
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string com_ponto_decimal(std::u16string valor);

}  // namespace pjtCampoVivo
