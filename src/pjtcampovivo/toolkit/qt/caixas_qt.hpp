// The control's two inner boxes on Qt widgets: a QLineEdit and an editable QComboBox. Each
// realises its seam over the widget and plays the user's side itself: every key, paste, cut
// and undo passes through one event filter that raises the box's notifications in the order
// the headless boxes raise them and edits the text the same way, so the control cannot tell
// the two toolkits apart. Not for callers: CampoVivoWidget owns them.
#pragma once

#include <QAbstractListModel>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <pjtcampovivo/widgets_export.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pjtcampovivo/toolkit/caixa_combo.hpp>
#include <pjtcampovivo/toolkit/caixa_texto.hpp>

class QKeyEvent;
class QFocusEvent;

namespace pjtCampoVivo::qt::detail {

// What the boxes need of the widget that holds them.
class PJTCAMPOVIVO_WIDGETS_EXPORT DonoCaixas {
  public:
    // A box's Visible flag changed: the widget shows the box the user works in.
    virtual void visibilidade_alterada() = 0;
    // The height of both boxes: the combo box's natural height.
    virtual int altura_caixas() const = 0;
    // The palette that system colours are read from.
    virtual QPalette paleta_ambiente() const = 0;
    // A notification handler failed. Exceptions must not cross Qt's event loop, so every
    // entry point from Qt ends here instead.
    virtual void falha(const std::exception& erro) noexcept = 0;

  protected:
    ~DonoCaixas() = default;
};

// A text and its selection: what an undo brings back.
struct PJTCAMPOVIVO_WIDGETS_EXPORT Instantaneo {
    QString texto;
    int inicio = 0;
    int tamanho = 0;
};

// Everything both boxes share: the edit's text and selection as the seam sees them, the
// colours, the user's keys and the undo history.
class PJTCAMPOVIVO_WIDGETS_EXPORT CaixaQtBase : public QObject {
  public:
    // alvo takes the focus and the keys (the line edit itself, or the combo box); edicao
    // holds the text.
    CaixaQtBase(QWidget& alvo, QLineEdit& edicao, DonoCaixas& dono);
    ~CaixaQtBase() override;

    QWidget& alvo() const noexcept { return alvo_; }
    QLineEdit& edicao() const noexcept { return edicao_; }
    // The Visible flag as the control set it; the widget decides what Qt shows.
    bool visivel() const noexcept { return visivel_; }
    NotificacoesCaixa* ouvinte() const noexcept { return ouvinte_; }

    // What the user does, each one step of the undo history.
    void desfazer();
    void refazer();
    bool pode_desfazer() const noexcept { return !desfazer_.empty(); }
    bool pode_refazer() const noexcept { return !refazer_.empty(); }
    // Replaces the selection by texto in one change (Change once, no key notifications).
    void colar(const QString& texto);
    // The selection to the clipboard, then removed.
    void recortar();

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    // ---- The seam's common operations ----
    std::u16string ler_texto() const;
    void escrever_texto(std::u16string_view texto);
    int32_t sel_inicio() const;
    void sel_inicio(int32_t valor);
    int32_t sel_tamanho() const;
    void sel_tamanho(int32_t valor);
    std::u16string ler_sel_texto() const;
    void escrever_sel_texto(std::u16string_view texto);
    Cor fundo() const noexcept { return fundo_; }
    void fundo(Cor cor);
    Cor frente() const noexcept { return frente_; }
    void frente(Cor cor);
    void visivel(bool valor);
    bool habilitada() const;
    void habilitada(bool valor);
    std::u16string dica() const;
    void dica(std::u16string_view texto);
    void focar();
    void mover(int32_t esquerda, int32_t topo, int32_t largura);

    // ---- Editing as the headless boxes do it ----
    // Replaces the content and raises Change when it differs; the caret is placed before the
    // notification, so the handler sees it where it will stay.
    void trocar_conteudo(const QString& novo, int cursor);
    void substituir_selecao(const QString& texto);
    // A character that survived KeyPress: 8 deletes the selection or the character before
    // the caret, 13 and 9 change nothing, any other code replaces the selection.
    void aplicar_caractere(char16_t c);
    void apagar_adiante();
    void mover_cursor(int posicao);
    // Sets the selection without any notification; length 0 puts the caret at inicio.
    void selecionar(int inicio, int tamanho);
    Instantaneo instantaneo() const;
    int limitar(int posicao) const;

    // Runs f as a user action, or as part of the one in progress: when the outermost one
    // ends, a change of the text it made is one step of the undo history. antes, when given,
    // is the state the step goes back to (for changes Qt made before we heard of them).
    template <class F>
    void acao_usuario(F&& f, std::optional<Instantaneo> antes = std::nullopt);
    // Runs f from Qt's side (a signal, an override): a failure goes to the owner, or to the
    // seam call that made Qt run f (com_eventos).
    template <class F>
    void protegido(F&& f) noexcept;
    // Runs f, a seam call during which Qt delivers events at once (the focus moving on): the
    // first failure of a handler they run ends the call, as on the headless boxes.
    template <class F>
    void com_eventos(F&& f);
    // A handler failed during the seam call in progress.
    static bool chamada_falhou() noexcept;

