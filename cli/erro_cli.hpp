// The tool's own failures: bad options, unreadable input, a malformed script line. main
// prints them as one line on standard error and ends with status 2.
#pragma once

#include <stdexcept>
#include <string>

namespace pjtCampoVivo::cli {

inline constexpr int status_sucesso = 0;
inline constexpr int status_invalido = 1;  // validar refused a value; carregar's Carregar failed
inline constexpr int status_erro = 2;      // bad usage or bad input: nothing more was done

class ErroCli : public std::runtime_error {
  public:
    explicit ErroCli(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

}  // namespace pjtCampoVivo::cli
