#include "cli/json_leitura.hpp"

#include <cstdlib>

#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

// Deep enough for any script; shallow enough that "[[[[..." cannot exhaust the stack.
constexpr int profundidade_maxima = 256;

bool e_branco(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool e_digito(char c) noexcept {
    return c >= '0' && c <= '9';
}

int valor_hexa(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Leitor {
  public:
    explicit Leitor(std::string_view texto) : t_(texto) {}

    ValorJson documento() {
        ValorJson v = valor(0);
        pular_brancos();
        if (i_ < t_.size()) falhar("unexpected text after the value");
        return v;
    }

  private:
    [[noreturn]] void falhar(const std::string& motivo) const {
        throw JsonInvalido(i_ + 1, motivo);
    }

    void pular_brancos() {
        while (i_ < t_.size() && e_branco(t_[i_])) ++i_;
    }

    bool tem(char c) const { return i_ < t_.size() && t_[i_] == c; }

    void esperar(char c) {
        if (!tem(c)) falhar(std::string("expected '") + c + "'");
        ++i_;
    }

    ValorJson valor(int profundidade) {
        if (profundidade > profundidade_maxima) falhar("nested too deeply");
        pular_brancos();
        if (i_ >= t_.size()) falhar("a value was expected");
        ValorJson v;
        switch (t_[i_]) {
            case '{':
                objeto(v, profundidade);
                break;
            case '[':
                lista(v, profundidade);
                break;
            case '"':
                v.tipo = ValorJson::Tipo::Texto;
                texto(v.texto);
                break;
            case 't':
                palavra("true", v, ValorJson::Tipo::Booleano, true);
                break;
            case 'f':
                palavra("false", v, ValorJson::Tipo::Booleano, false);
                break;
            case 'n':
                palavra("null", v, ValorJson::Tipo::Nulo, false);
                break;
            default:
                numero(v);
        }
        return v;
    }

    void palavra(std::string_view p, ValorJson& v, ValorJson::Tipo tipo, bool booleano) {
        if (t_.substr(i_, p.size()) != p) falhar("unknown literal");
        i_ += p.size();
        v.tipo = tipo;
        v.booleano = booleano;
    }

    void objeto(ValorJson& v, int profundidade) {
        v.tipo = ValorJson::Tipo::Objeto;
        ++i_;
        pular_brancos();
        if (tem('}')) {
            ++i_;
            return;
        }
        for (;;) {
            pular_brancos();
            if (!tem('"')) falhar("expected a member name in quotes");
            std::u16string chave;
            texto(chave);
            pular_brancos();
            esperar(':');
            v.objeto.push_back({std::move(chave), valor(profundidade + 1)});
            pular_brancos();
            if (tem('}')) break;
            esperar(',');
        }
        ++i_;
    }

    void lista(ValorJson& v, int profundidade) {
        v.tipo = ValorJson::Tipo::Lista;
        ++i_;
        pular_brancos();
        if (tem(']')) {
            ++i_;
            return;
        }
        for (;;) {
            v.lista.push_back(valor(profundidade + 1));
            pular_brancos();
            if (tem(']')) break;
            esperar(',');
        }
        ++i_;
    }

    // A string literal; each \uXXXX escape gives its unit as is, so a pair written as two
    // escapes becomes the pair and a lone surrogate stays lone.
    void texto(std::u16string& destino) {
        ++i_;
        for (;;) {
            if (i_ >= t_.size()) falhar("unterminated string");
            const char c = t_[i_];
            if (c == '"') {
                ++i_;
                return;
            }
            if (static_cast<unsigned char>(c) < 0x20) falhar("control character in a string");
            if (c == '\\') {
                escape(destino);
            } else if (static_cast<unsigned char>(c) < 0x80) {
                destino.push_back(static_cast<char16_t>(c));
                ++i_;
            } else {
                anexar_utf16(ler_ponto_utf8(t_, i_), destino);
            }
        }
    }

    void escape(std::u16string& destino) {
        ++i_;
        if (i_ >= t_.size()) falhar("unterminated string");
        const char c = t_[i_++];
        switch (c) {
            case '"':
                destino.push_back(u'"');
                return;
            case '\\':
                destino.push_back(u'\\');
                return;
            case '/':
                destino.push_back(u'/');
                return;
            case 'b':
                destino.push_back(u'\b');
                return;
            case 'f':
                destino.push_back(u'\f');
                return;
            case 'n':
                destino.push_back(u'\n');
                return;
            case 'r':
                destino.push_back(u'\r');
                return;
            case 't':
                destino.push_back(u'\t');
                return;
            case 'u':
                break;
            default:
                --i_;
                falhar("unknown escape");
        }
        char16_t unidade = 0;
        for (int k = 0; k < 4; ++k, ++i_) {
            const int h = i_ < t_.size() ? valor_hexa(t_[i_]) : -1;
            if (h < 0) falhar("\\u needs four hexadecimal digits");
            unidade = static_cast<char16_t>((unidade << 4) | h);
        }
        destino.push_back(unidade);
    }

    void digitos() {
        const std::size_t inicio = i_;
        while (i_ < t_.size() && e_digito(t_[i_])) ++i_;
        if (i_ == inicio) falhar("malformed number");
    }

    void numero(ValorJson& v) {
        const std::size_t inicio = i_;
        if (tem('-')) ++i_;
        if (tem('0')) {
            ++i_;
        } else {
            if (i_ >= t_.size() || !e_digito(t_[i_])) falhar("a value was expected");
            digitos();
        }
        if (tem('.')) {
            ++i_;
            digitos();
        }
        if (tem('e') || tem('E')) {
            ++i_;
            if (tem('+') || tem('-')) ++i_;
            digitos();
        }
        v.tipo = ValorJson::Tipo::Numero;
        v.literal = std::string(t_.substr(inicio, i_ - inicio));
        // Out-of-range magnitudes become infinity or zero, as a host reading a double would.
        v.numero = std::strtod(v.literal.c_str(), nullptr);
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

}  // namespace

const ValorJson* ValorJson::membro(std::u16string_view chave) const noexcept {
    for (auto it = objeto.rbegin(); it != objeto.rend(); ++it) {
        if (it->chave == chave) return &it->valor;
    }
    return nullptr;
}

JsonInvalido::JsonInvalido(std::size_t coluna, const std::string& motivo)
    : std::runtime_error(motivo + " at column " + std::to_string(coluna)), coluna_(coluna) {}

ValorJson ler_json(std::string_view texto) {
    try {
        return Leitor(texto).documento();
    } catch (const Utf8Invalido& e) {
        throw JsonInvalido(e.posicao() + 1, e.what());
    }
}

std::string_view nome_tipo_json(ValorJson::Tipo tipo) noexcept {
    switch (tipo) {
        case ValorJson::Tipo::Nulo:
            return "null";
        case ValorJson::Tipo::Booleano:
            return "boolean";
        case ValorJson::Tipo::Numero:
            return "number";
        case ValorJson::Tipo::Texto:
            return "string";
        case ValorJson::Tipo::Lista:
            return "array";
        case ValorJson::Tipo::Objeto:
            return "object";
    }
    return "value";
}

}  // namespace pjtCampoVivo::cli
