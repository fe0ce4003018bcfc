// The stage on Qt widgets: a window holding a CampoVivoWidget and, after it in tab order, a
// QLineEdit. The user's side arrives as real key, focus and mouse events, and Qt's event loop
// runs after each step, so injected keystrokes are delivered as in an application.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>
#include "cli/palco.hpp"

namespace pjtCampoVivo::cli {

namespace {

using qt::CampoVivoWidget;

constexpr int LarguraInicial = 3000;
constexpr int AlturaInicial = 315;

// The application the stages' windows live in, made once per script unless the caller has
// one already; it goes when the last stage factory holding it goes.
std::shared_ptr<QApplication> aplicacao() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "campovivo";
    static char* argv[] = {nome, nullptr};
    return std::make_shared<QApplication>(argc, argv);
}

std::u16string u16(const QString& s) {
    return s.toStdU16String();
}

// Unit for unit: QString::fromUtf16 would drop a leading byte order mark.
QString qs(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

std::u16string numero(int n) {
    return u16(QString::number(n));
}

// The kind of a failure that crossed Qt's event loop, known by its number.
TipoErro tipo_do_numero(int32_t n) {
    switch (n) {
        case numero_erro::ArgumentoInvalido:
            return TipoErro::ArgumentoInvalido;
        case numero_erro::Estouro:
            return TipoErro::Estouro;
        case numero_erro::IndiceInvalido:
            return TipoErro::IndiceInvalido;
        case numero_erro::ValorNulo:
            return TipoErro::ValorNulo;
        case numero_erro::SomenteEmExecucao:
            return TipoErro::SomenteEmExecucao;
        case numero_erro::CampoInexistente:
            return TipoErro::CampoInexistente;
        default:
            return TipoErro::Toolkit;
    }
}

EstadoCaixa estado_de(const Caixa& c) {
    return {c.Text(),      c.SelStart(), c.SelLength(), c.ForeColor(),
            c.BackColor(), c.Visible(),  c.Enabled(),   c.ToolTipText()};
}

// A character as a keyboard sends it: the key of its capital, the character as text. A
// control character has no key that types it: it arrives composed, as an input method
// commits it.
void digitar(QWidget* alvo, char16_t c) {
    const QChar ch(c);
    if (c < 0x20 || c == 0x7F) {
        QInputMethodEvent composto;
        composto.setCommitString(QString(ch));
        QApplication::sendEvent(alvo, &composto);
        return;
    }
    const auto codigo = ch.toUpper().unicode();
    const auto k = codigo < 0x100 ? static_cast<Qt::Key>(codigo) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, alvo, k, QString(ch), Qt::NoModifier);
}

Qt::Key tecla_qt(Tecla t) {
    switch (t) {
        case Tecla::Backspace:
            return Qt::Key_Backspace;
        case Tecla::Enter:
            return Qt::Key_Return;
        case Tecla::Tab:
            return Qt::Key_Tab;
        case Tecla::Delete:
            return Qt::Key_Delete;
        case Tecla::Home:
            return Qt::Key_Home;
        case Tecla::End:
            return Qt::Key_End;
        case Tecla::Left:
            return Qt::Key_Left;
        case Tecla::Right:
            return Qt::Key_Right;
    }
    return Qt::Key_unknown;
}

// The keys a typed character 8, 9 or 13 stands for.
std::optional<Tecla> tecla_do_caractere(char16_t c) {
    switch (c) {
        case 8:
            return Tecla::Backspace;
        case 9:
            return Tecla::Tab;
        case 13:
            return Tecla::Enter;
        default:
            return std::nullopt;
    }
}

class PalcoQt;
// The stage that answers message boxes: the newest one.
PalcoQt* palco_atual = nullptr;

class PalcoQt final : public Palco {
  public:
    // Needs a QApplication.
    PalcoQt() {
        campo_ = new CampoVivoWidget(&janela_);
        proximo_ = new QLineEdit(&janela_);
        proximo_->setObjectName(QStringLiteral("proximo"));
        proximo_->setGeometry(0, 80, 200, 30);
        QWidget::setTabOrder(campo_, proximo_);
        ouvir();
        palco_atual = this;
        CampoVivoWidget::interceptarMensagens([](QMessageBox& caixa) {
            if (palco_atual != nullptr) palco_atual->mensagem(caixa);
            return static_cast<int>(QMessageBox::Ok);
        });

        janela_.resize(LarguraInicial + 100, 200);
        janela_.show();
        janela_.activateWindow();
        if (!QTest::qWaitForWindowActive(&janela_)) {
            throw std::runtime_error("the Qt window never became active");
        }
        proximo_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        // The host sizes the control.
        campo_->resize(LarguraInicial, AlturaInicial);
        QCoreApplication::processEvents();
        limpar_registros();
        falha_.reset();
    }

