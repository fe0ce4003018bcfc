// Random user and host actions over several CampoVivo controls in every style, with the host's
// handlers armed now and then and, unless CAMPOVIVO_SEM_FALHAS is set, a toolkit call failing.
// Invariants are checked after each action; memory must stay flat after the warm-up.
//   resistencia [ACOES [SEMENTE]]
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "support/sessao_headless.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define CAMPOVIVO_COM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CAMPOVIVO_COM_ASAN 1
#endif
#endif

namespace pjtCampoVivo {
namespace {

using teste::Sessao;

constexpr int32_t FalhaInjetada = 380;
// Lists and texts stay below these sizes, so that memory growth means a leak.
constexpr std::size_t ListaMaxima = 300;
constexpr std::size_t TextoMaximo = 20000;
constexpr long CrescimentoPermitidoKiB = 4096;

bool numero_permitido(int32_t n) {
    using namespace numero_erro;
    return std::ranges::count(std::array{ArgumentoInvalido, Estouro, IndiceInvalido, ValorNulo,
                                         SomenteEmExecucao, CampoInexistente, FalhaInjetada},
                              n) > 0;
}

long residente_kib() {
    std::ifstream statm("/proc/self/statm");
    long paginas = 0, residentes = 0;
    statm >> paginas >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

long numero(int argc, char** argv, int i, long padrao) {
    return i < argc ? std::atol(argv[i]) : padrao;
}

// One control on its form, with host handlers armed for one raise.
class Controle {
  public:
    Controle() {
        auto& t = s.form.hospedeiro.tratadores;
        t.KeyPress = [this](int16_t& KeyAscii) {
            if (std::exchange(cancelar_tecla, false)) KeyAscii = 0;
        };
        t.FimItensLista = [this](std::u16string& TextoProcurado) {
            const auto entradas = std::exchange(no_fim_da_lista, std::nullopt);
            if (!entradas) return;
            for (const auto& e : *entradas) s.campo.AddItem(e);
            TextoProcurado += u"x";
        };
        t.Change = [this] {
            if (const auto t = std::exchange(texto_no_change, std::nullopt)) s.campo.Text(*t);
        };
    }
    Sessao s;
    bool cancelar_tecla = false;
    std::optional<std::vector<std::u16string>> no_fim_da_lista;
    std::optional<std::u16string> texto_no_change;
};

class Resistencia {
  public:
    explicit Resistencia(uint64_t semente) : sorte_(semente) {
        for (int i = 0; i < 6; ++i) {
            controles_.push_back(std::make_unique<Controle>());
            configurar(*controles_.back(), i % 3, (i * 5) % 16);
        }
    }

    // Runs one random action; false with a message when something broke.
    bool passo(std::string& falha) {
        const auto k = static_cast<std::size_t>(entre(0, static_cast<int>(controles_.size()) - 1));
        Controle& c = *controles_[k];
        acao_.clear();
        armada_.clear();
        falha.clear();
        renovar_ = false;
        try {
            agir(c);
        } catch (const Erro& e) {
            ++erros_[e.numero()];
            if (!numero_permitido(e.numero()))
                falha = acao_ + ": error " + std::to_string(e.numero()) + " " + e.what();
        } catch (const std::exception& e) {
            falha = acao_ + ": unexpected exception " + e.what();
        }
        if (!falha.empty()) return false;
        c.s.form.txtCombo.falhas().limpar();
        c.s.form.cboCombo.falhas().limpar();
        c.s.esquecer();
        if (!verificar(c, falha)) {
            falha = acao_ + ": " + falha;
            if (!armada_.empty()) falha += " (armed to fail: " + armada_ + ")";
            return false;
        }
        limitar(c);
        if (renovar_) {  // the form is replaced by a fresh one, the old one destroyed
            controles_[k] = std::make_unique<Controle>();
            configurar(*controles_[k], entre(0, 2), entre(0, 15));
        }
        return true;
    }

    // How many actions ended with each error number.
    const std::map<int32_t, long>& erros() const noexcept { return erros_; }

  private:
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(sorte_); }
    bool chance(int em) { return entre(1, em) == 1; }

    std::u16string texto(int tamanho) {
        static constexpr std::u16string_view Letras =
            u"0123456789012345678901234567890123456789abcXYZçÃé -,./:#'";
        std::u16string t;
        for (int i = 0; i < tamanho; ++i) {  // now and then a pair, which a cut may split
            t += chance(200) ? u"\U0001F600"
                             : Letras.substr(std::size_t(entre(0, int(Letras.size()) - 1)), 1);
        }
        return t;
    }

    void configurar(Controle& c, int32_t estilo, int32_t mascara) {
        c.s.campo.Estilo(estilo);
        c.s.campo.Mascara(mascara);
        c.s.esquecer();
    }

    void agir(Controle& c) {
        CampoVivo& campo = c.s.campo;
        headless::Formulario& form = c.s.form;
        const int n = static_cast<int>(campo.estado().itemData.size());
        const int quanto = static_cast<int>(c.s.texto().size());
        if (injetar_ && chance(300)) {  // a toolkit operation fails during this action
            static constexpr std::array<const char*, 9> Operacoes = {
                "Text=",      "SelStart=", "SelText=", "AddItem",   "Clear",
                "SelLength=", "SetFocus",  "NewIndex", "ListIndex="};
            const bool texto = chance(2);
            armada_ = std::string(texto ? "txtCombo." : "cboCombo.") +
                      Operacoes[static_cast<std::size_t>(entre(0, 8))] + " call " +
                      std::to_string(entre(1, 3));
            (texto ? form.txtCombo.falhas() : form.cboCombo.falhas())
                .falhar(armada_.substr(9, armada_.find(' ') - 9), armada_.back() - '0',
                        FalhaInjetada);
        }
        // The actions that reach the toolkit calls armed above; the generated session scripts
        // cover the rest of what a user and a host do. Typing is drawn more often.
        const std::pair<const char*, std::function<void()>> acoes[] = {
            {"teclar", [&] { form.teclar(texto(entre(1, 8))); }},
            {"tecla", [&] { form.tecla(static_cast<headless::Tecla>(entre(0, 7))); }},
            {"selecionar", [&] { form.selecionar(entre(-2, quanto + 2), entre(-2, quanto + 2)); }},
            {"colar", [&] { form.colar(texto(chance(8) ? entre(200, 5000) : entre(0, 20))); }},
            {"focar/sair", [&] { chance(2) ? form.focar() : form.sair(); }},
            {"clicar", [&] { form.clicar(static_cast<int16_t>(entre(-1, n))); }},
            {"Mascara/Estilo",
             [&] { chance(3) ? campo.Estilo(entre(0, 2)) : campo.Mascara(entre(0, 15)); }},
            {"Text", [&] { campo.Text(texto(entre(0, 30))); }},
            {"ListIndex", [&] { campo.ListIndex(static_cast<int16_t>(entre(-2, n))); }},
            {"AddItem",
             [&] {
                 const auto onde = chance(4) ? std::optional<int>(entre(-1, n + 1)) : std::nullopt;
                 campo.AddItem(texto(entre(0, 12)), onde, texto(entre(0, 4)));
             }},
            {"RemoveItem/Clear",
             [&] {
                 chance(6) ? campo.Clear() : campo.RemoveItem(static_cast<int16_t>(entre(-1, n)));
             }},
            {"Carregar", [&] { carregar(campo); }},
            {"hospede KeyPress/FimItensLista/Change",
             [&] {
                 if (chance(3)) {
                     c.cancelar_tecla = true;
                 } else if (chance(2)) {
                     c.no_fim_da_lista = std::vector<std::u16string>{texto(entre(0, 6)), texto(3)};
                 } else {
                     c.texto_no_change = texto(entre(0, 10));
                 }
                 form.teclar(texto(entre(1, 3)));
             }},
            {"novo",  // now and then the form is replaced by a fresh one, the old one destroyed
             [&] { chance(20) ? void(renovar_ = true) : form.tecla(headless::Tecla::Backspace); }},
        };
        const int sorteio = entre(-4, static_cast<int>(std::size(acoes)) - 1);
        const auto& [nome, acao] = acoes[static_cast<std::size_t>(std::max(sorteio, 0))];
        acao_ = nome;
        acao();
    }

    void carregar(CampoVivo& campo) {
        std::vector<headless::RecordsetMemoria::Registro> registros;
        const int quantos = entre(0, 40);
        for (int i = 0; i < quantos; ++i) {
            std::optional<std::u16string> nome = texto(entre(0, 10));
            if (chance(60)) nome.reset();  // a null value fails, keeping what was loaded
            registros.push_back({{u"nome", nome}, {u"id", texto(entre(0, 3))}});
        }
        headless::RecordsetMemoria rs(std::move(registros));
        const std::u16string campo_item = chance(30) ? u"inexistente" : u"NOME";
        campo.Carregar(chance(50) ? nullptr : &rs, campo_item, chance(2) ? u"id" : u"",
                       texto(entre(0, 2)), chance(4) ? texto(1) : u"");
    }

    static bool selecao_dentro(const headless::CaixaHeadlessBase& caixa, std::string& falha) {
        const int64_t inicio = caixa.inicio_selecao(), tamanho = caixa.tamanho_selecao();
        if (inicio >= 0 && tamanho >= 0 && inicio + tamanho <= int64_t(caixa.texto().size()))
            return true;
        falha = caixa.nome() + " selects outside its text";
        return false;
    }

    static bool verificar(Controle& c, std::string& falha) {
        const headless::Formulario& form = c.s.form;
        const std::size_t itens = form.cboCombo.lista().size();
        const int16_t i = form.cboCombo.indice();
        if (c.s.campo.estado().itemData.size() != itens) falha = "itemData size != list size";
        if (c.s.campo.ListCount() != static_cast<int16_t>(itens)) falha = "ListCount != list size";
        if (i < -1 || i >= static_cast<int>(itens)) falha = "ListIndex " + std::to_string(i);
        if (form.foco() == nullptr) falha = "no box has the focus";
        return falha.empty() && selecao_dentro(form.txtCombo, falha) &&
               selecao_dentro(form.cboCombo, falha) && selecao_dentro(form.proximo, falha);
    }

    static void limitar(Controle& c) {
        if (c.s.form.cboCombo.lista().size() > ListaMaxima) c.s.campo.Clear();
        if (std::max(c.s.form.txtCombo.texto().size(), c.s.form.cboCombo.texto().size()) >
            TextoMaximo)
            c.s.campo.Text(u"");
        c.s.esquecer();
    }

    std::mt19937_64 sorte_;
    std::vector<std::unique_ptr<Controle>> controles_;
    std::string acao_;
    bool renovar_ = false;
    std::string armada_;  // the toolkit failure armed for this action
    std::map<int32_t, long> erros_;
    bool injetar_ = std::getenv("CAMPOVIVO_SEM_FALHAS") == nullptr;
};

}  // namespace
}  // namespace pjtCampoVivo

