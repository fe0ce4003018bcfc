// Benchmarks of the control on the headless toolkit, each set against the least that the same
// work costs:
//   - typing a full value of every mask key by key in the text style, against the
//     FormatarTextoEntrada calls the control makes on the way (the same texts, in order);
//   - one type-ahead search of the lookup style over 32,767 names, when only the last entry
//     matches and when none does, against a plain loop over the entries' folded forms;
//   - Carregar of 32,767 rows from a SQLite file, against stepping the same statement with
//     the C API and copying both columns;
//   - with PesquisarNovamente sim, the keystroke whose FimItensLista loads a page of 100
//     entries from SQLite and shows one of them, against the same page loaded with Nao, where
//     the user must type the character a second time to see it.
//
//   bench_controle --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//                  --benchmark_enable_random_interleaving=true
//
// The typing runs twice: with the headless host, which records every event as a text, and
// with a minimal host that only calls the handlers, so the recording's share can be told
// apart. Every benchmark reports "alocacoes", heap allocations per keystroke, call, search,
// row or loaded page (its untimed reset left out). After the run the ratios to the references are
// printed (medians when repetitions were asked for), on stdout for the console format and on stderr
// otherwise.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/toolkit/sqlite/recordset_sqlite.hpp>
#include "bench/relator_razoes.hpp"
#include "bench/sorteio.hpp"
#include "contagem_alocacoes.hpp"

namespace pjtCampoVivo::bench {

namespace {

// Heap allocations per item (keystroke, call, search, row), counted from construction: build
// it after the warm-up, right before the timed loop.
class ContadorAlocacoes {
  public:
    ContadorAlocacoes() : inicio_(alocacoes_ate_agora()) {}

    void relatar(benchmark::State& estado, double itens_por_iteracao) const {
        const auto feitas = static_cast<double>(alocacoes_ate_agora() - inicio_);
        estado.counters["alocacoes"] =
            benchmark::Counter(feitas / itens_por_iteracao, benchmark::Counter::kAvgIterations);
    }

    // Leaves out the allocations of untimed work done since the count began.
    void descontar(std::uint64_t alocacoes) { inicio_ += alocacoes; }

