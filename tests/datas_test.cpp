// The date and time masks: digits laid into fixed slots, separators added as each slot
// fills, extra digits dropped, and Texto left holding the digit string.
#include <gtest/gtest.h>

#include <pjtcampovivo/formatting/formatar.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Rotina;

TEST(DataHora, MoldaEnquantoDigita) {
    const Rotina data = &Formatar::DdMmAaaa, hms = &Formatar::HhMmSs, hm = &Formatar::HhMm,
                 dm = &Formatar::DdMm, ma = &Formatar::MmAaaa;
    const teste::LinhaMolde linhas[] = {
        {data, "DdMmAaaa", u"", u"", 0},
        {data, "DdMmAaaa", u"-12", u"12/", 1},
        {data, "DdMmAaaa", u"\u0661\u0662", u"", 0},  // only ASCII digits count
        {hms, "HhMmSs", u"12", u"12:", 1},
        {hms, "HhMmSs", u"1234", u"12:34", 1},  // the second ":" waits for digit 5
        {hms, "HhMmSs", u"12345", u"12:34:5", 1},
        {hms, "HhMmSs", u"99:99:99", u"99:99:99", 1},  // shaped, not checked
        {hm, "HhMm", u"1", u"1", 0},
        {hm, "HhMm", u"12", u"12:", 1},
        {dm, "DdMm", u"31/12/2003", u"31/12", 1},
        {ma, "MmAaaa", u"12", u"12/", 1},
    };
    for (const auto& l : linhas) teste::verificar(l);
}

}  // namespace
}  // namespace pjtCampoVivo
