// Compact JSON output for UTF-16 texts. Texts are written as UTF-8 except for the characters
// JSON must escape and for lone surrogates, which have no UTF-8 form and are written as
// \uXXXX so that a reader gets back exactly the 16-bit units the engine produced.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pjtCampoVivo::cli {

// Appends texto as a JSON string literal, quotes included.
void anexar_texto_json(std::u16string_view texto, std::string& destino);

// texto as a JSON string literal: how messages quote a name taken from a script, so that
// control characters and lone surrogates stay visible and the message stays on one line.
std::string citar_json(std::u16string_view texto);

// Builds one compact JSON value into a caller's string, placing commas and colons:
//
//   EscritorJson j(linha);
//   j.abrir_objeto().chave("linha").numero(3).chave("valor").texto(u"12/").fechar_objeto();
//   // linha == R"({"linha":3,"valor":"12/"})"
class EscritorJson {
  public:
    explicit EscritorJson(std::string& destino) : destino_(destino) {}

    EscritorJson& abrir_objeto();
    EscritorJson& fechar_objeto();
    EscritorJson& abrir_lista();
    EscritorJson& fechar_lista();
    // Object keys are the tool's own ASCII names.
    EscritorJson& chave(std::string_view nome);

    EscritorJson& texto(std::u16string_view valor);
    EscritorJson& numero(int64_t valor);
    EscritorJson& booleano(bool valor);
    EscritorJson& nulo();
    // A value already in JSON form (a number literal as the input wrote it, ...).
    EscritorJson& bruto(std::string_view json);

  private:
    void antes_de_valor();

    std::string& destino_;
    bool primeiro_ = true;     // nothing written yet in the innermost object or list
    bool apos_chave_ = false;  // a key was written and its value is due
};

}  // namespace pjtCampoVivo::cli
