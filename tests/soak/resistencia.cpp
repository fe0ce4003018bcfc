// Random user and host actions over several CampoVivo controls in every style, with the host's
// handlers armed now and then and, unless CAMPOVIVO_SEM_FALHAS is set, a toolkit call failing.
// Invariants are checked after each action; memory must stay flat after the warm-up.
//   resistencia [ACOES [SEMENTE]]   (or CAMPOVIVO_ACOES, CAMPOVIVO_SEMENTE)
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
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
    namespace e = numero_erro;
    return n == e::ArgumentoInvalido || n == e::Estouro || n == e::IndiceInvalido ||
           n == e::ValorNulo || n == e::SomenteEmExecucao || n == e::CampoInexistente ||
           n == FalhaInjetada;
}

long residente_kib() {
    std::ifstream statm("/proc/self/statm");
    long paginas = 0, residentes = 0;
    statm >> paginas >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

long numero_do_ambiente(const char* nome, long padrao) {
    const char* v = std::getenv(nome);
    return v != nullptr ? std::atol(v) : padrao;
}

// One control on its form, with host handlers armed for one raise.
class Controle {
  public:
    Controle() {
        auto& t = s.form.hospedeiro.tratadores;
        t.KeyPress = [this](int16_t& KeyAscii) {
            if (!cancelar_tecla) return;
            cancelar_tecla = false;
            KeyAscii = 0;
        };
        t.FimItensLista = [this](std::u16string& TextoProcurado) {
            if (!no_fim_da_lista) return;
            const std::vector<std::u16string> entradas = std::move(*no_fim_da_lista);
            no_fim_da_lista.reset();
            for (const auto& e : entradas) s.campo.AddItem(e);
            TextoProcurado += u"x";
        };
        t.Change = [this] {
            if (!texto_no_change) return;
            const std::u16string texto = std::move(*texto_no_change);
            texto_no_change.reset();
            s.campo.Text(texto);
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
        acao_ = "?";
        armada_.clear();
        renovar_ = false;
        try {
            agir(c);
        } catch (const Erro& e) {
            ++erros_[e.numero()];
            if (!numero_permitido(e.numero())) {
                falha =
                    std::string(acao_) + ": error " + std::to_string(e.numero()) + " " + e.what();
                return false;
            }
        } catch (const std::exception& e) {
            falha = std::string(acao_) + ": unexpected exception " + e.what();
            return false;
        }
        c.s.form.txtCombo.falhas().limpar();
        c.s.form.cboCombo.falhas().limpar();
        c.s.esquecer();
        if (!verificar(c, falha)) {
            falha = std::string(acao_) + ": " + falha;
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
        for (int i = 0; i < tamanho; ++i) {
            if (chance(200)) {
                t += u"\U0001F600";  // a pair, which a cut may split
            } else {
                t += Letras[static_cast<std::size_t>(entre(0, int(Letras.size()) - 1))];
            }
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
        // Typing is drawn six times as often, keys and focus twice.
        static constexpr std::array<int, 32> Sorteio = {0,  0,  0,  0,  0,  0,  6,  6,  8,  9,  10,
                                                        10, 12, 13, 14, 14, 14, 17, 18, 19, 20, 20,
                                                        22, 23, 24, 25, 25, 25, 28, 29, 30, 31};
        switch (Sorteio[static_cast<std::size_t>(entre(0, 31))]) {
            case 0:
                acao_ = "teclar";
                return form.teclar(texto(entre(1, 8)));
            case 6:
                acao_ = "tecla";
                return form.tecla(static_cast<headless::Tecla>(entre(0, 7)));
            case 8:
                acao_ = "selecionar";
                return form.selecionar(entre(-2, quanto + 2), entre(-2, quanto + 2));
            case 9:
                acao_ = "colar";
                return form.colar(texto(chance(8) ? entre(200, 5000) : entre(0, 20)));
            case 10:
                acao_ = "focar/sair";
                return chance(2) ? form.focar() : form.sair();
            case 12:
                acao_ = "clicar";
                return form.clicar(static_cast<int16_t>(entre(-1, n)));
            case 13:
                acao_ = "abrir/duplo";
                return chance(3) ? form.duplo() : form.abrir();
            case 14:
                acao_ = "Mascara/Estilo/MaxLength/casas/caixa alta";
                if (chance(3)) return campo.Mascara(chance(20) ? entre(-1, 16) : entre(0, 15));
                if (chance(4)) return campo.Estilo(entre(0, 2));
                if (chance(3)) return campo.MaxLength(static_cast<int16_t>(entre(-1, 60)));
                if (chance(2)) return campo.QuantidadeCasasDecimais(entre(0, 4));
                return campo.CapsLockMixed(entre(0, 2));
            case 17:
                acao_ = "Text";
                return campo.Text(texto(entre(0, 30)));
            case 18:
                acao_ = "SelStart/SelLength/SelText";
                if (chance(3)) return campo.SelText(texto(entre(0, 5)));
                if (chance(2)) return campo.SelStart(entre(-1, quanto + 1));
                return campo.SelLength(entre(-1, quanto + 1));
            case 19:
                acao_ = "ListIndex";
                return campo.ListIndex(static_cast<int16_t>(entre(-2, n)));
            case 20:
                acao_ = "AddItem";
                if (chance(4)) {
                    return campo.AddItem(texto(entre(0, 12)), entre(-1, n + 1), texto(entre(0, 4)));
                }
                return campo.AddItem(texto(entre(0, 12)), std::nullopt, texto(entre(0, 4)));
            case 22:
                acao_ = "RemoveItem/Clear";
                if (chance(6)) return campo.Clear();
                return campo.RemoveItem(static_cast<int16_t>(entre(-1, n)));
            case 23:
                acao_ = "Carregar";
                return carregar(campo);
            case 24:
                acao_ = "PosicionarPorItem";
                if (chance(3)) return campo.PosicionarPorItemData(texto(entre(0, 3)));
                return campo.PosicionarPorItem(texto(entre(0, 4)));
            case 25:
                acao_ = "hospede KeyPress/FimItensLista/Change";
                if (chance(3)) {
                    c.cancelar_tecla = true;
                } else if (chance(2)) {
                    c.no_fim_da_lista = std::vector<std::u16string>{texto(entre(0, 6)), texto(3)};
                } else {
                    c.texto_no_change = texto(entre(0, 10));
                }
                return form.teclar(texto(entre(1, 3)));
            case 28:
                acao_ = "modo";
                form.hospedeiro.modo_usuario = !form.hospedeiro.modo_usuario;
                return;
            case 29: {
                acao_ = "WriteProperties/ReadProperties";
                teste::BolsaMapa bolsa;
                campo.WriteProperties(bolsa);
                Controle& outro = *controles_[static_cast<std::size_t>(
                    entre(0, static_cast<int>(controles_.size()) - 1))];
                return outro.s.campo.ReadProperties(bolsa);
            }
            case 30:
                acao_ = "Enabled/Refresh/redimensionar";
                if (chance(3)) return campo.Enabled(!campo.Enabled());
                if (chance(2)) return campo.Refresh();
                return form.hospedeiro.redimensionar(entre(0, 6000), entre(0, 2000));
            default:
                acao_ = "novo";
                if (!chance(20)) return form.tecla(headless::Tecla::Backspace);
                renovar_ = true;
                return;
        }
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
        if (c.s.form.txtCombo.texto().size() > TextoMaximo ||
            c.s.form.cboCombo.texto().size() > TextoMaximo) {
            c.s.form.hospedeiro.modo_usuario = true;
            c.s.campo.Text(u"");
        }
        c.s.esquecer();
    }

    std::mt19937_64 sorte_;
    std::vector<std::unique_ptr<Controle>> controles_;
    const char* acao_ = "?";
    bool renovar_ = false;
    std::string armada_;  // the toolkit failure armed for this action
    std::map<int32_t, long> erros_;
    bool injetar_ = std::getenv("CAMPOVIVO_SEM_FALHAS") == nullptr;
};

}  // namespace
}  // namespace pjtCampoVivo

int main(int argc, char** argv) {
    using Relogio = std::chrono::steady_clock;
    const long acoes = argc > 1 ? std::atol(argv[1])
                                : pjtCampoVivo::numero_do_ambiente("CAMPOVIVO_ACOES", 1000000);
    const auto semente = static_cast<uint64_t>(
        argc > 2 ? std::atol(argv[2])
                 : pjtCampoVivo::numero_do_ambiente("CAMPOVIVO_SEMENTE", 20261207));
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
