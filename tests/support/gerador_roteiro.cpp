#include "support/gerador_roteiro.hpp"

#include <array>
#include <cstddef>
#include <cstdio>

namespace pjtCampoVivo::teste {

namespace {

constexpr std::array<std::string_view, 8> Teclas{"Backspace", "Enter", "Tab",  "Delete",
                                                 "Home",      "End",   "Left", "Right"};

// A name in quotes. (Built by appending: GCC 12 warns, wrongly, about a literal prepended to a
// temporary string.)
std::string citado(std::string_view nome) {
    std::string r = "\"";
    r += nome;
    r += '"';
    return r;
}

}  // namespace

std::string json_texto(std::u16string_view texto) {
    std::string r = "\"";
    for (const char16_t c : texto) {
        if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
            r.push_back(static_cast<char>(c));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            r += escape;
        }
    }
    return r + "\"";
}

std::string GeradorRoteiro::inteiro(int64_t minimo, int64_t maximo) {
    return std::to_string(f_.inteiro(minimo, maximo));
}

std::string GeradorRoteiro::linha() {
    switch (escolha(0, 21)) {
        case 0:
        case 1:
            return "{\"set\": " + atribuicao() + "}";
        case 2:
            return leitura();
        case 3:
        case 4:
            return metodo();
        case 5:
            return std::string("{\"modo\": ") + (sim() ? "\"designer\"}" : "\"execucao\"}");
        case 6:
            return "{\"redimensionar\": [" + inteiro(-10, 100000) + ", " + inteiro(-10, 100000) +
                   "]}";
        case 7:
            return hospede();
        case 8:
        case 9:
        case 10:
        case 11:
            return "{\"teclar\": " + json_texto(digitado()) + "}";
        case 12:
        case 13:
            return "{\"tecla\": \"" + std::string(escolher(Teclas)) + "\"}";
        case 14:
            return "{\"selecionar\": [" + inteiro(-2, 40) + ", " + inteiro(-2, 40) + "]}";
        case 15:
            return "{\"colar\": " + json_texto(texto()) + "}";
        case 16:
            return "{\"focar\": true}";
        case 17:
            return "{\"sair\": true}";
        case 18:
            return "{\"clicar\": " + inteiro(-1, 6) + "}";
        case 19:
            return "{\"abrir\": true}";
        case 20:
            return "{\"duplo\": true}";
        default:
            return escolha(0, 7) == 0 ? "{\"novo\": true}" : "{\"focar\": true}";
    }
}

// A number for a 16-bit or 32-bit setting: mostly a small one, sometimes one at or just
// past the edges of the type, or one with a fraction (halves round to even).
std::string GeradorRoteiro::numero(int64_t minimo_usual, int64_t maximo_usual) {
    static constexpr std::array<std::string_view, 12> extremos{
        "-1",  "32767",      "32768",       "-32768", "-32769", "2147483647",
        "2.5", "2147483648", "-2147483649", "1e300",  "0.5",    "3.5"};
    if (escolha(0, 7) == 0) return std::string(escolher(extremos));
    return inteiro(minimo_usual, maximo_usual);
}