    // While an own change runs, Qt's signals about the edit are not the user's doing.
    class Propria {
      public:
        explicit Propria(CaixaQtBase& c) : c_(c) { ++c_.propria_; }
        ~Propria() { --c_.propria_; }
        Propria(const Propria&) = delete;
        Propria& operator=(const Propria&) = delete;

      private:
        CaixaQtBase& c_;
    };

    // A change from code outside any user action: the history cannot take it back.
    void mudanca_de_codigo();
    // Refuses the user's edits (a locked combo box).
    virtual bool recusa_edicao() const { return false; }
    // Qt is applying the user's pick from the list: its edits are the pick, not typing.
    virtual bool escolha_em_curso() const { return false; }
    // Keys only one kind of box knows (the combo box's list keys); true when handled.
    virtual bool tecla_propria(QKeyEvent& /*tecla*/) { return false; }
    // The key's notifications for a key that changes no character: KeyDown now, KeyUp when
    // it is released; acao runs between them.
    void tecla_sem_caractere(int qt_tecla, int16_t codigo, int16_t shift,
                             const std::function<void()>& acao);

    QWidget& alvo_;
    QLineEdit& edicao_;
    DonoCaixas& dono_;
    NotificacoesCaixa* ouvinte_ = nullptr;
    // The text as it was after our last change; a different text means Qt changed it.
    QString conhecido_;

  private:
    bool tecla_pressionada(QKeyEvent& tecla);
    void tecla_solta(QKeyEvent& tecla);
    bool foco(QFocusEvent& evento);
    void digitar(char16_t c, int qt_tecla, bool solta_depois);
    void mudanca_externa();
    void menu_contexto(const QPoint& onde);
    void restaurar(const Instantaneo& alvo);
    void encerrar_acao() noexcept;

    Cor fundo_ = cores::FundoJanela;
    Cor frente_ = cores::TextoJanela;
    bool visivel_ = true;
    // The box has the focus as the control sees it: a window losing activation or a popup
    // opening does not take it away.
    bool com_foco_ = false;
    int propria_ = 0;
    int acao_ = 0;
    int sem_historico_ = 0;
    Instantaneo antes_acao_;
    std::vector<Instantaneo> desfazer_;
    std::vector<Instantaneo> refazer_;
    // Keys down, by Qt key, with the code and Shift their KeyUp reports.
    std::map<int, std::pair<int16_t, int16_t>> baixas_;
};

// The common seam operations over the shared state, for either kind of box.
template <class Costura>
class PJTCAMPOVIVO_WIDGETS_EXPORT CaixaQt : public CaixaQtBase, public Costura {
  public:
    using CaixaQtBase::CaixaQtBase;

    void definir_notificacoes(NotificacoesCaixa* ouvinte) override { ouvinte_ = ouvinte; }
    std::u16string Text() const override { return ler_texto(); }
    void Text(std::u16string_view texto) override { escrever_texto(texto); }
    int32_t SelStart() const override { return sel_inicio(); }
    void SelStart(int32_t valor) override { sel_inicio(valor); }
    int32_t SelLength() const override { return sel_tamanho(); }
    void SelLength(int32_t valor) override { sel_tamanho(valor); }
    std::u16string SelText() const override { return ler_sel_texto(); }
    void SelText(std::u16string_view texto) override { escrever_sel_texto(texto); }
    Cor BackColor() const override { return fundo(); }
    void BackColor(Cor cor) override { fundo(cor); }
    Cor ForeColor() const override { return frente(); }
    void ForeColor(Cor cor) override { frente(cor); }
    bool Visible() const override { return visivel(); }
    void Visible(bool valor) override { visivel(valor); }
    bool Enabled() const override { return habilitada(); }
    void Enabled(bool valor) override { habilitada(valor); }
    std::u16string ToolTipText() const override { return dica(); }
    void ToolTipText(std::u16string_view texto) override { dica(texto); }
    void SetFocus() override { focar(); }
    void Move(int32_t esquerda, int32_t topo, int32_t largura) override {
        mover(esquerda, topo, largura);
    }
};

class PJTCAMPOVIVO_WIDGETS_EXPORT CaixaTextoQt final : public CaixaQt<CaixaTexto> {
  public:
    CaixaTextoQt(QLineEdit& edicao, DonoCaixas& dono);

    int16_t Alignment() const override { return alinhamento_; }
    void Alignment(int16_t valor) override;

  private:
    int16_t alinhamento_ = 0;
};

// The combo box's list: each entry's text, and any other value given to it by role, in one
// array. The combo box's own QStandardItemModel allocates an item object per entry, which
// makes adding one entry several times dearer than the model's two notifications. Values
// behave as QStandardItem's: EditRole is DisplayRole, an invalid value removes the role, an
// unchanged value raises no dataChanged, and an entry the combo box marks as a separator can
// be neither selected nor picked.
//
// Entries appended one after another (a list being loaded) can be held back and reach the
// model together, in one notification, the first time anyone asks the model its size, which
// every reader does before anything else; so no reader ever sees the list without them.
class PJTCAMPOVIVO_WIDGETS_EXPORT ModeloLista final : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool insertRows(int linha, int quantas, const QModelIndex& pai = QModelIndex()) override;
    bool removeRows(int linha, int quantas, const QModelIndex& pai = QModelIndex()) override;

