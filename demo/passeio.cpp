#include "demo/passeio.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

#include "demo/formulario_cliente.hpp"
#include "demo/painel.hpp"
#include "demo/tabela_propriedades.hpp"
#include "demo/texto.hpp"

namespace pjtCampoVivo::demo {

using namespace Qt::Literals::StringLiterals;

namespace {

// How long the tour waits for the focus or a message box before calling it a failure.
constexpr int EsperaMs = 3000;

std::string utf8(const QString& s) {
    return s.toStdString();
}
QString aspas(const QString& s) {
    return u'"' + s + u'"';
}

// One value typed into a field, what the field must then show, and the message box that
// leaving it must bring (none when titulo is empty). Keys in braces are named keys: {DOWN},
// {HOME}, {S-END} (Shift+End, which selects to the end). With fica the tour stays in the
// field instead of leaving it, so the next value can be typed over this one.
struct Entrada {
    QString teclas;
    QString texto;
    QString clip_text;
    QString titulo = {};
    int list_index = -1;
    QString item_data = QStringLiteral("0");
    bool fica = false;
};

struct Sessao {
    QString campo;
    std::vector<Entrada> entradas;
};

std::vector<Sessao> sessoes() {
    return {
        {u"nome"_s, {{uR"(José d'Ávila "Zé")"_s, u"José dÁvila Zé"_s, u"José dÁvila Zé"_s}}},
        {u"cpf"_s,
         {{u"12345678908"_s, u"123.456.789-08"_s, u"12345678908"_s,
           u"CPF informada incorretamente"_s},
          {u"12345678909"_s, u"123.456.789-09"_s, u"12345678909"_s}}},
        // Alphanumeric: letters typed in lower case show as capitals and are checked.
        {u"cnpj"_s,
         {{u"93zb0vryv6ka66"_s, u"93.ZB0.VRY/V6KA-66"_s, u"93ZB0VRYV6KA66"_s,
           u"CGC informada incorretamente"_s},
          {u"12abc34501de35"_s, u"12.ABC.345/01DE-35"_s, u"12ABC34501DE35"_s}}},
        {u"nascimento"_s,
         {{u"31022003"_s, u"31/02/2003"_s, u"31/02/2003"_s, u"Data informada incorretamente"_s},
          {u"25122003"_s, u"25/12/2003"_s, u"25/12/2003"_s}}},
        // With the area code: an unallocated one (10) is refused; then a mobile, a fixed line
        // and a service number, each typed over the one before.
        {u"telefone"_s,
         {{u"10912345678"_s, u"(10) 91234-5678"_s, u"10912345678"_s,
           u"Telefone informado incorretamente"_s},
          {.teclas = u"11912345678"_s,
           .texto = u"(11) 91234-5678"_s,
           .clip_text = u"11912345678"_s,
           .fica = true},
          {.teclas = u"{HOME}{S-END}1134567890"_s,
           .texto = u"(11) 3456-7890"_s,
           .clip_text = u"1134567890"_s,
           .fica = true},
          {u"{HOME}{S-END}08001234567"_s, u"0800 123 4567"_s, u"08001234567"_s}}},
        {u"cep"_s, {{u"13010100"_s, u"13.010-100"_s, u"13010100"_s}}},
        {u"limite"_s, {{u"123456"_s, u"1.234,56"_s, u"1234,56"_s}}},
        {u"quantidade"_s, {{u"12a345"_s, u"12.345"_s, u"12345"_s}}},
        {u"horario"_s, {{u"0830"_s, u"08:30"_s, u"08:30"_s}}},
        {u"estado_civil"_s, {{u"{DOWN}{DOWN}"_s, u"Casado(a)"_s, u"Casado(a)"_s, {}, 1, u"2"_s}}},
    };
}

// São Paulo: a wrong check digit refused, a number, a rural producer's and ISENTO, each
// typed over the one before.
std::vector<Entrada> inscricoes_sp() {
    return {{u"110042490115"_s, u"110.042.490.115"_s, u"110042490115"_s,
             u"Inscrição estadual informada incorretamente"_s},
            {.teclas = u"110042490114"_s,
             .texto = u"110.042.490.114"_s,
             .clip_text = u"110042490114"_s,
             .fica = true},
            {.teclas = u"{HOME}{S-END}p011004243002"_s,
             .texto = u"P-01100424.3/002"_s,
             .clip_text = u"P011004243002"_s,
             .fica = true},
            {u"{HOME}{S-END}isento"_s, u"ISENTO"_s, u"ISENTO"_s}};
}

// Bahia: a number of each length, the shorter shape first.
std::vector<Entrada> inscricoes_ba() {
    return {{.teclas = u"12345663"_s,
             .texto = u"123456-63"_s,
             .clip_text = u"12345663"_s,
             .fica = true},
            {u"{HOME}{S-END}123456748"_s, u"1234567-48"_s, u"123456748"_s}};
}

struct Mensagem {
    QString titulo;
    QString prompt;
};

// Answers the fields' message boxes as a user pressing OK would, and remembers them. Any
// other modal window (one of the form's own error boxes) would wait for a user forever: it
// is closed and remembered too, so the tour fails on it as unexpected.
class RespostaMensagens {
  public:
    RespostaMensagens() {
        qt::CampoVivoWidget::interceptarMensagens([this](QMessageBox& caixa) {
            recebidas.push_back({caixa.windowTitle(), caixa.text()});
            return static_cast<int>(caixa.standardButton(caixa.defaultButton()));
        });
        relogio_.setInterval(20);
        QObject::connect(&relogio_, &QTimer::timeout, [this] { fechar_outras(); });
        relogio_.start();
    }
    ~RespostaMensagens() { qt::CampoVivoWidget::interceptarMensagens({}); }
    RespostaMensagens(const RespostaMensagens&) = delete;
    RespostaMensagens& operator=(const RespostaMensagens&) = delete;

