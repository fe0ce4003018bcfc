// Structure-aware fuzzing of the control: the fuzzer's bytes choose a well-formed session
// script (every operation a script has, with values in and out of range), which runs line
// by line on the headless stage through the script runner. After every line, and inside
// every KeyPress, Change and FimItensLista the control raises, the control's state must
// hold together:
//
//   - the item-data store has one string per list entry;
//   - each inner box's caret and selection lie inside its text, and the combo box's own
//     list position is -1 or an entry;
//   - at run time, ClipText and ClipTextPonto read any text the control shows, unless a
//     setting is outside what the control documents (then they may fail, with a published
//     error);
//   - a member fails only with a pjtCampoVivo::Erro of a published number and kind.
//
// A violation aborts and prints the script, which `campovivo roteiro` replays.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "cli/erro_cli.hpp"
#include "cli/palco.hpp"
#include "cli/roteiro.hpp"
#include "cli/roteiro_sessao.hpp"
#include "fuzz/apoio_fuzz.hpp"

namespace {

using namespace pjtCampoVivo;
using namespace pjtCampoVivo::cli;

// ---- The script as it is generated ----------------------------------------------------------

std::string roteiro_gerado;  // every line so far, for the report of a violation

[[noreturn]] void violacao(const std::string& oque) {
    std::fprintf(stderr, "fuzz_roteiro_gerado: %s\nThe script (campovivo roteiro replays it):\n%s",
                 oque.c_str(), roteiro_gerado.c_str());
    std::abort();
}

// A JSON string with every unit outside printable ASCII escaped, so any 16-bit text (lone
// surrogates included) goes through the script unchanged.
std::string json_texto(std::u16string_view texto) {
    std::string r = "\"";
    for (const char16_t c : texto) {
        if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
            r.push_back(static_cast<char>(c));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            r += escape;
        }
    }
    return r + "\"";
}

class Gerador {
  public:
    explicit Gerador(FuzzedDataProvider& d) : d_(d) {}

    bool acabou() const { return d_.remaining_bytes() == 0; }

    // One script line.
    std::string linha() {
        switch (d_.ConsumeIntegralInRange<int>(0, 21)) {
            case 0:
            case 1:
                return "{\"set\": " + atribuicao() + "}";
            case 2:
                return leitura();
            case 3:
            case 4:
                return metodo();
            case 5:
                return std::string("{\"modo\": ") +
                       (d_.ConsumeBool() ? "\"designer\"}" : "\"execucao\"}");
            case 6:
                return "{\"redimensionar\": [" + inteiro(-10, 100000) + ", " +
                       inteiro(-10, 100000) + "]}";
            case 7:
                return hospede();
            case 8:
            case 9:
            case 10:
            case 11:
                return "{\"teclar\": " + json_texto(digitado()) + "}";
            case 12:
            case 13:
                return "{\"tecla\": \"" + std::string(escolher(Teclas)) + "\"}";
            case 14:
                return "{\"selecionar\": [" + inteiro(-2, 40) + ", " + inteiro(-2, 40) + "]}";
            case 15:
                return "{\"colar\": " + json_texto(texto()) + "}";
            case 16:
                return "{\"focar\": true}";
            case 17:
                return "{\"sair\": true}";
            case 18:
                return "{\"clicar\": " + inteiro(-1, 6) + "}";
            case 19:
                return "{\"abrir\": true}";
            case 20:
                return "{\"duplo\": true}";
            default:
                return d_.ConsumeIntegralInRange<int>(0, 7) == 0 ? "{\"novo\": true}"
                                                                 : "{\"focar\": true}";
        }
    }

  private:
    static constexpr std::array<std::string_view, 8> Teclas{"Backspace", "Enter", "Tab",  "Delete",
                                                            "Home",      "End",   "Left", "Right"};

