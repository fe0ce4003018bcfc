#include <pjtcampovivo/toolkit/qt/caixas_qt.hpp>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <limits>
#include <memory>

#include <pjtcampovivo/toolkit/qt/conversoes.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::qt::detail {

namespace {

// The number this toolkit gives a property value it refuses.
constexpr int32_t ValorInvalido = 380;

// Each step the user can take back; older ones are forgotten.
constexpr std::size_t PassosDeHistorico = 100;

// While a seam call runs, the first failure of a handler that Qt's events ran meanwhile (the
// focus moving on) waits here for the call to rethrow it.
thread_local std::exception_ptr* falha_da_chamada = nullptr;

[[noreturn]] void recusar(const char* operacao) {
    throw Erro(ValorInvalido, TipoErro::Toolkit,
               std::string("Valor de propriedade inválido em ") + operacao);
}

// Key codes of KeyDown and KeyUp for a typed character: a letter's capital, any other
// character its own code; Shift is down for a capital letter.
std::pair<int16_t, int16_t> codigo_de(char16_t c) {
    if (c >= u'a' && c <= u'z') return {static_cast<int16_t>(c - u'a' + u'A'), 0};
    if (c >= u'A' && c <= u'Z') return {static_cast<int16_t>(c), 1};
    return {static_cast<int16_t>(c), 0};
}

// Shift 1, Ctrl 2, Alt 4, as KeyDown and KeyUp report them for keys without a character.
int16_t estado_shift(Qt::KeyboardModifiers m) {
    int16_t s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

// Key codes of the keys that type no character; 0 for a key the host does not hear about.
int16_t codigo_tecla(int tecla) {
    switch (tecla) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            break;
    }
    if (tecla >= Qt::Key_F1 && tecla <= Qt::Key_F24)
        return static_cast<int16_t>(112 + tecla - Qt::Key_F1);
    return 0;
}

bool modificador_sozinho(int tecla) {
    return tecla == Qt::Key_Shift || tecla == Qt::Key_Control || tecla == Qt::Key_Alt ||
           tecla == Qt::Key_Meta || tecla == Qt::Key_AltGr || tecla == Qt::Key_CapsLock ||
           tecla == Qt::Key_NumLock || tecla == Qt::Key_ScrollLock;
}

// Keys that only move the caret or the selection, or copy: Qt's own handling is kept.
bool so_move_ou_copia(const QKeyEvent& k) {
    static constexpr QKeySequence::StandardKey chaves[] = {
        QKeySequence::Copy,
        QKeySequence::SelectAll,
        QKeySequence::Deselect,
        QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,
        QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,
        QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument,
    };
    return std::any_of(std::begin(chaves), std::end(chaves),
                       [&](QKeySequence::StandardKey c) { return k.matches(c); });
}

// A key whose text the box types: printable characters only, and not a Ctrl shortcut
// (Ctrl with Alt is AltGr on some keyboards and does type).
bool digita(const QKeyEvent& k) {
    const QString texto = k.text();
    if (texto.isEmpty()) return false;
    const auto m = k.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) return false;
    if (m & Qt::MetaModifier) return false;
    return std::none_of(texto.begin(), texto.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

// A pasted text stops at its first line break: a copied cell or line brings one along.
QString uma_linha(QString texto) {
    const auto quebra =
        std::find_if(texto.begin(), texto.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    texto.truncate(quebra - texto.begin());
    return texto;
}

}  // namespace

// ---- Shared box ------------------------------------------------------------------------------

CaixaQtBase::CaixaQtBase(QWidget& alvo, QLineEdit& edicao, DonoCaixas& dono)
    : alvo_(alvo), edicao_(edicao), dono_(dono) {
    // The seam has no length limit of its own; the control keeps its MaxLength itself.
    edicao_.setMaxLength(std::numeric_limits<int>::max());
    // Text dropped in would change the box behind the notifications' back.
    edicao_.setAcceptDrops(false);
    edicao_.setContextMenuPolicy(Qt::CustomContextMenu);
    alvo_.installEventFilter(this);
    if (&edicao_ != &alvo_) edicao_.installEventFilter(this);
    connect(&edicao_, &QLineEdit::textChanged, this, [this] {
        if (propria_ != 0 || escolha_em_curso() || edicao_.text() == conhecido_) return;
        protegido([this] { mudanca_externa(); });
    });
    connect(&edicao_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& onde) { protegido([&] { menu_contexto(onde); }); });
}

CaixaQtBase::~CaixaQtBase() {
    alvo_.removeEventFilter(this);
    edicao_.removeEventFilter(this);
}

template <class F>
void CaixaQtBase::acao_usuario(F&& f, std::optional<Instantaneo> antes) {
    if (acao_ == 0) antes_acao_ = antes ? std::move(*antes) : instantaneo();
    ++acao_;
    struct Fim {
        CaixaQtBase& c;
        ~Fim() { c.encerrar_acao(); }
    } fim{*this};
    f();
}

void CaixaQtBase::encerrar_acao() noexcept {
    if (--acao_ != 0 || sem_historico_ != 0) return;
    if (edicao_.text() == antes_acao_.texto) return;
    desfazer_.push_back(std::move(antes_acao_));
    if (desfazer_.size() > PassosDeHistorico) desfazer_.erase(desfazer_.begin());
    refazer_.clear();
}

template <class F>
void CaixaQtBase::protegido(F&& f) noexcept {
    try {
        f();
    } catch (const std::exception& e) {
        if (falha_da_chamada == nullptr) {
            dono_.falha(e);
        } else if (!*falha_da_chamada) {
            *falha_da_chamada = std::current_exception();
        }
    }
}

template <class F>
void CaixaQtBase::com_eventos(F&& f) {
    std::exception_ptr falha;
    struct Escopo {
        std::exception_ptr* anterior;
        ~Escopo() { falha_da_chamada = anterior; }
    } escopo{std::exchange(falha_da_chamada, &falha)};
    f();
    if (falha) std::rethrow_exception(falha);
}

bool CaixaQtBase::chamada_falhou() noexcept {
    return falha_da_chamada != nullptr && *falha_da_chamada;
}

void CaixaQtBase::mudanca_de_codigo() {
    if (acao_ != 0) return;
    desfazer_.clear();
    refazer_.clear();
}

Instantaneo CaixaQtBase::instantaneo() const {
    return {edicao_.text(), static_cast<int>(sel_inicio()), static_cast<int>(sel_tamanho())};
}

int CaixaQtBase::limitar(int posicao) const {
    return std::clamp(posicao, 0, static_cast<int>(edicao_.text().size()));
}

void CaixaQtBase::selecionar(int inicio, int tamanho) {
    Propria p(*this);
    if (tamanho > 0) {
        edicao_.setSelection(inicio, tamanho);
    } else {
        edicao_.deselect();
        edicao_.setCursorPosition(inicio);
    }
}

void CaixaQtBase::trocar_conteudo(const QString& novo, int cursor) {
    const bool mudou = novo != edicao_.text();
    {
        Propria p(*this);
        if (mudou) edicao_.setText(novo);
        selecionar(limitar(cursor), 0);
    }
    conhecido_ = novo;
    if (!mudou) return;
    mudanca_de_codigo();
    if (ouvinte_ != nullptr) ouvinte_->Change();
}

void CaixaQtBase::substituir_selecao(const QString& texto) {
    const int inicio = sel_inicio();
    QString novo = edicao_.text();
    novo.replace(inicio, sel_tamanho(), texto);
    trocar_conteudo(novo, inicio + static_cast<int>(texto.size()));
}

void CaixaQtBase::aplicar_caractere(char16_t c) {
    if (c == 13 || c == 9) return;
    if (c == 8) {
        if (sel_tamanho() > 0) {
            substituir_selecao(QString());
        } else if (const int inicio = sel_inicio(); inicio > 0) {
            selecionar(inicio - 1, 1);
            substituir_selecao(QString());
        }
        return;
    }
    substituir_selecao(QString(QChar(c)));
}

void CaixaQtBase::apagar_adiante() {
    if (sel_tamanho() == 0) {
        const int inicio = sel_inicio();
        if (inicio >= edicao_.text().size()) return;
        selecionar(inicio, 1);
    }
    substituir_selecao(QString());
}

void CaixaQtBase::mover_cursor(int posicao) {
    selecionar(limitar(posicao), 0);
}

// ---- Seam operations -------------------------------------------------------------------------

std::u16string CaixaQtBase::ler_texto() const {
    return u16(edicao_.text());
}

void CaixaQtBase::escrever_texto(std::u16string_view texto) {
    trocar_conteudo(qstring(texto), static_cast<int>(texto.size()));
}

int32_t CaixaQtBase::sel_inicio() const {
    return edicao_.hasSelectedText() ? edicao_.selectionStart() : edicao_.cursorPosition();
}

void CaixaQtBase::sel_inicio(int32_t valor) {
    if (valor < 0) recusar("SelStart");
    selecionar(limitar(valor), 0);
}

int32_t CaixaQtBase::sel_tamanho() const {
    return edicao_.selectionLength();
}

void CaixaQtBase::sel_tamanho(int32_t valor) {
    if (valor < 0) recusar("SelLength");
    const int inicio = sel_inicio();
    selecionar(inicio, std::min(valor, static_cast<int32_t>(edicao_.text().size()) - inicio));
}

std::u16string CaixaQtBase::ler_sel_texto() const {
    return u16(edicao_.selectedText());
}

void CaixaQtBase::escrever_sel_texto(std::u16string_view texto) {
    substituir_selecao(qstring(texto));
}

void CaixaQtBase::fundo(Cor cor) {
    fundo_ = cor;
    QPalette paleta = alvo_.palette();
    pintar(paleta, QPalette::Base, cor, dono_.paleta_ambiente());
    alvo_.setPalette(paleta);
}

void CaixaQtBase::frente(Cor cor) {
    frente_ = cor;
    QPalette paleta = alvo_.palette();
    pintar(paleta, QPalette::Text, cor, dono_.paleta_ambiente());
    alvo_.setPalette(paleta);
}

void CaixaQtBase::visivel(bool valor) {
    visivel_ = valor;
    com_eventos([this] { dono_.visibilidade_alterada(); });
}

bool CaixaQtBase::habilitada() const {
    return !alvo_.testAttribute(Qt::WA_ForceDisabled);
}

void CaixaQtBase::habilitada(bool valor) {
    // Qt moves the focus on from a box it disables.
    com_eventos([&] { alvo_.setEnabled(valor); });
}

std::u16string CaixaQtBase::dica() const {
    return u16(alvo_.toolTip());
}

void CaixaQtBase::dica(std::u16string_view texto) {
    alvo_.setToolTip(qstring(texto));
}

void CaixaQtBase::focar() {
    // Qt would give a hidden box the focus as soon as it is shown; the seam's box does not
    // take it at all.
    if (com_foco_ || !visivel_ || !alvo_.isEnabled()) return;
    com_eventos([this] { alvo_.setFocus(Qt::OtherFocusReason); });
}

void CaixaQtBase::mover(int32_t esquerda, int32_t topo, int32_t largura) {
    alvo_.setGeometry(esquerda, topo, largura, dono_.altura_caixas());
}

// ---- The user's side ---------------------------------------------------------------------------

bool CaixaQtBase::eventFilter(QObject* objeto, QEvent* evento) {
    bool consumido = false;
    bool falhou = true;
    protegido([&] {
        switch (evento->type()) {
            case QEvent::KeyPress:
                if (objeto == &alvo_)
                    consumido = tecla_pressionada(*static_cast<QKeyEvent*>(evento));
                break;
            case QEvent::KeyRelease:
                if (objeto == &alvo_) tecla_solta(*static_cast<QKeyEvent*>(evento));
                break;
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                if (objeto == &alvo_) consumido = foco(*static_cast<QFocusEvent*>(evento));
                break;
            case QEvent::InputMethod:
                if (objeto == &alvo_) {
                    auto& im = *static_cast<QInputMethodEvent*>(evento);
                    if (im.commitString().isEmpty()) break;
                    // A composed character (a dead key, an input method) is typed like any
                    // other; what is still being composed goes on to the edit.
                    for (const QChar c : im.commitString()) digitar(c.unicode(), 0, false);
                    if (!im.preeditString().isEmpty()) {
                        QInputMethodEvent resto(im.preeditString(), im.attributes());
                        static_cast<QObject&>(alvo_).event(&resto);
                    }
                    consumido = true;
                }
                break;
            case QEvent::MouseButtonDblClick:
                acao_usuario([this] {
                    if (ouvinte_ != nullptr) ouvinte_->DblClick();
                });
                // The double-click is the control's event: the edit does not also select a
                // word, so the text and selection stay as the host's handler left them.
                consumido = true;
                break;
            default:
                break;
        }
        falhou = false;
    });
    // A key or focus change whose handling failed half-way is still ours: Qt applying it
    // again would run the same handlers a second time.
    if (falhou && objeto == &alvo_) {
        switch (evento->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::InputMethod:
                return true;
            default:
                break;
        }
    }
    return consumido;
}

void CaixaQtBase::digitar(char16_t c, int qt_tecla, bool solta_depois) {
    acao_usuario([&] {
        auto [codigo, shift] = codigo_de(c);
        if (ouvinte_ != nullptr) ouvinte_->KeyDown(codigo, shift);
        auto ascii = static_cast<int16_t>(c);
        if (ouvinte_ != nullptr) ouvinte_->KeyPress(ascii);
        if (ascii != 0 && !recusa_edicao()) aplicar_caractere(static_cast<char16_t>(ascii));
        if (solta_depois) {
            baixas_[qt_tecla] = codigo_de(c);
        } else {
            auto [cima, shift_cima] = codigo_de(c);
            if (ouvinte_ != nullptr) ouvinte_->KeyUp(cima, shift_cima);
        }
    });
}

void CaixaQtBase::tecla_sem_caractere(int qt_tecla, int16_t codigo, int16_t shift,
                                      const std::function<void()>& acao) {
    acao_usuario([&] {
        int16_t baixo = codigo;
        int16_t shift_baixo = shift;
        if (ouvinte_ != nullptr) ouvinte_->KeyDown(baixo, shift_baixo);
        if (acao) acao();
        baixas_[qt_tecla] = {codigo, shift};
    });
}

bool CaixaQtBase::tecla_pressionada(QKeyEvent& k) {
    // The edit's own history would bring back texts the control never formatted.
    if (k.matches(QKeySequence::Undo)) {
        desfazer();
        return true;
    }
    if (k.matches(QKeySequence::Redo)) {
        refazer();
        return true;
    }
    if (k.matches(QKeySequence::Paste)) {
        colar(QGuiApplication::clipboard()->text());
        return true;
    }
    if (k.matches(QKeySequence::Cut)) {
        recortar();
        return true;
    }
    const int tecla = k.key();
    if (modificador_sozinho(tecla)) return false;
    const auto modificadores = k.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                Qt::AltModifier | Qt::MetaModifier);
    const bool sem_modificador = modificadores == Qt::NoModifier;
    const int16_t shift = estado_shift(modificadores);

