// Benchmarks of the formatting engine: every mask through the published by-reference API
// (a new string per call) and through formatar_entrada_em (a reused buffer), the
// cash-register typing of a long money value, the plain value of each mask, the validators,
// a hand-written CPF loop that the CPF paths are measured against, and the check of a state
// registration number of each unit against the CNPJ's check in the same run.
//
//   bench_motor --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//               --benchmark_enable_random_interleaving=true
//
// Every formatting benchmark reports "alocacoes", the heap allocations of one iteration. After
// the run the CPF paths' CPU times are printed as multiples of the hand-written loop (medians
// when repetitions were asked for), and each unit's registration check beside the CNPJ's, on
// stdout for the console format and on stderr otherwise.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "bench/relator_razoes.hpp"
#include "contagem_alocacoes.hpp"

namespace pjtCampoVivo::bench {

namespace {

// Heap allocations per iteration, counted from construction: build it after the warm-up
// call, right before the timed loop, so that buffers sized once are not counted.
class ContadorAlocacoes {
  public:
    ContadorAlocacoes() : inicio_(alocacoes_ate_agora()) {}

    void relatar(benchmark::State& estado) const {
        const auto feitas = static_cast<double>(alocacoes_ate_agora() - inicio_);
        estado.counters["alocacoes"] =
            benchmark::Counter(feitas, benchmark::Counter::kAvgIterations);
    }

  private:
    std::uint64_t inicio_;
};

// A full field of each mask, as the box holds it when the user has typed up to MaxLength:
// re-formatting it gives it back unchanged (main checks this before running). The CNPJ shape
// is 18 characters, shorter than the 22 its field allows.
constexpr std::array<std::u16string_view, 16> campos_cheios{
    u"Avenida Paulista, 1578 - Bela Vista - SP",  // 0 Texto (40)
    u"123.456.789.012.345,67",                    // 1 DinheiroTaxa, 2 places (22)
    u"12.345.678.901.234.567",                    // 2 Numero (22)
    u"25/12/2003",                                // 3 DdMmAaaa
    u"23:59:58",                                  // 4 HhMmSs
    u"23:59",                                     // 5 HhMm
    u"05/09",                                     // 6 DdMm
    u"07/2003",                                   // 7 MmAaaa
    u"08",                                        // 8 Dia
    u"06",                                        // 9 Mes
    u"2003",                                      // 10 Ano
    u"12.345-6789",                               // 11 Telefone
    u"01.310-100",                                // 12 Cep
    u"123.456.789-09",                            // 13 CNPF
    u"12.345.678/0001-95",                        // 14 CNPJ
    u"123.456.789.012.345-67",                    // 15 InscricaoEstadual
};

// The CPF as typed digits, the input of the hand-written reference loop.
constexpr std::u16string_view cpf_digitos = u"12345678909";
constexpr std::u16string_view cpf_exibido = u"123.456.789-09";

// The cash register: 17 digits typed one by one into a money field with two places.
constexpr std::u16string_view digitos_caixa = u"12345678901234567";
constexpr std::u16string_view caixa_final = u"123.456.789.012.345,67";
constexpr int16_t max_length_caixa = 22;
constexpr int32_t casas_caixa = 2;

ConfiguracaoMascara configuracao(int32_t mascara) {
    return *configuracao_mascara(mascara);
}

// "13_CNPF": the mask number and the first word of its published name.
std::string nome_mascara(int32_t mascara) {
    const std::string_view publicado = *enumeracao_publicada("eMascara")->nome_de(mascara);
    return std::to_string(mascara) + "_" + std::string(publicado.substr(0, publicado.find(' ')));
}

// --- FormatarTextoEntrada -----------------------------------------------------------------

// The published API, called as the control calls it: a fresh copy of the box's text in
// Texto (the call writes its digits back), the mask's MaxLength and places, ENegativo at 0.
void entrada_publicada(benchmark::State& estado, std::u16string_view campo, int32_t mascara,
                       int32_t entrada_de) {
    const ConfiguracaoMascara config = configuracao(mascara);
    Formatar formatar;
    std::u16string texto;
    int32_t m = mascara;
    int16_t max_length = config.max_length;
    int32_t casas = config.casas_decimais;
    int32_t negativo = 0;
    int32_t de = entrada_de;
    const auto formatar_campo = [&] {
        texto.assign(campo);
        negativo = 0;
        return formatar.FormatarTextoEntrada(texto, m, max_length, casas, negativo, de);
    };
    benchmark::DoNotOptimize(formatar_campo());
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        std::u16string exibido = formatar_campo();
        benchmark::DoNotOptimize(exibido);
    }
    contador.relatar(estado);
}

// The value-returning layer writing into one display buffer that lives across calls.
void entrada_reusada(benchmark::State& estado, std::u16string_view campo, int32_t mascara,
                     int32_t entrada_de) {
    const ConfiguracaoMascara config = configuracao(mascara);
    std::u16string exibido;
    const auto formatar_campo = [&] {
        return formatar_entrada_em(campo, mascara, config.max_length, config.casas_decimais,
                                   entrada_de, exibido);
    };
    benchmark::DoNotOptimize(formatar_campo());
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        SinaisFormatacao sinais = formatar_campo();
        benchmark::DoNotOptimize(sinais);
        benchmark::DoNotOptimize(exibido);
    }
    contador.relatar(estado);
}

