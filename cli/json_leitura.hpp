// Reads one JSON value from a line of a session script. Strings come out as UTF-16 exactly
// as written: a \uXXXX escape gives that 16-bit unit even when it is a lone surrogate, which
// a script needs to hand the engine any text at all.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pjtCampoVivo::cli {

struct MembroJson;

struct ValorJson {
    enum class Tipo { Nulo, Booleano, Numero, Texto, Lista, Objeto };

    Tipo tipo = Tipo::Nulo;
    bool booleano = false;
    double numero = 0;
    std::string literal;  // a number as written, "2.50"
    std::u16string texto;
    std::vector<ValorJson> lista;
    std::vector<MembroJson> objeto;  // members in input order

    // The member with this key (the last one when a key repeats), or nullptr.
    const ValorJson* membro(std::u16string_view chave) const noexcept;
};

struct MembroJson {
    std::u16string chave;
    ValorJson valor;
};

// Thrown for text that is not one well-formed JSON value; coluna is 1-based, in bytes.
class JsonInvalido : public std::runtime_error {
  public:
    JsonInvalido(std::size_t coluna, const std::string& motivo);
    std::size_t coluna() const noexcept { return coluna_; }

  private:
    std::size_t coluna_;
};

// Parses texto as exactly one JSON value with optional blanks around it.
ValorJson ler_json(std::string_view texto);

// The name of a JSON type as messages say it: "string", "number", "object", ...
std::string_view nome_tipo_json(ValorJson::Tipo tipo) noexcept;

}  // namespace pjtCampoVivo::cli
