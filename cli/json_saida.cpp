#include "cli/json_saida.hpp"

#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

constexpr char hexa[] = "0123456789abcdef";

void anexar_escape_u(char32_t unidade, std::string& destino) {
    destino += "\\u";
    for (int deslocamento = 12; deslocamento >= 0; deslocamento -= 4) {
        destino.push_back(hexa[(unidade >> deslocamento) & 0xF]);
    }
}

void anexar_controle(char16_t c, std::string& destino) {
    switch (c) {
        case u'\b':
            destino += "\\b";
            break;
        case u'\f':
            destino += "\\f";
            break;
        case u'\n':
            destino += "\\n";
            break;
        case u'\r':
            destino += "\\r";
            break;
        case u'\t':
            destino += "\\t";
            break;
        default:
            anexar_escape_u(c, destino);
    }
}

}  // namespace

void anexar_texto_json(std::u16string_view texto, std::string& destino) {
    destino.push_back('"');
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char16_t u = texto[i];
        if (u == u'"' || u == u'\\') {
            destino.push_back('\\');
            destino.push_back(static_cast<char>(u));
        } else if (u < 0x20) {
            anexar_controle(u, destino);
        } else if (u < 0x80) {
            destino.push_back(static_cast<char>(u));
        } else if (e_substituto_alto(u) && i + 1 < texto.size() &&
                   e_substituto_baixo(texto[i + 1])) {
            anexar_utf8(combinar_substitutos(u, texto[i + 1]), destino);
            ++i;
        } else if (e_substituto_alto(u) || e_substituto_baixo(u)) {
            anexar_escape_u(u, destino);
        } else {
            anexar_utf8(u, destino);
        }
    }
    destino.push_back('"');
}

std::string citar_json(std::u16string_view texto) {
    std::string citado;
    anexar_texto_json(texto, citado);
    return citado;
}

void EscritorJson::antes_de_valor() {
    if (apos_chave_) {
        apos_chave_ = false;
    } else if (!primeiro_) {
        destino_.push_back(',');
    }
    primeiro_ = false;
}

EscritorJson& EscritorJson::abrir_objeto() {
    antes_de_valor();
    destino_.push_back('{');
    primeiro_ = true;
    return *this;
}

EscritorJson& EscritorJson::fechar_objeto() {
    destino_.push_back('}');
    primeiro_ = false;
    return *this;
}

EscritorJson& EscritorJson::abrir_lista() {
    antes_de_valor();
    destino_.push_back('[');
    primeiro_ = true;
    return *this;
}

EscritorJson& EscritorJson::fechar_lista() {
    destino_.push_back(']');
    primeiro_ = false;
    return *this;
}

EscritorJson& EscritorJson::chave(std::string_view nome) {
    antes_de_valor();
    destino_.push_back('"');
    destino_ += nome;
    destino_ += "\":";
    apos_chave_ = true;
    return *this;
}

EscritorJson& EscritorJson::texto(std::u16string_view valor) {
    antes_de_valor();
    anexar_texto_json(valor, destino_);
    return *this;
}

EscritorJson& EscritorJson::numero(int64_t valor) {
    antes_de_valor();
    destino_ += std::to_string(valor);
    return *this;
}

EscritorJson& EscritorJson::booleano(bool valor) {
    antes_de_valor();
    destino_ += valor ? "true" : "false";
    return *this;
}

EscritorJson& EscritorJson::nulo() {
    return bruto("null");
}

EscritorJson& EscritorJson::bruto(std::string_view json) {
    antes_de_valor();
    destino_ += json;
    return *this;
}

}  // namespace pjtCampoVivo::cli
