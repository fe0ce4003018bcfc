// Benchmarks of the control on Qt 6 Widgets (CampoVivoWidget), each set against the plain Qt
// widget that does the same job, with real key events (pressed, then released) sent to the
// widget that has the focus in a shown, active window:
//   - typing a CPF, 11 digits, in the text style with mask 13, against a QLineEdit with the
//     input mask "000.000.000-00";
//   - one keystroke of the lookup style's search over 32,767 names, when only the last
//     entries match it and when none does, against an editable QComboBox of the same names
//     with an inline, case-blind QCompleter;
//   - loading the 32,767 names into the control (Carregar from an in-memory recordset, and
//     AddItem one by one), against QComboBox::addItems; a load ends with the list's size
//     read from the combo box, which is when entries the control appended reach Qt's model.
//     The same loads on the headless boxes show what the control itself costs.
//
//   bench_qt --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//            --benchmark_enable_random_interleaving=true
//
// Each round starts from an empty field (or list), emptied outside the timed region, with
// Qt's pending events delivered there too; the completer also forgets the matches it cached,
// since the control caches none. Inside it no event loop runs, so the times are the
// widgets' handling of the keys and calls; the "com_pintura" typing pair also delivers the
// events after every key, which repaints the field. Every benchmark reports "alocacoes",
// heap allocations per keystroke or load, counted in the timed region only. After the run the
// control's times are printed against the plain widgets' (medians when repetitions were
// asked for), on stdout for the console format and on stderr otherwise.
//
// QT_QPA_PLATFORM defaults to "offscreen", so the benchmarks run without a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>
#include "bench/relator_razoes.hpp"
#include "bench/sorteio.hpp"
#include "contagem_alocacoes.hpp"

namespace pjtCampoVivo::bench {

namespace {

using qt::CampoVivoWidget;

QString qstring(std::u16string_view texto) {
    return QString::fromUtf16(texto.data(), static_cast<qsizetype>(texto.size()));
}

// ---- Windows and keys ------------------------------------------------------------------------

// A top-level window holding the widgets of one benchmark.
class Janela {
  public:
    Janela() {
        new QVBoxLayout(&janela_);
        janela_.resize(360, 80);
    }

    template <class W>
    W* adicionar(W* widget) {
        janela_.layout()->addWidget(widget);
        return widget;
    }