// One unit of typed or pasted text: digits most often, then letters, accents and the
// characters the masks and the case rules care about.
char16_t GeradorRoteiro::caractere() {
    static constexpr std::array<char16_t, 40> especiais{
        u',',    u'.',    u'-',      u'/',      u':',      u' ',      u'\'',     u'"',
        u'(',    u')',    u'+',      u'á',      u'Ã',      u'ç',      u'É',      u'ß',
        u'ǅ',    u'İ',    u'ı',      u'ﬀ',      u'ŉ',      u'ς',      u'\x08',   u'\x09',
        u'\x0D', u'\x00', u'\xFFFF', u'\xD800', u'\xDBFF', u'\xDC00', u'\xDFFF', u'\x7F',
        u'\x1B', u'\xA0', u'\x2028', u'0',      u'9',      u'a',      u'Z',      u'\xFEFF'};
    switch (escolha(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return static_cast<char16_t>(u'0' + escolha(0, 9));
        case 4:
            return static_cast<char16_t>(u'a' + escolha(0, 25));
        case 5:
            return static_cast<char16_t>(u'A' + escolha(0, 25));
        case 6:
            return static_cast<char16_t>(f_.inteiro(0, 0xFFFF));
        default:
            return escolher(especiais);
    }
}

// Typed text never reaches the 16-bit limit: each keystroke formats the whole text again,
// so typing 32,767 characters one by one costs their square and only times out.
std::u16string GeradorRoteiro::digitado() {
    return texto(false);
}

std::u16string GeradorRoteiro::texto(bool ate_o_limite) {
    std::u16string t;
    // Rare, since every later keystroke re-formats the whole text: lengths around the
    // 16-bit limit of lengths and positions, and texts longer than any mask.
    const int forma = escolha(0, 1023);
    if (forma == 0 && ate_o_limite) {
        static constexpr std::array<std::size_t, 4> tamanhos{32766, 32767, 32768, 33000};
        t.assign(escolher(tamanhos), caractere());
    } else if (forma < 17) {
        t.assign(static_cast<std::size_t>(f_.inteiro(20, 80)), caractere());
    } else if (forma < 33) {
        t = u"\xD83D\xDE00";  // a whole character beyond the Basic Multilingual Plane
    } else {
        const auto n = static_cast<std::size_t>(f_.inteiro(0, 12));
        for (std::size_t i = 0; i < n && !acabou(); ++i) t.push_back(caractere());
    }
    return t;
}

// "PROPERTY", "valor": V (and "indice" for List and ItemData), for set lines and the
// Change action.
std::string GeradorRoteiro::atribuicao() {
    auto par = [](std::string_view nome, const std::string& valor) {
        return citado(nome) + ", \"valor\": " + valor;
    };
    switch (escolha(0, 25)) {
        case 25:
            return par("UF", json_texto(sim() ? std::u16string(u"SP") : texto()));
        case 24:
            return par("TelefoneDDD", numero(-1, 2));
        case 22:
            return par("CNPJAlfanumerico", numero(-1, 2));
        case 23:
            return par("PesquisarNovamente", numero(-1, 2));
        case 0:
        case 1:
            return par("Estilo", numero(0, 2));
        case 2:
        case 3:
        case 4:
            return par("Mascara", numero(0, 15));
        case 5:
            return par("QuantidadeCasasDecimais", numero(0, 9));
        case 6:
            return par("CapsLockMixed", numero(0, 2));
        case 7:
            return par("FazerConsistenciaBasica", numero(-1, 2));
        case 8:
            return par("Alinhamento", numero(0, 2));
        case 9:
            return par("MaxLength", numero(0, 60));
        case 10:
            return par("ListIndex", numero(-2, 6));
        case 11:
            return par("TopIndex", numero(-1, 6));
        case 12:
            return par("SelStart", numero(-1, 20));
        case 13:
            return par("SelLength", numero(-1, 20));
        case 14:
            return par("QtdMaxRegRetornadosPesqLookUp", numero(0, 200));
        case 15:
            return par("Enabled", sim() ? "true" : "false");
        case 16:
            return par("CaracteresASeremRetiradosTexto", json_texto(texto()));
        case 17:
        case 18:
            return par("Text", json_texto(texto()));
        case 19:
            return par("SelText", json_texto(texto()));
        case 20:
            return par("ToolTipText", json_texto(texto()));
        default:
            return citado(sim() ? "List" : "ItemData") + ", \"indice\": " + numero(-1, 6) +
                   ", \"valor\": " + json_texto(texto());
    }
}

std::string GeradorRoteiro::leitura() {
    static constexpr std::array<std::string_view, 28> simples{"CNPJAlfanumerico",
                                                              "PesquisarNovamente",
                                                              "TelefoneDDD",
                                                              "UF",
                                                              "FazerConsistenciaBasica",
                                                              "Alinhamento",
                                                              "Enabled",
                                                              "hWnd",
                                                              "ListCount",
                                                              "ListIndex",
                                                              "NewIndex",
                                                              "SelLength",
                                                              "SelStart",
                                                              "SelText",
                                                              "Sorted",
                                                              "Style",
                                                              "Text",
                                                              "ClipText",
                                                              "ClipTextPonto",
                                                              "ToolTipText",
                                                              "TopIndex",
                                                              "Estilo",
                                                              "Mascara",
                                                              "QuantidadeCasasDecimais",
                                                              "CapsLockMixed",
                                                              "CaracteresASeremRetiradosTexto",
                                                              "MaxLength",
                                                              "QtdMaxRegRetornadosPesqLookUp"};
    if (escolha(0, 4) == 0) {
        return std::string("{\"get\": \"") + (sim() ? "List" : "ItemData") +
               "\", \"indice\": " + numero(-1, 6) + "}";
    }
    return "{\"get\": \"" + std::string(escolher(simples)) + "\"}";
}

// A recordset field's value: text, a number, a boolean or null.
std::string GeradorRoteiro::valor_de_campo() {
    switch (escolha(0, 7)) {
        case 0:
            return "null";
        case 1:
            return inteiro(-5, 100);
        case 2:
            return "3.5";
        case 3:
            return sim() ? "true" : "false";
        default:
            return json_texto(texto());
    }
}

std::string GeradorRoteiro::registros() {
    if (escolha(0, 7) == 0) return "null";
    std::string r = "[";
    const int n = escolha(0, 6);
    for (int i = 0; i < n; ++i) {
        if (i > 0) r += ", ";
        r += "{";
        bool primeiro = true;
        for (std::string_view campo : {"nome", "id", "NOME"}) {
            if (escolha(0, 5) == 0) continue;  // a field missing
            if (!primeiro) r += ", ";
            primeiro = false;
            r += citado(campo) + ": " + valor_de_campo();
        }
        r += "}";
    }
    return r + "]";
}

// A value of the bag ReadProperties reads, of the key's type or of any other.
std::string GeradorRoteiro::valor_de_bolsa() {
    switch (escolha(0, 9)) {
        case 0:
            return "null";
        case 1:
            return sim() ? "true" : "false";
        case 2:
            return "2.5";
        case 3:
            return "4294967295";
        case 4:
            return "-1";
        case 5:
            return json_texto(texto());
        case 6:
            return "\"12\"";
        default:
            return numero(0, 15);
    }
}

std::string GeradorRoteiro::bolsa() {
    static constexpr std::array<std::string_view, 22> chaves{"CNPJAlfanumerico",
                                                             "PesquisarNovamente",
                                                             "TelefoneDDD",
                                                             "UF",
                                                             "ForeColor",
                                                             "Alinhamento",
                                                             "Enabled",
                                                             "Font",
                                                             "BackColor",
                                                             "Locked",
                                                             "MouseIcon",
                                                             "MousePointer",
                                                             "Text",
                                                             "ToolTipText",
                                                             "WhatsThisHelpID",
                                                             "Estilo",
                                                             "Mascara",
                                                             "QuantidadeCasasDecimais",
                                                             "CapsLockMixed",
                                                             "CaracteresASeremRetiradosTexto",
                                                             "MaxLength",
                                                             "QtdMaxRegRetornadosPesqLookUp"};
    std::string b = "{";
    const int n = escolha(0, 8);
    for (int i = 0; i < n; ++i) {
        if (i > 0) b += ", ";
        b += citado(escolher(chaves)) + ": " + valor_de_bolsa();
    }
    return b + "}";
}

std::string GeradorRoteiro::metodo() {
    switch (escolha(0, 12)) {
        case 0:
        case 1:
        case 2: {
            std::string args = "\"Item\": " + json_texto(texto());
            if (escolha(0, 3) == 0) args += ", \"Index\": " + numero(-1, 5);
            if (sim()) args += ", \"ItemData\": " + json_texto(texto());
            return "{\"metodo\": \"AddItem\", \"args\": {" + args + "}}";
        }
        case 3:
            return "{\"metodo\": \"Clear\"}";
        case 4:
            return "{\"metodo\": \"RemoveItem\", \"args\": {\"Index\": " + numero(-1, 5) + "}}";
        case 5:
            return "{\"metodo\": \"PosicionarPorItem\", \"args\": {\"Item\": " +
                   json_texto(texto()) + "}}";
        case 6:
            return "{\"metodo\": \"PosicionarPorItemData\", \"args\": {\"ItemData\": " +
                   json_texto(texto()) + "}}";
        case 7:
        case 8: {
            static constexpr std::array<std::string_view, 5> campos{"nome", "id", "NOME", "falta",
                                                                    ""};
            std::string args = "\"Item\": \"" + std::string(escolher(campos)) + "\"";
            if (sim()) args += ", \"ItemData\": \"" + std::string(escolher(campos)) + "\"";
            if (sim()) args += ", \"ItemAPosicionar\": " + json_texto(texto());
            if (sim()) args += ", \"ItemDataAPosicionar\": " + json_texto(texto());
            return "{\"metodo\": \"Carregar\", \"registros\": " + registros() + ", \"args\": {" +
                   args + "}}";
        }
        case 9:
            return "{\"metodo\": \"ReadProperties\", \"bolsa\": " + bolsa() + "}";
        case 10:
            return "{\"metodo\": \"WriteProperties\"}";
        case 11:
            return "{\"metodo\": \"Refresh\"}";
        default:
            return "{\"metodo\": \"InitProperties\"}";
    }
}

std::string GeradorRoteiro::hospede() {
    switch (escolha(0, 2)) {
        case 0:
            return "{\"hospede\": {\"KeyPress\": {\"KeyAscii\": " + numero(0, 130) + "}}}";
        case 1: {
            std::string acao;
            if (sim()) {
                acao = "\"AddItem\": [";
                const int n = escolha(0, 4);
                for (int i = 0; i < n; ++i) acao += (i ? ", " : "") + json_texto(texto());
                acao += "]";
            }
            if (sim()) {
                if (!acao.empty()) acao += ", ";
                acao += "\"TextoProcurado\": " + json_texto(texto());
            }
            return "{\"hospede\": {\"FimItensLista\": {" + acao + "}}}";
        }
        default:
            return "{\"hospede\": {\"Change\": {\"set\": " + atribuicao() + "}}}";
    }
}

}  // namespace pjtCampoVivo::teste
