#include <pjtcampovivo/formatting/moldes.hpp>

#include <algorithm>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::detail {

namespace {

// Masks whose minus sign the digit extraction notes.
constexpr int32_t sem_sinal = 0;

// Decimal places are 0 to 9: the values of eQuantidadeCasasDecimais.
void exigir_casas_validas(int32_t casas) {
    if (casas < 0 || casas > 9) {
        throw Erro::argumento_invalido(
            "Argumento inválido: QuantidadeCasasDecimais deve estar entre 0 e 9");
    }
}

void marcar_separador() noexcept {
    SeparadorInserido = 1;
}

std::size_t tamanho_agrupado(std::size_t n) noexcept {
    return n <= 3 ? n : n + (n - 1) / 3;
}

// Writes a display text by position into a string sized once: the shapes are known before
// the first character is written, and this runs on every keystroke.
class Escritor {
  public:
    Escritor(std::u16string& saida, std::size_t tamanho) {
        saida.resize(tamanho);
        p_ = saida.data();
    }
    void por(char16_t c) noexcept { *p_++ = c; }
    void por(std::u16string_view texto) noexcept {
        for (const char16_t c : texto) *p_++ = c;
    }
    void zeros(std::size_t n) noexcept {
        for (std::size_t i = 0; i < n; ++i) *p_++ = u'0';
    }
    // digitos with "." before every block of three counted from the right, never before the
    // first digit: "1234567" gives "1.234.567". Three digits or fewer stay as they are.
    void agrupado(std::u16string_view digitos) noexcept {
        std::size_t bloco = digitos.size() % 3;
        if (bloco == 0) bloco = std::min<std::size_t>(3, digitos.size());
        por(digitos.substr(0, bloco));
        for (std::size_t i = bloco; i < digitos.size(); i += 3) {
            *p_++ = u'.';
            *p_++ = digitos[i];
            *p_++ = digitos[i + 1];
            *p_++ = digitos[i + 2];
        }
    }

  private:
    char16_t* p_;
};

void extrair_sem_sinal(std::u16string& texto) {
    int32_t ignorado = 0;
    Comuns::ExtrairDigitosNoLugar(texto, sem_sinal, ignorado);
}

// Keeps the last `maximo` characters of saida; a shorter text stays whole.
void manter_ultimos(std::u16string& saida, int16_t maximo) {
    const auto max = static_cast<std::size_t>(std::max<int16_t>(maximo, 0));
    if (saida.size() > max) saida.erase(0, saida.size() - max);
}

// A scratch string per thread, so that the zero fill and the plain-value extraction reuse
// their buffer from one keystroke to the next instead of allocating.
std::u16string& rascunho() {
    thread_local std::u16string texto;
    return texto;
}

}  // namespace

// Values of up to 15 significant digits below 0.0001 or from 10^15 up take the exponent
// form "1,2E-05"; longer values are always written in full, so no digit is ever lost or
// invented.
void escrever_decimal(std::u16string_view digitos, int32_t casas, bool negativo,
                      std::u16string& saida) {
    saida.clear();
    if (negativo) saida.push_back(u'-');
    const auto primeiro = digitos.find_first_not_of(u'0');
    if (primeiro == std::u16string_view::npos) {
        saida.push_back(u'0');
        return;
    }
    const std::u16string_view s = digitos.substr(primeiro);
    const std::size_t significativos = s.find_last_not_of(u'0') + 1;
    // Decimal exponent of the leading digit: the value is d,ddd x 10^expoente.
    const auto expoente = static_cast<int64_t>(s.size()) - 1 - casas;

    if (significativos <= 15 && (expoente < -4 || expoente >= 15)) {
        saida.push_back(s[0]);
        if (significativos > 1) {
            saida.push_back(u',');
            saida.append(s.substr(1, significativos - 1));
        }
        saida.push_back(u'E');
        saida.push_back(expoente < 0 ? u'-' : u'+');
        const auto absoluto = expoente < 0 ? -expoente : expoente;
        if (absoluto < 10) saida.push_back(u'0');
        for (char c : std::to_string(absoluto)) saida.push_back(static_cast<char16_t>(c));
        return;
    }

    const auto inteiros = static_cast<int64_t>(s.size()) - casas;
    if (inteiros > 0) {
        const auto n = static_cast<std::size_t>(inteiros);
        saida.append(s.substr(0, n));
        if (significativos > n) {
            saida.push_back(u',');
            saida.append(s.substr(n, significativos - n));
        }
    } else {
        saida.append(u"0,");
        saida.append(static_cast<std::size_t>(-inteiros), u'0');
        saida.append(s.substr(0, significativos));
    }
}

