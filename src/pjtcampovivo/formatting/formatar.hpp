// Formatar, the formatting engine: turns whatever an entry field holds into the masked
// display text of its mask (FormatarTextoEntrada), and a masked display text back into the
// plain value a program stores (FormatarTextoSaida).
//
//   Formatar f;
//   std::u16string texto = u"1234";
//   int32_t mascara = 1, casas = 2, negativo = 0, entrada = 0;
//   int16_t max = 22;
//   f.FormatarTextoEntrada(texto, mascara, max, casas, negativo, entrada);  // u"12,34"
//
// Every parameter is passed by reference, as published, and some are written back: the
// digit string goes back into Texto, a minus sign sets ENegativo, a MaxLength of 0 or less
// becomes 50. Callers who want no write-backs use the value-returning functions of
// "formatting/formatacao.hpp". The functions raise the per-thread flag SeparadorInserido
// ("formatting/separador_inserido.hpp") when the text they built gained separators.
// Failures throw pjtCampoVivo::Erro: a text of more than 32,767 units handed directly to a
// routine overflows (error 6); a decimal count outside 0 to 9 is an invalid argument (5).
#pragma once

#include <cstdint>
#include <pjtcampovivo/engine_export.hpp>
#include <string>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_ENGINE_EXPORT Formatar {
  public:
    // 1. The display text of Texto under Mascara. Texto is first cut to MaxLength (0 or less
    // means 50, written back). Optional parameters left out are 0.
    std::u16string FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara, int16_t& MaxLength,
                                        int32_t& QuantidadeCasasDecimais, int32_t& ENegativo,
                                        int32_t& EntradaDe);
    std::u16string FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara, int16_t& MaxLength,
                                        int32_t& QuantidadeCasasDecimais, int32_t& ENegativo);
    std::u16string FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara, int16_t& MaxLength,
                                        int32_t& QuantidadeCasasDecimais);
    std::u16string FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara,
                                        int16_t& MaxLength);
    std::u16string FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara);
    std::u16string FormatarTextoEntrada(std::u16string& Texto);

    // 2. The plain value of a display text: "1.234,56" with mask 1 and two places gives
    // "1234,56"; "12.345-6789" with mask 11 gives "123456789". Mask 1 writes its digit
    // string back into Texto.
    std::u16string FormatarTextoSaida(std::u16string& Texto, int32_t& Mascara,
                                      int32_t& QuantidadeCasasDecimais);

    // 3. Money or rate, typed like a cash register: "1234" with two places gives "12,34".
    // Texto becomes its digits without leading zeros ("0" when none).
    std::u16string DinheiroTaxa(std::u16string& Texto, int32_t& Mascara,
                                int32_t& QuantidadeCasasDecimais, int32_t& ENegativo,
                                int32_t& EntradaDe);
    std::u16string DinheiroTaxa(std::u16string& Texto, int32_t& Mascara,
                                int32_t& QuantidadeCasasDecimais, int32_t& ENegativo);

    // 4. A whole number grouped by thousands: "1234567" gives "1.234.567"; leading zeros stay.
    std::u16string Numero(std::u16string& Texto, int32_t& Mascara, int32_t& ENegativo,
                          int32_t& EntradaDe);
    std::u16string Numero(std::u16string& Texto, int32_t& Mascara, int32_t& ENegativo);

    // 5-9. Dates and times, separators laid in as the digits arrive: "3112" gives "31/12".
    std::u16string DdMmAaaa(std::u16string& Texto);
    std::u16string HhMmSs(std::u16string& Texto);
    std::u16string HhMm(std::u16string& Texto);
    std::u16string DdMm(std::u16string& Texto);
    std::u16string MmAaaa(std::u16string& Texto);

    // 10-14. Documents: "123456789" gives "12.345-6789" (telephone), "12345678" gives
    // "12.345-678" (CEP), "12345678909" gives "123.456.789-09" (CPF),
    // "12345678000195" gives "12.345.678/0001-95" (CNPJ).
    std::u16string Telefone(std::u16string& Texto);
    std::u16string Cep(std::u16string& Texto);
    std::u16string CNPF(std::u16string& Texto);
    std::u16string CNPJ(std::u16string& Texto);
    std::u16string InscricaoEstadual(std::u16string& Texto);

    // 15. The alphanumeric CNPJ, shaped as CNPJ: "12abc34501DE35" gives "12.ABC.345/01DE-35".
    // Digits and letters (raised to capitals) count in the first twelve positions, digits
    // only after them; Texto becomes those characters (Comuns::ExtrairCNPJAlfanumerico).
    std::u16string CNPJAlfanumerico(std::u16string& Texto);

    // 16. A telephone number with its area code, shaped as its digits arrive: "(11) 9",
    // "(11) 91234-5" ... "(11) 91234-5678" for a mobile (the number after the area code
    // begins with 9), "(11) 3456-7890" for a fixed line, "0800 123 4567" for a number whose
    // first digit is 0. Digits beyond the full shape are dropped; Texto becomes all the digits.
    std::u16string TelefoneDDD(std::u16string& Texto);

    // 17. A state registration number laid out in the shape of the unit UF (its two-letter
    // code, either case) as its digits arrive: with "SP", "1100424" gives "110.042.4" and
    // "p011004243002" gives "P-01100424.3/002"; a unit with two lengths takes the shorter shape
    // until the digits pass it; digits beyond the longest shape are dropped. The word ISENTO
    // (or the first letters of it) is kept in capitals. Texto becomes the digits (with SP's P
    // in front), or the capitals kept; an unknown UF shapes as InscricaoEstadual.
    std::u16string InscricaoEstadualUF(std::u16string& Texto, std::u16string& UF);
};

}  // namespace pjtCampoVivo
