#include "support/sessao_headless.hpp"

#include <algorithm>

#include "formatting/separador_inserido.hpp"

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

bool Sessao::ouviu(std::u16string_view prefixo) const {
    return std::any_of(eventos().begin(), eventos().end(),
                       [&](const std::u16string& e) { return e.starts_with(prefixo); });
}

void Sessao::combo(int32_t estilo, std::initializer_list<std::u16string_view> entradas) {
    campo.Estilo(estilo);
    for (const std::u16string_view e : entradas) campo.AddItem(e);
    esquecer();
}

std::u16string texto_de(int32_t numero) {
    std::u16string saida;
    for (const char c : std::to_string(numero)) saida += static_cast<char16_t>(c);
    return saida;
}

std::string em_utf8(std::u16string_view texto) {
    std::string saida;
    for (const char16_t u : texto) {
        const char32_t c = u;
        if (c < 0x80) {
            saida += static_cast<char>(c);
        } else if (c < 0x800) {
            saida += static_cast<char>(0xC0 | (c >> 6));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return saida;
}

std::optional<Erro> falha_de(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erro& e) {
        return e;
    }
    return std::nullopt;
}

int32_t numero_de(const std::function<void()>& f) {
    const std::optional<Erro> e = falha_de(f);
    return e ? e->numero() : 0;
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