int main(int argc, char** argv) {
    using Relogio = std::chrono::steady_clock;
    const long acoes = pjtCampoVivo::numero(argc, argv, 1, 1000000);
    const auto semente = static_cast<uint64_t>(pjtCampoVivo::numero(argc, argv, 2, 20261207));
    if (acoes <= 0) {
        std::fprintf(stderr, "resistencia: the number of actions must be positive\n");
        return 2;
    }
    pjtCampoVivo::Resistencia r(semente);
    const long aquecimento = acoes / 10;
    long memoria_aquecida = 0, memoria_maxima = 0;
    const auto inicio = Relogio::now();
    std::string falha;
    for (long i = 0; i < acoes; ++i) {
        if (!r.passo(falha)) {
            std::fprintf(stderr, "resistencia: action %ld (seed %llu): %s\n", i,
                         static_cast<unsigned long long>(semente), falha.c_str());
            return 1;
        }
        if (i + 1 == aquecimento) memoria_aquecida = pjtCampoVivo::residente_kib();
        if (i >= aquecimento && (i % 10000) == 0)
            memoria_maxima = std::max(memoria_maxima, pjtCampoVivo::residente_kib());
    }
    const double segundos = std::chrono::duration<double>(Relogio::now() - inicio).count();
    const long memoria_final = pjtCampoVivo::residente_kib();
    memoria_maxima = std::max(memoria_maxima, memoria_final);
    std::printf("%ld actions in %.2f s: %.0f actions/s, seed %llu\nerrors:", acoes, segundos,
                static_cast<double>(acoes) / segundos, static_cast<unsigned long long>(semente));
    for (const auto& [numero, vezes] : r.erros()) std::printf(" %d x%ld", numero, vezes);
    std::printf("\nresident KiB: %ld after warm-up, %ld at the end, %ld at most\n",
                memoria_aquecida, memoria_final, memoria_maxima);
#ifndef CAMPOVIVO_COM_ASAN
    // AddressSanitizer holds freed blocks in quarantine, so only LeakSanitizer judges there.
    if (memoria_aquecida > 0 &&
        memoria_maxima - memoria_aquecida > pjtCampoVivo::CrescimentoPermitidoKiB) {
        std::fprintf(stderr, "resistencia: memory grew by %ld KiB after the warm-up\n",
                     memoria_maxima - memoria_aquecida);
        return 1;
    }
#endif
    return 0;
}