    switch (tecla) {
        case Qt::Key_Backspace:
            digitar(8, tecla, !k.isAutoRepeat());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            digitar(13, tecla, !k.isAutoRepeat());
            return true;
        case Qt::Key_Tab:
            if (!sem_modificador) return false;
            digitar(9, tecla, !k.isAutoRepeat());
            return true;
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Delete:
            tecla_sem_caractere(tecla, 46, shift, [this] {
                if (!recusa_edicao()) apagar_adiante();
            });
            return true;
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!sem_modificador) {
                // Extending the selection or moving by words: Qt does it, the host hears it.
                tecla_sem_caractere(tecla, codigo_tecla(tecla), shift, {});
                return false;
            }
            tecla_sem_caractere(tecla, codigo_tecla(tecla), 0, [this, tecla] {
                const int inicio = sel_inicio();
                switch (tecla) {
                    case Qt::Key_Home:
                        mover_cursor(0);
                        break;
                    case Qt::Key_End:
                        mover_cursor(static_cast<int>(edicao_.text().size()));
                        break;
                    case Qt::Key_Left:
                        mover_cursor(inicio - 1);
                        break;
                    default:
                        mover_cursor(inicio + sel_tamanho() + 1);
                        break;
                }
            });
            return true;
        default:
            break;
    }
    if (tecla_propria(k)) return true;
    if (digita(k)) {
        const QString texto = k.text();
        if (texto.size() == 1) {
            digitar(texto.at(0).unicode(), tecla, true);
        } else {
            for (const QChar c : texto) digitar(c.unicode(), tecla, false);
        }
        return true;
    }
    if (so_move_ou_copia(k)) return false;
    // Any other key: the host hears it, and Qt's own shortcuts that would edit the text
    // behind the control's back (Ctrl+K, Ctrl+U...) never run.
    if (const int16_t codigo = codigo_tecla(tecla); codigo != 0) {
        tecla_sem_caractere(tecla, codigo, shift, {});
    }
    return true;
}