void dinheiro_taxa(std::u16string& texto, int32_t mascara, int32_t casas_decimais,
                   int32_t& negativo, std::u16string& saida) {
    Comuns::ExtrairDigitosNoLugar(texto, mascara, negativo);
    // The digit string without leading zeros, "0" when nothing is left. Working on the digits
    // themselves keeps every one of them, however many the field holds.
    const auto primeiro = texto.find_first_not_of(u'0');
    if (primeiro == std::u16string::npos) {
        texto.resize(1);
        texto[0] = u'0';
    } else {
        texto.erase(0, primeiro);
    }
    exigir_casas_validas(casas_decimais);

    const std::u16string_view d = texto;
    const auto q = static_cast<std::size_t>(casas_decimais);
    const bool sinal = negativo == 1;
    if (d.size() <= q) {
        // Cents only: a zero, the comma, and the digits padded on the left to q places.
        Escritor e(saida, sinal + 2 + q);
        if (sinal) e.por(u'-');
        e.por(u"0,");
        e.zeros(q - d.size());
        e.por(d);
    } else {
        const std::size_t inteiros = d.size() - q;
        Escritor e(saida, sinal + tamanho_agrupado(inteiros) + 1 + q);
        if (sinal) e.por(u'-');
        e.agrupado(d.substr(0, inteiros));
        e.por(u',');
        e.por(d.substr(inteiros));
    }
    marcar_separador();
}

void numero(std::u16string& texto, int32_t mascara, int32_t& negativo, std::u16string& saida) {
    Comuns::ExtrairDigitosNoLugar(texto, mascara, negativo);
    const bool sinal = negativo == 1;
    Escritor e(saida, sinal + tamanho_agrupado(texto.size()));
    if (sinal) e.por(u'-');
    e.agrupado(texto);
    if (texto.size() > 3 || sinal) marcar_separador();
}

void data_hora(std::u16string& texto, MoldeDataHora molde, std::u16string& saida) {
    struct Forma {
        char16_t separador;
        std::size_t segundo;   // digits in the second slot
        std::size_t terceiro;  // digits in the third slot, 0 when there is none
    };
    static constexpr Forma formas[] = {
        {u'/', 2, 4},  // DdMmAaaa: dd/mm/aaaa
        {u':', 2, 2},  // HhMmSs: hh:mm:ss
        {u':', 2, 0},  // HhMm: hh:mm
        {u'/', 2, 0},  // DdMm: dd/mm
        {u'/', 4, 0},  // MmAaaa: mm/aaaa
    };
    const Forma& forma = formas[static_cast<int>(molde)];

    extrair_sem_sinal(texto);
    const std::u16string_view d = texto;
    if (d.empty() || (molde == MoldeDataHora::DdMmAaaa && d == u"000000")) {
        saida.clear();
        return;
    }
    if (d.size() < 2) {
        Escritor(saida, d.size()).por(d);
        return;
    }
    // The first separator comes with the second digit; the second one only once a digit
    // for the third slot exists, so four date digits give "12/34", not "12/34/".
    const std::u16string_view segundo = d.substr(2, forma.segundo);
    const std::size_t inicio_terceiro = 2 + forma.segundo;
    const std::u16string_view terceiro = forma.terceiro > 0 && d.size() > inicio_terceiro
                                             ? d.substr(inicio_terceiro, forma.terceiro)
                                             : std::u16string_view();
    Escritor e(saida, 3 + segundo.size() + (terceiro.empty() ? 0 : 1 + terceiro.size()));
    e.por(d.substr(0, 2));
    e.por(forma.separador);
    e.por(segundo);
    if (!terceiro.empty()) {
        e.por(forma.separador);
        e.por(terceiro);
    }
    marcar_separador();
}

