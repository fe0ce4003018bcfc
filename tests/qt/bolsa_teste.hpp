// A property bag for the Qt tests: answers `ler` when a widget loads from it (the default
// value where `ler` is empty or has no answer) and records what a widget saves, in order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace pjtCampoVivo::teste_qt {

using Escritas = std::vector<std::pair<std::u16string, ValorPropriedade>>;

struct Bolsa final : BolsaPropriedades {
    std::function<std::optional<ValorPropriedade>(std::u16string_view)> ler;
    Escritas lista;
    ValorPropriedade ReadProperty(std::u16string_view chave,
                                  const ValorPropriedade& padrao) override {
        const auto v = ler ? ler(chave) : std::nullopt;
        return v ? *v : padrao;
    }
    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>&) override {
        lista.emplace_back(chave, valor);
    }
};

// What the widget's WriteProperties writes, key by key.
inline Escritas escritas(qt::CampoVivoWidget& w) {
    Bolsa b;
    w.gravarPropriedades(b);
    return b.lista;
}

}  // namespace pjtCampoVivo::teste_qt