void CaixaQtBase::tecla_solta(QKeyEvent& k) {
    if (k.isAutoRepeat()) return;
    const auto it = baixas_.find(k.key());
    if (it == baixas_.end()) return;
    int16_t codigo = it->second.first;
    int16_t shift = it->second.second;
    baixas_.erase(it);
    acao_usuario([&] {
        if (ouvinte_ != nullptr) ouvinte_->KeyUp(codigo, shift);
    });
}

bool CaixaQtBase::foco(QFocusEvent& evento) {
    // Qt selects everything when the focus arrives by Tab and deselects when it leaves; the
    // seam's boxes keep their selection, and the control selects what it wants itself.
    const Instantaneo antes = instantaneo();
    {
        Propria p(*this);
        static_cast<QObject&>(alvo_).event(&evento);
    }
    if (edicao_.text() == antes.texto) selecionar(antes.inicio, antes.tamanho);

    // Once a handler has failed, the seam call that moved the focus is over: the focus
    // moves on without notifications.
    const bool notificar = !chamada_falhou();
    if (evento.gotFocus()) {
        if (com_foco_) return true;
        com_foco_ = true;
        if (!notificar) return true;
        acao_usuario([this] {
            if (ouvinte_ != nullptr) ouvinte_->GotFocus();
        });
        return true;
    }
    // Another window becoming active, or a popup (the list, a context menu) opening, does
    // not take the field away from the user; nor does the open list taking the focus for its
    // entries (with no reason of its own).
    if (evento.reason() == Qt::ActiveWindowFocusReason || evento.reason() == Qt::PopupFocusReason ||
        QApplication::activePopupWidget() != nullptr)
        return true;
    if (!com_foco_) return true;
    com_foco_ = false;
    if (!notificar) return true;
    acao_usuario([this] {
        if (ouvinte_ != nullptr) ouvinte_->LostFocus();
    });
    return true;
}