    std::vector<Mensagem> recebidas;

  private:
    void fechar_outras() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        const auto* caixa = qobject_cast<QMessageBox*>(modal);
        recebidas.push_back({modal->windowTitle(), caixa != nullptr ? caixa->text() : QString()});
        modal->close();
    }

    QTimer relogio_;
};

class Passeio {
  public:
    Passeio(FormularioCliente& form, std::ostream& saida) : form_(form), saida_(saida) {
        QObject::connect(&form_, &FormularioCliente::paginaCarregada,
                         [this](const QString& texto, int adicionadas) {
                             paginas_.push_back(adicionadas);
                             saida_ << "    FimItensLista(" << utf8(aspas(texto))
                                    << "): host added " << adicionadas << " entries, list now "
                                    << form_.campo(u"cidade")->ListCount() << "\n";
                         });
    }

    void executar(const QString& captura) {
        form_.show();
        form_.activateWindow();
        if (!QTest::qWaitForWindowActive(&form_)) falhar(u"the form window never became active"_s);
        designer();
        clicar_em(u"nome"_s);
        for (const Sessao& s : sessoes()) sessao(s);
        cidade(u"São Paulo"_s, u"São Paulo - SP"_s, u"3550308"_s, true);
        inscricao(u"SP"_s, inscricoes_sp());
        // Back to Cidade for a city of Bahia, whose numbers have two lengths.
        clicar_em(u"cidade"_s);
        teclar(u"{HOME}{S-END}"_s);
        cidade(u"Salvador"_s, u"Salvador - BA"_s, u"2927408"_s, false);
        inscricao(u"BA"_s, inscricoes_ba());
        painel();
        capturar(captura);
        if (!mensagens_.recebidas.empty()) {
            // Every expected message was consumed as it came; anything left was not expected.
            falhar(u"unexpected message box: "_s + mensagens_.recebidas.front().prompt);
        }
    }

  private:
    [[noreturn]] static void falhar(const QString& oque) { throw FalhaPasseio(utf8(oque)); }

    qt::CampoVivoWidget* com_foco() const {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            for (const CampoFormulario& c : form_.campos()) {
                if (c.widget == w) return c.widget;
            }
        }
        return nullptr;
    }

    QString rotulo(const qt::CampoVivoWidget* w) const {
        for (const CampoFormulario& c : form_.campos()) {
            if (c.widget == w) return c.rotulo;
        }
        return w == nullptr ? u"(no field)"_s : u"(another widget)"_s;
    }

    // The box the user sees of a field: the text box, or the combo box's edit line.
    static QWidget* caixa_visivel(qt::CampoVivoWidget* w) {
        if (w->Estilo() == 0) return w->caixaTexto();
        QComboBox* combo = w->caixaCombo();
        return combo->lineEdit() != nullptr ? static_cast<QWidget*>(combo->lineEdit()) : combo;
    }

