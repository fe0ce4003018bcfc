// TelefoneDDD in the control: off, a telephone field is exactly what it always was; on, the
// field's length follows the setting. Typing, the exit check, assigned values and the saved
// key are in the telephone session script, replayed on both toolkits.
#include <gtest/gtest.h>

#include <string>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Sessao;
using teste::utf8;

constexpr int32_t Telefone = valor(eMascara::Telefone);

// A field that never saw the setting, one that had it on and off again, and one that has it
// on over another mask, against the plain field of that mask: the same text, plain value,
// length, events and messages for each input.
TEST(TelefoneDDD, DesligadoComoAntes) {
    const std::u16string entradas[] = {u"1234",        u"12345",       u"(11) 2345-6789",   u"abc",
                                       u"11912345678", u"08001234567", u"+55 11 91234-5678"};
    for (const int32_t mascara : {Telefone, valor(eMascara::Cep), valor(eMascara::CNPJ)}) {
        for (const auto& entrada : entradas) {
            for (const bool atribuido : {false, true}) {
                SCOPED_TRACE(utf8(entrada) + " mask " + std::to_string(mascara) +
                             (atribuido ? " assigned" : " typed"));
                Sessao antes, desligado;
                antes.campo.Mascara(mascara);
                desligado.campo.Mascara(mascara);
                desligado.campo.TelefoneDDD(valor(eNaoSim::sim));
                if (mascara == Telefone) desligado.campo.TelefoneDDD(valor(eNaoSim::Nao));
                for (Sessao* s : {&antes, &desligado}) {
                    s->esquecer();
                    if (atribuido) {
                        s->campo.Text(entrada);
                    } else {
                        s->form.teclar(entrada);
                    }
                    s->form.sair();
                }
                EXPECT_EQ(desligado.texto(), antes.texto());
                EXPECT_EQ(desligado.campo.ClipText(), antes.campo.ClipText());
                EXPECT_EQ(desligado.campo.MaxLength(), antes.campo.MaxLength());
                EXPECT_EQ(desligado.eventos(), antes.eventos());
                EXPECT_EQ(desligado.form.tela.mensagens.size(), antes.form.tela.mensagens.size());
            }
        }
    }
}

// The setting sets the length only over mask 11, through the MaxLength setter (whose notice
// comes first); a MaxLength chosen after it stays until the setting changes again.
TEST(TelefoneDDD, ComprimentoDoCampo) {
    Sessao s;
    s.campo.Mascara(Telefone);
    s.campo.MaxLength(20);
    s.esquecer();
    s.campo.TelefoneDDD(valor(eNaoSim::sim));
    EXPECT_EQ(s.campo.MaxLength(), 15);
    EXPECT_EQ(s.avisos(), (std::vector<std::u16string>{u"MaxLength", u"TelefoneDDD"}));
    s.campo.MaxLength(12);
    s.campo.Mascara(Telefone);
    EXPECT_EQ(s.campo.MaxLength(), 15);
    // Any value but sim is off, as everywhere eNaoSim is read.
    s.campo.TelefoneDDD(2);
    EXPECT_EQ(s.campo.MaxLength(), 11);
    EXPECT_EQ(s.campo.variante_em_uso(), nullptr);
}

}  // namespace
}  // namespace pjtCampoVivo