void CaixaQtBase::colar(const QString& texto) {
    if (recusa_edicao()) return;
    acao_usuario([&] { substituir_selecao(uma_linha(texto)); });
}

void CaixaQtBase::recortar() {
    if (sel_tamanho() == 0) return;
    QGuiApplication::clipboard()->setText(edicao_.selectedText());
    if (recusa_edicao()) return;
    acao_usuario([this] { substituir_selecao(QString()); });
}

void CaixaQtBase::desfazer() {
    if (desfazer_.empty()) return;
    Instantaneo alvo = std::move(desfazer_.back());
    desfazer_.pop_back();
    refazer_.push_back(instantaneo());
    restaurar(alvo);
}

void CaixaQtBase::refazer() {
    if (refazer_.empty()) return;
    Instantaneo alvo = std::move(refazer_.back());
    refazer_.pop_back();
    desfazer_.push_back(instantaneo());
    restaurar(alvo);
}

void CaixaQtBase::restaurar(const Instantaneo& alvo) {
    // The text comes back as one change, which the control formats and reports like any
    // other; the selection comes back too when the control left the text as it was.
    ++sem_historico_;
    struct Fim {
        int& n;
        ~Fim() { --n; }
    } fim{sem_historico_};
    acao_usuario([&] {
        trocar_conteudo(alvo.texto, static_cast<int>(alvo.texto.size()));
        if (edicao_.text() == alvo.texto) selecionar(alvo.inicio, alvo.tamanho);
    });
}