void documento(std::u16string& texto, MoldeDocumento molde, std::u16string& saida) {
    // Digits after the "-": the check digits or the last block of the number.
    static constexpr std::size_t caudas[] = {4, 3, 2, 2};
    const std::size_t cauda = caudas[static_cast<int>(molde)];

    extrair_sem_sinal(texto);
    const std::u16string_view d = texto;
    if (d.size() <= cauda) {
        Escritor(saida, d.size()).por(d);
        return;
    }
    const std::size_t cabeca = d.size() - cauda;
    Escritor e(saida, tamanho_agrupado(cabeca) + 1 + cauda);
    e.agrupado(d.substr(0, cabeca));
    e.por(u'-');
    e.por(d.substr(cabeca));
    // A telephone number gains its "-" early; the separator counts only once it is grouped.
    if (cabeca >= 4 || molde != MoldeDocumento::Telefone) marcar_separador();
}

namespace {

// 12.345.678/0001-95 (or 12.ABC.345/01DE-35) laid out from its first fourteen characters.
void moldar_cnpj(std::u16string_view texto, std::u16string& saida) {
    const std::u16string_view d = texto.substr(0, 14);
    // 12.345.678/0001-95: a separator goes in front of positions 3, 6, 9 and 13 once a
    // digit stands there.
    const std::size_t separadores =
        (d.size() > 2) + (d.size() > 5) + (d.size() > 8) + (d.size() > 12);
    Escritor e(saida, d.size() + separadores);
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (i == 2 || i == 5) e.por(u'.');
        if (i == 8) e.por(u'/');
        if (i == 12) e.por(u'-');
        e.por(d[i]);
    }
}

}  // namespace

void cnpj(std::u16string& texto, std::u16string& saida) {
    extrair_sem_sinal(texto);
    moldar_cnpj(texto, saida);
}

void cnpj_alfanumerico(std::u16string& texto, std::u16string& saida) {
    Comuns::ExtrairCNPJAlfanumericoNoLugar(texto);
    moldar_cnpj(texto, saida);
}

void cnpj_alfanumerico_entrada(std::u16string& texto, int16_t& max_length, int32_t entrada,
                               std::u16string& saida) {
    if (max_length <= 0) max_length = 50;
    if (texto.size() > static_cast<std::size_t>(max_length))
        texto.resize(static_cast<std::size_t>(max_length));
    if (entrada == 1) {
        std::u16string& completo = rascunho();
        completo.assign(texto);
        Comuns::ExtrairCNPJAlfanumericoNoLugar(completo);
        if (!completo.empty()) {
            // As with mask 14: zeros in front up to fourteen, the last fourteen kept. A
            // letter the zeros push into the check digits is dropped when it is shaped.
            completo.insert(0, 14, u'0');
            completo.erase(0, completo.size() - 14);
            cnpj_alfanumerico(completo, saida);
            return;
        }
    }
    cnpj_alfanumerico(texto, saida);
    manter_ultimos(saida, max_length);
}

void telefone_ddd(std::u16string& texto, std::u16string& saida) {
    extrair_sem_sinal(texto);
    const std::u16string_view d = texto;
    if (d.empty()) {
        saida.clear();
        return;
    }
    if (d[0] == u'0') {
        // 0800 123 4567: blocks of four, three and four, each gap shown once a digit follows.
        const std::u16string_view s = d.substr(0, 11);
        Escritor e(saida, s.size() + (s.size() > 4) + (s.size() > 7));
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (i == 4 || i == 7) e.por(u' ');
            e.por(s[i]);
        }
        if (s.size() > 4) marcar_separador();
        return;
    }
    // (11) 91234-5678 or (11) 3456-7890: the first digit after the area code decides where
    // the dash goes, so a mobile is shown as one from its first digit on.
    const std::size_t bloco = d.size() > 2 && d[2] == u'9' ? 5 : 4;
    const std::u16string_view area = d.substr(0, 2);
    const std::u16string_view numero =
        d.size() > 2 ? d.substr(2, bloco + 4) : std::u16string_view();
    const bool traco = numero.size() > bloco;
    Escritor e(saida, 1 + area.size() + (numero.empty() ? 0 : 2 + numero.size() + traco));
    e.por(u'(');
    e.por(area);
    if (!numero.empty()) {
        e.por(u") ");
        e.por(numero.substr(0, bloco));
        if (traco) {
            e.por(u'-');
            e.por(numero.substr(bloco));
        }
    }
    marcar_separador();
}