  private:
    std::uint64_t inicio_;
};

// "13_CNPF": the mask number and the first word of its published name.
std::string nome_mascara(int32_t mascara) {
    const std::string_view publicado = *enumeracao_publicada("eMascara")->nome_de(mascara);
    return std::to_string(mascara) + "_" + std::string(publicado.substr(0, publicado.find(' ')));
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

// ---- The form --------------------------------------------------------------------------------

// A host that only runs its code's handlers: what the control costs when nobody records the
// events. It keeps the extent the control asks for, like the headless host.
class HospedeiroMinimo final : public Hospedeiro {
  public:
    headless::HospedeiroHeadless::Tratadores tratadores;
    std::function<void()> ao_redimensionar;

    void Click() override { chamar(tratadores.Click); }
    void DblClick() override { chamar(tratadores.DblClick); }
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override {
        chamar(tratadores.KeyDown, KeyCode, Shift);
    }
    void KeyPress(int16_t& KeyAscii) override { chamar(tratadores.KeyPress, KeyAscii); }
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override {
        chamar(tratadores.KeyUp, KeyCode, Shift);
    }
    void Change() override { chamar(tratadores.Change); }
    void DropDown() override { chamar(tratadores.DropDown); }
    void FimItensLista(std::u16string& TextoProcurado) override {
        chamar(tratadores.FimItensLista, TextoProcurado);
    }
    void PropertyChanged(std::u16string_view) override {}
    bool UserMode() const override { return true; }
    Fonte FonteAmbiente() const override { return {}; }
    int32_t Height() const override { return altura_; }
    void Height(int32_t altura) override {
        altura_ = altura;
        if (ao_redimensionar) ao_redimensionar();
    }
    int32_t LarguraInterna() const override { return 3000; }
    Fonte Font() const override { return {}; }
    void Font(const Fonte&) override {}
    Figura MouseIcon() const override { return {}; }
    void MouseIcon(const Figura&) override {}

  private:
    template <typename F, typename... Args>
    static void chamar(const F& tratador, Args&... args) {
        if (tratador) tratador(args...);
    }

    int32_t altura_ = 0;
};

// The host's code: a handler behind every event the benchmarks raise, doing nothing.
void tratadores_triviais(headless::HospedeiroHeadless::Tratadores& t) {
    t.KeyDown = [](int16_t&, int16_t&) {};
    t.KeyPress = [](int16_t&) {};
    t.KeyUp = [](int16_t&, int16_t&) {};
    t.Change = [] {};
    t.FimItensLista = [](std::u16string&) {};
}

// A run-time form holding one CampoVivo as a host sets it up: created on the form's two
// inner boxes, placed (InitProperties) and sized to 3000 x 315, with trivial handlers.
// The minimal host stands in for the recording one when asked.
class FormularioComCampo {
  public:
    explicit FormularioComCampo(bool hospedeiro_minimo = false)
        : campo(form.txtCombo, form.cboCombo, form.tela,
                hospedeiro_minimo ? static_cast<Hospedeiro&>(minimo)
                                  : static_cast<Hospedeiro&>(form.hospedeiro)) {
        // The flag is per thread: what an earlier benchmark left must not decide this one.
        SeparadorInserido = 0;
        form.hospedeiro.ao_redimensionar = [this] { campo.Resize(); };
        minimo.ao_redimensionar = [this] { campo.Resize(); };
        tratadores_triviais(form.hospedeiro.tratadores);
        tratadores_triviais(minimo.tratadores);
        campo.InitProperties();
        if (hospedeiro_minimo) {
            minimo.Height(315);
        } else {
            form.hospedeiro.redimensionar(3000, 315);
        }
        esquecer();
    }

    // Forgets what the headless host and screen recorded, so the vectors stay small.
    void esquecer() {
        form.hospedeiro.eventos.clear();
        form.hospedeiro.avisos.clear();
        form.tela.injetadas.clear();
    }

    headless::Formulario form;
    HospedeiroMinimo minimo;
    CampoVivo campo;
};

// ---- Typing ----------------------------------------------------------------------------------

// A full value of each mask as the user types it, and what the field then shows.
struct ValorDigitado {
    int32_t mascara;
    std::u16string_view teclas;
    std::u16string_view exibido;
};

constexpr std::array<ValorDigitado, 16> valores_digitados{{
    {0, u"Avenida Paulista, 1578 - Bela Vista - SP", u"Avenida Paulista, 1578 - Bela Vista - SP"},
    {1, u"12345678901234567", u"123.456.789.012.345,67"},
    {2, u"12345678901234567", u"12.345.678.901.234.567"},
    {3, u"25122003", u"25/12/2003"},
    {4, u"235958", u"23:59:58"},
    {5, u"2359", u"23:59"},
    {6, u"0509", u"05/09"},
    {7, u"072003", u"07/2003"},
    {8, u"08", u"08"},
    {9, u"06", u"06"},
    {10, u"2003", u"2003"},
    {11, u"123456789", u"12.345-6789"},
    {12, u"01310100", u"01.310-100"},
    {13, u"12345678909", u"123.456.789-09"},
    {14, u"12345678000195", u"12.345.678/0001-95"},
    {15, u"12345678901234567", u"123.456.789.012.345-67"},
}};

// One full value typed: the user selects what the field holds (a mouse drag, no
// notification) and types over it, so every value starts as in an empty field and no
// reset runs outside the keystrokes.
void digitar_valor(FormularioComCampo& f, std::u16string_view teclas) {
    f.form.selecionar(0, static_cast<int32_t>(f.form.txtCombo.texto().size()));
    f.form.teclar(teclas);
}

void digitar_no_controle(benchmark::State& estado, const ValorDigitado& v, bool hospedeiro_minimo) {
    FormularioComCampo f(hospedeiro_minimo);
    f.campo.Mascara(v.mascara);
    digitar_valor(f, v.teclas);  // the first value also moves the focus in
    f.esquecer();
    const auto teclas = static_cast<double>(v.teclas.size());
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        digitar_valor(f, v.teclas);
        f.esquecer();
    }
    contador.relatar(estado, teclas);
    estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(v.teclas.size()));
}

// Stands between the text box and the control while a value is typed for the checks: every
// Change the box raises is recorded with the text it held then, and marked when the control
// formatted it (it raised its host's Change before the notification returned; a nested
// notification has returned by then, so the innermost open one is the one that formatted).
class EscutaFormatacao final : public NotificacoesCaixa {
  public:
    struct Notificacao {
        std::u16string texto;
        bool formatada;
    };

    EscutaFormatacao(headless::CaixaTextoHeadless& caixa, headless::HospedeiroHeadless& hospedeiro)
        : caixa_(caixa), controle_(*caixa.ouvinte()) {
        caixa_.definir_notificacoes(this);
        hospedeiro.tratadores.Change = [this] {
            if (!abertas_.empty()) notificacoes[abertas_.back()].formatada = true;
        };
    }
    ~EscutaFormatacao() { caixa_.definir_notificacoes(&controle_); }
    EscutaFormatacao(const EscutaFormatacao&) = delete;
    EscutaFormatacao& operator=(const EscutaFormatacao&) = delete;