// --- The cash register ----------------------------------------------------------------------

// One iteration is one keystroke: the next digit is appended to the display text and the
// whole text re-formatted, as the control's Change handler does. After the 17th digit the
// field is emptied and the sequence starts again, so the time is the mean per keystroke.
void caixa_publicada(benchmark::State& estado) {
    Formatar formatar;
    std::u16string exibido;
    std::u16string texto;
    std::size_t tecla = 0;
    int32_t mascara = valor(eMascara::DinheiroTaxa);
    int16_t max_length = max_length_caixa;
    int32_t casas = casas_caixa;
    int32_t negativo = 0;
    int32_t entrada = valor(eEntradaDe::eeteclado);
    const auto teclar = [&] {
        if (tecla == digitos_caixa.size()) {
            exibido.clear();
            tecla = 0;
        }
        texto.assign(exibido);
        texto.push_back(digitos_caixa[tecla++]);
        negativo = 0;
        exibido =
            formatar.FormatarTextoEntrada(texto, mascara, max_length, casas, negativo, entrada);
    };
    for (std::size_t i = 0; i < digitos_caixa.size(); ++i) teclar();
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        teclar();
        benchmark::DoNotOptimize(exibido);
    }
    contador.relatar(estado);
}

void caixa_reusada(benchmark::State& estado) {
    std::u16string exibido;
    std::u16string texto;
    std::size_t tecla = 0;
    const auto teclar = [&] {
        if (tecla == digitos_caixa.size()) {
            exibido.clear();
            tecla = 0;
        }
        texto.assign(exibido);
        texto.push_back(digitos_caixa[tecla++]);
        return formatar_entrada_em(texto, valor(eMascara::DinheiroTaxa), max_length_caixa,
                                   casas_caixa, valor(eEntradaDe::eeteclado), exibido);
    };
    for (std::size_t i = 0; i < digitos_caixa.size(); ++i) teclar();
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        SinaisFormatacao sinais = teclar();
        benchmark::DoNotOptimize(sinais);
        benchmark::DoNotOptimize(exibido);
    }
    contador.relatar(estado);
}

// --- A mobile number typed ------------------------------------------------------------------

// One iteration types "11912345678" key by key: each of its eleven prefixes is formatted, as
// a field re-formats its whole text after every key. The same digits through the mask
// Telefone are the reference.
constexpr std::u16string_view celular = u"11912345678";
constexpr std::u16string_view celular_exibido = u"(11) 91234-5678";
const std::string nome_telefone_referencia = "TeclarCelular11/Formatar::Telefone";
const std::string nome_telefone_ddd = "TeclarCelular11/Formatar::TelefoneDDD";
const std::string nome_campo_referencia = "TeclarCelular11/FormatarTextoEntrada/Telefone";
const std::string nome_campo_ddd = "TeclarCelular11/formatar_telefone_ddd_entrada";
const std::string nome_em_referencia = "TeclarCelular11/formatar_entrada_em/Telefone";
const std::string nome_em_ddd = "TeclarCelular11/formatar_campo_entrada_em/TelefoneDDD";

