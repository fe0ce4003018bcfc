#include <pjtcampovivo/toolkit/headless/falhas.hpp>

#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::headless {

void Falhas::falhar(const std::string& operacao, int n, int32_t numero) {
    armadas_[operacao] = Armada{n, numero};
}

void Falhas::contar(const char* operacao) {
    if (observador) observador(operacao);
    if (armadas_.empty()) return;
    const auto it = armadas_.find(std::string_view(operacao));
    if (it == armadas_.end()) return;
    if (--it->second.restantes > 0) return;
    const int32_t numero = it->second.numero;
    armadas_.erase(it);
    throw Erro(numero, TipoErro::Toolkit, std::string("Falha simulada do toolkit em ") + operacao);
}

}  // namespace pjtCampoVivo::headless