    void Change() override {
        abertas_.push_back(notificacoes.size());
        notificacoes.push_back({caixa_.texto(), false});
        controle_.Change();
        abertas_.pop_back();
    }
    void KeyDown(int16_t& KeyCode, int16_t& Shift) override { controle_.KeyDown(KeyCode, Shift); }
    void KeyPress(int16_t& KeyAscii) override { controle_.KeyPress(KeyAscii); }
    void KeyUp(int16_t& KeyCode, int16_t& Shift) override { controle_.KeyUp(KeyCode, Shift); }
    void DblClick() override { controle_.DblClick(); }
    void GotFocus() override { controle_.GotFocus(); }
    void LostFocus() override { controle_.LostFocus(); }

    // The texts the control handed to FormatarTextoEntrada, in order.
    std::vector<std::u16string> formatadas() const {
        std::vector<std::u16string> textos;
        for (const Notificacao& n : notificacoes) {
            if (n.formatada) textos.push_back(n.texto);
        }
        return textos;
    }

    std::vector<Notificacao> notificacoes;

  private:
    headless::CaixaTextoHeadless& caixa_;
    NotificacoesCaixa& controle_;
    std::vector<std::size_t> abertas_;
};

// The texts the control formats while one full value is typed as in the benchmark loop
// (the second value typed, after the focus has moved in), or nothing when the field does not
// end showing the value it should.
std::optional<std::vector<std::u16string>> chamadas_do_controle(const ValorDigitado& v) {
    FormularioComCampo f;
    f.campo.Mascara(v.mascara);
    digitar_valor(f, v.teclas);
    EscutaFormatacao escuta(f.form.txtCombo, f.form.hospedeiro);
    f.esquecer();
    digitar_valor(f, v.teclas);
    const auto teclas_aceitas =
        std::count_if(f.form.hospedeiro.eventos.begin(), f.form.hospedeiro.eventos.end(),
                      [](const std::u16string& e) { return e.starts_with(u"KeyPress("); });
    if (f.form.txtCombo.texto() != v.exibido ||
        teclas_aceitas != static_cast<std::ptrdiff_t>(v.teclas.size())) {
        std::cerr << "bench_controle: typing " << em_utf8(v.teclas) << " in "
                  << nome_mascara(v.mascara) << " shows " << em_utf8(f.form.txtCombo.texto())
                  << "\n";
        return std::nullopt;
    }
    return escuta.formatadas();
}

// The same FormatarTextoEntrada calls as the control, on the same texts: a fresh copy of the
// box's text in Texto (the call writes its digits back), the mask's MaxLength and places,
// ENegativo at 0, typed from the keyboard, with the separator flag down as the control
// leaves it.
void formatar_como_o_controle(benchmark::State& estado, int32_t mascara,
                              const std::vector<std::u16string>& chamadas) {
    const ConfiguracaoMascara config = *configuracao_mascara(mascara);
    Formatar formatar;
    std::u16string texto;
    int32_t m = mascara;
    int16_t max_length = config.max_length;
    int32_t casas = config.casas_decimais;
    int32_t negativo = 0;
    int32_t entrada = valor(eEntradaDe::eeteclado);
    const auto formatar_valor = [&] {
        for (const std::u16string& chamada : chamadas) {
            SeparadorInserido = 0;
            texto.assign(chamada);
            negativo = 0;
            std::u16string exibido =
                formatar.FormatarTextoEntrada(texto, m, max_length, casas, negativo, entrada);
            benchmark::DoNotOptimize(exibido);
        }
    };
    formatar_valor();
    const ContadorAlocacoes contador;
    for (auto _ : estado) formatar_valor();
    contador.relatar(estado, static_cast<double>(chamadas.size()));
    estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(chamadas.size()));
    SeparadorInserido = 0;
}

// ---- The list of names -----------------------------------------------------------------------

constexpr std::size_t tamanho_lista = 32767;

// No first name begins with "Ú" or "X": the last entry and the refused text rely on it.
constexpr std::array<std::u16string_view, 64> prenomes{
    u"João",    u"José",    u"Antônio", u"Francisco", u"Carlos",   u"Paulo",    u"Pedro",
    u"Lucas",   u"Luiz",    u"Marcos",  u"Luís",      u"Gabriel",  u"Rafael",   u"Daniel",
    u"Marcelo", u"Bruno",   u"Eduardo", u"Felipe",    u"Raimundo", u"Rodrigo",  u"Sebastião",
    u"André",   u"Fábio",   u"Márcio",  u"Vinícius",  u"Caio",     u"Otávio",   u"Tomás",
    u"Inácio",  u"Joaquim", u"Estêvão", u"Álvaro",    u"Maria",    u"Ana",      u"Francisca",
    u"Antônia", u"Adriana", u"Juliana", u"Márcia",    u"Fernanda", u"Patrícia", u"Aline",
    u"Sandra",  u"Camila",  u"Amanda",  u"Bruna",     u"Jéssica",  u"Letícia",  u"Júlia",
    u"Luciana", u"Vanessa", u"Mariana", u"Conceição", u"Ângela",   u"Cecília",  u"Lúcia",
    u"Débora",  u"Mônica",  u"Flávia",  u"Cláudia",   u"Vitória",  u"Beatriz",  u"Inês",
    u"Glória",
};