template <typename Formatar1>
void teclar_celular(benchmark::State& estado, Formatar1 formatar1) {
    std::u16string texto;
    std::u16string exibido;
    const auto teclar = [&] {
        for (std::size_t n = 1; n <= celular.size(); ++n) {
            texto.assign(celular.substr(0, n));
            exibido = formatar1(texto);
            benchmark::DoNotOptimize(exibido);
        }
    };
    teclar();
    const ContadorAlocacoes contador;
    for (auto _ : estado) teclar();
    contador.relatar(estado);
}

void registrar_celular() {
    benchmark::RegisterBenchmark(nome_telefone_referencia.c_str(), [](benchmark::State& e) {
        Formatar f;
        teclar_celular(e, [&](std::u16string& t) { return f.Telefone(t); });
    });
    benchmark::RegisterBenchmark(nome_telefone_ddd.c_str(), [](benchmark::State& e) {
        Formatar f;
        teclar_celular(e, [&](std::u16string& t) { return f.TelefoneDDD(t); });
    });
    benchmark::RegisterBenchmark(nome_campo_referencia.c_str(), [](benchmark::State& e) {
        Formatar f;
        int32_t mascara = valor(eMascara::Telefone);
        int16_t max_length = configuracao(mascara).max_length;
        int32_t casas = 0;
        int32_t negativo = 0;
        int32_t entrada = valor(eEntradaDe::eeteclado);
        teclar_celular(e, [&](std::u16string& t) {
            return f.FormatarTextoEntrada(t, mascara, max_length, casas, negativo, entrada);
        });
    });
    benchmark::RegisterBenchmark(nome_campo_ddd.c_str(), [](benchmark::State& e) {
        int16_t max_length = variante_mascara(u"TelefoneDDD")->max_length;
        teclar_celular(e, [&](std::u16string& t) {
            return formatar_telefone_ddd_entrada(t, max_length).texto;
        });
    });
    // The same into a reused buffer, as the tool formats one value a line.
    const auto em = [](benchmark::State& e, AjustesCampo campo) {
        std::u16string exibido;
        const auto teclar = [&] {
            for (std::size_t n = 1; n <= celular.size(); ++n) {
                benchmark::DoNotOptimize(formatar_campo_entrada_em(campo, celular.substr(0, n),
                                                                   eEntradaDe::eeteclado, exibido));
            }
        };
        teclar();
        const ContadorAlocacoes contador;
        for (auto _ : e) teclar();
        contador.relatar(e);
    };
    AjustesCampo telefone;
    telefone.mascara = valor(eMascara::Telefone);
    telefone.max_length = configuracao(telefone.mascara).max_length;
    benchmark::RegisterBenchmark(nome_em_referencia.c_str(), em, telefone);
    telefone.telefone_ddd = true;
    telefone.max_length = variante_mascara(u"TelefoneDDD")->max_length;
    benchmark::RegisterBenchmark(nome_em_ddd.c_str(), em, telefone);
}

// --- FormatarTextoSaida ---------------------------------------------------------------------

// The plain value of the mask's example display text ("1.234,56", "25/12/2003", ...).
void saida_publicada(benchmark::State& estado, int32_t mascara) {
    const ConfiguracaoMascara config = configuracao(mascara);
    Formatar formatar;
    std::u16string texto;
    int32_t m = mascara;
    int32_t casas = config.casas_decimais;
    const auto formatar_campo = [&] {
        texto.assign(config.exemplo);  // mask 1 writes its digits back
        return formatar.FormatarTextoSaida(texto, m, casas);
    };
    benchmark::DoNotOptimize(formatar_campo());
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        std::u16string valor_plano = formatar_campo();
        benchmark::DoNotOptimize(valor_plano);
    }
    contador.relatar(estado);
}

// --- Validators -----------------------------------------------------------------------------

void cpf_valido(benchmark::State& estado) {
    std::u16string_view cpf = cpf_digitos;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(cpf);
        bool valido = Comuns::CPFValido(cpf);
        benchmark::DoNotOptimize(valido);
    }
}

void cnpj_valido(benchmark::State& estado) {
    std::u16string_view cnpj = u"12345678000195";
    for (auto _ : estado) {
        benchmark::DoNotOptimize(cnpj);
        bool valido = Comuns::CNPJValido(cnpj);
        benchmark::DoNotOptimize(valido);
    }
}