    // Shows the window, makes it the active one and gives alvo the focus, as a click would;
    // false when Qt did not.
    bool focar(QWidget& alvo) {
        janela_.show();
        janela_.activateWindow();
        QElapsedTimer relogio;
        relogio.start();
        while (QApplication::activeWindow() != &janela_ && relogio.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        alvo.setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        return QApplication::focusWidget() == &alvo;
    }

    QWidget& janela() noexcept { return janela_; }

  private:
    QWidget janela_;
};

// One character as a keyboard sends it, to the widget that has the focus: the key of its
// capital (Latin-1) with the character as text, pressed and released.
void teclar(QChar c) {
    QWidget* alvo = QApplication::focusWidget();
    const char16_t maiuscula = c.toUpper().unicode();
    const int tecla = maiuscula < 0x100 ? static_cast<int>(maiuscula) : Qt::Key_unknown;
    const QString texto(c);
    QKeyEvent apertada(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(alvo, &apertada);
    QKeyEvent solta(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(alvo, &solta);
}

// Heap allocations of the timed regions only: each one is measured from its own start.
class ContadorAlocacoes {
  public:
    void iniciar() noexcept { inicio_ = alocacoes_ate_agora(); }
    void parar() noexcept { feitas_ += alocacoes_ate_agora() - inicio_; }

    void relatar(benchmark::State& estado, double itens_por_iteracao) const {
        estado.counters["alocacoes"] = benchmark::Counter(
            static_cast<double>(feitas_) / itens_por_iteracao, benchmark::Counter::kAvgIterations);
    }

  private:
    std::uint64_t inicio_ = 0;
    std::uint64_t feitas_ = 0;
};

// The time of one item (keystroke, load) as a counter, in seconds.
void relatar_por_item(benchmark::State& estado, const char* nome, double itens_por_iteracao) {
    estado.counters[nome] =
        benchmark::Counter(itens_por_iteracao, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}

// Failures the control could not raise through Qt's event loop, and message boxes it
// showed: a benchmark that meets either measured something else.
struct Incidentes {
    int falhas = 0;
    int mensagens = 0;
};

Incidentes& incidentes() {
    static Incidentes i;
    return i;
}

CampoVivoWidget* novo_campo(Janela& j) {
    auto* campo = j.adicionar(new CampoVivoWidget(&j.janela()));
    QObject::connect(campo, &CampoVivoWidget::falhaNaoTratada,
                     [](int, const QString&) { ++incidentes().falhas; });
    return campo;
}

// ---- Typing a CPF ----------------------------------------------------------------------------

constexpr std::u16string_view cpf_teclas = u"12345678909";
constexpr std::u16string_view cpf_exibido = u"123.456.789-09";

class CpfControle {
  public:
    CpfControle() : campo_(novo_campo(janela_)) { campo_->campo().Mascara(valor(eMascara::CNPF)); }

    bool focar() { return janela_.focar(*campo_->caixaTexto()); }
    void limpar() { campo_->campo().Text(u""); }
    QString texto() const { return campo_->caixaTexto()->text(); }

  private:
    Janela janela_;
    CampoVivoWidget* campo_;
};

class CpfLineEdit {
  public:
    CpfLineEdit() : edicao_(janela_.adicionar(new QLineEdit(&janela_.janela()))) {
        edicao_->setInputMask(QStringLiteral("000.000.000-00"));
    }

    bool focar() { return janela_.focar(*edicao_); }
    void limpar() { edicao_->clear(); }
    QString texto() const { return edicao_->text(); }

  private:
    Janela janela_;
    QLineEdit* edicao_;
};

// Types the CPF into an emptied field, key by key; with pintar, Qt's events (the repaint
// among them) are delivered after every key.
template <class Campo>
void digitar_cpf(benchmark::State& estado, Campo& campo, bool pintar) {
    if (!campo.focar()) {
        estado.SkipWithError("the field did not take the focus");
        return;
    }
    const QString teclas = qstring(cpf_teclas);
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        estado.PauseTiming();
        campo.limpar();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        contador.iniciar();
        for (const QChar c : teclas) {
            teclar(c);
            if (pintar) QCoreApplication::processEvents();
        }
        contador.parar();
    }
    if (campo.texto() != qstring(cpf_exibido)) {
        estado.SkipWithError(("the field shows " + campo.texto().toStdString()).c_str());
        return;
    }
    const auto n = static_cast<double>(cpf_teclas.size());
    contador.relatar(estado, n);
    relatar_por_item(estado, "por_tecla", n);
    estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(cpf_teclas.size()));
}

// ---- The list of names -----------------------------------------------------------------------

constexpr std::size_t tamanho_lista = 32767;
// The last entries are the only ones with this first name.
constexpr std::size_t quantos_ultimos = 16;
constexpr std::u16string_view prenome_ultimos = u"Úrsula";
// Typed into an empty field: the first key matches only the last entries (case-blind), the
// second no entry at all.
constexpr char16_t tecla_ultimos = u'ú';
constexpr char16_t tecla_nenhum = u'x';

// No first name begins with "Ú" or "X".
constexpr std::array<std::u16string_view, 32> prenomes{
    u"João",   u"José",      u"Antônio", u"Francisco", u"Carlos",  u"Paulo",    u"Pedro",
    u"Lucas",  u"Luís",      u"Gabriel", u"Sebastião", u"André",   u"Fábio",    u"Márcio",
    u"Otávio", u"Álvaro",    u"Maria",   u"Ana",       u"Juliana", u"Fernanda", u"Patrícia",
    u"Aline",  u"Jéssica",   u"Letícia", u"Júlia",     u"Ângela",  u"Cecília",  u"Lúcia",
    u"Débora", u"Conceição", u"Inês",    u"Glória",
};

constexpr std::array<std::u16string_view, 32> sobrenomes{
    u"Silva",     u"Santos",  u"Oliveira", u"Souza",  u"Rodrigues", u"Ferreira",  u"Alves",
    u"Pereira",   u"Lima",    u"Gomes",    u"Costa",  u"Ribeiro",   u"Martins",   u"Carvalho",
    u"Gonçalves", u"Araújo",  u"Assunção", u"Simões", u"Falcão",    u"Guimarães", u"Sá",
    u"Gusmão",    u"Queirós", u"Brás",     u"Leão",   u"Peçanha",   u"Camões",    u"Bragança",
    u"Nóbrega",   u"Aragão",  u"Galvão",   u"Monção",
};

// 32,767 names: a first name, sometimes a second, and one or two surnames; the last 16 all
// "Úrsula".
const std::vector<std::u16string>& nomes() {
    static const std::vector<std::u16string> lista = [] {
        std::vector<std::u16string> v;
        v.reserve(tamanho_lista);
        Sorteio sorteio(20030512);
        while (v.size() < tamanho_lista) {
            const bool ultimos = v.size() + quantos_ultimos >= tamanho_lista;
            std::u16string nome(ultimos ? prenome_ultimos : prenomes[sorteio.ate(prenomes.size())]);
            if (!ultimos && sorteio.ate(10) < 3) {
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
        return v;
    }();
    return lista;
}

const QStringList& nomes_qt() {
    static const QStringList lista = [] {
        QStringList l;
        l.reserve(static_cast<qsizetype>(tamanho_lista));
        for (const std::u16string& nome : nomes()) l.append(qstring(nome));
        return l;
    }();
    return lista;
}

// The names as records of a recordset: "id" (1, 2, ...) and "nome".
const std::vector<headless::RecordsetMemoria::Registro>& registros() {
    static const std::vector<headless::RecordsetMemoria::Registro> lista = [] {
        std::vector<headless::RecordsetMemoria::Registro> r;
        r.reserve(tamanho_lista);
        std::size_t id = 1;
        for (const std::u16string& nome : nomes()) {
            const std::string digitos = std::to_string(id++);
            r.push_back({{u"id", std::u16string(digitos.begin(), digitos.end())}, {u"nome", nome}});
        }
        return r;
    }();
    return lista;
}

// ---- One keystroke of the search -------------------------------------------------------------

class PesquisaControle {
  public:
    PesquisaControle() : campo_(novo_campo(janela_)) {
        campo_->campo().Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
        for (const std::u16string& nome : nomes()) campo_->campo().AddItem(nome);
    }

    bool focar() { return janela_.focar(*campo_->caixaCombo()); }
    void limpar() { campo_->campo().Text(u""); }
    QString texto() const { return campo_->caixaCombo()->lineEdit()->text(); }
    // The entry the search chose (-1 for none).
    int indice() const { return campo_->campo().ListIndex(); }

  private:
    Janela janela_;
    CampoVivoWidget* campo_;
};

class PesquisaComboBox {
  public:
    PesquisaComboBox() : combo_(janela_.adicionar(new QComboBox(&janela_.janela()))) {
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        combo_->addItems(nomes_qt());
        completador_ = new QCompleter(combo_->model(), combo_);
        completador_->setCompletionMode(QCompleter::InlineCompletion);
        completador_->setCaseSensitivity(Qt::CaseInsensitive);
        combo_->setCompleter(completador_);
        combo_->setCurrentIndex(-1);
    }

    bool focar() { return janela_.focar(*combo_); }
    // The edit emptied, and the completer's cache of earlier matches dropped (a new case
    // sensitivity builds a new matching engine): every round searches afresh, as the
    // control does.
    void limpar() {
        combo_->clearEditText();
        completador_->setCaseSensitivity(Qt::CaseSensitive);
        completador_->setCaseSensitivity(Qt::CaseInsensitive);
    }
    QString texto() const { return combo_->lineEdit()->text(); }
    // The first entry equal to the text ignoring case, as the completion shows it (the typed
    // characters keep their case); -1 for none.
    int indice() const {
        const QString t = texto();
        const QStringList& lista = nomes_qt();
        const auto it = std::find_if(lista.begin(), lista.end(), [&](const QString& nome) {
            return nome.compare(t, Qt::CaseInsensitive) == 0;
        });
        return it == lista.end() ? -1 : static_cast<int>(it - lista.begin());
    }

  private:
    Janela janela_;
    QComboBox* combo_;
    QCompleter* completador_ = nullptr;
};

// What one keystroke into the empty field leaves: the text, and the entry chosen.
struct EsperadoPesquisa {
    QString texto;
    int indice;
};

template <class Campo>
void pesquisar(benchmark::State& estado, Campo& campo, char16_t tecla,
               const EsperadoPesquisa& esperado) {
    if (!campo.focar()) {
        estado.SkipWithError("the field did not take the focus");
        return;
    }
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        estado.PauseTiming();
        campo.limpar();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        contador.iniciar();
        teclar(QChar(tecla));
        contador.parar();
    }
    if (campo.texto() != esperado.texto || campo.indice() != esperado.indice) {
        const std::string visto =
            campo.texto().toStdString() + " (entry " + std::to_string(campo.indice()) + ")";
        estado.SkipWithError(("the field shows " + visto).c_str());
        return;
    }
    contador.relatar(estado, 1);
}

// ---- Loading the list ------------------------------------------------------------------------

class CargaControle {
  public:
    CargaControle() : campo_(novo_campo(janela_)) {
        campo_->campo().Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
        janela_.janela().show();
    }

    CampoVivo& campo() { return campo_->campo(); }
    // The size of the list as Qt has it: any entry the box still held back reaches Qt's
    // model here.
    int lista_no_toolkit() const { return campo_->caixaCombo()->count(); }

  private:
    Janela janela_;
    CampoVivoWidget* campo_;
};

class CargaComboBox {
  public:
    CargaComboBox() : combo_(janela_.adicionar(new QComboBox(&janela_.janela()))) {
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        janela_.janela().show();
    }

    QComboBox& combo() { return *combo_; }

  private:
    Janela janela_;
    QComboBox* combo_;
};

// The same control on the headless boxes, which keep the list in a plain vector: what the
// control itself costs (reading the recordset, trimming, folding each entry for the search,
// the item data), with next to nothing for the toolkit.
class CargaHeadless {
  public:
    CargaHeadless() {
        form_.hospedeiro.ao_redimensionar = [this] { campo_.Resize(); };
        campo_.InitProperties();
        form_.hospedeiro.redimensionar(3000, 315);
        campo_.Estilo(valor(eEstilo::ComboBoxLookUpAteLimiteDados));
    }

    CampoVivo& campo() {
        form_.hospedeiro.eventos.clear();
        form_.hospedeiro.avisos.clear();
        return campo_;
    }
    int lista_no_toolkit() const { return form_.cboCombo.ListCount(); }

  private:
    headless::Formulario form_;
    CampoVivo campo_{form_.txtCombo, form_.cboCombo, form_.tela, form_.hospedeiro};
};

bool lista_confere(int quantos, const QString& ultimo) {
    return quantos == static_cast<int>(tamanho_lista) && ultimo == nomes_qt().back();
}

template <class Carga>
void carregar_no_controle(benchmark::State& estado, Carga& carga) {
    CampoVivo& campo = carga.campo();
    std::optional<headless::RecordsetMemoria> rs;
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        estado.PauseTiming();
        campo.Clear();
        rs.emplace(registros());
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        contador.iniciar();
        campo.Carregar(&*rs, u"nome", u"id");
        benchmark::DoNotOptimize(carga.lista_no_toolkit());
        contador.parar();
    }
    const auto ultimo = static_cast<int16_t>(tamanho_lista - 1);
    if (!lista_confere(campo.ListCount(), qstring(campo.List(ultimo))) ||
        campo.ItemData(ultimo) != u"32767") {
        estado.SkipWithError("Carregar did not load every record");
        return;
    }
    contador.relatar(estado, 1);
    relatar_por_item(estado, "por_entrada", static_cast<double>(tamanho_lista));
}

template <class Carga>
void adicionar_no_controle(benchmark::State& estado, Carga& carga) {
    CampoVivo& campo = carga.campo();
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        estado.PauseTiming();
        campo.Clear();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        contador.iniciar();
        for (const std::u16string& nome : nomes()) campo.AddItem(nome);
        benchmark::DoNotOptimize(carga.lista_no_toolkit());
        contador.parar();
    }
    if (!lista_confere(campo.ListCount(),
                       qstring(campo.List(static_cast<int16_t>(tamanho_lista - 1))))) {
        estado.SkipWithError("AddItem did not add every name");
        return;
    }
    contador.relatar(estado, 1);
    relatar_por_item(estado, "por_entrada", static_cast<double>(tamanho_lista));
}

void carregar_no_combo(benchmark::State& estado, CargaComboBox& carga) {
    QComboBox& combo = carga.combo();
    ContadorAlocacoes contador;
    for (auto _ : estado) {
        estado.PauseTiming();
        combo.clear();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        contador.iniciar();
        combo.addItems(nomes_qt());
        benchmark::DoNotOptimize(combo.count());
        contador.parar();
    }
    if (!lista_confere(combo.count(), combo.itemText(combo.count() - 1))) {
        estado.SkipWithError("addItems did not add every name");
        return;
    }
    contador.relatar(estado, 1);
    relatar_por_item(estado, "por_entrada", static_cast<double>(tamanho_lista));
}

// ---- Registration and the closing table --------------------------------------------------------

// The widgets of every benchmark, made once: the lists of the search are loaded before the
// first one runs.
struct Bancada {
    CpfControle cpf_controle;
    CpfLineEdit cpf_linha;
    PesquisaControle pesquisa_controle;
    PesquisaComboBox pesquisa_combo;
    CargaControle carga_controle;
    CargaComboBox carga_combo;
    CargaHeadless carga_headless;
};

// One line of the closing table: the control's benchmark against the plain widget's, each
// time divided by the items of one iteration, and the goal for their ratio.
struct Comparacao {
    std::string titulo;
    std::string controle;
    std::string referencia;
    double itens;
    double meta;    // 0: no goal, the line only explains another
    double escala;  // seconds to the printed unit
    const char* unidade;
};

std::vector<Comparacao>& comparacoes() {
    static std::vector<Comparacao> lista;
    return lista;
}

void registrar(Bancada& b) {
    const auto n = static_cast<double>(cpf_teclas.size());
    for (const bool pintar : {false, true}) {
        const std::string grupo = pintar ? "DigitarCPF_com_pintura/" : "DigitarCPF/";
        const std::string controle = grupo + "CampoVivoWidget";
        const std::string referencia = grupo + "QLineEdit_mascara";
        benchmark::RegisterBenchmark(controle.c_str(), [&b, pintar](benchmark::State& e) {
            digitar_cpf(e, b.cpf_controle, pintar);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(referencia.c_str(), [&b, pintar](benchmark::State& e) {
            digitar_cpf(e, b.cpf_linha, pintar);
        })->Unit(benchmark::kMicrosecond);
        comparacoes().push_back({pintar ? "CPF, per keystroke, repainted" : "CPF, per keystroke",
                                 controle, referencia, n, 1.5, 1e9, "ns"});
    }

    const auto primeira_das_ultimas = static_cast<int>(tamanho_lista - quantos_ultimos);
    const QString completada = nomes_qt().at(primeira_das_ultimas);
    const EsperadoPesquisa ultimos_controle{completada, primeira_das_ultimas};
    const EsperadoPesquisa ultimos_combo{QChar(tecla_ultimos) + completada.mid(1),
                                         primeira_das_ultimas};
    const EsperadoPesquisa nenhum_controle{QString(), -1};
    const EsperadoPesquisa nenhum_combo{QString(QChar(tecla_nenhum)), -1};
    struct Caso {
        const char* nome;
        const char* titulo;
        char16_t tecla;
        EsperadoPesquisa controle;
        EsperadoPesquisa combo;
    };
    const std::array<Caso, 2> casos{{
        {"so_as_ultimas", "search key, only the last match", tecla_ultimos, ultimos_controle,
         ultimos_combo},
        {"nenhuma", "search key, nothing matches", tecla_nenhum, nenhum_controle, nenhum_combo},
    }};
    for (const Caso& c : casos) {
        const std::string controle = std::string("Pesquisa/") + c.nome + "/CampoVivoWidget";
        const std::string referencia = std::string("Pesquisa/") + c.nome + "/QComboBox_QCompleter";
        benchmark::RegisterBenchmark(controle.c_str(), [&b, c](benchmark::State& e) {
            pesquisar(e, b.pesquisa_controle, c.tecla, c.controle);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(referencia.c_str(), [&b, c](benchmark::State& e) {
            pesquisar(e, b.pesquisa_combo, c.tecla, c.combo);
        })->Unit(benchmark::kMicrosecond);
        comparacoes().push_back({c.titulo, controle, referencia, 1, 1.0, 1e6, "us"});
    }

    const std::string carregar = "Carga/32767/CampoVivoWidget_Carregar";
    const std::string adicionar = "Carga/32767/CampoVivoWidget_AddItem";
    const std::string add_items = "Carga/32767/QComboBox_addItems";
    benchmark::RegisterBenchmark(carregar.c_str(), [&b](benchmark::State& e) {
        carregar_no_controle(e, b.carga_controle);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(adicionar.c_str(), [&b](benchmark::State& e) {
        adicionar_no_controle(e, b.carga_controle);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(add_items.c_str(), [&b](benchmark::State& e) {
        carregar_no_combo(e, b.carga_combo);
    })->Unit(benchmark::kMillisecond);
    comparacoes().push_back(
        {"load 32,767 entries, Carregar", carregar, add_items, 1, 1.0, 1e3, "ms"});
    comparacoes().push_back(
        {"load 32,767 entries, AddItem", adicionar, add_items, 1, 1.0, 1e3, "ms"});

    const std::string carregar_headless = "Carga/32767/CampoVivo_headless_Carregar";
    const std::string adicionar_headless = "Carga/32767/CampoVivo_headless_AddItem";
    benchmark::RegisterBenchmark(carregar_headless.c_str(), [&b](benchmark::State& e) {
        carregar_no_controle(e, b.carga_headless);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(adicionar_headless.c_str(), [&b](benchmark::State& e) {
        adicionar_no_controle(e, b.carga_headless);
    })->Unit(benchmark::kMillisecond);
    comparacoes().push_back(
        {"  the control alone, Carregar", carregar_headless, add_items, 1, 0, 1e3, "ms"});
    comparacoes().push_back(
        {"  the control alone, AddItem", adicionar_headless, add_items, 1, 0, 1e3, "ms"});
}

// The ratios printed after the runs.
class Razoes final : public RelatorComRazoes {
  public:
    using RelatorComRazoes::RelatorComRazoes;

  private:
    void imprimir_razoes(std::ostream& saida) const override {
        saida << "\nCampoVivoWidget against the plain Qt widget (CPU time, median).\n";
        saida << std::left << std::setw(38) << "" << std::right << std::setw(13) << "control"
              << std::setw(13) << "plain Qt" << std::setw(8) << "ratio" << std::setw(7) << "goal"
              << "\n";
        saida << std::fixed;
        for (const Comparacao& c : comparacoes()) {
            const auto t = tempo(c.controle);
            const auto r = tempo(c.referencia);
            saida << "  " << std::left << std::setw(36) << c.titulo << std::right;
            if (!t || !r) {
                saida << "   (not run, or failed)\n";
                continue;
            }
            const double controle = *t / c.itens * c.escala;
            const double referencia = *r / c.itens * c.escala;
            const double razao = controle / referencia;
            saida << std::setprecision(1) << std::setw(10) << controle << " " << std::setw(2)
                  << c.unidade << std::setw(10) << referencia << " " << std::setw(2) << c.unidade
                  << std::setprecision(2) << std::setw(7) << razao << "x";
            if (c.meta > 0) {
                saida << std::setprecision(1) << std::setw(5) << c.meta << "x"
                      << (razao <= c.meta ? "" : "  missed");
            }
            saida << "\n";
        }
        if (incidentes().falhas != 0 || incidentes().mensagens != 0) {
            saida << "\nThe control failed " << incidentes().falhas << " times and showed "
                  << incidentes().mensagens << " message boxes: its figures are not valid.\n";
        }
    }
};

// The offscreen platform warns about every window it shows that it cannot pass size hints
// on; the rest of Qt's messages go where they would have gone.
QtMessageHandler mensagens_do_qt = nullptr;

void filtrar_mensagens(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.contains(QLatin1String("propagateSizeHints"))) return;
    if (mensagens_do_qt != nullptr) mensagens_do_qt(tipo, contexto, texto);
}

}  // namespace

}  // namespace pjtCampoVivo::bench

int main(int argc, char** argv) {
    using namespace pjtCampoVivo::bench;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    mensagens_do_qt = qInstallMessageHandler(filtrar_mensagens);
    const QApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    pjtCampoVivo::qt::CampoVivoWidget::interceptarMensagens([](QMessageBox&) {
        ++incidentes().mensagens;
        return static_cast<int>(QMessageBox::Ok);
    });
    int resultado = 0;
    {
        const auto bancada = std::make_unique<Bancada>();
        registrar(*bancada);
        Razoes relator(benchmark::CreateDefaultDisplayReporter());
        benchmark::RunSpecifiedBenchmarks(&relator);
        if (incidentes().falhas != 0 || incidentes().mensagens != 0) resultado = 1;
    }
    pjtCampoVivo::qt::CampoVivoWidget::interceptarMensagens({});
    benchmark::Shutdown();
    return resultado;
}
