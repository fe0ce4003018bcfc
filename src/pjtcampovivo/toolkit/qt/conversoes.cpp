#include <pjtcampovivo/toolkit/qt/conversoes.hpp>

namespace pjtCampoVivo::qt::detail {

QPalette::ColorRole papel_de_sistema(Cor cor) noexcept {
    switch (cor & 0xFFU) {
        case 1:   // desktop
        case 4:   // menu
        case 15:  // button face
            return QPalette::Window;
        case 7:   // menu text
        case 9:   // caption text
        case 18:  // button text
            return QPalette::WindowText;
        case 8:  // window text
            return QPalette::Text;
        case 13:  // highlight
            return QPalette::Highlight;
        case 14:  // highlighted text
            return QPalette::HighlightedText;
        case 16:  // button shadow
            return QPalette::Mid;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        case 20:  // 3D highlight
            return QPalette::Light;
        case 21:  // 3D dark shadow
            return QPalette::Shadow;
        case 23:  // tooltip text
            return QPalette::ToolTipText;
        case 24:  // tooltip background
            return QPalette::ToolTipBase;
        default:  // 5 window background and the rest
            return QPalette::Base;
    }
}

QColor cor_qt(Cor cor, const QPalette& ambiente) {
    if (cor_de_sistema(cor)) return ambiente.color(papel_de_sistema(cor));
    return QColor(static_cast<int>(cor & 0xFFU), static_cast<int>((cor >> 8) & 0xFFU),
                  static_cast<int>((cor >> 16) & 0xFFU));
}

void pintar(QPalette& paleta, QPalette::ColorRole papel, Cor cor, const QPalette& ambiente) {
    for (const QPalette::ColorGroup grupo :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (cor_de_sistema(cor)) {
            paleta.setBrush(grupo, papel, ambiente.brush(grupo, papel_de_sistema(cor)));
        } else {
            paleta.setColor(grupo, papel, cor_qt(cor, ambiente));
        }
    }
}

QFont fonte_qt(const Fonte& fonte) {
    QFont f(qstring(fonte.nome));
    if (fonte.tamanho > 0) f.setPointSizeF(fonte.tamanho);
    f.setBold(fonte.negrito);
    f.setItalic(fonte.italico);
    f.setUnderline(fonte.sublinhado);
    f.setStrikeOut(fonte.tachado);
    return f;
}

Fonte fonte_de(const QFont& fonte) {
    Fonte f;
    f.nome = u16(fonte.family());
    f.tamanho = fonte.pointSizeF() > 0 ? fonte.pointSizeF() : 0;
    f.negrito = fonte.bold();
    f.italico = fonte.italic();
    f.sublinhado = fonte.underline();
    f.tachado = fonte.strikeOut();
    return f;
}

}  // namespace pjtCampoVivo::qt::detail
