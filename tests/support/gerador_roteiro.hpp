// Well-formed session scripts for `campovivo roteiro`, one line at a time: every operation a
// script has, with values in and out of range, every style, mask, list action and host
// handler. What is chosen comes from a FonteEscolhas: a fuzzer's bytes, or a seeded
// pseudo-random sequence for a test that replays the same scripts on every run.
//
//   EscolhasSemente escolhas(42);
//   GeradorRoteiro gerador(escolhas);
//   for (int i = 0; i < 30; ++i) std::puts(gerador.linha().c_str());
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace pjtCampoVivo::teste {

// Where the generator's choices come from.
class FonteEscolhas {
  public:
    virtual ~FonteEscolhas() = default;
    // A whole number in [minimo, maximo].
    virtual int64_t inteiro(int64_t minimo, int64_t maximo) = 0;
    // True when no choice is left; the generator then ends texts early.
    virtual bool acabou() const = 0;
};

// Choices from a seeded generator: the same seed gives the same scripts on every machine.
class EscolhasSemente final : public FonteEscolhas {
  public:
    explicit EscolhasSemente(uint64_t semente) : motor_(semente) {}

    int64_t inteiro(int64_t minimo, int64_t maximo) override {
        const auto faixa = static_cast<uint64_t>(maximo) - static_cast<uint64_t>(minimo);
        const uint64_t sorteio = motor_();
        const uint64_t deslocamento = faixa == UINT64_MAX ? sorteio : sorteio % (faixa + 1);
        return static_cast<int64_t>(static_cast<uint64_t>(minimo) + deslocamento);
    }
    bool acabou() const override { return false; }

  private:
    std::mt19937_64 motor_;
};

// A JSON string with every unit outside printable ASCII escaped, so any 16-bit text (lone
// surrogates included) goes through the script unchanged.
std::string json_texto(std::u16string_view texto);

class GeradorRoteiro {
  public:
    explicit GeradorRoteiro(FonteEscolhas& fonte) : f_(fonte) {}

    bool acabou() const { return f_.acabou(); }

    // One script line, a JSON object without the newline.
    std::string linha();

  private:
    int escolha(int minimo, int maximo) { return static_cast<int>(f_.inteiro(minimo, maximo)); }
    bool sim() { return f_.inteiro(0, 1) == 1; }
    std::string inteiro(int64_t minimo, int64_t maximo);
    std::string numero(int64_t minimo_usual, int64_t maximo_usual);
    char16_t caractere();
    std::u16string digitado();
    std::u16string texto(bool ate_o_limite = true);
    std::string atribuicao();
    std::string leitura();
    std::string valor_de_campo();
    std::string registros();
    std::string valor_de_bolsa();
    std::string bolsa();
    std::string metodo();
    std::string hospede();

    template <typename Opcoes>
    auto escolher(const Opcoes& opcoes) {
        return opcoes[static_cast<std::size_t>(
            f_.inteiro(0, static_cast<int64_t>(opcoes.size()) - 1))];
    }

    FonteEscolhas& f_;
};

}  // namespace pjtCampoVivo::teste