void CaixaQtBase::mudanca_externa() {
    // Qt changed the text by a way of its own (an input method, a middle-button paste): one
    // change, reported like a paste.
    Instantaneo antes{conhecido_, 0, 0};
    conhecido_ = edicao_.text();
    acao_usuario(
        [this] {
            if (ouvinte_ != nullptr) ouvinte_->Change();
        },
        std::move(antes));
}

void CaixaQtBase::menu_contexto(const QPoint& onde) {
    // The edit's usual menu, built here so that every action that changes the text goes
    // through the box: one change the control hears and the history can take back. The
    // texts are the edit's own, translated as Qt translates them.
    const auto texto = [](const char* fonte) {
        return QCoreApplication::translate("QLineEdit", fonte);
    };
    const bool selecao = sel_tamanho() > 0;
    const bool editavel = !recusa_edicao();
    QMenu menu;
    const auto item = [&](const char* nome, const char* fonte, QKeySequence::StandardKey atalho,
                          bool habilitado, std::function<void()> acao) {
        QString rotulo = texto(fonte);
        if (atalho != QKeySequence::UnknownKey) {
            const QKeySequence sequencia(atalho);
            if (!sequencia.isEmpty())
                rotulo += QLatin1Char('\t') + sequencia.toString(QKeySequence::NativeText);
        }
        QAction* a = menu.addAction(rotulo);
        a->setObjectName(QString::fromLatin1(nome));
        a->setEnabled(habilitado);
        connect(a, &QAction::triggered, this, [this, acao = std::move(acao)] { protegido(acao); });
    };
    item("edit-undo", "&Undo", QKeySequence::Undo, editavel && pode_desfazer(),
         [this] { desfazer(); });
    item("edit-redo", "&Redo", QKeySequence::Redo, editavel && pode_refazer(),
         [this] { refazer(); });
    menu.addSeparator();
    item("edit-cut", "Cu&t", QKeySequence::Cut, selecao && editavel, [this] { recortar(); });
    item("edit-copy", "&Copy", QKeySequence::Copy, selecao,
         [this] { QGuiApplication::clipboard()->setText(edicao_.selectedText()); });
    item("edit-paste", "&Paste", QKeySequence::Paste,
         editavel && !QGuiApplication::clipboard()->text().isEmpty(),
         [this] { colar(QGuiApplication::clipboard()->text()); });
    item("edit-delete", "Delete", QKeySequence::UnknownKey, selecao && editavel,
         [this] { acao_usuario([this] { substituir_selecao(QString()); }); });
    menu.addSeparator();
    item("select-all", "Select All", QKeySequence::SelectAll, !edicao_.text().isEmpty(),
         [this] { selecionar(0, static_cast<int>(edicao_.text().size())); });
    menu.exec(edicao_.mapToGlobal(onde));
}

// ---- Text box --------------------------------------------------------------------------------

CaixaTextoQt::CaixaTextoQt(QLineEdit& edicao, DonoCaixas& dono) : CaixaQt(edicao, edicao, dono) {}

void CaixaTextoQt::Alignment(int16_t valor) {
    alinhamento_ = valor;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (valor == 1) horizontal = Qt::AlignRight;
    if (valor == 2) horizontal = Qt::AlignHCenter;
    edicao_.setAlignment(horizontal | Qt::AlignVCenter);
}

// ---- The combo box's list ----------------------------------------------------------------------

namespace {

// What QStandardItem gives a new entry.
constexpr Qt::ItemFlags FlagsEntrada = Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                                       Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
                                       Qt::ItemIsDropEnabled;

bool mesmo_valor(const QVariant& a, const QVariant& b) {
    return a.userType() == b.userType() && a == b;
}

}  // namespace

bool ModeloLista::valido(const QModelIndex& indice) const {
    return indice.isValid() && indice.model() == this && indice.column() == 0 &&
           static_cast<std::size_t>(indice.row()) < entradas_.size();
}

int ModeloLista::rowCount(const QModelIndex& pai) const {
    if (pai.isValid()) return 0;
    // Every reader asks the size first (index() too): the entries held back reach the model
    // before anyone can miss them. The model itself is never const.
    if (!pendentes_.empty()) const_cast<ModeloLista*>(this)->descarregar();
    return static_cast<int>(entradas_.size());
}

QVariant ModeloLista::data(const QModelIndex& indice, int papel) const {
    if (!valido(indice)) return {};
    const Entrada& e = entradas_[static_cast<std::size_t>(indice.row())];
    if (papel == Qt::DisplayRole || papel == Qt::EditRole) return e.texto;
    const auto it = std::find_if(e.outros.begin(), e.outros.end(),
                                 [papel](const auto& o) { return o.first == papel; });
    return it != e.outros.end() ? it->second : QVariant();
}

