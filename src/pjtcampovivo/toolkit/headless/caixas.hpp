// Headless inner boxes: they store their values and raise their notifications synchronously,
// exactly as a session script expects, and can be told to fail any operation (Falhas).
// Besides the seam they offer what a user does with a box (type a character, delete, move
// the caret, paste), which the headless form drives.
#pragma once

#include <cstdint>
#include <optional>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/toolkit/caixa_combo.hpp>
#include <pjtcampovivo/toolkit/caixa_texto.hpp>
#include <pjtcampovivo/toolkit/headless/falhas.hpp>

namespace pjtCampoVivo::headless {

class CaixaHeadlessBase;

// Who owns the focus: the headless form. A box asks it to move the focus to itself, and
// tells it when it was shown, hidden, enabled or disabled, so that the focus never stays in
// a box the user cannot reach.
class PJTCAMPOVIVO_HEADLESS_EXPORT DonoFoco {
  public:
    virtual void focar(CaixaHeadlessBase& caixa) = 0;
    virtual bool tem_foco(const CaixaHeadlessBase& caixa) const = 0;
    virtual void alcance_alterado(CaixaHeadlessBase& caixa) = 0;

  protected:
    ~DonoFoco() = default;
};

// State and user-side behaviour shared by both kinds of box.
class PJTCAMPOVIVO_HEADLESS_EXPORT CaixaHeadlessBase {
  public:
    explicit CaixaHeadlessBase(std::string nome) : nome_(std::move(nome)) {}
    virtual ~CaixaHeadlessBase() = default;

    const std::string& nome() const noexcept { return nome_; }
    Falhas& falhas() noexcept { return falhas_; }
    void definir_dono_foco(DonoFoco* dono) noexcept { dono_foco_ = dono; }
    NotificacoesCaixa* ouvinte() const noexcept { return ouvinte_; }

    // What the user does. None of these counts as a seam call or can be made to fail. A
    // locked box takes no edit from the user: typing, deleting and pasting change nothing.
    // A character that survived KeyPress: 8 deletes the selection or the character before
    // the caret, 13 and 9 change nothing, any other code replaces the selection.
    void aplicar_caractere(char16_t c);
    // Delete: the selection, or the character after the caret.
    void apagar_adiante();
    // Home, End, Left, Right: move the caret and clear the selection.
    void mover_cursor(int32_t posicao);
    // A mouse drag: sets the selection with no notification.
    void selecionar(int32_t inicio, int32_t tamanho);
    // Replaces the selection by texto in one change.
    void colar(std::u16string_view texto);

    // Read without counting, for reports.
    const std::u16string& texto() const noexcept { return texto_; }
    int32_t inicio_selecao() const noexcept { return sel_inicio_; }
    int32_t tamanho_selecao() const noexcept { return sel_tamanho_; }
    Cor cor_fundo() const noexcept { return fundo_; }
    Cor cor_texto() const noexcept { return frente_; }
    bool visivel() const noexcept { return visivel_; }
    bool habilitada() const noexcept { return habilitada_; }
    const std::u16string& dica() const noexcept { return dica_; }
    int32_t esquerda() const noexcept { return esquerda_; }
    int32_t topo() const noexcept { return topo_; }
    int32_t largura() const noexcept { return largura_; }

  protected:
    virtual bool recusa_edicao() const noexcept { return false; }
    // Replaces the content and raises Change when it differs. The caret is placed before
    // the notification, so the handler sees it where it will stay.
    void trocar_conteudo(std::u16string novo, int32_t cursor);
    // Replaces the selection by texto, caret after it.
    void substituir_selecao(std::u16string_view texto);
    int32_t limitar(int32_t posicao) const noexcept;

    std::string nome_;
    mutable Falhas falhas_;
    DonoFoco* dono_foco_ = nullptr;
    NotificacoesCaixa* ouvinte_ = nullptr;
    std::u16string texto_;
    int32_t sel_inicio_ = 0;
    int32_t sel_tamanho_ = 0;
    Cor fundo_ = cores::FundoJanela;
    Cor frente_ = cores::TextoJanela;
    bool visivel_ = true;
    bool habilitada_ = true;
    std::u16string dica_;
    int32_t esquerda_ = 0;
    int32_t topo_ = 0;
    int32_t largura_ = 0;
};

// The seam's common operations over the shared state, for either kind of box.
template <class Costura>
class PJTCAMPOVIVO_HEADLESS_EXPORT CaixaHeadless : public Costura, public CaixaHeadlessBase {
  public:
    using CaixaHeadlessBase::CaixaHeadlessBase;

    void definir_notificacoes(NotificacoesCaixa* ouvinte) override { ouvinte_ = ouvinte; }