void telefone_ddd_entrada(std::u16string& texto, int16_t& max_length, int32_t entrada,
                          std::u16string& saida) {
    if (max_length <= 0) max_length = 50;
    if (entrada == 1) {
        extrair_sem_sinal(texto);
        if ((texto.size() == 12 || texto.size() == 13) && texto.starts_with(u"55"))
            texto.erase(0, 2);
    } else if (texto.size() > static_cast<std::size_t>(max_length)) {
        texto.resize(static_cast<std::size_t>(max_length));
    }
    telefone_ddd(texto, saida);
}

void formatar_entrada(std::u16string& texto, int32_t mascara, int16_t& max_length,
                      int32_t casas_decimais, int32_t& negativo, int32_t entrada,
                      std::u16string& saida) {
    if (max_length <= 0) max_length = 50;
    if (texto.size() > static_cast<std::size_t>(max_length))
        texto.resize(static_cast<std::size_t>(max_length));

    switch (mascara) {
        case 0:
        case 8:
        case 9:
        case 10:
            saida.assign(texto);
            return;
        case 1:
            dinheiro_taxa(texto, mascara, casas_decimais, negativo, saida);
            manter_ultimos(saida, max_length);
            return;
        case 2:
            numero(texto, mascara, negativo, saida);
            manter_ultimos(saida, max_length);
            return;
        case 3:
            data_hora(texto, MoldeDataHora::DdMmAaaa, saida);
            return;
        case 4:
            data_hora(texto, MoldeDataHora::HhMmSs, saida);
            return;
        case 5:
            data_hora(texto, MoldeDataHora::HhMm, saida);
            return;
        case 6:
            data_hora(texto, MoldeDataHora::DdMm, saida);
            return;
        case 7:
            data_hora(texto, MoldeDataHora::MmAaaa, saida);
            return;
        case 11:
            documento(texto, MoldeDocumento::Telefone, saida);
            manter_ultimos(saida, max_length);
            return;
        case 12:
            documento(texto, MoldeDocumento::Cep, saida);
            manter_ultimos(saida, max_length);
            return;
        case 13:
        case 14: {
            // A number assigned as a whole is completed with leading zeros; typed, it is
            // shaped only as far as its digits go. The field's own text is not rewritten.
            const bool cpf = mascara == 13;
            if (entrada == 1) {
                std::u16string& completo = rascunho();
                completo.assign(texto);
                extrair_sem_sinal(completo);
                if (!completo.empty()) {
                    if (cpf) {
                        // Eleven zeros in front; a text already at the 16-bit limit gets
                        // fewer, which only drops zeros that the cut below would drop anyway.
                        const std::size_t zeros =
                            std::min<std::size_t>(11, 32767 - completo.size());
                        completo.insert(0, zeros, u'0');
                        documento(completo, MoldeDocumento::CNPF, saida);
                        manter_ultimos(saida, max_length);
                    } else {
                        completo.insert(0, 14, u'0');
                        completo.erase(0, completo.size() - 14);
                        cnpj(completo, saida);
                    }
                    return;
                }
            }
            if (cpf) {
                documento(texto, MoldeDocumento::CNPF, saida);
            } else {
                cnpj(texto, saida);
            }
            manter_ultimos(saida, max_length);
            return;
        }
        case 15:
            documento(texto, MoldeDocumento::InscricaoEstadual, saida);
            manter_ultimos(saida, max_length);
            return;
        default:
            saida.clear();
            return;
    }
}

void formatar_saida(std::u16string& texto, int32_t mascara, int32_t casas_decimais,
                    std::u16string& saida) {
    saida.clear();
    if (texto.empty()) return;
    int32_t negativo = 0;
    switch (mascara) {
        case 1:
            Comuns::ExtrairDigitosNoLugar(texto, mascara, negativo);
            exigir_casas_validas(casas_decimais);
            escrever_decimal(texto, casas_decimais, negativo == 1, saida);
            return;
        case 2:
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 15: {
            // The field's own text stays as it is; the digits go to a reused scratch buffer.
            std::u16string& digitos = rascunho();
            digitos.assign(texto);
            Comuns::ExtrairDigitosNoLugar(digitos, mascara == 2 ? mascara : sem_sinal, negativo);
            escrever_decimal(digitos, 0, negativo == 1, saida);
            return;
        }
        default:
            saida.assign(texto);
            return;
    }
}

}  // namespace pjtCampoVivo::detail