constexpr std::array<std::u16string_view, 60> sobrenomes{
    u"Silva",     u"Santos",     u"Oliveira", u"Souza",      u"Rodrigues", u"Ferreira", u"Alves",
    u"Pereira",   u"Lima",       u"Gomes",    u"Costa",      u"Ribeiro",   u"Martins",  u"Carvalho",
    u"Almeida",   u"Lopes",      u"Soares",   u"Fernandes",  u"Vieira",    u"Barbosa",  u"Rocha",
    u"Dias",      u"Nascimento", u"Andrade",  u"Moreira",    u"Nunes",     u"Marques",  u"Machado",
    u"Mendes",    u"Freitas",    u"Cardoso",  u"Ramos",      u"Gonçalves", u"Santana",  u"Teixeira",
    u"Araújo",    u"Conceição",  u"Assunção", u"Magalhães",  u"Brandão",   u"Simões",   u"Falcão",
    u"Guimarães", u"Sá",         u"Patrício", u"Gusmão",     u"Queirós",   u"Brás",     u"Romão",
    u"Leão",      u"Peçanha",    u"Camões",   u"Figueiredo", u"Bragança",  u"Lacerda",  u"Nóbrega",
    u"Aragão",    u"Cavalcânti", u"Galvão",   u"Monção",
};

constexpr std::u16string_view ultimo_nome = u"Úrsula Gusmão Bragança de Aragão";
// Only the last entry begins with this (case-blind), and no entry with the refused text.
constexpr std::u16string_view prefixo_do_ultimo = u"úrsula gusm";
constexpr std::u16string_view prefixo_de_nenhum = u"Xênia Q";

// 32,767 names: a first name, sometimes a second, and one or two surnames, the last entry
// the only one of its first name.
const std::vector<std::u16string>& nomes() {
    static const std::vector<std::u16string> lista = [] {
        std::vector<std::u16string> v;
        v.reserve(tamanho_lista);
        Sorteio sorteio(20030512);
        while (v.size() + 1 < tamanho_lista) {
            std::u16string nome(prenomes[sorteio.ate(prenomes.size())]);
            if (sorteio.ate(10) < 3) {
                nome += u' ';
                nome += prenomes[sorteio.ate(prenomes.size())];
            }
            nome += u' ';
            nome += sobrenomes[sorteio.ate(sobrenomes.size())];
            if (sorteio.ate(10) < 7) {
                nome += u' ';
                nome += sobrenomes[sorteio.ate(sobrenomes.size())];
            }
            v.push_back(std::move(nome));
        }
        v.emplace_back(ultimo_nome);
        return v;
    }();
    return lista;
}

// ---- The type-ahead search -------------------------------------------------------------------

// The lookup style with the names added one by one.
void preparar_pesquisa(FormularioComCampo& f) {
    f.campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    for (const std::u16string& nome : nomes()) f.campo.AddItem(nome);
    f.esquecer();
}

// One search: the text moved in as a whole runs the formatter and the search, as a keystroke
// does. The box then shows the completed entry (or nothing), so every iteration changes the
// text again.
void pesquisar_no_controle(benchmark::State& estado, std::u16string_view texto) {
    FormularioComCampo f;
    preparar_pesquisa(f);
    f.campo.Text(texto);
    f.esquecer();
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        f.campo.Text(texto);
        f.esquecer();
    }
    contador.relatar(estado, 1);
}

// The least a search must do: fold the typed text, then compare it with the same-length
// prefix of every entry's folded form until one is equal. A refused text is looked for
// twice, the second time without its last character, as the control's second pass does.
std::optional<std::size_t> procurar(const std::vector<std::u16string>& dobradas,
                                    std::u16string_view alvo, std::size_t tamanho) {
    for (std::size_t i = 0; i < dobradas.size(); ++i) {
        if (std::u16string_view(dobradas[i]).substr(0, tamanho) == alvo) return i;
    }
    return std::nullopt;
}

void pesquisar_em_laco(benchmark::State& estado, std::u16string_view texto) {
    std::vector<std::u16string> dobradas;
    dobradas.reserve(nomes().size());
    for (const std::u16string& nome : nomes()) dobradas.push_back(letras::dobrar(nome));
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(texto);
        const std::u16string alvo = letras::dobrar(texto);
        std::optional<std::size_t> achada = procurar(dobradas, alvo, texto.size());
        if (!achada) {
            const std::u16string sem_ultimo = letras::dobrar(texto.substr(0, texto.size() - 1));
            achada = procurar(dobradas, sem_ultimo, texto.size());
        }
        benchmark::DoNotOptimize(achada);
    }
    contador.relatar(estado, 1);
}

// ---- Loading from SQLite ---------------------------------------------------------------------

