// The one exception type of pjtCampoVivo. Every failure the library lets reach its caller
// carries a number, a kind and a short Portuguese description, so a host can tell an
// overflow from a bad argument without parsing text.
#pragma once

#include <cstdint>
#include <pjtcampovivo/engine_export.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pjtCampoVivo {

// Error numbers shared by the engine, the control, the toolkits and the session scripts.
namespace numero_erro {
inline constexpr int32_t ArgumentoInvalido = 5;
inline constexpr int32_t Estouro = 6;
inline constexpr int32_t IndiceInvalido = 9;
inline constexpr int32_t ValorNulo = 94;
inline constexpr int32_t SomenteEmExecucao = 382;
inline constexpr int32_t CampoInexistente = 3265;
}  // namespace numero_erro

enum class TipoErro {
    Estouro,            // a value does not fit its 16-bit or 32-bit target
    ArgumentoInvalido,  // an argument outside what the routine accepts
    IndiceInvalido,     // a list position out of range
    SomenteEmExecucao,  // a run-time-only member used in the form designer
    CampoInexistente,   // a recordset field name the recordset lacks
    ValorNulo,          // a null value where text is needed
    Toolkit,            // a failing toolkit operation, with the toolkit's own number
};

// The kind's name as session scripts write it: "estouro", "argumento_invalido", ...
PJTCAMPOVIVO_ENGINE_EXPORT std::string_view nome_tipo_erro(TipoErro tipo) noexcept;

class PJTCAMPOVIVO_ENGINE_EXPORT Erro : public std::runtime_error {
  public:
    Erro(int32_t numero, TipoErro tipo, const std::string& descricao)
        : std::runtime_error(descricao), numero_(numero), tipo_(tipo) {}

    int32_t numero() const noexcept { return numero_; }
    TipoErro tipo() const noexcept { return tipo_; }
    std::string_view descricao() const noexcept { return what(); }

    // The usual errors, with their standard numbers.
    static Erro estouro(const std::string& descricao);
    static Erro argumento_invalido(const std::string& descricao);
    static Erro indice_invalido(const std::string& descricao);

  private:
    int32_t numero_;
    TipoErro tipo_;
};

}  // namespace pjtCampoVivo