bool ModeloLista::setData(const QModelIndex& indice, const QVariant& novo, int papel) {
    if (!valido(indice)) return false;
    Entrada& e = entradas_[static_cast<std::size_t>(indice.row())];
    const bool texto = papel == Qt::DisplayRole || papel == Qt::EditRole;
    if (texto) {
        if (e.texto.isValid() && novo.isValid() && mesmo_valor(e.texto, novo)) return true;
        e.texto = novo;
    } else {
        const auto it = std::find_if(e.outros.begin(), e.outros.end(),
                                     [papel](const auto& o) { return o.first == papel; });
        if (it != e.outros.end()) {
            if (novo.isValid() && mesmo_valor(it->second, novo)) return true;
            if (novo.isValid()) {
                it->second = novo;
            } else {
                e.outros.erase(it);
            }
        } else if (novo.isValid()) {
            e.outros.emplace_back(papel, novo);
        }
    }
    // As QStandardItem: a role set or removed is reported even when it held nothing.
    emit dataChanged(indice, indice,
                     texto ? QList<int>{Qt::DisplayRole, Qt::EditRole} : QList<int>{papel});
    return true;
}

Qt::ItemFlags ModeloLista::flags(const QModelIndex& indice) const {
    // Outside any entry (the list itself), as QStandardItemModel's root.
    if (!indice.isValid()) return Qt::ItemIsDropEnabled;
    // QComboBox::insertSeparator marks the entry by its description; with its own model it
    // also takes the entry's Selectable and Enabled flags away.
    if (valido(indice) &&
        data(indice, Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator")) {
        return FlagsEntrada & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    return FlagsEntrada;
}

bool ModeloLista::insertRows(int linha, int quantas, const QModelIndex& pai) {
    if (pai.isValid() || quantas < 1 || linha < 0 || linha > rowCount()) return false;
    beginInsertRows(QModelIndex(), linha, linha + quantas - 1);
    entradas_.insert(entradas_.begin() + linha, static_cast<std::size_t>(quantas), Entrada{});
    endInsertRows();
    return true;
}

bool ModeloLista::removeRows(int linha, int quantas, const QModelIndex& pai) {
    if (pai.isValid() || quantas < 1 || linha < 0 ||
        static_cast<int64_t>(linha) + quantas > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), linha, linha + quantas - 1);
    const auto inicio = entradas_.begin() + linha;
    entradas_.erase(inicio, inicio + quantas);
    endRemoveRows();
    return true;
}

void ModeloLista::inserir(int linha, const QString& texto) {
    descarregar();
    beginInsertRows(QModelIndex(), linha, linha);
    entradas_.insert(entradas_.begin() + linha, Entrada{QVariant(texto), {}});
    endInsertRows();
}

void ModeloLista::acrescentar(const QString& texto) {
    pendentes_.push_back(Entrada{QVariant(texto), {}});
}

void ModeloLista::descarregar() {
    if (pendentes_.empty()) return;
    // Taken out first: while the views hear of them, the size is the one they announce.
    std::vector<Entrada> novas;
    novas.swap(pendentes_);
    const auto passar = [this, &novas] {
        const auto primeira = static_cast<int>(entradas_.size());
        beginInsertRows(QModelIndex(), primeira, primeira + static_cast<int>(novas.size()) - 1);
        entradas_.insert(entradas_.end(), std::make_move_iterator(novas.begin()),
                         std::make_move_iterator(novas.end()));
        endInsertRows();
    };
    if (envolver) {
        envolver(passar);
    } else {
        passar();
    }
}

// ---- Combo box -------------------------------------------------------------------------------

ComboBoxQt::ComboBoxQt(QWidget* pai) : QComboBox(pai) {
    setEditable(true);
    // Enter moves on to the next field; it never makes the typed text an entry.
    setInsertPolicy(QComboBox::NoInsert);
    // The control completes from its list itself.
    setCompleter(nullptr);
    // On leaving, Qt would pick an entry equal to the typed text and report it as the
    // user's pick; the control decides what the text means.
    QObject::disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    modelo_ = new ModeloLista(this);
    setModel(modelo_);
}

ModeloLista* ComboBoxQt::modelo() const {
    return model() == modelo_ ? modelo_.data() : nullptr;
}

void ComboBoxQt::inserir(int posicao, const QString& texto) {
    // A root, a column or a limit set from outside: the combo box's own way.
    ModeloLista* lista = modelo();
    if (lista == nullptr || rootModelIndex().isValid() || modelColumn() != 0 ||
        maxCount() != std::numeric_limits<int>::max()) {
        insertItem(posicao, texto);
        return;
    }
    lista->inserir(std::clamp(posicao, 0, count()), texto);
}

bool ComboBoxQt::acrescentar(const QString& texto) {
    ModeloLista* lista = modelo();
    if (lista == nullptr || rootModelIndex().isValid() || modelColumn() != 0 ||
        maxCount() != std::numeric_limits<int>::max() || view()->isVisible())
        return false;
    lista->acrescentar(texto);
    return true;
}

void ComboBoxQt::descarregar() {
    if (modelo_ != nullptr) modelo_->descarregar();
}

int ComboBoxQt::total() const {
    const ModeloLista* lista = modelo();
    return lista != nullptr ? lista->total() : count();
}

void ComboBoxQt::showPopup() {
    descarregar();
    if (ao_abrir) ao_abrir();
    QComboBox::showPopup();
}

void ComboBoxQt::hidePopup() {
    if (ao_fechar) ao_fechar();
    QComboBox::hidePopup();
}

CaixaComboQt::CaixaComboQt(ComboBoxQt& combo, DonoCaixas& dono)
    : CaixaQt(combo, *combo.lineEdit(), dono), combo_(combo) {
    combo_.ao_abrir = [this] {
        protegido([this] {
            acao_usuario([this] {
                if (ouvinte_ != nullptr) ouvinte_->DropDown();
            });
        });
    };
    // The list closes right before Qt applies a pick: what Qt does to the edit from here to
    // the activated signal is the pick, not typing.
    combo_.ao_fechar = [this] {
        if (escolhendo_) return;
        escolhendo_ = true;
        antes_escolha_ = instantaneo();
        QMetaObject::invokeMethod(
            this, [this] { escolhendo_ = false; }, Qt::QueuedConnection);
    };
    connect(&combo_, &QComboBox::activated, this,
            [this](int i) { protegido([this, i] { escolher(i); }); });
    if (ModeloLista* lista = combo_.modelo()) {
        lista->envolver = [this](const std::function<void()>& passar) { mantendo_vista(passar); };
    }
}

CaixaComboQt::~CaixaComboQt() {
    combo_.ao_abrir = nullptr;
    combo_.ao_fechar = nullptr;
    if (ModeloLista* lista = combo_.modelo()) lista->envolver = nullptr;
}

bool CaixaComboQt::eventFilter(QObject* objeto, QEvent* evento) {
    // Whatever Qt does with the box (paint it, hand it a key), it does on the whole list.
    protegido([this] { combo_.descarregar(); });
    // The wheel would pick entries while the pointer merely passes over the box.
    if (objeto == &alvo_ && evento->type() == QEvent::Wheel) return true;
    return CaixaQtBase::eventFilter(objeto, evento);
}

bool CaixaComboQt::tecla_propria(QKeyEvent& k) {
    const auto modificadores =
        k.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int tecla = k.key();
    const bool abrir = tecla == Qt::Key_F4 || ((tecla == Qt::Key_Down || tecla == Qt::Key_Up) &&
                                               modificadores == Qt::AltModifier);
    if (abrir) {
        tecla_sem_caractere(tecla, codigo_tecla(tecla), estado_shift(modificadores),
                            [this] { combo_.showPopup(); });
        return true;
    }
    if ((tecla == Qt::Key_Down || tecla == Qt::Key_Up) && modificadores == Qt::NoModifier) {
        // The arrows step through the list like picks.
        tecla_sem_caractere(tecla, codigo_tecla(tecla), 0, [this, tecla] {
            const int quantos = combo_.count();
            if (quantos == 0) return;
            const int passo = tecla == Qt::Key_Down ? 1 : -1;
            const int i = std::clamp(indice_ + passo, 0, quantos - 1);
            if (i == indice_) return;
            mostrar_entrada(static_cast<int16_t>(i));
            if (ouvinte_ != nullptr) ouvinte_->Click();
        });
        return true;
    }
    return false;
}

void CaixaComboQt::escolher(int i) {
    if (!escolhendo_) {
        // Not the user's pick from the list: put back what the seam has.
        preservando_edicao([] {});
        return;
    }
    escolhendo_ = false;
    if (i < 0 || i >= combo_.count()) return;
    acao_usuario(
        [this, i] {
            mostrar_entrada(static_cast<int16_t>(i));
            if (ouvinte_ != nullptr) ouvinte_->Click();
        },
        antes_escolha_);
}

void CaixaComboQt::exigir_posicao(int32_t i, int32_t limite) const {
    if (i < 0 || i >= limite) throw Erro::indice_invalido("Posição fora da lista");
}

void CaixaComboQt::preservando_edicao(const std::function<void()>& mudanca) {
    const Instantaneo antes{conhecido_, sel_inicio(), sel_tamanho()};
    Propria p(*this);
    mudanca();
    if (combo_.currentIndex() != indice_) combo_.setCurrentIndex(indice_);
    if (edicao_.text() != antes.texto) edicao_.setText(antes.texto);
    selecionar(limitar(antes.inicio), antes.tamanho);
}

void CaixaComboQt::mantendo_vista(const std::function<void()>& mudanca) {
    const int indice = combo_.currentIndex();
    const QString texto = edicao_.text();
    const int inicio = edicao_.selectionStart();
    const int tamanho = edicao_.selectionLength();
    const int cursor = edicao_.cursorPosition();
    Propria p(*this);
    mudanca();
    if (combo_.currentIndex() != indice) combo_.setCurrentIndex(indice);
    if (edicao_.text() != texto) edicao_.setText(texto);
    if (edicao_.selectionStart() == inicio && edicao_.selectionLength() == tamanho &&
        edicao_.cursorPosition() == cursor)
        return;
    if (tamanho > 0) {
        // The caret back at the end it was at.
        const bool caret_no_inicio = cursor == inicio;
        edicao_.setSelection(caret_no_inicio ? inicio + tamanho : inicio,
                             caret_no_inicio ? -tamanho : tamanho);
    } else {
        edicao_.deselect();
        edicao_.setCursorPosition(cursor);
    }
}

void CaixaComboQt::mostrar_entrada(int16_t i) {
    indice_ = i;
    if (i < 0) return;
    const QString texto = combo_.itemText(i);
    const bool mudou = texto != edicao_.text();
    {
        Propria p(*this);
        combo_.setCurrentIndex(i);
        if (edicao_.text() != texto) edicao_.setText(texto);
        selecionar(static_cast<int>(texto.size()), 0);
    }
    conhecido_ = texto;
    if (mudou) mudanca_de_codigo();
}

int32_t CaixaComboQt::Height() const {
    return dono_.altura_caixas();
}

int16_t CaixaComboQt::ListCount() const {
    return para_int16(combo_.total());
}

std::u16string CaixaComboQt::List(int16_t i) const {
    exigir_posicao(i, combo_.count());
    return u16(combo_.itemText(i));
}

void CaixaComboQt::List(int16_t i, std::u16string_view texto) {
    exigir_posicao(i, combo_.count());
    preservando_edicao([&] { combo_.setItemText(i, qstring(texto)); });
}

void CaixaComboQt::ListIndex(int16_t i) {
    if (i != -1) exigir_posicao(i, combo_.count());
    if (i >= 0) {
        mostrar_entrada(i);
        return;
    }
    // -1 removes the selection and leaves the edit text as it is.
    indice_ = -1;
    preservando_edicao([] {});
}

void CaixaComboQt::TopIndex(int16_t i) {
    if (combo_.count() > 0 || i != 0) exigir_posicao(i, combo_.count());
    topo_lista_ = i;
    if (QAbstractItemView* vista = combo_.view(); vista != nullptr && combo_.count() > 0) {
        vista->scrollTo(combo_.model()->index(i, combo_.modelColumn()),
                        QAbstractItemView::PositionAtTop);
    }
}

void CaixaComboQt::AddItem(std::u16string_view texto, std::optional<int32_t> posicao) {
    const int32_t quantos = combo_.total();
    if (quantos >= std::numeric_limits<int16_t>::max()) throw Erro::estouro("Lista cheia");
    const int32_t onde = posicao.value_or(quantos);
    exigir_posicao(onde, quantos + 1);
    // The selected entry keeps its selection when an entry is inserted above it.
    if (indice_ >= onde) ++indice_;
    const QString entrada = qstring(texto);
    // An entry appended (a list being loaded) is held back until the list is read: adding
    // entries one by one then costs Qt one notification for all of them.
    if (onde != quantos || !combo_.acrescentar(entrada)) {
        combo_.descarregar();
        preservando_edicao([&] { combo_.inserir(onde, entrada); });
    }
    novo_indice_ = static_cast<int16_t>(onde);
}

void CaixaComboQt::RemoveItem(int16_t posicao) {
    exigir_posicao(posicao, combo_.count());
    // The entry added last may have moved or gone: no position names it any more.
    novo_indice_ = -1;
    if (indice_ == posicao) {
        indice_ = -1;
    } else if (indice_ > posicao) {
        --indice_;
    }
    preservando_edicao([&] { combo_.removeItem(posicao); });
}

void CaixaComboQt::Clear() {
    indice_ = -1;
    novo_indice_ = -1;
    topo_lista_ = 0;
    // Entries still held back go without ever reaching the list.
    if (ModeloLista* lista = combo_.modelo()) lista->descartar_pendentes();
    preservando_edicao([this] { combo_.clear(); });
}

int32_t CaixaComboQt::hWnd() const {
    return static_cast<int32_t>(combo_.effectiveWinId() & 0x7FFFFFFF);
}

void CaixaComboQt::Locked(bool valor) {
    travada_ = valor;
    edicao_.setReadOnly(valor);
}

void CaixaComboQt::MousePointer(int16_t valor) {
    ponteiro_ = valor;
    static constexpr Qt::CursorShape formas[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (valor > 0 && valor < static_cast<int16_t>(std::size(formas))) {
        combo_.setCursor(formas[valor]);
        edicao_.setCursor(formas[valor]);
        return;
    }
    // 0 is each widget's own pointer; 99 (and anything unknown) shows the control's mouse
    // icon, which the widget around the boxes carries.
    combo_.unsetCursor();
    if (valor == 0) {
        edicao_.setCursor(Qt::IBeamCursor);
    } else {
        edicao_.unsetCursor();
    }
}

void CaixaComboQt::Refresh() {
    combo_.update();
}

}  // namespace pjtCampoVivo::qt::detail
