#include "cli/mascara_opcao.hpp"

#include <charconv>
#include <string>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include "cli/erro_cli.hpp"

namespace pjtCampoVivo::cli {

namespace {

char minuscula(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool iguais_sem_caixa(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    }
    return true;
}

std::string_view primeira_palavra(std::string_view nome) noexcept {
    return nome.substr(0, nome.find(' '));
}

const EnumeracaoPublicada& mascaras() noexcept {
    return *enumeracao_publicada("eMascara");
}

}  // namespace

int32_t interpretar_mascara(std::string_view texto) {
    int32_t numero = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
    if (erro == std::errc{} && fim == texto.data() + texto.size()) {
        if (mascaras().nome_de(numero)) return numero;
    } else {
        for (const auto& membro : mascaras().membros) {
            if (iguais_sem_caixa(texto, membro.nome) ||
                iguais_sem_caixa(texto, primeira_palavra(membro.nome))) {
                return membro.valor;
            }
        }
    }
    throw ErroCli("unknown mask '" + std::string(texto) +
                  "' (use 0 to 15 or a name such as DdMmAaaa; 'campovivo mascaras' lists them)");
}

}  // namespace pjtCampoVivo::cli