    ~PalcoQt() override {
        if (palco_atual == this) palco_atual = nullptr;
    }

    PalcoQt(const PalcoQt&) = delete;
    PalcoQt& operator=(const PalcoQt&) = delete;

    CampoVivo& campo() override { return campo_->campo(); }
    const CampoVivo& campo() const override { return campo_->campo(); }

    void limpar_registros() override { registros_ = {}; }
    Registros registros() const override { return registros_; }

    EstadoCaixas caixas() const override {
        const CaixaTexto& t = campo_->costuraTexto();
        const CaixaCombo& c = campo_->costuraCombo();
        EstadoCaixas e{estado_de(t), t.Alignment(), estado_de(c), {}, c.ListIndex()};
        for (int16_t i = 0; i < c.ListCount(); ++i) e.lista.push_back(c.List(i));
        return e;
    }

    bool foco_no_campo() const override {
        const QWidget* f = QApplication::focusWidget();
        return f != nullptr && (f == campo_->caixaTexto() || f == campo_->caixaCombo() ||
                                f == campo_->caixaCombo()->lineEdit());
    }

    void modo_usuario(bool execucao) override { campo_->setModoDesigner(!execucao); }
    void redimensionar(int32_t largura, int32_t altura) override {
        agir([&] { campo_->resize(largura, altura); });
    }
    int32_t altura() const override { return campo_->height(); }
    int32_t largura() const override { return campo_->width(); }

    void teclar(std::u16string_view texto) override {
        for (const char16_t c : texto) {
            // Backspace, Tab and Enter are keys of their own, as tecla presses them.
            const std::optional<Tecla> t = tecla_do_caractere(c);
            no_campo([&] {
                if (t) {
                    QTest::keyClick(mostrada(), tecla_qt(*t));
                } else {
                    digitar(mostrada(), c);
                }
            });
        }
        if (texto.empty()) focar();
    }

    void tecla(Tecla t) override {
        no_campo([&] { QTest::keyClick(mostrada(), tecla_qt(t)); });
    }

    void selecionar(int32_t inicio, int32_t tamanho) override {
        if (!habilitada()) return;
        entrar();
        // As a mouse drag leaves it: within the text, no notification.
        QLineEdit* e = edicao();
        const auto fim = static_cast<int32_t>(e->text().size());
        const int32_t a = std::clamp(inicio, 0, fim);
        const int32_t n = std::clamp(tamanho, 0, fim - a);
        if (n > 0) {
            e->setSelection(a, n);
        } else {
            e->setCursorPosition(a);
        }
    }

    void colar(std::u16string_view texto) override {
        no_campo([&] {
            const QString colado = qs(texto);
            if (!colado.contains(u'\r') && !colado.contains(u'\n')) {
                QGuiApplication::clipboard()->setText(colado);
                QTest::keyClick(mostrada(), Qt::Key_V, Qt::ControlModifier);
                return;
            }
            // Ctrl+V pastes a copied line without its line break and what follows; a script's
            // paste is the whole text, which reaches the edit as the middle button's paste
            // does: one change, no key.
            if (!edicao()->isReadOnly()) edicao()->insert(colado);
        });
    }

    void focar() override {
        if (habilitada()) entrar();
    }

    void sair() override {
        agir([&] { proximo_->setFocus(Qt::MouseFocusReason); });
    }

    void clicar(int16_t indice) override {
        no_campo([&] {
            // The pick from the open list: the list closes, then Qt reports the entry chosen.
            QComboBox* combo = campo_->caixaCombo();
            if (indice < 0 || indice >= combo->count()) {
                throw Erro::indice_invalido("Posição fora da lista");
            }
            combo->hidePopup();
            emit combo->activated(indice);
        });
    }

    void abrir() override {
        no_campo([&] {
            QComboBox* combo = campo_->caixaCombo();
            combo->showPopup();
            QCoreApplication::processEvents();
            combo->hidePopup();
        });
    }

    void duplo() override {
        no_campo([&] {
            QEvent::Type tipo = QEvent::MouseButtonDblClick;
            QMouseEvent evento(tipo, QPointF(1, 1), edicao()->mapToGlobal(QPointF(1, 1)),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edicao(), &evento);
        });
    }

