// Conversions between the library's values and Qt's: texts, colours, fonts. Not for callers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/valor_propriedade.hpp>

namespace pjtCampoVivo::qt::detail {

inline QString qstring(std::u16string_view texto) {
    return QString(reinterpret_cast<const QChar*>(texto.data()),
                   static_cast<qsizetype>(texto.size()));
}

inline std::u16string u16(const QString& texto) {
    return texto.toStdU16String();
}

// True for a colour that names a system colour (top bit set) rather than 0x00BBGGRR.
constexpr bool cor_de_sistema(Cor cor) noexcept {
    return (cor & 0x80000000U) != 0;
}

// The palette role that stands for a system colour index (5 window background: Base,
// 8 window text: Text, ...). Indices without a close match read as Base.
QPalette::ColorRole papel_de_sistema(Cor cor) noexcept;

// The colour a box shows for cor: an explicit 0x00BBGGRR, or the system colour as the ambient
// palette has it.
QColor cor_qt(Cor cor, const QPalette& ambiente);

// Paints role of paleta with cor in every colour group; a system colour takes the ambient
// palette's brush of its own role, group by group.
void pintar(QPalette& paleta, QPalette::ColorRole papel, Cor cor, const QPalette& ambiente);

QFont fonte_qt(const Fonte& fonte);
Fonte fonte_de(const QFont& fonte);

}  // namespace pjtCampoVivo::qt::detail
