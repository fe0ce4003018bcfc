// Properties over random texts with fixed seeds, so every failure replays.
#include <latch>
#include <thread>

#include <pjtcampovivo/validation/data_hora.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::digitos_ascii;
using teste::GeradorTexto;
using teste::rotulo;

std::u16string ultimos(const std::u16string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(s.size() - n);
}

// The single-argument routines, in mask order from 3 (flag thresholds and digits kept: the
// session script of direct calls).
struct Molde {
    teste::Rotina rotina;
    const char* nome;
};

const Molde moldes[] = {
    {&Formatar::DdMmAaaa, "DdMmAaaa"}, {&Formatar::HhMmSs, "HhMmSs"},
    {&Formatar::HhMm, "HhMm"},         {&Formatar::DdMm, "DdMm"},
    {&Formatar::MmAaaa, "MmAaaa"},     {&Formatar::Telefone, "Telefone"},
    {&Formatar::Cep, "Cep"},           {&Formatar::CNPF, "CNPF"},
    {&Formatar::CNPJ, "CNPJ"},         {&Formatar::InscricaoEstadual, "InscricaoEstadual"},
};

// The dispatcher against the routines it chooses, and the value-returning layer against the
// dispatcher: same results, and the thread's flag left as it was.
TEST(Propriedades, DispatcherCortaEMoldaECamadaPorValorConcorda) {
    GeradorTexto gerador(4242);
    const std::u16string zeros11(11, u'0'), zeros14(14, u'0');
    for (int i = 0; i < 3000; ++i) {
        const auto texto = gerador.ate(40);
        const int32_t mascara = gerador.inteiro(-1, 17), casas = gerador.inteiro(0, 9);
        const auto max = static_cast<int16_t>(gerador.inteiro(-1, 30));
        const int32_t origem = gerador.inteiro(0, 1), flag_antes = gerador.inteiro(0, 1);
        SCOPED_TRACE(
            rotulo(texto, "mascara", mascara, "max", max, "casas", casas, "origem", origem));
        const auto c = teste::entrada(texto, mascara, max, casas, origem);
        const std::size_t limite = max <= 0 ? 50 : static_cast<std::size_t>(max);
        EXPECT_EQ(c.max_length, static_cast<int16_t>(limite));
        const auto cortado = texto.substr(0, limite);
        const auto d = digitos_ascii(cortado);

        teste::Chamada esperada;
        if (mascara == 0 || (mascara >= 8 && mascara <= 10)) {
            esperada.exibido = esperada.texto = cortado;
        } else if (mascara == 1) {
            esperada = teste::dinheiro(cortado, 1, casas);
            esperada.exibido = ultimos(esperada.exibido, limite);
        } else if (mascara == 2) {
            esperada = teste::numero(cortado, 2);
            esperada.exibido = ultimos(esperada.exibido, limite);
        } else if (mascara >= 3 && mascara <= 7) {
            esperada = teste::rotina(moldes[mascara - 3].rotina, cortado);
        } else if (mascara == 13 && origem == 1 && !d.empty()) {
            esperada = teste::rotina(&Formatar::CNPF, zeros11 + d);
            esperada.exibido = ultimos(esperada.exibido, limite);
            esperada.texto = cortado;
        } else if (mascara == 14 && origem == 1 && !d.empty()) {
            esperada = teste::rotina(&Formatar::CNPJ, ultimos(zeros14 + d, 14));
            esperada.texto = cortado;
        } else if (mascara >= 11 && mascara <= 15) {
            esperada = teste::rotina(moldes[mascara - 6].rotina, cortado);
            esperada.exibido = ultimos(esperada.exibido, limite);
        } else {
            esperada.texto = cortado;
        }
        EXPECT_EQ(c.exibido, esperada.exibido);
        EXPECT_EQ(c.texto, esperada.texto);
        EXPECT_EQ(c.negativo, esperada.negativo);
        EXPECT_EQ(c.flag, esperada.flag);

        SeparadorInserido = flag_antes;
        const auto r = formatar_entrada(texto, static_cast<eMascara>(mascara), max, casas,
                                        static_cast<eEntradaDe>(origem));
        std::u16string saida = u"lixo de uma chamada anterior";
        const auto s = formatar_entrada_em(texto, mascara, max, casas, origem, saida);
        EXPECT_EQ(SeparadorInserido, flag_antes);
        EXPECT_EQ(r.texto, c.exibido);
        EXPECT_EQ(saida, c.exibido);
        for (const auto& sinais : {static_cast<SinaisFormatacao>(r), s}) {
            EXPECT_EQ(sinais.negativo, c.negativo == 1);
            EXPECT_EQ(sinais.separador_inserido, c.flag == 1);
        }

        std::u16string copia = texto;
        int32_t m = mascara, q = casas;
        const auto plano = Formatar().FormatarTextoSaida(copia, m, q);
        SeparadorInserido = flag_antes;
        EXPECT_EQ(formatar_saida(texto, static_cast<eMascara>(mascara), casas), plano);
        EXPECT_EQ(SeparadorInserido, flag_antes);
    }
}

