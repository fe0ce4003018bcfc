// Texts between the control (UTF-16 std::u16string) and Qt (QString, also UTF-16).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace pjtCampoVivo::demo {

inline QString qtexto(std::u16string_view texto) {
    return QString(reinterpret_cast<const QChar*>(texto.data()),
                   static_cast<qsizetype>(texto.size()));
}

inline QString qtexto(std::string_view ascii) {
    return QString::fromUtf8(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

inline std::u16string u16(const QString& texto) {
    return texto.toStdU16String();
}

}  // namespace pjtCampoVivo::demo