    void mensagem(const QMessageBox& caixa) {
        registros_.mensagens.push_back(
            {u16(caixa.text()), caixa.property("codigo").toInt(), u16(caixa.windowTitle())});
    }

  private:
    struct Falha {
        int numero;
        QString descricao;
    };

    void ouvir() {
        auto* w = campo_;
        auto evento = [this](std::u16string e) { registros_.eventos.push_back(std::move(e)); };
        QObject::connect(w, &CampoVivoWidget::Click, w, [evento] { evento(u"Click"); });
        QObject::connect(w, &CampoVivoWidget::DblClick, w, [evento] { evento(u"DblClick"); });
        QObject::connect(w, &CampoVivoWidget::DropDown, w, [evento] { evento(u"DropDown"); });
        QObject::connect(w, &CampoVivoWidget::KeyDown, w, [evento](int16_t* k, int16_t* s) {
            evento(u"KeyDown(" + numero(*k) + u"," + numero(*s) + u")");
        });
        QObject::connect(w, &CampoVivoWidget::KeyUp, w, [evento](int16_t* k, int16_t* s) {
            evento(u"KeyUp(" + numero(*k) + u"," + numero(*s) + u")");
        });
        QObject::connect(w, &CampoVivoWidget::KeyPress, w, [this, evento](int16_t* k) {
            evento(u"KeyPress(" + numero(*k) + u")");
            if (tratadores.KeyPress) tratadores.KeyPress(*k);
        });
        QObject::connect(w, &CampoVivoWidget::Change, w, [this, evento] {
            evento(u"Change");
            if (tratadores.Change) tratadores.Change();
        });
        QObject::connect(w, &CampoVivoWidget::FimItensLista, w, [this, evento](QString* t) {
            std::u16string texto = u16(*t);
            evento(u"FimItensLista(" + texto + u")");
            if (tratadores.FimItensLista) tratadores.FimItensLista(texto);
            *t = qs(texto);
        });
        QObject::connect(w, &CampoVivoWidget::propriedadeAlterada, w,
                         [this](const QString& nome) { registros_.avisos.push_back(u16(nome)); });
        QObject::connect(w, &CampoVivoWidget::teclasEnviadas, w, [this](const QString& teclas) {
            registros_.injetadas.push_back(u16(teclas));
        });
        QObject::connect(w, &CampoVivoWidget::falhaNaoTratada, w,
                         [this](int numero, const QString& descricao) {
                             if (!falha_) falha_ = Falha{numero, descricao};
                         });
    }

    QWidget* mostrada() const {
        if (campo_->caixaTexto()->isVisibleTo(campo_)) return campo_->caixaTexto();
        return campo_->caixaCombo();
    }

    QLineEdit* edicao() const {
        if (campo_->caixaTexto()->isVisibleTo(campo_)) return campo_->caixaTexto();
        return campo_->caixaCombo()->lineEdit();
    }

    // A disabled box takes no user action.
    bool habilitada() const { return mostrada()->isEnabled(); }

    // Clicks into the shown box, then runs passo as the next step; nothing while the box is
    // disabled.
    template <class F>
    void no_campo(F&& passo) {
        if (!habilitada()) return;
        entrar();
        if (!habilitada()) return;
        agir(std::forward<F>(passo));
    }

    // Clicks into the shown box when the focus is elsewhere.
    void entrar() {
        agir([&] {
            QWidget* f = QApplication::focusWidget();
            if (f != mostrada() && f != edicao()) mostrada()->setFocus(Qt::MouseFocusReason);
        });
    }

    // One step of the user: the events it causes, what Qt posted meanwhile (injected keys),
    // then the first failure of the control's handlers reaches the caller, as it would from
    // the headless form.
    template <class F>
    void agir(F&& passo) {
        falha_.reset();
        passo();
        QCoreApplication::processEvents();
        if (!falha_) return;
        const Falha f = *std::exchange(falha_, std::nullopt);
        if (f.numero == 0) throw std::runtime_error(f.descricao.toStdString());
        throw Erro(f.numero, tipo_do_numero(f.numero), f.descricao.toStdString());
    }

    QWidget janela_;
    CampoVivoWidget* campo_ = nullptr;
    QLineEdit* proximo_ = nullptr;
    Registros registros_;
    std::optional<Falha> falha_;
};

}  // namespace

FabricaPalco fabrica_palco_qt() {
    return [app = aplicacao()] {
        static_cast<void>(app);  // held for as long as the factory lives
        return std::unique_ptr<Palco>(std::make_unique<PalcoQt>());
    };
}

}  // namespace pjtCampoVivo::cli
