// The mask routines proper, shared by Formatar (by-reference, published) and by the
// value-returning layer. Each one takes the field's text in `texto`, reduces it in place to
// what the published routine writes back (its digit string), and writes the display text
// into `saida`, reusing its capacity. They raise SeparadorInserido as the published routines
// do. Not for callers outside the engine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pjtCampoVivo::detail {

enum class MoldeDataHora { DdMmAaaa, HhMmSs, HhMm, DdMm, MmAaaa };
enum class MoldeDocumento { Telefone, Cep, CNPF, InscricaoEstadual };

void dinheiro_taxa(std::u16string& texto, int32_t mascara, int32_t casas_decimais,
                   int32_t& negativo, std::u16string& saida);
void numero(std::u16string& texto, int32_t mascara, int32_t& negativo, std::u16string& saida);
void data_hora(std::u16string& texto, MoldeDataHora molde, std::u16string& saida);
void documento(std::u16string& texto, MoldeDocumento molde, std::u16string& saida);
void cnpj(std::u16string& texto, std::u16string& saida);
// The CNPJ shape over the characters of an alphanumeric CNPJ: digits and letters (raised to
// capitals) in the first twelve positions, digits in the last two. Raises no flag, as cnpj.
void cnpj_alfanumerico(std::u16string& texto, std::u16string& saida);
// What formatar_entrada does with mask 14, over cnpj_alfanumerico: the cut to max_length (0
// or less becomes 50), the zero fill of a value assigned as a whole (entrada 1).
void cnpj_alfanumerico_entrada(std::u16string& texto, int16_t& max_length, int32_t entrada,
                               std::u16string& saida);
// A telephone number with its area code, laid out as its digits arrive: "(11) 91234-5678"
// for a mobile (the number after the area code begins with 9), "(11) 3456-7890" for a fixed
// line, "0800 123 4567" when the first digit is 0. Digits beyond the shape are dropped from
// the display; texto keeps them all. Raises SeparadorInserido when the display holds one.
void telefone_ddd(std::u16string& texto, std::u16string& saida);
// The field's formatting over telefone_ddd: typed text is cut to max_length first (0 or
// less becomes 50), as the dispatcher cuts; a value assigned as a whole (entrada 1) is read
// in full and loses a country code 55 in front of a national number (12 or 13 digits).
void telefone_ddd_entrada(std::u16string& texto, int16_t& max_length, int32_t entrada,
                          std::u16string& saida);

// The dispatcher: cuts texto to max_length (0 or less becomes 50) and shapes it by mascara.
void formatar_entrada(std::u16string& texto, int32_t mascara, int16_t& max_length,
                      int32_t casas_decimais, int32_t& negativo, int32_t entrada,
                      std::u16string& saida);

// Display text back to plain value; mask 1 reduces texto to its digit string.
void formatar_saida(std::u16string& texto, int32_t mascara, int32_t casas_decimais,
                    std::u16string& saida);

// A whole number of digitos (leading zeros allowed) divided by 10^casas, in the plain
// decimal form; "-" in front when negativo.
void escrever_decimal(std::u16string_view digitos, int32_t casas, bool negativo,
                      std::u16string& saida);

// A registration number of the unit uf (Comuns::MoldesInscricaoEstadual) laid into its shape
// as it is typed: texto is reduced to Comuns::ExtrairInscricaoEstadual's characters (digits,
// SP's "P"), and the shape is the unit's shortest one that holds the digits typed, the longest
// once they pass every shape; digits beyond it are not shown. A separator appears only once a
// character stands after it ("12.3", not "12."); SeparadorInserido is raised when the display
// holds one. The complete word ISENTO (any case, blanks around) gives "ISENTO", and a text
// that is its first letters only ("is", "ISEN") is kept in capitals so that the word can be
// typed key by key. An unknown unit is shaped as documento(InscricaoEstadual) shapes it.
void inscricao_estadual_uf(std::u16string& texto, std::u16string_view uf, std::u16string& saida);

}  // namespace pjtCampoVivo::detail