constexpr std::u16string_view consulta_nomes = u"SELECT id, nome FROM nomes";

// The database file of this run, in a folder of its own under the system's temp directory,
// removed when the run ends.
class BancoTemporario {
  public:
    BancoTemporario()
        : pasta_(std::filesystem::temp_directory_path() /
                 ("bench_controle_" + std::to_string(::getpid()))),
          arquivo_((pasta_ / "nomes.db").string()) {
        std::filesystem::create_directories(pasta_);
        std::filesystem::remove(arquivo_);
        sqlite3* banco = nullptr;
        exigir(sqlite3_open_v2(arquivo_.c_str(), &banco, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                               nullptr),
               banco);
        exigir(sqlite3_exec(banco, "CREATE TABLE nomes(id INTEGER, nome TEXT); BEGIN", nullptr,
                            nullptr, nullptr),
               banco);
        sqlite3_stmt* inserir = nullptr;
        exigir(sqlite3_prepare_v2(banco, "INSERT INTO nomes VALUES(?, ?)", -1, &inserir, nullptr),
               banco);
        int64_t id = 1;
        for (const std::u16string& nome : nomes()) {
            sqlite3_bind_int64(inserir, 1, id++);
            sqlite3_bind_text16(inserir, 2, nome.data(),
                                static_cast<int>(nome.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
            if (sqlite3_step(inserir) != SQLITE_DONE) exigir(SQLITE_ERROR, banco);
            sqlite3_reset(inserir);
        }
        sqlite3_finalize(inserir);
        exigir(sqlite3_exec(banco, "COMMIT", nullptr, nullptr, nullptr), banco);
        sqlite3_close(banco);
    }
    ~BancoTemporario() {
        std::error_code ignorado;
        std::filesystem::remove_all(pasta_, ignorado);
    }
    BancoTemporario(const BancoTemporario&) = delete;
    BancoTemporario& operator=(const BancoTemporario&) = delete;

    const std::string& arquivo() const noexcept { return arquivo_; }

  private:
    static void exigir(int codigo, sqlite3* banco) {
        if (codigo == SQLITE_OK) return;
        throw std::runtime_error(std::string("bench_controle: SQLite: ") + sqlite3_errmsg(banco));
    }

    std::filesystem::path pasta_;
    std::string arquivo_;
};

void carregar_no_controle(benchmark::State& estado, const std::string& arquivo) {
    FormularioComCampo f;
    f.campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    const auto carregar = [&] {
        sqlite::RecordsetSqlite rs(arquivo, consulta_nomes);
        f.campo.Carregar(&rs, u"nome", u"id");
    };
    carregar();
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        carregar();
        f.esquecer();
    }
    contador.relatar(estado, static_cast<double>(tamanho_lista));
    estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(tamanho_lista));
}

// The least a load must do: open the file, prepare the same statement, step it and copy
// both columns as UTF-16 into two vectors.
void carregar_com_sqlite(benchmark::State& estado, const std::string& arquivo) {
    const auto carregar = [&] {
        sqlite3* banco = nullptr;
        sqlite3_stmt* consulta = nullptr;
        sqlite3_open_v2(arquivo.c_str(), &banco, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_prepare16_v3(banco, consulta_nomes.data(),
                             static_cast<int>(consulta_nomes.size() * sizeof(char16_t)), 0,
                             &consulta, nullptr);
        std::vector<std::u16string> ids;
        std::vector<std::u16string> textos;
        const auto coluna = [&](int i) {
            const auto* texto = static_cast<const char16_t*>(sqlite3_column_text16(consulta, i));
            const auto bytes = static_cast<std::size_t>(sqlite3_column_bytes16(consulta, i));
            return std::u16string(texto, bytes / sizeof(char16_t));
        };
        while (sqlite3_step(consulta) == SQLITE_ROW) {
            ids.push_back(coluna(0));
            textos.push_back(coluna(1));
        }
        sqlite3_finalize(consulta);
        sqlite3_close(banco);
        benchmark::DoNotOptimize(ids.data());
        benchmark::DoNotOptimize(textos.data());
        return textos.size();
    };
    carregar();
    const ContadorAlocacoes contador;
    for (auto _ : estado) {
        const std::size_t linhas = carregar();
        benchmark::DoNotOptimize(linhas);
    }
    contador.relatar(estado, static_cast<double>(tamanho_lista));
    estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(tamanho_lista));
}

// ---- A page loaded by the keystroke ---------------------------------------------------------

// No entry of the first page begins with the typed key; the page the key loads all do.
constexpr std::u16string_view tecla_da_pagina = u"M";
constexpr int tamanho_pagina = 100;

// A text as an SQL string literal, and a number as SQL digits.
std::u16string literal_sql(std::u16string_view texto) {
    std::u16string literal = u"'";
    for (const char16_t c : texto) {
        if (c == u'\'') literal += c;
        literal += c;
    }
    return literal + u'\'';
}

