#include "support/sessao_headless.hpp"

#include <algorithm>

#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo::teste {

Sessao::Sessao() {
    // The flag is shared by the whole thread: a test that left it raised must not decide
    // what the next one sees.
    SeparadorInserido = 0;
    form.hospedeiro.ao_redimensionar = [this] { campo.Resize(); };
    campo.InitProperties();
    form.hospedeiro.redimensionar(3000, 315);
    esquecer();
}

void Sessao::esquecer() {
    form.hospedeiro.eventos.clear();
    form.hospedeiro.avisos.clear();
    form.tela.mensagens.clear();
    form.tela.injetadas.clear();
}

const headless::CaixaHeadlessBase& Sessao::mostrada() const {
    if (form.txtCombo.visivel() || !form.cboCombo.visivel()) return form.txtCombo;
    return form.cboCombo;
}

int Sessao::quantos(std::u16string_view evento) const {
    return static_cast<int>(std::count(eventos().begin(), eventos().end(), evento));
}

std::vector<std::u16string> Sessao::ouvidos(std::u16string_view prefixo) const {
    std::vector<std::u16string> r;
    for (const auto& e : eventos())
        if (e.starts_with(prefixo)) r.push_back(e);
    return r;
}

void Sessao::combo(int32_t estilo, std::initializer_list<std::u16string_view> entradas) {
    campo.Estilo(estilo);
    for (const std::u16string_view e : entradas) campo.AddItem(e);
    esquecer();
}

std::u16string texto_de(int32_t numero) {
    const std::string ascii = std::to_string(numero);
    return {ascii.begin(), ascii.end()};
}

ValorPropriedade BolsaMapa::ReadProperty(std::u16string_view chave,
                                         const ValorPropriedade& padrao) {
    lidas.emplace_back(chave);
    const auto it = valores.find(chave);
    return it == valores.end() ? padrao : it->second;
}

void BolsaMapa::WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                              const std::optional<ValorPropriedade>& padrao) {
    escritas.push_back({std::u16string(chave), valor, padrao});
    valores.insert_or_assign(std::u16string(chave), valor);
}

}  // namespace pjtCampoVivo::teste