// Up to 32,767 units nothing fails; past it digit extraction overflows (error 6), except
// in the dispatcher, which cuts first.
TEST(Propriedades, AteOLimiteNadaFalhaAcimaEstoura) {
    GeradorTexto gerador(99);
    const std::u16string uns(32767, u'1');
    std::vector<std::u16string> textos{uns};
    for (std::size_t n : {32767, 32000, 12345, 1, 32768, 70000}) textos.push_back(gerador.texto(n));
    for (const auto& texto : textos) {
        SCOPED_TRACE(texto.size());
        const int32_t estouro = texto.size() > 32767 ? 6 : 0;
        Formatar f;
        int32_t casas = gerador.inteiro(0, 9), negativo = 0;
        for (const auto& m : moldes) {
            SCOPED_TRACE(m.nome);
            EXPECT_EQ(teste::numero_de([&] { teste::rotina(m.rotina, texto); }), estouro);
        }
        for (int32_t mascara = -1; mascara <= 16; ++mascara) {
            SCOPED_TRACE(mascara);
            std::u16string t = texto;
            const bool extrai = mascara == 1 || mascara == 2 || (mascara >= 8 && mascara <= 15);
            EXPECT_EQ(teste::numero_de([&] { f.FormatarTextoSaida(t, mascara, casas); }),
                      extrai ? estouro : 0);
            t = texto;
            if (mascara == 1) {
                EXPECT_EQ(teste::numero_de([&] { f.DinheiroTaxa(t, mascara, casas, negativo); }),
                          estouro);
            } else if (mascara == 2) {
                EXPECT_EQ(teste::numero_de([&] { f.Numero(t, mascara, negativo); }), estouro);
            }
            EXPECT_NO_THROW(teste::entrada(texto, mascara, 32767, 2, gerador.inteiro(0, 1)));
        }
        EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairDigitos(texto, 1, negativo); }), estouro);
        std::u16string no_lugar = texto;
        EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairDigitosNoLugar(no_lugar, 0, negativo); }),
                  estouro);
        EXPECT_TRUE(estouro == 0 || no_lugar == texto);  // a failure leaves it as it was
        EXPECT_NO_THROW({
            DataHora::DdMmAaaaValido(texto);
            DataHora::AnoBissexto(texto);
            Comuns::CPFValido(texto);
            Comuns::CNPJValido(texto);
        });
    }
    EXPECT_EQ(digitos_ascii(teste::numero(uns, 2).exibido), uns);
    EXPECT_EQ(digitos_ascii(teste::dinheiro(uns, 1, 2).exibido), uns);
}

// Each thread has its own flag, starting at 0: a raise in one is not seen in another.
TEST(FlagSeparador, CadaThreadTemOSeu) {
    SeparadorInserido = 0;
    std::latch levantada(1), conferida(1);
    int32_t visto_na_outra = -1, depois_na_outra = -1;
    std::thread outra([&] {
        visto_na_outra = SeparadorInserido;
        teste::rotina(&Formatar::DdMmAaaa, u"12");
        depois_na_outra = SeparadorInserido;
        levantada.count_down();
        conferida.wait();
    });
    levantada.wait();
    EXPECT_EQ(SeparadorInserido, 0);
    teste::numero(u"1234", 2);
    EXPECT_EQ(SeparadorInserido, 1);
    conferida.count_down();
    outra.join();
    EXPECT_EQ(visto_na_outra, 0);
    EXPECT_EQ(depois_na_outra, 1);
    std::thread([&] { visto_na_outra = SeparadorInserido; }).join();
    EXPECT_EQ(visto_na_outra, 0);  // SeparadorInserido is still 1 here
    SeparadorInserido = 0;
}

}  // namespace
}  // namespace pjtCampoVivo
