// The date and time masks: digits laid into fixed slots, separators added as each slot
// fills, extra digits dropped, and Texto left holding the digit string.
#include <gtest/gtest.h>

#include <string>

#include "formatting/formatar.hpp"
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Rotina;
using teste::utf8;

struct LinhaMolde {
    Rotina rotina;
    const char* nome;
    std::u16string texto;
    std::u16string exibido;
    int32_t flag;
};

TEST(DataHora, MoldaEnquantoDigita) {
    const Rotina data = &Formatar::DdMmAaaa;
    const Rotina hms = &Formatar::HhMmSs;
    const Rotina hm = &Formatar::HhMm;
    const Rotina dm = &Formatar::DdMm;
    const Rotina ma = &Formatar::MmAaaa;
    const LinhaMolde linhas[] = {
        {data, "DdMmAaaa", u"", u"", 0},
        {data, "DdMmAaaa", u"1", u"1", 0},
        {data, "DdMmAaaa", u"12", u"12/", 1},
        {data, "DdMmAaaa", u"123", u"12/3", 1},
        {data, "DdMmAaaa", u"1234", u"12/34", 1},  // the second "/" waits for digit 5
        {data, "DdMmAaaa", u"12345", u"12/34/5", 1},
        {data, "DdMmAaaa", u"31/12/2003", u"31/12/2003", 1},
        {data, "DdMmAaaa", u"123456789", u"12/34/5678", 1},
        {data, "DdMmAaaa", u"1/2/2003", u"12/20/03", 1},  // typed separators carry no meaning
        {data, "DdMmAaaa", u"00/00/00", u"", 0},
        {data, "DdMmAaaa", u"0000000", u"00/00/000", 1},
        {data, "DdMmAaaa", u"abc", u"", 0},
        {data, "DdMmAaaa", u"-12", u"12/", 1},
        {data, "DdMmAaaa", u"\u0661\u0662", u"", 0},
        {hms, "HhMmSs", u"12", u"12:", 1},
        {hms, "HhMmSs", u"1234", u"12:34", 1},
        {hms, "HhMmSs", u"12345", u"12:34:5", 1},
        {hms, "HhMmSs", u"1234567", u"12:34:56", 1},
        {hms, "HhMmSs", u"000000", u"00:00:00", 1},
        {hms, "HhMmSs", u"99:99:99", u"99:99:99", 1},  // shaped, not checked
        {hm, "HhMm", u"1", u"1", 0},
        {hm, "HhMm", u"12", u"12:", 1},
        {hm, "HhMm", u"123", u"12:3", 1},
        {hm, "HhMm", u"12345", u"12:34", 1},
        {dm, "DdMm", u"3112", u"31/12", 1},
        {dm, "DdMm", u"31/12/2003", u"31/12", 1},
        {ma, "MmAaaa", u"1", u"1", 0},
        {ma, "MmAaaa", u"12", u"12/", 1},
        {ma, "MmAaaa", u"122003", u"12/2003", 1},
        {ma, "MmAaaa", u"12/20031", u"12/2003", 1},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(std::string(l.nome) + " " + utf8(l.texto));
        const auto c = teste::rotina(l.rotina, l.texto);
        EXPECT_EQ(c.exibido, l.exibido);
        EXPECT_EQ(c.texto, teste::digitos_ascii(l.texto));
        EXPECT_EQ(c.flag, l.flag);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