    template <typename T, std::size_t N>
    T escolher(const std::array<T, N>& opcoes) {
        return opcoes[d_.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
    }

    std::string inteiro(int64_t minimo, int64_t maximo) {
        return std::to_string(d_.ConsumeIntegralInRange<int64_t>(minimo, maximo));
    }

    // A number for a 16-bit or 32-bit setting: mostly a small one, sometimes one at or just
    // past the edges of the type, or one with a fraction (halves round to even).
    std::string numero(int64_t minimo_usual, int64_t maximo_usual) {
        static constexpr std::array<std::string_view, 12> extremos{
            "-1",  "32767",      "32768",       "-32768", "-32769", "2147483647",
            "2.5", "2147483648", "-2147483649", "1e300",  "0.5",    "3.5"};
        if (d_.ConsumeIntegralInRange<int>(0, 7) == 0) return std::string(escolher(extremos));
        return inteiro(minimo_usual, maximo_usual);
    }

    // One unit of typed or pasted text: digits most often, then letters, accents and the
    // characters the masks and the case rules care about.
    char16_t caractere() {
        static constexpr std::array<char16_t, 40> especiais{
            u',',    u'.',    u'-',      u'/',      u':',      u' ',      u'\'',     u'"',
            u'(',    u')',    u'+',      u'á',      u'Ã',      u'ç',      u'É',      u'ß',
            u'ǅ',    u'İ',    u'ı',      u'ﬀ',      u'ŉ',      u'ς',      u'\x08',   u'\x09',
            u'\x0D', u'\x00', u'\xFFFF', u'\xD800', u'\xDBFF', u'\xDC00', u'\xDFFF', u'\x7F',
            u'\x1B', u'\xA0', u'\x2028', u'0',      u'9',      u'a',      u'Z',      u'\xFEFF'};
        switch (d_.ConsumeIntegralInRange<int>(0, 9)) {
            case 0:
            case 1:
            case 2:
            case 3:
                return static_cast<char16_t>(u'0' + d_.ConsumeIntegralInRange<int>(0, 9));
            case 4:
                return static_cast<char16_t>(u'a' + d_.ConsumeIntegralInRange<int>(0, 25));
            case 5:
                return static_cast<char16_t>(u'A' + d_.ConsumeIntegralInRange<int>(0, 25));
            case 6:
                return d_.ConsumeIntegral<char16_t>();
            default:
                return escolher(especiais);
        }
    }

    // Typed text never reaches the 16-bit limit: each keystroke formats the whole text again,
    // so typing 32,767 characters one by one costs their square and only times out.
    std::u16string digitado() { return texto(false); }

    std::u16string texto(bool ate_o_limite = true) {
        std::u16string t;
        // Rare, since every later keystroke re-formats the whole text: lengths around the
        // 16-bit limit of lengths and positions, and texts longer than any mask.
        const int forma = d_.ConsumeIntegralInRange<int>(0, 1023);
        if (forma == 0 && ate_o_limite) {
            static constexpr std::array<std::size_t, 4> tamanhos{32766, 32767, 32768, 33000};
            t.assign(escolher(tamanhos), caractere());
        } else if (forma < 17) {
            t.assign(d_.ConsumeIntegralInRange<std::size_t>(20, 80), caractere());
        } else if (forma < 33) {
            t = u"\xD83D\xDE00";  // a whole character beyond the Basic Multilingual Plane
        } else {
            const auto n = d_.ConsumeIntegralInRange<std::size_t>(0, 12);
            for (std::size_t i = 0; i < n && !acabou(); ++i) t.push_back(caractere());
        }
        return t;
    }

    // "PROPERTY", "valor": V (and "indice" for List and ItemData), for set lines and the
    // Change action.
    std::string atribuicao() {
        auto par = [](std::string_view nome, const std::string& valor) {
            return "\"" + std::string(nome) + "\", \"valor\": " + valor;
        };
        switch (d_.ConsumeIntegralInRange<int>(0, 21)) {
            case 0:
            case 1:
                return par("Estilo", numero(0, 2));
            case 2:
            case 3:
            case 4:
                return par("Mascara", numero(0, 15));
            case 5:
                return par("QuantidadeCasasDecimais", numero(0, 9));
            case 6:
                return par("CapsLockMixed", numero(0, 2));
            case 7:
                return par("FazerConsistenciaBasica", numero(-1, 2));
            case 8:
                return par("Alinhamento", numero(0, 2));
            case 9:
                return par("MaxLength", numero(0, 60));
            case 10:
                return par("ListIndex", numero(-2, 6));
            case 11:
                return par("TopIndex", numero(-1, 6));
            case 12:
                return par("SelStart", numero(-1, 20));
            case 13:
                return par("SelLength", numero(-1, 20));
            case 14:
                return par("QtdMaxRegRetornadosPesqLookUp", numero(0, 200));
            case 15:
                return par("Enabled", d_.ConsumeBool() ? "true" : "false");
            case 16:
                return par("CaracteresASeremRetiradosTexto", json_texto(texto()));
            case 17:
            case 18:
                return par("Text", json_texto(texto()));
            case 19:
                return par("SelText", json_texto(texto()));
            case 20:
                return par("ToolTipText", json_texto(texto()));
            default:
                return "\"" + std::string(d_.ConsumeBool() ? "List" : "ItemData") +
                       "\", \"indice\": " + numero(-1, 6) + ", \"valor\": " + json_texto(texto());
        }
    }

    std::string leitura() {
        static constexpr std::array<std::string_view, 24> simples{"FazerConsistenciaBasica",
                                                                  "Alinhamento",
                                                                  "Enabled",
                                                                  "hWnd",
                                                                  "ListCount",
                                                                  "ListIndex",
                                                                  "NewIndex",
                                                                  "SelLength",
                                                                  "SelStart",
                                                                  "SelText",
                                                                  "Sorted",
                                                                  "Style",
                                                                  "Text",
                                                                  "ClipText",
                                                                  "ClipTextPonto",
                                                                  "ToolTipText",
                                                                  "TopIndex",
                                                                  "Estilo",
                                                                  "Mascara",
                                                                  "QuantidadeCasasDecimais",
                                                                  "CapsLockMixed",
                                                                  "CaracteresASeremRetiradosTexto",
                                                                  "MaxLength",
                                                                  "QtdMaxRegRetornadosPesqLookUp"};
        if (d_.ConsumeIntegralInRange<int>(0, 4) == 0) {
            return std::string("{\"get\": \"") + (d_.ConsumeBool() ? "List" : "ItemData") +
                   "\", \"indice\": " + numero(-1, 6) + "}";
        }
        return "{\"get\": \"" + std::string(escolher(simples)) + "\"}";
    }

    // A recordset field's value: text, a number, a boolean or null.
    std::string valor_de_campo() {
        switch (d_.ConsumeIntegralInRange<int>(0, 7)) {
            case 0:
                return "null";
            case 1:
                return inteiro(-5, 100);
            case 2:
                return "3.5";
            case 3:
                return d_.ConsumeBool() ? "true" : "false";
            default:
                return json_texto(texto());
        }
    }

    std::string registros() {
        if (d_.ConsumeIntegralInRange<int>(0, 7) == 0) return "null";
        std::string r = "[";
        const int n = d_.ConsumeIntegralInRange<int>(0, 6);
        for (int i = 0; i < n; ++i) {
            if (i > 0) r += ", ";
            r += "{";
            bool primeiro = true;
            for (std::string_view campo : {"nome", "id", "NOME"}) {
                if (d_.ConsumeIntegralInRange<int>(0, 5) == 0) continue;  // a field missing
                if (!primeiro) r += ", ";
                primeiro = false;
                r += "\"" + std::string(campo) + "\": " + valor_de_campo();
            }
            r += "}";
        }
        return r + "]";
    }

    // A value of the bag ReadProperties reads, of the key's type or of any other.
    std::string valor_de_bolsa() {
        switch (d_.ConsumeIntegralInRange<int>(0, 9)) {
            case 0:
                return "null";
            case 1:
                return d_.ConsumeBool() ? "true" : "false";
            case 2:
                return "2.5";
            case 3:
                return "4294967295";
            case 4:
                return "-1";
            case 5:
                return json_texto(texto());
            case 6:
                return "\"12\"";
            default:
                return numero(0, 15);
        }
    }

    std::string bolsa() {
        static constexpr std::array<std::string_view, 18> chaves{"ForeColor",
                                                                 "Alinhamento",
                                                                 "Enabled",
                                                                 "Font",
                                                                 "BackColor",
                                                                 "Locked",
                                                                 "MouseIcon",
                                                                 "MousePointer",
                                                                 "Text",
                                                                 "ToolTipText",
                                                                 "WhatsThisHelpID",
                                                                 "Estilo",
                                                                 "Mascara",
                                                                 "QuantidadeCasasDecimais",
                                                                 "CapsLockMixed",
                                                                 "CaracteresASeremRetiradosTexto",
                                                                 "MaxLength",
                                                                 "QtdMaxRegRetornadosPesqLookUp"};
        std::string b = "{";
        const int n = d_.ConsumeIntegralInRange<int>(0, 8);
        for (int i = 0; i < n; ++i) {
            if (i > 0) b += ", ";
            b += "\"" + std::string(escolher(chaves)) + "\": " + valor_de_bolsa();
        }
        return b + "}";
    }

    std::string metodo() {
        switch (d_.ConsumeIntegralInRange<int>(0, 12)) {
            case 0:
            case 1:
            case 2: {
                std::string args = "\"Item\": " + json_texto(texto());
                if (d_.ConsumeIntegralInRange<int>(0, 3) == 0)
                    args += ", \"Index\": " + numero(-1, 5);
                if (d_.ConsumeBool()) args += ", \"ItemData\": " + json_texto(texto());
                return "{\"metodo\": \"AddItem\", \"args\": {" + args + "}}";
            }
            case 3:
                return "{\"metodo\": \"Clear\"}";
            case 4:
                return "{\"metodo\": \"RemoveItem\", \"args\": {\"Index\": " + numero(-1, 5) + "}}";
            case 5:
                return "{\"metodo\": \"PosicionarPorItem\", \"args\": {\"Item\": " +
                       json_texto(texto()) + "}}";
            case 6:
                return "{\"metodo\": \"PosicionarPorItemData\", \"args\": {\"ItemData\": " +
                       json_texto(texto()) + "}}";
            case 7:
            case 8: {
                static constexpr std::array<std::string_view, 5> campos{"nome", "id", "NOME",
                                                                        "falta", ""};
                std::string args = "\"Item\": \"" + std::string(escolher(campos)) + "\"";
                if (d_.ConsumeBool())
                    args += ", \"ItemData\": \"" + std::string(escolher(campos)) + "\"";
                if (d_.ConsumeBool()) args += ", \"ItemAPosicionar\": " + json_texto(texto());
                if (d_.ConsumeBool()) args += ", \"ItemDataAPosicionar\": " + json_texto(texto());
                return "{\"metodo\": \"Carregar\", \"registros\": " + registros() +
                       ", \"args\": {" + args + "}}";
            }
            case 9:
                return "{\"metodo\": \"ReadProperties\", \"bolsa\": " + bolsa() + "}";
            case 10:
                return "{\"metodo\": \"WriteProperties\"}";
            case 11:
                return "{\"metodo\": \"Refresh\"}";
            default:
                return "{\"metodo\": \"InitProperties\"}";
        }
    }

    std::string hospede() {
        switch (d_.ConsumeIntegralInRange<int>(0, 2)) {
            case 0:
                return "{\"hospede\": {\"KeyPress\": {\"KeyAscii\": " + numero(0, 130) + "}}}";
            case 1: {
                std::string acao;
                if (d_.ConsumeBool()) {
                    acao = "\"AddItem\": [";
                    const int n = d_.ConsumeIntegralInRange<int>(0, 4);
                    for (int i = 0; i < n; ++i) acao += (i ? ", " : "") + json_texto(texto());
                    acao += "]";
                }
                if (d_.ConsumeBool()) {
                    if (!acao.empty()) acao += ", ";
                    acao += "\"TextoProcurado\": " + json_texto(texto());
                }
                return "{\"hospede\": {\"FimItensLista\": {" + acao + "}}}";
            }
            default:
                return "{\"hospede\": {\"Change\": {\"set\": " + atribuicao() + "}}}";
        }
    }

    FuzzedDataProvider& d_;
};

// ---- Invariants ------------------------------------------------------------------------------

void verificar_caixa(const EstadoCaixa& caixa, const char* nome, const char* onde) {
    const auto tamanho = static_cast<int64_t>(caixa.texto.size());
    const int64_t inicio = caixa.sel_inicio;
    const int64_t fim = inicio + caixa.sel_tamanho;
    if (inicio < 0 || inicio > tamanho || caixa.sel_tamanho < 0 || fim > tamanho) {
        violacao(std::string(onde) + ": " + nome + " selection [" + std::to_string(inicio) + ", +" +
                 std::to_string(caixa.sel_tamanho) + "] outside a text of " +
                 std::to_string(tamanho) + " units");
    }
}

// What must hold whenever the control hands control back: after a line, and inside each
// event it raises to the host.
void verificar_estrutura(const Palco& palco, const char* onde) {
    const EstadoCaixas caixas = palco.caixas();
    const CampoVivo::Estado estado = palco.campo().estado();
    if (estado.itemData.size() != caixas.lista.size()) {
        violacao(std::string(onde) + ": " + std::to_string(estado.itemData.size()) +
                 " item-data strings for " + std::to_string(caixas.lista.size()) + " list entries");
    }
    verificar_caixa(caixas.texto, "txtCombo", onde);
    verificar_caixa(caixas.combo, "cboCombo", onde);
    if (caixas.indice < -1 || caixas.indice >= static_cast<int64_t>(caixas.lista.size())) {
        violacao(std::string(onde) + ": cboCombo's list position " + std::to_string(caixas.indice) +
                 " in a list of " + std::to_string(caixas.lista.size()));
    }
}

// The settings the control documents: a mask 0 to 15 and 0 to 9 decimal places. Within them
// the plain value of whatever the control shows must be readable, unless the text is longer
// than any 16-bit length: a box keeps such a text when formatting it failed (a value moved in
// or pasted whole), and reading it fails with the overflow error as every such text does.
bool recusa_documentada(const CampoVivo& campo, const Erro& e) {
    const bool configuracao = campo.Mascara() >= 0 && campo.Mascara() <= 15 &&
                              campo.QuantidadeCasasDecimais() >= 0 &&
                              campo.QuantidadeCasasDecimais() <= 9;
    if (!configuracao) return fuzz::erro_publicado(e);
    return e.numero() == numero_erro::Estouro && campo.Text().size() > 32767;
}

void verificar_valor(CampoVivo& campo) {
    // Reading the value must not disturb the per-thread flag the next keystroke looks at.
    const int32_t flag = SeparadorInserido;
    for (const bool ponto : {false, true}) {
        try {
            if (ponto) {
                campo.ClipTextPonto();
            } else {
                campo.ClipText();
            }
        } catch (const Erro& e) {
            if (!recusa_documentada(campo, e)) {
                const std::u16string texto = campo.Text();
                std::string inicio;  // the first units, non-ASCII as '?'
                for (std::size_t i = 0; i < texto.size() && i < 60; ++i)
                    inicio += texto[i] < 0x80 ? static_cast<char>(texto[i]) : '?';
                violacao(std::string(ponto ? "ClipTextPonto" : "ClipText") + " failed (" +
                         std::to_string(e.numero()) + ": " + e.what() + ") on a text of " +
                         std::to_string(texto.size()) + " units, \"" + inicio + "\"..., mask " +
                         std::to_string(campo.Mascara()) + ", " +
                         std::to_string(campo.QuantidadeCasasDecimais()) + " places");
            }
        }
    }
    if (SeparadorInserido != flag) violacao("ClipText changed SeparadorInserido");
}

// Puts the structural check inside the events the control raises to the host, around the
// handlers the runner's session arms.
void vigiar(SessaoControle& s) {
    Palco& palco = *s.palco;
    auto& t = palco.tratadores;
    t.KeyPress = [&palco, anterior = t.KeyPress](int16_t& KeyAscii) {
        verificar_estrutura(palco, "in KeyPress");
        anterior(KeyAscii);
    };
    t.Change = [&palco, anterior = t.Change] {
        verificar_estrutura(palco, "in Change");
        anterior();
    };
    t.FimItensLista = [&palco, anterior = t.FimItensLista](std::u16string& TextoProcurado) {
        verificar_estrutura(palco, "in FimItensLista");
        anterior(TextoProcurado);
    };
}

std::unique_ptr<Recordset> sem_banco(const std::string&, std::u16string_view) {
    throw ErroCli("database files are not opened by this runner");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    SeparadorInserido = 0;  // each input starts as a fresh process does
    FuzzedDataProvider d(dados, tamanho);
    Gerador gerador(d);
    ExecucaoRoteiro roteiro(criar_palco_headless, sem_banco);
    roteiro_gerado.clear();
    static const bool mostrar = std::getenv("CAMPOVIVO_MOSTRAR_ROTEIRO") != nullptr;
    SessaoControle* vigiada = roteiro.sessao().controle.get();
    vigiar(*vigiada);
    bool execucao = true;
    std::string saida;
    for (std::size_t numero = 1; numero <= 40 && !gerador.acabou(); ++numero) {
        const std::string linha = gerador.linha();
        roteiro_gerado += linha + "\n";
        // With CAMPOVIVO_MOSTRAR_ROTEIRO set, each line goes to the standard error before it
        // runs: the script of a corpus file or of a crash, for `campovivo roteiro`.
        if (mostrar) std::fprintf(stderr, "%s\n", linha.c_str());
        if (linha.rfind("{\"modo\"", 0) == 0)
            execucao = linha.find("execucao") != std::string::npos;
        try {
            roteiro.executar(linha, numero, saida);
        } catch (const ErroCli& e) {
            violacao(std::string("the runner refused a generated line: ") + e.what());
        } catch (const Erro& e) {
            violacao(std::string("an Erro escaped the runner: ") + e.what());
        } catch (const std::exception& e) {
            violacao(std::string("unexpected exception: ") + e.what());
        }
        if (const auto& erro = roteiro.resultado().erro; erro && !fuzz::erro_publicado(*erro)) {
            violacao("unpublished error " + std::to_string(erro->numero()) + ": " + erro->what());
        }
        SessaoControle& s = *roteiro.sessao().controle;
        if (&s != vigiada) {  // "novo": a fresh form, at run time
            vigiada = &s;
            vigiar(s);
            execucao = true;
        }
        verificar_estrutura(*s.palco, "after the line");
        if (execucao) verificar_valor(s.campo);
    }
    return 0;
}