    void clicar_em(const QString& nome) {
        qt::CampoVivoWidget* w = form_.campo(nome);
        QTest::mouseClick(caixa_visivel(w), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return com_foco() == w; }, EsperaMs)) {
            falhar(u"clicking into "_s + rotulo(w) + u" did not give it the focus"_s);
        }
    }

    // Types text into whatever has the focus, key by key; {DOWN} and {TAB} are named keys.
    void teclar(const QString& texto) {
        for (qsizetype i = 0; i < texto.size(); ++i) {
            QWidget* alvo = QApplication::focusWidget();
            if (alvo == nullptr) falhar(u"nothing has the focus"_s);
            if (texto[i] == u'{') {
                const qsizetype fim = texto.indexOf(u'}', i);
                const QStringView nome = QStringView(texto).mid(i + 1, fim - i - 1);
                if (nome == u"DOWN") {
                    QTest::keyClick(alvo, Qt::Key_Down);
                } else if (nome == u"HOME") {
                    QTest::keyClick(alvo, Qt::Key_Home);
                } else if (nome == u"S-END") {
                    QTest::keyClick(alvo, Qt::Key_End, Qt::ShiftModifier);
                } else {
                    QTest::keyClick(alvo, Qt::Key_Tab);
                }
                i = fim;
            } else {
                const QChar c = texto[i];
                const auto tecla = static_cast<Qt::Key>(c.toUpper().unicode());
                const Qt::KeyboardModifiers shift =
                    c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
                QTest::sendKeyEvent(QTest::Click, alvo, tecla, QString(c), shift);
            }
            QCoreApplication::processEvents();
        }
    }

    void conferir(const QString& oque, const QString& visto, const QString& esperado) const {
        if (visto != esperado) {
            falhar(oque + u" is "_s + aspas(visto) + u", expected "_s + aspas(esperado));
        }
    }

    // Leaves the field with Tab; expects its message box (titulo) and the focus back, or
    // the focus in another widget and no message.
    void sair(qt::CampoVivoWidget* w, const QString& titulo) {
        const std::size_t antes = mensagens_.recebidas.size();
        teclar(u"{TAB}"_s);
        const QString nome = rotulo(w);
        if (titulo.isEmpty()) {
            if (!QTest::qWaitFor([&] { return com_foco() != w; }, EsperaMs)) {
                falhar(u"Tab did not leave "_s + nome);
            }
            QTest::qWait(20);
            if (mensagens_.recebidas.size() != antes) {
                falhar(u"leaving "_s + nome + u" showed an unexpected message: "_s +
                       mensagens_.recebidas[antes].prompt);
            }
            return;
        }
        if (!QTest::qWaitFor([&] { return mensagens_.recebidas.size() > antes; }, EsperaMs)) {
            falhar(u"leaving "_s + nome + u" with "_s + aspas(w->Text()) + u" showed no message"_s);
        }
        for (std::size_t i = antes; i < mensagens_.recebidas.size(); ++i) {
            const Mensagem& m = mensagens_.recebidas[i];
            saida_ << "    message [" << utf8(m.titulo) << "] " << utf8(m.prompt) << "\n";
        }
        if (mensagens_.recebidas.size() != antes + 1) falhar(nome + u" showed several messages"_s);
        conferir(nome + u"'s message title"_s, mensagens_.recebidas[antes].titulo, titulo);
        mensagens_.recebidas.pop_back();
        if (!QTest::qWaitFor([&] { return com_foco() == w; }, EsperaMs)) {
            falhar(u"after its message, the focus did not come back to "_s + nome);
        }
        saida_ << "    focus back in " << utf8(nome) << ", Text " << utf8(aspas(w->Text())) << "\n";
    }

    void mostrar(const QString& nome, const QString& teclas, qt::CampoVivoWidget* w) {
        saida_ << "  " << utf8(nome.leftJustified(18)) << " typed " << utf8(aspas(teclas))
               << " -> Text " << utf8(aspas(w->Text())) << ", ClipText "
               << utf8(aspas(w->ClipText()));
        if (w->Estilo() != 0) {
            CampoVivo& c = w->campo();
            saida_ << ", ListIndex " << c.ListIndex() << ", ItemData "
                   << utf8(aspas(qtexto(c.ItemData(c.ListIndex()))));
        }
        saida_ << "\n";
    }

    void sessao(const Sessao& s) {
        qt::CampoVivoWidget* w = form_.campo(s.campo);
        const QString nome = rotulo(w);
        if (com_foco() != w) {
            falhar(u"the focus should be in "_s + nome + u", it is in "_s + rotulo(com_foco()));
        }
        for (const Entrada& e : s.entradas) {
            teclar(e.teclas);
            mostrar(nome, e.teclas, w);
            conferir(nome + u" Text"_s, w->Text(), e.texto);
            conferir(nome + u" ClipText"_s, w->ClipText(), e.clip_text);
            conferir(nome + u" ListIndex"_s, QString::number(w->ListIndex()),
                     QString::number(e.list_index));
            conferir(nome + u" ItemData(ListIndex)"_s,
                     qtexto(w->campo().ItemData(w->campo().ListIndex())), e.item_data);
            conferir(
                u"the panel's Text (following "_s + rotulo(form_.painel().acompanhado()) + u")"_s,
                form_.painel().mostrado(u"Text"_s), aspas(e.texto));
            if (!e.fica) sair(w, e.titulo);
        }
    }

    // Types a city's name (alvo) into Cidade as a user would, one key per character: a key the
    // list cannot take makes the host load the next page of names that begin with the text so
    // far, and the field, with PesquisarNovamente on, finds one of them in the same keystroke.
    // The field must end on the city `esperado`, of IBGE code `codigo`; with `nova_pagina`,
    // one the list did not hold before the typing began.
    void cidade(const QString& alvo, const QString& esperado, const QString& codigo,
                bool nova_pagina) {
        qt::CampoVivoWidget* w = form_.campo(u"cidade");
        if (com_foco() != w) {
            falhar(u"the focus should be in Cidade, it is in "_s + rotulo(com_foco()));
        }
        if (w->PesquisarNovamente() != qt::CampoVivoWidget::sim) {
            falhar(u"Cidade's PesquisarNovamente is not sim"_s);
        }
        const int primeira_pagina = w->ListCount();
        if (primeira_pagina <= 0) falhar(u"the city list is empty"_s);
        saida_ << "  Cidade             list holds " << primeira_pagina << " entries, "
               << utf8(aspas(qtexto(w->campo().List(0)))) << " first\n";
        const std::size_t paginas_antes_da_cidade = paginas_.size();
        for (qsizetype i = 0; i < alvo.size(); ++i) {
            const QString prefixo = alvo.left(i + 1);
            const std::size_t paginas_antes = paginas_.size();
            teclar(alvo.mid(i, 1));
            saida_ << "    typed " << utf8(aspas(alvo.mid(i, 1))) << " -> Text "
                   << utf8(aspas(w->Text())) << ", ListIndex " << w->ListIndex() << "\n";
            if (!w->Text().startsWith(prefixo, Qt::CaseInsensitive)) {
                falhar(u"Cidade refused "_s + aspas(alvo.mid(i, 1)) +
                       (paginas_.size() == paginas_antes
                            ? u": no page was loaded"_s
                            : u": the page it loaded brought no name beginning with "_s +
                                  aspas(prefixo)));
            }
            if (w->SelStart() != i + 1 || w->SelLength() != w->Text().size() - (i + 1)) {
                falhar(u"after "_s + aspas(prefixo) + u" Cidade's caret is at "_s +
                       QString::number(w->SelStart()) + u" with "_s +
                       QString::number(w->SelLength()) + u" selected"_s);
            }
        }
        const int indice = w->ListIndex();
        saida_ << "  " << utf8(u"Cidade"_s.leftJustified(18)) << " typed " << utf8(aspas(alvo))
               << " -> Text " << utf8(aspas(w->Text())) << ", ListIndex " << indice << ", ItemData "
               << utf8(aspas(qtexto(w->campo().ItemData(static_cast<int16_t>(indice))))) << " ("
               << paginas_.size() - paginas_antes_da_cidade << " pages loaded)\n";
        conferir(u"Cidade Text"_s, w->Text(), esperado);
        conferir(u"Cidade's IBGE code"_s, qtexto(w->campo().ItemData(static_cast<int16_t>(indice))),
                 codigo);
        if (nova_pagina && indice < primeira_pagina) falhar(alvo + u" was already in the list"_s);
        conferir(u"the panel's ItemData(ListIndex) for Cidade"_s,
                 form_.painel().mostrado(u"ItemData(ListIndex)"_s), aspas(codigo));
        sair(w, {});
    }

    // The registration field, whose unit the chosen city gave it: the session's values typed
    // into it as into any field.
    void inscricao(const QString& uf, const std::vector<Entrada>& entradas) {
        qt::CampoVivoWidget* w = form_.campo(u"inscricao");
        conferir(u"Inscrição estadual's UF after Cidade"_s, w->UF(), uf);
        sessao({u"inscricao"_s, entradas});
    }

    void painel() {
        saida_ << "  panel (" << utf8(rotulo(form_.painel().acompanhado())) << "):";
        for (const QString& linha : {u"Text"_s, u"ClipText"_s, u"ClipTextPonto"_s, u"ListIndex"_s,
                                     u"ItemData(ListIndex)"_s}) {
            saida_ << " " << utf8(linha) << " " << utf8(form_.painel().mostrado(linha)) << ";";
        }
        saida_ << "\n";
        qt::CampoVivoWidget* limite = form_.campo(u"limite");
        saida_ << "  Limite de crédito  ClipTextPonto " << utf8(aspas(limite->ClipTextPonto()))
               << "\n";
        conferir(u"Limite de crédito ClipTextPonto"_s, limite->ClipTextPonto(), u"1234.56"_s);
    }

    // Designer mode: the property table of Nascimento, a change made there, and the form
    // file that brings the saved settings back.
    void designer() {
        saida_ << "designer mode\n";
        form_.modo_designer().click();
        for (const CampoFormulario& c : form_.campos()) {
            if (!c.widget->modoDesigner()) falhar(c.rotulo + u" is not in designer mode"_s);
        }
        TabelaPropriedades& tabela = form_.tabela();
        qt::CampoVivoWidget* nascimento = form_.campo(u"nascimento");
        tabela.selecionar(nascimento);
        const auto propriedades = [&] {
            saida_ << "  Nascimento:";
            for (const QString& p :
                 {u"Estilo"_s, u"Mascara"_s, u"MaxLength"_s, u"Alinhamento"_s, u"Enabled"_s}) {
                saida_ << " " << utf8(p) << " " << utf8(aspas(tabela.mostrado(p))) << ";";
            }
            saida_ << "\n";
        };
        propriedades();
        conferir(u"Nascimento's Mascara in the table"_s, tabela.mostrado(u"Mascara"_s),
                 u"DdMmAaaa dd/mm/aaaa"_s);

        QTemporaryDir pasta;
        if (!pasta.isValid()) falhar(u"no temporary folder for the form file"_s);
        const QString arquivo = pasta.filePath(u"cadastro_cliente.json"_s);
        form_.salvar(arquivo);
        saida_ << "  saved the form (" << form_.campos().size() << " fields)\n";

        if (!tabela.editar(u"Mascara"_s, u"CNPJ ##.###.###.###/####-##"_s)) {
            falhar(u"the property table did not take a new Mascara"_s);
        }
        saida_ << "  set Mascara to CNPJ in the table\n";
        propriedades();
        conferir(u"Nascimento's Mascara after the change"_s, QString::number(nascimento->Mascara()),
                 u"14"_s);

        form_.abrir(arquivo);
        saida_ << "  opened the saved form\n";
        propriedades();
        conferir(u"Nascimento's Mascara in the table after opening"_s,
                 tabela.mostrado(u"Mascara"_s), u"DdMmAaaa dd/mm/aaaa"_s);
        conferir(u"Nascimento's MaxLength after opening"_s,
                 QString::number(nascimento->MaxLength()), u"10"_s);

        const QString ruim = pasta.filePath(u"ruim.json"_s);
        QFile f(ruim);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(R"({"formato": "pjtCampoVivo.formulario",)") < 0) {
            falhar(u"cannot write "_s + ruim);
        }
        f.close();
        try {
            form_.abrir(ruim);
            falhar(u"a truncated form file was opened without an error"_s);
        } catch (const qt::ErroArquivoFormulario& e) {
            saida_ << "  truncated form file refused: " << e.what() << "\n";
        }
        form_.modo_designer().click();
        if (form_.campo(u"nome")->modoDesigner()) falhar(u"designer mode did not end"_s);
        saida_ << "run mode\n";
    }

    void capturar(const QString& caminho) {
        QTest::qWait(50);
        const QPixmap imagem = form_.grab();
        if (imagem.isNull() || !imagem.save(caminho, "PNG")) {
            falhar(u"cannot save the screenshot to "_s + caminho);
        }
        saida_ << "screenshot " << utf8(caminho) << " (" << imagem.width() << "x" << imagem.height()
               << ")\n";
    }

    FormularioCliente& form_;
    std::ostream& saida_;
    RespostaMensagens mensagens_;
    std::vector<int> paginas_;
};

}  // namespace

void executar_passeio(FormularioCliente& form, const QString& captura, std::ostream& saida) {
    Passeio(form, saida).executar(captura);
}

}  // namespace pjtCampoVivo::demo