// The CNPJ as a field shows it, judged by mask 14's exit check (its digits, then CNPJValido).
void cnpj_exibido_valido(benchmark::State& estado) {
    const ChecagemSaida& checagem = *checagem_saida(valor(eMascara::CNPJ));
    std::u16string_view cnpj = campos_cheios[14];
    for (auto _ : estado) {
        benchmark::DoNotOptimize(cnpj);
        bool valido = checagem.valido(cnpj);
        benchmark::DoNotOptimize(valido);
    }
}

// --- State registration numbers -------------------------------------------------------------

constexpr std::u16string_view unidades[] = {u"AC", u"AL", u"AP", u"AM", u"BA", u"CE", u"DF",
                                            u"ES", u"GO", u"MA", u"MT", u"MS", u"MG", u"PA",
                                            u"PB", u"PR", u"PE", u"PI", u"RJ", u"RN", u"RS",
                                            u"RO", u"RR", u"SC", u"SP", u"SE", u"TO"};

// The unit's example number, as a field shows it or as its bare digits.
void inscricao_estadual_valida(benchmark::State& estado, std::u16string_view uf, bool exibido) {
    const std::u16string exemplo = Comuns::ExemploInscricaoEstadual(uf);
    const std::u16string texto = exibido ? exemplo : Comuns::ExtrairInscricaoEstadual(exemplo, uf);
    std::u16string_view numero = texto;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(numero);
        auto resultado = Comuns::VerificarInscricaoEstadual(numero, uf);
        benchmark::DoNotOptimize(resultado);
    }
}

std::string nome_inscricao(std::u16string_view uf, bool exibido) {
    return std::string("InscricaoEstadual/") + (exibido ? "exibido/" : "digitos/") +
           static_cast<char>(uf[0]) + static_cast<char>(uf[1]);
}

constexpr const char* nome_cnpj_digitos = "Comuns/CNPJValido";
constexpr const char* nome_cnpj_exibido = "ChecagemSaida/CNPJ_exibido";

// The longest text the extraction accepts: 32,767 units of CPFs with separators, blanks and a
// minus sign that mask 1 notes.
void extrair_digitos(benchmark::State& estado) {
    std::u16string texto;
    while (texto.size() < 32767) texto.append(u"123.456.789-09 ");
    texto.resize(32767);
    int32_t negativo = 0;
    benchmark::DoNotOptimize(
        Comuns::ExtrairDigitos(texto, valor(eMascara::DinheiroTaxa), negativo));
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        std::u16string digitos =
            Comuns::ExtrairDigitos(texto, valor(eMascara::DinheiroTaxa), negativo);
        benchmark::DoNotOptimize(digitos);
    }
    contador.relatar(estado);
    estado.SetBytesProcessed(estado.iterations() *
                             static_cast<int64_t>(texto.size() * sizeof(char16_t)));
}

// --- The reference --------------------------------------------------------------------------

// What shaping a CPF costs at the least: 11 digits copied into "ddd.ddd.ddd-dd" in a buffer
// allocated once, with nothing checked.
void referencia_cpf(benchmark::State& estado) {
    static constexpr std::u16string_view forma = u"ddd.ddd.ddd-dd";
    std::array<char16_t, 11> digitos{};
    std::copy(cpf_digitos.begin(), cpf_digitos.end(), digitos.begin());
    std::array<char16_t, forma.size()> cpf{};
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(digitos);
        std::size_t d = 0;
        for (std::size_t i = 0; i < forma.size(); ++i) {
            cpf[i] = forma[i] == u'd' ? digitos[d++] : forma[i];
        }
        benchmark::DoNotOptimize(cpf);
    }
    contador.relatar(estado);
}

constexpr const char* nome_referencia = "Referencia/CPF_laco_manual";

// The CPF paths compared with the reference, in the order they are printed.
const std::vector<std::string>& caminhos_cpf() {
    static const std::string cpf = nome_mascara(valor(eMascara::CNPF));
    static const std::vector<std::string> nomes{
        "FormatarTextoEntrada/Formatar/" + cpf,
        "FormatarTextoEntrada/formatar_entrada_em/" + cpf,
        "FormatarTextoEntrada/Formatar/" + cpf + "_digitos",
        "FormatarTextoEntrada/formatar_entrada_em/" + cpf + "_digitos",
    };
    return nomes;
}