std::u16string decimal_sql(int n) {
    const std::string digitos = std::to_string(n);
    return {digitos.begin(), digitos.end()};
}

// The host's FimItensLista: appends a page of the names that begin with the searched text,
// with their ids, read from SQLite.
void carregar_pagina(CampoVivo& campo, const std::string& arquivo, std::u16string_view texto) {
    const std::u16string prefixo = literal_sql(texto);
    const std::u16string sql = u"SELECT id, nome FROM nomes WHERE substr(nome, 1, length(" +
                               prefixo + u")) = " + prefixo + u" LIMIT " +
                               decimal_sql(tamanho_pagina);
    sqlite::RecordsetSqlite rs(arquivo, sql);
    for (; !rs.Eof(); rs.MoveNext())
        campo.AddItem(*rs.Campo(u"nome"), std::nullopt, *rs.Campo(u"id"));
}

// The lookup field as the keystroke finds it: the first page loaded, nothing typed, nothing
// remembered, and the host's handler loading the next page.
class CampoComPaginas {
  public:
    CampoComPaginas(const std::string& arquivo, int32_t pesquisar_novamente) : arquivo_(arquivo) {
        f.campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
        f.campo.PesquisarNovamente(pesquisar_novamente);
        f.form.hospedeiro.tratadores.FimItensLista = [this](std::u16string& TextoProcurado) {
            carregar_pagina(f.campo, arquivo_, TextoProcurado);
        };
        recomecar();
    }

    void recomecar() {
        const std::u16string prefixo = literal_sql(tecla_da_pagina);
        sqlite::RecordsetSqlite rs(
            arquivo_, u"SELECT id, nome FROM nomes WHERE substr(nome, 1, length(" + prefixo +
                          u")) <> " + prefixo + u" LIMIT " + decimal_sql(tamanho_pagina));
        f.campo.Carregar(&rs, u"nome", u"id");
        f.campo.Text(u"");  // an emptied text forgets the remembered entry
        f.esquecer();
    }

    FormularioComCampo f;

  private:
    const std::string& arquivo_;
};

// One iteration types the key once (sim) or twice (Nao) and ends showing the first entry of
// the loaded page; the field is then put back, untimed.
void teclar_pagina(benchmark::State& estado, const std::string& arquivo,
                   int32_t pesquisar_novamente) {
    CampoComPaginas c(arquivo, pesquisar_novamente);
    const int vezes = pesquisar_novamente == valor(eNaoSim::sim) ? 1 : 2;
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        for (int i = 0; i < vezes; ++i) c.f.form.teclar(tecla_da_pagina);
        estado.PauseTiming();
        const std::uint64_t antes = alocacoes_ate_agora();
        c.recomecar();
        contador.descontar(alocacoes_ate_agora() - antes);
        estado.ResumeTiming();
    }
    contador.relatar(estado, 1);
}

// ---- Registration and checks -----------------------------------------------------------------

// One line of the closing table: the control's benchmark against its reference, each time
// divided by the items of one iteration, and the goal for their ratio.
struct Comparacao {
    std::string titulo;
    std::string controle;
    double itens_controle;
    std::string referencia;  // empty: the control makes no such call
    double itens_referencia;
    double meta;
    double escala;  // seconds to the printed unit
    const char* unidade;
    bool digitacao = false;  // a typing line, which also shows the calls per keystroke
};

std::vector<Comparacao>& comparacoes() {
    static std::vector<Comparacao> lista;
    return lista;
}

// The names of the search and load benchmarks, and their inputs.
constexpr const char* pesquisa_ultima_controle = "Pesquisa/so_a_ultima/CampoVivo";
constexpr const char* pesquisa_ultima_laco = "Pesquisa/so_a_ultima/laco_simples";
constexpr const char* pesquisa_nenhuma_controle = "Pesquisa/nenhuma/CampoVivo";
constexpr const char* pesquisa_nenhuma_laco = "Pesquisa/nenhuma/laco_simples";
constexpr const char* carregar_controle = "Carregar/32767/CampoVivo";
constexpr const char* carregar_sqlite = "Carregar/32767/sqlite_direto";
constexpr const char* pagina_sim = "PaginaNaTecla/100/PesquisarNovamente_sim";
constexpr const char* pagina_nao = "PaginaNaTecla/100/Nao_duas_teclas";

