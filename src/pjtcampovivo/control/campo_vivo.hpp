// CampoVivo, the data-entry control: a text box or a lookup combo box in one. It filters
// keystrokes, re-formats its text through Formatar on every change, checks the value when
// the user leaves the field, and persists its design-time settings. It reaches its two inner
// boxes, the screen and its host only through the toolkit seams, so the same logic runs in
// real windows and headless.
//
//   CampoVivo campo(txt, cbo, tela, hospedeiro);  // the host's initialise
//   campo.InitProperties();                       // first placement
//   campo.Mascara(valor(eMascara::DdMmAaaa));     // MaxLength 10, left aligned
//
// Failures are pjtCampoVivo::Erro and reach the caller: a failing toolkit operation ends the
// member where it stands, with guards already set left set.
#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <optional>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/caixa_combo.hpp>
#include <pjtcampovivo/toolkit/caixa_texto.hpp>
#include <pjtcampovivo/toolkit/hospedeiro.hpp>
#include <pjtcampovivo/toolkit/recordset.hpp>
#include <pjtcampovivo/toolkit/tela.hpp>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT CampoVivo {
  public:
    // The host's initialise notification: the remembered list position starts at -1.
    CampoVivo(CaixaTexto& txtCombo, CaixaCombo& cboCombo, Tela& tela, Hospedeiro& hospedeiro);
    ~CampoVivo();
    CampoVivo(const CampoVivo&) = delete;
    CampoVivo& operator=(const CampoVivo&) = delete;

    // The formatting engine used for live formatting, created on first use. The host may
    // read it or put another instance in its place.
    std::shared_ptr<Formatar> objFormatar;

    // Takes any object and keeps nothing.
    void CargaObjeto(const std::any& objeto);

    // Stored and reported back; nothing else reads it and it is not saved.
    int32_t FazerConsistenciaBasica() const noexcept { return FazerConsistenciaBasica_; }
    void FazerConsistenciaBasica(int32_t valor);

    // The text box's alignment (0 left, 1 right, 2 centred); a value outside 16 bits
    // overflows before anything changes.
    int32_t Alinhamento() const;
    void Alinhamento(int32_t valor);

    // The combo box's Enabled; setting it enables or disables both boxes.
    bool Enabled() const;
    void Enabled(bool valor);
    // Repaints the combo box.
    void Refresh();

    // Host notifications.
    void InitProperties();
    void ReadProperties(BolsaPropriedades& bolsa);
    void WriteProperties(BolsaPropriedades& bolsa);
    // The control takes the combo box's natural height; both boxes span its inner width.
    void Resize();

    // Design-time settings. Every setter stores the value unchecked and notifies the host.
    int32_t Estilo() const noexcept { return Estilo_; }
    void Estilo(int32_t valor);
    int32_t Mascara() const noexcept { return Mascara_; }
    // Also sets MaxLength, the decimal places and the alignment the mask calls for.
    void Mascara(int32_t valor);
    int32_t QuantidadeCasasDecimais() const noexcept { return QuantidadeCasasDecimais_; }
    void QuantidadeCasasDecimais(int32_t valor);
    int32_t CapsLockMixed() const noexcept { return CapsLockMixed_; }
    void CapsLockMixed(int32_t valor);
    const std::u16string& CaracteresASeremRetiradosTexto() const noexcept {
        return CaracteresASeremRetiradosTexto_;
    }
    void CaracteresASeremRetiradosTexto(std::u16string_view valor);
    int16_t MaxLength() const noexcept { return MaxLength_; }
    void MaxLength(int16_t valor);
    double QtdMaxRegRetornadosPesqLookUp() const noexcept { return QtdMaxRegRetornadosPesqLookUp_; }
    void QtdMaxRegRetornadosPesqLookUp(double valor);
    // eNaoSim. With sim (1) and Mascara 14 the field takes the alphanumeric CNPJ: letters
    // typed are raised to capitals whatever CapsLockMixed says, the text is shaped by
    // Formatar::CNPJAlfanumerico, the exit check is Comuns::CNPJAlfanumericoValido, and
    // ClipText gives the fourteen characters with their leading zeros. Saved only when sim.
    int32_t CNPJAlfanumerico() const noexcept { return CNPJAlfanumerico_; }
    void CNPJAlfanumerico(int32_t valor);
    // eNaoSim. With sim (1) the lookup style searches again, right after FimItensLista, for
    // an entry that begins with the whole text the handler left, the refused character
    // included: the host's new entries are found in the keystroke that asked for them.
    // Saved only when sim.
    int32_t PesquisarNovamente() const noexcept { return PesquisarNovamente_; }
    void PesquisarNovamente(int32_t valor);
    // eNaoSim. With sim (1) and Mascara 11 the field takes a telephone number as dialled
    // today, with its area code: shaped by Formatar::TelefoneDDD ("(11) 91234-5678",
    // "(11) 3456-7890", "0800 123 4567"), checked on leaving the text box by
    // Comuns::TelefoneValido, and ClipText gives its digits with a leading zero kept. Setting
    // it with Mascara 11 sets MaxLength to 15 (sim) or back to 11; Mascara 11 set while it is
    // sim gives 15. Saved only when sim.
    int32_t TelefoneDDD() const noexcept { return TelefoneDDD_; }
    void TelefoneDDD(int32_t valor);
    // The federative unit whose state registration numbers a field of Mascara 15 takes, by
    // its two-letter code in either case ("SP", "ba"); empty (the default) for none. With a
    // known unit and Mascara 15 the text is shaped by Formatar::InscricaoEstadualUF, typing
    // raises the letters of ISENTO (and SP's P) to capitals, leaving the text box checks the
    // number by the unit's rules, and ClipText gives its digits with their leading zeros (and
    // the P), or ISENTO. An unknown code is kept and changes nothing. Setting it shapes the
    // text already in a field of Mascara 15 again, as Text(Text()) would. Saved only when not
    // empty.
    const std::u16string& UF() const noexcept { return UF_; }
    void UF(std::u16string_view valor);
    // The variant of the mask that the settings above switch on, or nullptr for none.
    const VarianteMascara* variante_em_uso() const noexcept;

    // The shown box's text, as formatted.
    std::u16string Text() const;
    // Moves a value in as a whole: formatted (a money value first gets exactly its decimal
    // places), searched in the lookup style, reported by Change.
    void Text(std::u16string_view valor);
    // The plain value of the shown text: "1.234,56" -> "1234,56"; "0" for an empty field.
    std::u16string ClipText();
    // The plain value with a decimal point: "1234.56". A value without a comma is returned
    // as it is.
    std::u16string ClipTextPonto();

    // ---- The list (combo styles) ----

    // Adds Item at Index (appended when absent) with its item data.
    void AddItem(std::u16string_view Item, std::optional<int32_t> Index = std::nullopt,
                 std::u16string_view ItemData = u"");
    // Replaces the list by the records of rs from its current record on: entry text from
    // field Item, item data from field ItemData (when named); the last record whose Item
    // (or ItemData) begins with ItemAPosicionar (or ItemDataAPosicionar), case-blind, is
    // selected. A null rs empties the list.
    void Carregar(Recordset* rs, std::u16string_view Item, std::u16string_view ItemData = u"",
                  std::u16string_view ItemAPosicionar = u"",
                  std::u16string_view ItemDataAPosicionar = u"");
    // Selects the first entry equal to Item (trimmed, case-blind).
    void PosicionarPorItem(std::u16string_view Item);
    // Selects the first entry whose item data equals ItemData (trimmed, case-blind).
    void PosicionarPorItemData(std::u16string_view ItemData);
    void Clear();
    void RemoveItem(int16_t Index);
    // The item data of entry Index; "0" for a negative Index.
    std::u16string ItemData(int16_t Index);
    void ItemData(int16_t Index, std::u16string_view valor);

    int32_t hWnd() const;
    std::u16string List(int16_t Index) const;
    // Replaces entry Index's text only; its item data and the selection stay.
    void List(int16_t Index, std::u16string_view valor);
    int16_t ListCount() const;
    // The remembered position (-1: none).
    int16_t ListIndex() const;
    // Selects entry V (run time only; nothing on an empty list).
    void ListIndex(int16_t V);
    int16_t NewIndex() const;
    // The combo box's selection, in every style; the setters are run time only.
    int32_t SelLength() const;
    void SelLength(int32_t valor);
    int32_t SelStart() const;
    void SelStart(int32_t valor);
    std::u16string SelText() const;
    void SelText(std::u16string_view valor);
    bool Sorted() const;
    // The combo box's own kind, unrelated to Estilo.
    int16_t Style() const;
    std::u16string ToolTipText() const;
    void ToolTipText(std::u16string_view valor);
    int16_t TopIndex() const;
    void TopIndex(int16_t valor);

    // Everything the control keeps, for inspection by tests and session scripts.
    struct Estado {
        int32_t Estilo, Mascara, QuantidadeCasasDecimais, CapsLockMixed;
        std::u16string CaracteresASeremRetiradosTexto;
        int16_t MaxLength;
        double QtdMaxRegRetornadosPesqLookUp;
        int32_t FazerConsistenciaBasica;
        std::vector<std::u16string> itemData;
        int32_t lngListIndex, lngEntradaDe, blnBackspace;
        bool blnEscrevendo;
        int32_t lngSelStartAnterior;
    };
    Estado estado() const;

  private:
    class OuvinteTexto;
    class OuvinteCombo;

    // Text box notifications.
    void txt_KeyDown(int16_t& KeyCode, int16_t& Shift);
    void txt_KeyPress(int16_t& KeyAscii);
    void txt_KeyUp(int16_t& KeyCode, int16_t& Shift);
    void txt_Change();
    void txt_DblClick();
    void txt_GotFocus();
    void txt_LostFocus();

    // Combo box notifications.
    void cbo_Click();
    void cbo_DblClick();
    void cbo_DropDown();
    void cbo_KeyDown(int16_t& KeyCode, int16_t& Shift);
    void cbo_KeyPress(int16_t& KeyAscii);
    void cbo_KeyUp(int16_t& KeyCode, int16_t& Shift);
    void cbo_Change();
    void cbo_GotFocus();
    void cbo_LostFocus();
    // The type-ahead search of the lookup style: shows the first entry that begins with the
    // typed text, or brings back the remembered one and asks the host for more entries.
    void PesquisarLookUp();
    // Index of the first entry whose first `tamanho` characters equal alvo ignoring case.
    std::optional<int16_t> procurar_prefixo(std::u16string_view alvo, std::size_t tamanho);
    // The item-data store, created empty on first use.
    std::vector<std::u16string>& itens();

    // The filter shared by both boxes: forbidden characters, then letter case. Returns
    // false when the key was cancelled.
    bool filtrar_caractere(int16_t& KeyAscii);
    void aplicar_caixa_alta(int16_t& KeyAscii) const;
    // True when the field raises this letter (given as a capital) whatever CapsLockMixed says.
    bool letra_em_maiuscula(char16_t maiuscula) const;
    // The settings that choose the routines of the field's text (the variants beside the
    // masks); the places that differ by them switch on ajustes().moldagem().
    AjustesCampo ajustes() const noexcept;
    // MaxLength that the Mascara setter gives a mask of the table: the variant's in use,
    // else the mask's own.
    int16_t comprimento_da_mascara() const noexcept;
    // The live formatting of both boxes: FormatarTextoEntrada with the field's settings, or
    // the shaping of the variant the field's settings switch on.
    std::u16string formatar_campo(std::u16string& texto, int32_t& negativo);
    // Enter and Tab move on to the next control and count as a click.
    void enter_ou_tab(int16_t KeyAscii);
    Formatar& formatador();
    void mostrar_estilo();
    // Raises a numbered error when the host is in the form designer.
    void somente_em_execucao() const;

    CaixaTexto& txtCombo_;
    CaixaCombo& cboCombo_;
    Tela& tela_;
    Hospedeiro& hospedeiro_;
    std::unique_ptr<OuvinteTexto> ouvinte_texto_;
    std::unique_ptr<OuvinteCombo> ouvinte_combo_;

    int32_t blnBackspace_ = 0;
    int32_t lngEntradaDe_ = 0;
    int32_t Estilo_ = 0;
    int32_t Mascara_ = 0;
    int32_t QuantidadeCasasDecimais_ = 0;
    int32_t CapsLockMixed_ = 0;
    std::u16string CaracteresASeremRetiradosTexto_;
    int16_t MaxLength_ = 0;
    double QtdMaxRegRetornadosPesqLookUp_ = 0;
    int32_t FazerConsistenciaBasica_ = 0;
    int32_t CNPJAlfanumerico_ = 0;
    int32_t PesquisarNovamente_ = 0;
    int32_t TelefoneDDD_ = 0;
    std::u16string UF_;
    std::optional<std::vector<std::u16string>> colItemData_;
    // The list's entries folded for the type-ahead search, kept in step with the combo box's
    // list by every member that changes it, so a keystroke compares without copying or
    // folding 32,767 entries again.
    struct EntradaPesquisa {
        std::u16string dobrada;
        bool por_unidade;  // each code unit folded to one: a prefix folds to a prefix
    };
    std::vector<EntradaPesquisa> pesquisa_;
    void lembrar_entrada(std::size_t posicao, std::u16string_view texto);
    bool blnEscrevendo_ = false;
    // Set while an exit check shows its message and takes the focus back. Taking it back can
    // make the other inner box lose the focus (the style changed while the first had it);
    // that box does not check its own value then, or two refused values would hand the focus
    // to each other without end.
    bool conferindo_saida_ = false;
    int32_t lngSelStartAnterior_ = 0;
    int32_t lngListIndex_ = -1;
};

}  // namespace pjtCampoVivo