void registrar() {
    const int32_t teclado = valor(eEntradaDe::eeteclado);
    benchmark::RegisterBenchmark(nome_referencia, referencia_cpf);
    for (int32_t m = 0; m < static_cast<int32_t>(campos_cheios.size()); ++m) {
        const auto campo = campos_cheios[static_cast<std::size_t>(m)];
        benchmark::RegisterBenchmark(
            ("FormatarTextoEntrada/Formatar/" + nome_mascara(m)).c_str(),
            [=](benchmark::State& e) { entrada_publicada(e, campo, m, teclado); });
        benchmark::RegisterBenchmark(
            ("FormatarTextoEntrada/formatar_entrada_em/" + nome_mascara(m)).c_str(),
            [=](benchmark::State& e) { entrada_reusada(e, campo, m, teclado); });
    }
    // The CPF from its bare digits: the same input as the reference loop.
    const int32_t cnpf = valor(eMascara::CNPF);
    benchmark::RegisterBenchmark(caminhos_cpf()[2].c_str(), [=](benchmark::State& e) {
        entrada_publicada(e, cpf_digitos, cnpf, teclado);
    });
    benchmark::RegisterBenchmark(caminhos_cpf()[3].c_str(), [=](benchmark::State& e) {
        entrada_reusada(e, cpf_digitos, cnpf, teclado);
    });

    benchmark::RegisterBenchmark("CaixaRegistradora17/Formatar/por_tecla", caixa_publicada);
    benchmark::RegisterBenchmark("CaixaRegistradora17/formatar_entrada_em/por_tecla",
                                 caixa_reusada);

    for (int32_t m = 0; m < static_cast<int32_t>(campos_cheios.size()); ++m) {
        benchmark::RegisterBenchmark(("FormatarTextoSaida/Formatar/" + nome_mascara(m)).c_str(),
                                     [=](benchmark::State& e) { saida_publicada(e, m); });
    }

    benchmark::RegisterBenchmark("Comuns/CPFValido", cpf_valido);
    benchmark::RegisterBenchmark(nome_cnpj_digitos, cnpj_valido);
    benchmark::RegisterBenchmark(nome_cnpj_exibido, cnpj_exibido_valido);
    for (const std::u16string_view uf : unidades) {
        for (const bool exibido : {false, true}) {
            benchmark::RegisterBenchmark(
                nome_inscricao(uf, exibido).c_str(),
                [=](benchmark::State& e) { inscricao_estadual_valida(e, uf, exibido); });
        }
    }
    benchmark::RegisterBenchmark("Comuns/ExtrairDigitos/32767", extrair_digitos)
        ->Unit(benchmark::kMicrosecond);
    registrar_celular();
}

// The inputs must be what they claim: a full field formats to itself, the typed CPF to its
// shape, and 17 keystrokes to the full money field. A benchmark of the wrong input would
// measure something else without saying so.
bool entradas_conferem() {
    bool ok = true;
    const auto conferir = [&](std::u16string_view obtido, std::u16string_view esperado,
                              const std::string& caso) {
        if (obtido == esperado) return;
        std::cerr << "bench_motor: input check failed: " << caso << "\n";
        ok = false;
    };
    for (int32_t m = 0; m < static_cast<int32_t>(campos_cheios.size()); ++m) {
        const auto campo = campos_cheios[static_cast<std::size_t>(m)];
        const ConfiguracaoMascara config = configuracao(m);
        if (campo.size() > static_cast<std::size_t>(config.max_length)) {
            std::cerr << "bench_motor: the full field of " << nome_mascara(m)
                      << " exceeds MaxLength\n";
            ok = false;
        }
        std::u16string exibido;
        formatar_entrada_em(campo, m, config.max_length, config.casas_decimais, 0, exibido);
        conferir(exibido, campo, "full field of " + nome_mascara(m));
    }
    std::u16string exibido;
    formatar_entrada_em(cpf_digitos, valor(eMascara::CNPF), configuracao(13).max_length, 0, 0,
                        exibido);
    conferir(exibido, cpf_exibido, "CPF from its digits");

    std::u16string texto;
    exibido.clear();
    for (const char16_t digito : digitos_caixa) {
        texto.assign(exibido);
        texto.push_back(digito);
        formatar_entrada_em(texto, valor(eMascara::DinheiroTaxa), max_length_caixa, casas_caixa, 0,
                            exibido);
    }
    conferir(exibido, caixa_final, "cash register after 17 digits");
    int16_t max_ddd = 15;
    conferir(formatar_telefone_ddd_entrada(celular, max_ddd).texto, celular_exibido,
             "the mobile number with its area code");

    // A registration check of an invalid number would time the early way out.
    for (const std::u16string_view uf : unidades) {
        const std::u16string exemplo = Comuns::ExemploInscricaoEstadual(uf);
        if (!Comuns::InscricaoEstadualValida(exemplo, uf) ||
            !Comuns::InscricaoEstadualValida(Comuns::ExtrairInscricaoEstadual(exemplo, uf), uf)) {
            std::cerr << "bench_motor: the example of " << nome_inscricao(uf, true)
                      << " is not valid\n";
            ok = false;
        }
    }
    if (!checagem_saida(14)->valido(campos_cheios[14])) {
        std::cerr << "bench_motor: the full CNPJ field is not valid\n";
        ok = false;
    }
    return ok;
}