    // Inserts one entry showing texto (0 <= linha <= rowCount()).
    void inserir(int linha, const QString& texto);
    // Appends an entry showing texto, held back.
    void acrescentar(const QString& texto);
    // Passes the entries held back on to the model, through envolver when it is set.
    void descarregar();
    // Forgets the entries held back (the list is being emptied).
    void descartar_pendentes() noexcept { pendentes_.clear(); }
    // The entries, those held back included, without passing them on.
    int total() const noexcept { return static_cast<int>(entradas_.size() + pendentes_.size()); }

    // Runs the notification of the entries held back (its argument), so that the box can
    // keep what it shows as it was around it.
    std::function<void(const std::function<void()>&)> envolver;

  private:
    struct Entrada {
        QVariant texto;  // DisplayRole; invalid while unset
        std::vector<std::pair<int, QVariant>> outros;
    };
    bool valido(const QModelIndex& indice) const;

    std::vector<Entrada> entradas_;
    std::vector<Entrada> pendentes_;
};

// The editable combo box over a ModeloLista, with the two moments Qt gives no signal for:
// the list opening (DropDown) and the list closing just before a pick is applied.
class PJTCAMPOVIVO_WIDGETS_EXPORT ComboBoxQt final : public QComboBox {
  public:
    explicit ComboBoxQt(QWidget* pai);

    std::function<void()> ao_abrir;
    std::function<void()> ao_fechar;

    void showPopup() override;
    void hidePopup() override;

    // The list model, while it is the box's own.
    ModeloLista* modelo() const;
    // insertItem(posicao, texto), straight into the list model when it is the box's own.
    void inserir(int posicao, const QString& texto);
    // Appends texto, held back in the list model (see ModeloLista) when that is safe: the
    // model is the box's own, shown as it came, and the list is closed. False: nothing was
    // appended.
    bool acrescentar(const QString& texto);
    // The entries held back reach the model now.
    void descarregar();
    // count(), those held back included, without passing them on.
    int total() const;

  private:
    QPointer<ModeloLista> modelo_;
};

class PJTCAMPOVIVO_WIDGETS_EXPORT CaixaComboQt final : public CaixaQt<CaixaCombo> {
  public:
    CaixaComboQt(ComboBoxQt& combo, DonoCaixas& dono);
    ~CaixaComboQt() override;

    int32_t Height() const override;
    int16_t ListCount() const override;
    std::u16string List(int16_t i) const override;
    void List(int16_t i, std::u16string_view texto) override;
    int16_t ListIndex() const override { return indice_; }
    void ListIndex(int16_t i) override;
    int16_t NewIndex() const override { return novo_indice_; }
    int16_t TopIndex() const override { return topo_lista_; }
    void TopIndex(int16_t i) override;
    bool Sorted() const override { return false; }
    int16_t Style() const override { return 0; }
    void AddItem(std::u16string_view texto, std::optional<int32_t> posicao) override;
    void RemoveItem(int16_t posicao) override;
    void Clear() override;
    int32_t hWnd() const override;
    bool Locked() const override { return travada_; }
    void Locked(bool valor) override;
    int16_t MousePointer() const override { return ponteiro_; }
    void MousePointer(int16_t valor) override;
    int32_t WhatsThisHelpID() const override { return ajuda_; }
    void WhatsThisHelpID(int32_t valor) override { ajuda_ = valor; }
    void Refresh() override;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    bool recusa_edicao() const override { return travada_; }
    bool escolha_em_curso() const override { return escolhendo_; }
    bool tecla_propria(QKeyEvent& tecla) override;

  private:
    void exigir_posicao(int32_t i, int32_t limite) const;
    // Runs a change of the list, keeping the edit text, the selection and the selected entry
    // as the seam has them, whatever Qt does to them meanwhile.
    void preservando_edicao(const std::function<void()>& mudanca);
    // Runs a change of the list, keeping what the box shows (entry, text, selection) as it
    // is now: entries held back may reach the list in the middle of another change.
    void mantendo_vista(const std::function<void()>& mudanca);
    // Entry i shown as the edit text, caret at the end, no notification.
    void mostrar_entrada(int16_t i);
    // The user picked entry i in the list (or moved to it with an arrow key).
    void escolher(int i);

    ComboBoxQt& combo_;
    int16_t indice_ = -1;
    int16_t novo_indice_ = -1;
    int16_t topo_lista_ = 0;
    bool travada_ = false;
    int16_t ponteiro_ = 0;
    int32_t ajuda_ = 0;
    // Between the list closing and the pick that follows it.
    bool escolhendo_ = false;
    Instantaneo antes_escolha_;
};

}  // namespace pjtCampoVivo::qt::detail