    std::u16string Text() const override {
        contar("Text");
        return texto_;
    }
    void Text(std::u16string_view texto) override {
        contar("Text=");
        trocar_conteudo(std::u16string(texto), static_cast<int32_t>(texto.size()));
    }
    int32_t SelStart() const override {
        contar("SelStart");
        return sel_inicio_;
    }
    void SelStart(int32_t valor) override;
    int32_t SelLength() const override {
        contar("SelLength");
        return sel_tamanho_;
    }
    void SelLength(int32_t valor) override;
    std::u16string SelText() const override {
        contar("SelText");
        return texto_.substr(static_cast<std::size_t>(sel_inicio_),
                             static_cast<std::size_t>(sel_tamanho_));
    }
    void SelText(std::u16string_view texto) override {
        contar("SelText=");
        substituir_selecao(texto);
    }
    Cor BackColor() const override {
        contar("BackColor");
        return fundo_;
    }
    void BackColor(Cor cor) override {
        contar("BackColor=");
        fundo_ = cor;
    }
    Cor ForeColor() const override {
        contar("ForeColor");
        return frente_;
    }
    void ForeColor(Cor cor) override {
        contar("ForeColor=");
        frente_ = cor;
    }
    bool Visible() const override {
        contar("Visible");
        return visivel_;
    }
    void Visible(bool valor) override {
        contar("Visible=");
        visivel_ = valor;
        if (dono_foco_ != nullptr) dono_foco_->alcance_alterado(*this);
    }
    bool Enabled() const override {
        contar("Enabled");
        return habilitada_;
    }
    void Enabled(bool valor) override {
        contar("Enabled=");
        habilitada_ = valor;
        if (dono_foco_ != nullptr) dono_foco_->alcance_alterado(*this);
    }
    std::u16string ToolTipText() const override {
        contar("ToolTipText");
        return dica_;
    }
    void ToolTipText(std::u16string_view texto) override {
        contar("ToolTipText=");
        dica_ = texto;
    }
    // A disabled or hidden box does not take the focus.
    void SetFocus() override {
        contar("SetFocus");
        if (dono_foco_ != nullptr && habilitada_ && visivel_) dono_foco_->focar(*this);
    }
    void Move(int32_t esquerda, int32_t topo, int32_t largura) override {
        contar("Move");
        esquerda_ = esquerda;
        topo_ = topo;
        largura_ = largura;
    }

  protected:
    // Counting calls is not part of the box's observable state, so reads count too.
    void contar(const char* operacao) const { falhas_.contar(operacao); }
};

class PJTCAMPOVIVO_HEADLESS_EXPORT CaixaTextoHeadless final : public CaixaHeadless<CaixaTexto> {
  public:
    using CaixaHeadless::CaixaHeadless;

    int16_t Alignment() const override {
        contar("Alignment");
        return alinhamento_;
    }
    void Alignment(int16_t valor) override {
        contar("Alignment=");
        alinhamento_ = valor;
    }
    int16_t alinhamento() const noexcept { return alinhamento_; }

  private:
    int16_t alinhamento_ = 0;
};

class PJTCAMPOVIVO_HEADLESS_EXPORT CaixaComboHeadless final : public CaixaHeadless<CaixaCombo> {
  public:
    // The natural height a combo box has in the headless toolkit.
    static constexpr int32_t AlturaNatural = 315;

    using CaixaHeadless::CaixaHeadless;

    int32_t Height() const override {
        contar("Height");
        return AlturaNatural;
    }
    int16_t ListCount() const override;
    std::u16string List(int16_t i) const override;
    void List(int16_t i, std::u16string_view texto) override;
    int16_t ListIndex() const override {
        contar("ListIndex");
        return indice_;
    }
    void ListIndex(int16_t i) override;
    int16_t NewIndex() const override {
        contar("NewIndex");
        return novo_indice_;
    }
    int16_t TopIndex() const override {
        contar("TopIndex");
        return topo_lista_;
    }
    void TopIndex(int16_t i) override;
    bool Sorted() const override {
        contar("Sorted");
        return false;
    }
    int16_t Style() const override {
        contar("Style");
        return 0;
    }
    void AddItem(std::u16string_view texto, std::optional<int32_t> posicao) override;
    void RemoveItem(int16_t posicao) override;
    void Clear() override;
    int32_t hWnd() const override {
        contar("hWnd");
        return Janela;
    }
    bool Locked() const override {
        contar("Locked");
        return travada_;
    }
    void Locked(bool valor) override {
        contar("Locked=");
        travada_ = valor;
    }
    int16_t MousePointer() const override {
        contar("MousePointer");
        return ponteiro_;
    }
    void MousePointer(int16_t valor) override {
        contar("MousePointer=");
        ponteiro_ = valor;
    }
    int32_t WhatsThisHelpID() const override {
        contar("WhatsThisHelpID");
        return ajuda_;
    }
    void WhatsThisHelpID(int32_t valor) override {
        contar("WhatsThisHelpID=");
        ajuda_ = valor;
    }
    void Refresh() override { contar("Refresh"); }

    // The user picks entry i in the open list: the entry is shown, then Click.
    void clicar(int16_t i);

    const std::vector<std::u16string>& lista() const noexcept { return lista_; }
    int16_t indice() const noexcept { return indice_; }
    bool travada() const noexcept { return travada_; }
    int16_t ponteiro() const noexcept { return ponteiro_; }
    int32_t ajuda() const noexcept { return ajuda_; }

    static constexpr int32_t Janela = 0x00010001;

  protected:
    bool recusa_edicao() const noexcept override { return travada_; }

  private:
    void exigir_posicao(int32_t i, int32_t limite) const;
    void mostrar_entrada(int16_t i);

    std::vector<std::u16string> lista_;
    int16_t indice_ = -1;
    int16_t novo_indice_ = -1;
    int16_t topo_lista_ = 0;
    bool travada_ = false;
    int16_t ponteiro_ = 0;
    int32_t ajuda_ = 0;
};

}  // namespace pjtCampoVivo::headless