// The ratios printed after the runs.
class Razoes final : public RelatorComRazoes {
  public:
    using RelatorComRazoes::RelatorComRazoes;

  private:
    void imprimir_razoes(std::ostream& saida) const override {
        imprimir_cpf(saida);
        // The mobile typed with its area code against the same keys in the mask Telefone.
        bool titulo = false;
        for (const auto& [ddd, hoje] : {std::pair{nome_telefone_ddd, nome_telefone_referencia},
                                        std::pair{nome_campo_ddd, nome_campo_referencia},
                                        std::pair{nome_em_ddd, nome_em_referencia}}) {
            const auto t = tempo(ddd);
            const auto r = tempo(hoje);
            if (!t || !r || *r <= 0) continue;
            if (!std::exchange(titulo, true))
                saida << "\nThe mobile typed key by key, against the mask Telefone:\n";
            saida << "  " << ddd << ": " << std::fixed << std::setprecision(1) << *t * 1e9
                  << " ns against " << *r * 1e9 << " ns, " << std::setprecision(2) << *t / *r
                  << "x\n";
        }
        imprimir_inscricoes(saida);
    }

    void imprimir_cpf(std::ostream& saida) const {
        const auto referencia = tempo(nome_referencia);
        if (!referencia || *referencia <= 0) return;
        saida << "\nCPF paths against " << nome_referencia << " (CPU time, median):\n";
        const auto linha = [&](const std::string& nome, double segundos) {
            saida << "  " << std::left << std::setw(58) << nome << std::right << std::fixed
                  << std::setprecision(2) << std::setw(9) << segundos * 1e9 << " ns "
                  << std::setw(7) << std::setprecision(1) << segundos / *referencia << "x\n";
        };
        linha(nome_referencia, *referencia);
        for (const std::string& nome : caminhos_cpf()) {
            if (const auto t = tempo(nome)) linha(nome, *t);
        }
    }

    // Each unit's check, from digits and from the shown text, beside the CNPJ's same check.
    void imprimir_inscricoes(std::ostream& saida) const {
        const auto digitos = tempo(nome_cnpj_digitos);
        const auto exibido = tempo(nome_cnpj_exibido);
        if (!digitos || !exibido || *digitos <= 0 || *exibido <= 0) return;
        saida << "\nState registration checks against the CNPJ's (CPU time, median):\n"
              << "  unit      digits ns   x CNPJ     shown ns   x CNPJ\n";
        const auto linha = [&](const std::string& nome, double d, double e) {
            saida << "  " << std::left << std::setw(6) << nome << std::right << std::fixed
                  << std::setprecision(2) << std::setw(12) << d * 1e9 << std::setw(8)
                  << std::setprecision(1) << d / *digitos << "x" << std::setprecision(2)
                  << std::setw(12) << e * 1e9 << std::setw(8) << std::setprecision(1)
                  << e / *exibido << "x\n";
        };
        linha("CNPJ", *digitos, *exibido);
        for (const std::u16string_view uf : unidades) {
            const auto d = tempo(nome_inscricao(uf, false));
            const auto e = tempo(nome_inscricao(uf, true));
            if (d && e) linha(nome_inscricao(uf, true).substr(26), *d, *e);
        }
    }
};

}  // namespace

}  // namespace pjtCampoVivo::bench

int main(int argc, char** argv) {
    using namespace pjtCampoVivo::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!entradas_conferem()) return 1;
    registrar();
    Razoes relator(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&relator);
    benchmark::Shutdown();
    return 0;
}