void registrar(const std::vector<std::vector<std::u16string>>& chamadas,
               const std::string& arquivo) {
    for (const ValorDigitado& v : valores_digitados) {
        const std::string mascara = nome_mascara(v.mascara);
        const std::string controle = "Digitar/CampoVivo/" + mascara;
        const std::string minimo = "Digitar/CampoVivo_hospedeiro_minimo/" + mascara;
        const std::string formatar = "Digitar/FormatarTextoEntrada/" + mascara;
        benchmark::RegisterBenchmark(controle.c_str(), [&v](benchmark::State& e) {
            digitar_no_controle(e, v, false);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(minimo.c_str(), [&v](benchmark::State& e) {
            digitar_no_controle(e, v, true);
        })->Unit(benchmark::kMicrosecond);
        const std::vector<std::u16string>& textos = chamadas[static_cast<std::size_t>(v.mascara)];
        if (!textos.empty()) {
            benchmark::RegisterBenchmark(formatar.c_str(), [&v, &textos](benchmark::State& e) {
                formatar_como_o_controle(e, v.mascara, textos);
            })->Unit(benchmark::kMicrosecond);
        }
        const auto teclas = static_cast<double>(v.teclas.size());
        const auto n = static_cast<double>(textos.size());
        const std::string ref = textos.empty() ? std::string() : formatar;
        comparacoes().push_back({mascara, controle, teclas, ref, n, 2.0, 1e9, "ns", true});
        comparacoes().push_back(
            {mascara + " (minimal host)", minimo, teclas, ref, n, 2.0, 1e9, "ns", true});
    }

    const std::u16string_view ultima = prefixo_do_ultimo;
    const std::u16string_view nenhuma = prefixo_de_nenhum;
    benchmark::RegisterBenchmark(pesquisa_ultima_controle, [=](benchmark::State& e) {
        pesquisar_no_controle(e, ultima);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(pesquisa_ultima_laco, [=](benchmark::State& e) {
        pesquisar_em_laco(e, ultima);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(pesquisa_nenhuma_controle, [=](benchmark::State& e) {
        pesquisar_no_controle(e, nenhuma);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(pesquisa_nenhuma_laco, [=](benchmark::State& e) {
        pesquisar_em_laco(e, nenhuma);
    })->Unit(benchmark::kMicrosecond);
    comparacoes().push_back({"search, only the last entry matches", pesquisa_ultima_controle, 1,
                             pesquisa_ultima_laco, 1, 2.0, 1e6, "us"});
    comparacoes().push_back({"search, nothing matches (two passes)", pesquisa_nenhuma_controle, 1,
                             pesquisa_nenhuma_laco, 1, 2.0, 1e6, "us"});

    benchmark::RegisterBenchmark(carregar_controle, [&arquivo](benchmark::State& e) {
        carregar_no_controle(e, arquivo);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(carregar_sqlite, [&arquivo](benchmark::State& e) {
        carregar_com_sqlite(e, arquivo);
    })->Unit(benchmark::kMillisecond);
    comparacoes().push_back(
        {"Carregar 32,767 rows", carregar_controle, 1, carregar_sqlite, 1, 1.5, 1e3, "ms"});

    benchmark::RegisterBenchmark(pagina_sim, [&arquivo](benchmark::State& e) {
        teclar_pagina(e, arquivo, valor(eNaoSim::sim));
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(pagina_nao, [&arquivo](benchmark::State& e) {
        teclar_pagina(e, arquivo, valor(eNaoSim::Nao));
    })->Unit(benchmark::kMicrosecond);
    // One keystroke fewer against one search more, the SQLite page dominating both: no dearer
    // than the two keys, within noise.
    comparacoes().push_back(
        {"page of 100 loaded and shown (1 key / 2)", pagina_sim, 1, pagina_nao, 1, 1.1, 1e6, "us"});
}

// The search inputs must be what they claim: the last entry is the only one the completed
// text can be, the refused text empties the field and asks the host for more, and Carregar
// fills the list with every row and its id.
bool pesquisa_e_carga_conferem(const std::string& arquivo) {
    bool ok = true;
    const auto conferir = [&](bool condicao, const char* caso) {
        if (condicao) return;
        std::cerr << "bench_controle: input check failed: " << caso << "\n";
        ok = false;
    };
    const std::vector<std::u16string>& lista = nomes();
    conferir(lista.size() == tamanho_lista, "list size");
    const std::u16string alvo = letras::dobrar(prefixo_do_ultimo);
    conferir(std::count_if(
                 lista.begin(), lista.end(),
                 [&](const std::u16string& n) { return letras::dobrar(n).starts_with(alvo); }) == 1,
             "only the last entry begins with the searched text");

    FormularioComCampo f;
    preparar_pesquisa(f);
    f.campo.Text(prefixo_do_ultimo);
    conferir(f.campo.ListIndex() == static_cast<int16_t>(tamanho_lista - 1) &&
                 f.campo.Text() == ultimo_nome,
             "the search completes the last entry");

    // With no entry remembered, as the benchmark starts, the refused text empties the field.
    FormularioComCampo g;
    preparar_pesquisa(g);
    g.campo.Text(prefixo_de_nenhum);
    const auto& eventos = g.form.hospedeiro.eventos;
    conferir(g.campo.ListIndex() == -1 && g.campo.Text().empty() &&
                 std::count_if(
                     eventos.begin(), eventos.end(),
                     [](const std::u16string& e) { return e.starts_with(u"FimItensLista("); }) == 1,
             "the refused text empties the field and raises FimItensLista once");

    FormularioComCampo h;
    h.campo.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    sqlite::RecordsetSqlite rs(arquivo, consulta_nomes);
    h.campo.Carregar(&rs, u"nome", u"id");
    conferir(h.campo.ListCount() == static_cast<int16_t>(tamanho_lista) &&
                 h.campo.List(static_cast<int16_t>(tamanho_lista - 1)) == ultimo_nome &&
                 h.campo.ItemData(static_cast<int16_t>(tamanho_lista - 1)) == u"32767",
             "Carregar loads every row");

    // Both ways end on the first entry of the page the key loaded; with Nao the first key is
    // refused.
    for (const int32_t pesquisar : {valor(eNaoSim::sim), valor(eNaoSim::Nao)}) {
        CampoComPaginas c(arquivo, pesquisar);
        const bool primeira_sem_m =
            c.f.campo.ListCount() == tamanho_pagina &&
            std::none_of(c.f.form.cboCombo.lista().begin(), c.f.form.cboCombo.lista().end(),
                         [](const std::u16string& e) { return e.starts_with(tecla_da_pagina); });
        c.f.form.teclar(tecla_da_pagina);
        const bool mostrada = c.f.campo.ListIndex() == tamanho_pagina &&
                              c.f.campo.Text().starts_with(tecla_da_pagina);
        if (pesquisar == valor(eNaoSim::Nao)) {
            conferir(!mostrada && c.f.campo.Text().empty(), "with Nao the first key is refused");
            c.f.form.teclar(tecla_da_pagina);
        }
        conferir(primeira_sem_m && c.f.campo.ListCount() == 2 * tamanho_pagina &&
                     c.f.campo.ListIndex() == tamanho_pagina &&
                     c.f.campo.Text().starts_with(tecla_da_pagina),
                 "the key loads a page of 100 and shows its first entry");
    }
    return ok;
}

// The ratios printed after the runs.
class Razoes final : public RelatorComRazoes {
  public:
    using RelatorComRazoes::RelatorComRazoes;

  private:
    void imprimir_razoes(std::ostream& saida) const override {
        saida << "\nThe control against the least the same work costs (CPU time, median).\n"
              << "Typing: per keystroke against per FormatarTextoEntrada call; calls/key is how\n"
              << "many calls the control makes per keystroke.\n";
        saida << std::left << std::setw(40) << "" << std::right << std::setw(12) << "control"
              << std::setw(12) << "reference" << std::setw(10) << "calls/key" << std::setw(8)
              << "ratio" << std::setw(7) << "goal"
              << "\n";
        saida << std::fixed;
        for (const Comparacao& c : comparacoes()) {
            const auto t = tempo(c.controle);
            if (!t) continue;
            const double controle = *t / c.itens_controle * c.escala;
            saida << "  " << std::left << std::setw(38) << c.titulo << std::right
                  << std::setprecision(c.escala > 1e6 ? 1 : 2) << std::setw(9) << controle << " "
                  << std::setw(2) << c.unidade;
            if (c.referencia.empty()) {
                saida << "   (the control formats nothing here)\n";
                continue;
            }
            const auto r = tempo(c.referencia);
            if (!r) {
                saida << "   (reference not run)\n";
                continue;
            }
            const double referencia = *r / c.itens_referencia * c.escala;
            const double razao = controle / referencia;
            saida << std::setprecision(c.escala > 1e6 ? 1 : 2) << std::setw(9) << referencia << " "
                  << std::setw(2) << c.unidade << std::setprecision(2) << std::setw(10);
            if (c.digitacao) {
                saida << c.itens_referencia / c.itens_controle;
            } else {
                saida << "";
            }
            saida << std::setprecision(2) << std::setw(7) << razao << "x" << std::setprecision(1)
                  << std::setw(5) << c.meta << "x" << (razao <= c.meta ? "" : "  missed") << "\n";
        }
    }
};

}  // namespace

}  // namespace pjtCampoVivo::bench

int main(int argc, char** argv) {
    using namespace pjtCampoVivo::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // The FormatarTextoEntrada calls of each typed value, captured from the control itself.
    std::vector<std::vector<std::u16string>> chamadas;
    for (const ValorDigitado& v : valores_digitados) {
        std::optional<std::vector<std::u16string>> textos = chamadas_do_controle(v);
        if (!textos) return 1;
        chamadas.push_back(std::move(*textos));
    }
    const BancoTemporario banco;
    if (!pesquisa_e_carga_conferem(banco.arquivo())) return 1;

    registrar(chamadas, banco.arquivo());
    Razoes relator(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&relator);
    benchmark::Shutdown();
    return 0;
}
