// The value-returning layer (formatting/formatacao.hpp) against the published by-reference
// functions of Formatar, with the same arguments drawn from the fuzzer's bytes. They share
// one engine, so for every input they must agree on:
//
// - the display text, the error (its number, or none) and the plain value;
// - the facts: `negativo` is ENegativo (started at 0) becoming 1, `separador_inserido` is
//   the by-reference call raising SeparadorInserido (started at 0);
// - the thread's SeparadorInserido, which the value layer leaves as it found it, failing or
//   not;
// - nothing of what `saida` held before, nor of what ran before on the thread (the layer
//   reuses per-thread buffers), and `saida` may be the very string `texto` views;
// - the dispatcher against the routines: FormatarTextoEntrada of masks 1 to 15 is the
//   mask's routine on Texto cut to MaxLength, with the display's last MaxLength characters
//   kept for masks 1, 2 and 11 to 15 (13 and 14 when not zero-filled), and the write-backs
//   (Texto, ENegativo, the flag) of both calls equal.
#include <cstdint>
#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include "fuzz/apoio_fuzz.hpp"

namespace pjtCampoVivo {
namespace {

using fuzz::exigir;
using fuzz::LeitorBytes;
using fuzz::mostrar;
using fuzz::numero_do_erro;

constexpr int32_t mascaras[] = {0,  1,  2,  3,  4,  5,  6,  7, 8, 9,         10,
                                11, 12, 13, 14, 15, 16, -1, 1, 2, INT32_MIN, INT32_MAX};
constexpr int16_t maximos[] = {0,  -1, 1,  2,  3,   4,    5,     7,     8,      10, 11,
                               14, 18, 22, 50, 100, 1000, 32767, 32766, -32768, 6};
constexpr int32_t casas_decimais[] = {0, 1, 2, 3, 5, 9, 10, -1, INT32_MIN, 2, 2};
constexpr int32_t entradas[] = {0, 1, 0, 1, 2, -1};
constexpr int32_t flags[] = {0, 1, 0, 1, 7, -1};

constexpr std::initializer_list<int32_t> permitidos = {numero_erro::ArgumentoInvalido,
                                                       numero_erro::Estouro};

struct PorReferencia {
    int32_t erro = 0;
    std::u16string exibido;
    std::u16string texto;
    int32_t negativo = 0;
    int32_t flag = 0;
};

PorReferencia por_referencia(const std::u16string& texto, int32_t mascara, int16_t maximo,
                             int32_t casas, int32_t entrada) {
    PorReferencia r;
    r.texto = texto;
    Formatar f;
    SeparadorInserido = 0;
    r.erro = numero_do_erro(
        [&] {
            r.exibido =
                f.FormatarTextoEntrada(r.texto, mascara, maximo, casas, r.negativo, entrada);
        },
        permitidos, "FormatarTextoEntrada");
    r.flag = SeparadorInserido;
    SeparadorInserido = 0;
    return r;
}

void entrada(LeitorBytes& l) {
    const char* onde = "formatar_entrada_em";
    const int32_t mascara = l.enviesado<int32_t>(mascaras);
    const int16_t maximo = l.enviesado<int16_t>(maximos);
    const int32_t casas = l.enviesado<int32_t>(casas_decimais);
    const int32_t entrada_de = l.enviesado<int32_t>(entradas);
    const int32_t flag_antes = l.enviesado<int32_t>(flags);
    const std::u16string texto = l.texto();
    std::u16string saida = l.texto(64);        // leftovers the call must not show
    const std::u16string antes = l.texto(64);  // run before, to dirty the per-thread buffers
    const bool mesmo_buffer = l.booleano();

    const PorReferencia ref = por_referencia(texto, mascara, maximo, casas, entrada_de);
    const std::string m = " (máscara " + std::to_string(mascara) + ", MaxLength " +
                          std::to_string(maximo) + ", casas " + std::to_string(casas) +
                          ", entrada " + std::to_string(entrada_de) + ", texto " + mostrar(texto) +
                          ")";

    // Another call first, so that the per-thread buffers hold someone else's text.
    std::u16string lixo;
    numero_do_erro([&] { formatar_entrada_em(antes, 13, 14, 0, 1, lixo); }, permitidos, onde);
    numero_do_erro([&] { (void)formatar_saida(antes, eMascara::CNPJ); }, permitidos, onde);

    SinaisFormatacao sinais;
    SeparadorInserido = flag_antes;
    int32_t erro = 0;
    if (mesmo_buffer) {
        // saida is also where texto lives.
        saida = texto;
        erro = numero_do_erro(
            [&] { sinais = formatar_entrada_em(saida, mascara, maximo, casas, entrada_de, saida); },
            permitidos, onde);
    } else {
        erro = numero_do_erro(
            [&] { sinais = formatar_entrada_em(texto, mascara, maximo, casas, entrada_de, saida); },
            permitidos, onde);
    }
    exigir(SeparadorInserido == flag_antes, onde, "SeparadorInserido não restaurado" + m);
    exigir(erro == ref.erro, onde,
           "erro " + std::to_string(erro) + " contra " + std::to_string(ref.erro) + m);
    if (erro == 0) {
        exigir(saida == ref.exibido, onde,
               "exibido " + mostrar(saida) + " contra " + mostrar(ref.exibido) + m);
        exigir(sinais.negativo == (ref.negativo == 1), onde, "negativo" + m);
        exigir(sinais.separador_inserido == (ref.flag == 1), onde, "separador_inserido" + m);
    }

    // The enumeration-typed form, for any value of the enumerations.
    TextoFormatado r;
    SeparadorInserido = flag_antes;
    erro = numero_do_erro(
        [&] {
            r = formatar_entrada(texto, static_cast<eMascara>(mascara), maximo, casas,
                                 static_cast<eEntradaDe>(entrada_de));
        },
        permitidos, "formatar_entrada");
    exigir(SeparadorInserido == flag_antes, onde, "SeparadorInserido não restaurado" + m);
    exigir(erro == ref.erro, "formatar_entrada", "erro" + m);
    if (erro == 0) {
        exigir(r.texto == ref.exibido && r.negativo == (ref.negativo == 1) &&
                   r.separador_inserido == (ref.flag == 1),
               "formatar_entrada", "resultado " + mostrar(r.texto) + m);
    }
}

// The routine FormatarTextoEntrada dispatches mask 1 to 15 to, on the text as cut.
void despacho(LeitorBytes& l) {
    const char* onde = "despacho";
    const int32_t mascara = 1 + static_cast<int32_t>(l.ate(15));
    int16_t maximo = l.enviesado<int16_t>(maximos);
    const int32_t casas = l.enviesado<int32_t>(casas_decimais);
    const int32_t entrada_de = l.booleano() ? 0 : 2;  // never 1: no zero fill here
    const std::u16string texto = l.texto();

    const PorReferencia ref = por_referencia(texto, mascara, maximo, casas, entrada_de);
    const int16_t efetivo = maximo <= 0 ? int16_t{50} : maximo;
    PorReferencia direta;
    direta.texto = texto.substr(0, static_cast<std::size_t>(efetivo));
    Formatar f;
    int32_t m = mascara, c = casas;
    SeparadorInserido = 0;
    direta.erro = numero_do_erro(
        [&] {
            std::u16string& t = direta.texto;
            switch (mascara) {
                case 1:
                    direta.exibido = f.DinheiroTaxa(t, m, c, direta.negativo);
                    break;
                case 2:
                    direta.exibido = f.Numero(t, m, direta.negativo);
                    break;
                case 3:
                    direta.exibido = f.DdMmAaaa(t);
                    break;
                case 4:
                    direta.exibido = f.HhMmSs(t);
                    break;
                case 5:
                    direta.exibido = f.HhMm(t);
                    break;
                case 6:
                    direta.exibido = f.DdMm(t);
                    break;
                case 7:
                    direta.exibido = f.MmAaaa(t);
                    break;
                case 11:
                    direta.exibido = f.Telefone(t);
                    break;
                case 12:
                    direta.exibido = f.Cep(t);
                    break;
                case 13:
                    direta.exibido = f.CNPF(t);
                    break;
                case 14:
                    direta.exibido = f.CNPJ(t);
                    break;
                case 15:
                    direta.exibido = f.InscricaoEstadual(t);
                    break;
                default:  // 8, 9, 10: the text as cut
                    direta.exibido = t;
                    break;
            }
        },
        permitidos, onde);
    direta.flag = SeparadorInserido;
    SeparadorInserido = 0;
    const bool cortar = mascara == 1 || mascara == 2 || mascara >= 11;
    const auto max = static_cast<std::size_t>(efetivo);
    if (cortar && direta.exibido.size() > max) direta.exibido.erase(0, direta.exibido.size() - max);
    const std::string m_ = " (máscara " + std::to_string(mascara) + ", MaxLength " +
                           std::to_string(maximo) + ", texto " + mostrar(texto) + ")";
    exigir(ref.erro == direta.erro, onde, "erro" + m_);
    exigir(ref.texto == direta.texto && ref.negativo == direta.negativo && ref.flag == direta.flag,
           onde,
           "escritas de volta " + mostrar(ref.texto) + " contra " + mostrar(direta.texto) + m_);
    if (ref.erro == 0) {
        exigir(ref.exibido == direta.exibido, onde,
               "exibido " + mostrar(ref.exibido) + " contra " + mostrar(direta.exibido) + m_);
    }
}

void saida(LeitorBytes& l) {
    const char* onde = "formatar_saida";
    const int32_t mascara = l.enviesado<int32_t>(mascaras);
    const int32_t casas = l.enviesado<int32_t>(casas_decimais);
    const int32_t flag_antes = l.enviesado<int32_t>(flags);
    const std::u16string texto = l.texto();

    std::u16string t = texto, esperado;
    int32_t m = mascara, c = casas;
    Formatar f;
    const int32_t erro_ref =
        numero_do_erro([&] { esperado = f.FormatarTextoSaida(t, m, c); }, permitidos, onde);
    std::u16string valor;
    SeparadorInserido = flag_antes;
    const int32_t erro = numero_do_erro(
        [&] { valor = formatar_saida(texto, static_cast<eMascara>(mascara), casas); }, permitidos,
        onde);
    exigir(SeparadorInserido == flag_antes, onde, "SeparadorInserido mexido");
    const std::string m_ = " (máscara " + std::to_string(mascara) + ", casas " +
                           std::to_string(casas) + ", texto " + mostrar(texto) + ")";
    exigir(erro == erro_ref, onde, "erro" + m_);
    if (erro == 0) {
        exigir(valor == esperado, onde, mostrar(valor) + " contra " + mostrar(esperado) + m_);
        const std::u16string ponto = com_ponto_decimal(valor);
        std::u16string ponto_esperado = valor.empty() ? u"0" : valor;
        if (const auto v = ponto_esperado.find(u','); v != std::u16string::npos)
            ponto_esperado[v] = u'.';
        exigir(ponto == ponto_esperado, "com_ponto_decimal", mostrar(ponto) + m_);
    }
}

}  // namespace
}  // namespace pjtCampoVivo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    using namespace pjtCampoVivo;
    fuzz::LeitorBytes l(dados, tamanho);
    switch (l.ate(3)) {
        case 0:
            entrada(l);
            break;
        case 1:
            despacho(l);
            break;
        default:
            saida(l);
            break;
    }
    SeparadorInserido = 0;
    return 0;
}
