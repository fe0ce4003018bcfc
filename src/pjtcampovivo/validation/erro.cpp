#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo {

std::string_view nome_tipo_erro(TipoErro tipo) noexcept {
    switch (tipo) {
        case TipoErro::Estouro:
            return "estouro";
        case TipoErro::ArgumentoInvalido:
            return "argumento_invalido";
        case TipoErro::IndiceInvalido:
            return "indice_invalido";
        case TipoErro::SomenteEmExecucao:
            return "somente_em_execucao";
        case TipoErro::CampoInexistente:
            return "campo_inexistente";
        case TipoErro::ValorNulo:
            return "valor_nulo";
        case TipoErro::Toolkit:
            return "toolkit";
    }
    return "toolkit";
}

Erro Erro::estouro(const std::string& descricao) {
    return {numero_erro::Estouro, TipoErro::Estouro, descricao};
}

Erro Erro::argumento_invalido(const std::string& descricao) {
    return {numero_erro::ArgumentoInvalido, TipoErro::ArgumentoInvalido, descricao};
}

Erro Erro::indice_invalido(const std::string& descricao) {
    return {numero_erro::IndiceInvalido, TipoErro::IndiceInvalido, descricao};
}

}  // namespace pjtCampoVivo
