// CampoVivoWidget: the control on a real Qt form. It owns the control's logic (CampoVivo),
// its two inner boxes (a QLineEdit and an editable QComboBox) and acts as its host: the
// control's events come out as Qt signals, its settings as Qt properties. The widget is as
// tall as the combo box's natural height; the inner box of the current style fills it.
//
//   auto* cpf = new pjtCampoVivo::qt::CampoVivoWidget(form);
//   cpf->campo().Mascara(13);
//   connect(cpf, &CampoVivoWidget::Change, [cpf] { qDebug() << cpf->texto(); });
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <pjtcampovivo/widgets_export.hpp>
#include <string>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/caixa_combo.hpp>
#include <pjtcampovivo/toolkit/caixa_texto.hpp>
#include <pjtcampovivo/toolkit/valor_propriedade.hpp>

class QLineEdit;
class QComboBox;
class QMessageBox;

namespace pjtCampoVivo::qt {

class PJTCAMPOVIVO_WIDGETS_EXPORT CampoVivoWidget : public QWidget {
    Q_OBJECT
  public:
    // The published enumerations, with the published member names as keys (as far as an
    // identifier allows), so that form designers offer them as drop-downs. uic writes them
    // as pjtCampoVivo::qt::CampoVivoWidget::KEY; the values are the published ones.
    enum eEstilo : int { TextBox, ComboBoxLookUpComDigAdicional, ComboBoxLookUpAteLimiteDados };
    Q_ENUM(eEstilo)
    enum eMascara : int {
        Texto,
        DinheiroTaxa,
        Numero,
        DdMmAaaa,
        HhMmSs,
        HhMm,
        DdMm,
        MmAaaa,
        Dia,
        Mes,
        Ano,
        Telefone,
        Cep,
        CNPF,
        CNPJ,
        InscricaoEstadual
    };
    Q_ENUM(eMascara)
    enum eQuantidadeCasasDecimais : int {
        SemCasaDecimal,
        Uma,
        Duas,
        Tres,
        Quatro,
        Cinco,
        Seis,
        Sete,
        Oito,
        Nove
    };
    Q_ENUM(eQuantidadeCasasDecimais)
    enum eCapsLockMixed : int { CaseMixed, LowerCase, UpperCase };
    Q_ENUM(eCapsLockMixed)
    enum eAlinhamento : int { Esquerda, Direita, Centralizado };
    Q_ENUM(eAlinhamento)
    enum eNaoSim : int { Nao, sim };
    Q_ENUM(eNaoSim)

  private:
    // The control's settings and values, as Qt properties. A form loader applies them in
    // this order, so the setters that change others (Estilo, Mascara, CNPJAlfanumerico,
    // TelefoneDDD) come first. Run-time-only and read-only ones are not designable: a form neither
    // shows nor saves them.
    Q_PROPERTY(eEstilo Estilo READ Estilo WRITE setEstilo)
    Q_PROPERTY(eMascara Mascara READ Mascara WRITE setMascara)
    Q_PROPERTY(eNaoSim CNPJAlfanumerico READ CNPJAlfanumerico WRITE setCNPJAlfanumerico)
    Q_PROPERTY(eNaoSim PesquisarNovamente READ PesquisarNovamente WRITE setPesquisarNovamente)
    Q_PROPERTY(eNaoSim TelefoneDDD READ TelefoneDDD WRITE setTelefoneDDD)
    Q_PROPERTY(QString UF READ UF WRITE setUF)
    Q_PROPERTY(eQuantidadeCasasDecimais QuantidadeCasasDecimais READ QuantidadeCasasDecimais WRITE
                   setQuantidadeCasasDecimais)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(eAlinhamento Alinhamento READ Alinhamento WRITE setAlinhamento)
    Q_PROPERTY(eCapsLockMixed CapsLockMixed READ CapsLockMixed WRITE setCapsLockMixed)
    Q_PROPERTY(QString CaracteresASeremRetiradosTexto READ CaracteresASeremRetiradosTexto WRITE
                   setCaracteresASeremRetiradosTexto)
    Q_PROPERTY(double QtdMaxRegRetornadosPesqLookUp READ QtdMaxRegRetornadosPesqLookUp WRITE
                   setQtdMaxRegRetornadosPesqLookUp)
    Q_PROPERTY(
        int FazerConsistenciaBasica READ FazerConsistenciaBasica WRITE setFazerConsistenciaBasica)
    Q_PROPERTY(bool Enabled READ EnabledCampo WRITE setEnabledCampo)
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY Change)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QString ClipText READ ClipText DESIGNABLE false)
    Q_PROPERTY(QString ClipTextPonto READ ClipTextPonto DESIGNABLE false)
    Q_PROPERTY(int ListCount READ ListCount DESIGNABLE false)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex DESIGNABLE false)
    Q_PROPERTY(int NewIndex READ NewIndex DESIGNABLE false)
    Q_PROPERTY(int SelStart READ SelStart WRITE setSelStart DESIGNABLE false)
    Q_PROPERTY(int SelLength READ SelLength WRITE setSelLength DESIGNABLE false)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText DESIGNABLE false)
    Q_PROPERTY(int TopIndex READ TopIndex WRITE setTopIndex DESIGNABLE false)
    Q_PROPERTY(bool Sorted READ Sorted DESIGNABLE false)
    Q_PROPERTY(int Style READ Style DESIGNABLE false)
    Q_PROPERTY(int hWnd READ hWnd DESIGNABLE false)
    // Set by the form designer that hosts the widget, never by a form.
    Q_PROPERTY(bool modoDesigner READ modoDesigner WRITE setModoDesigner DESIGNABLE false)

  public:
    explicit CampoVivoWidget(QWidget* parent = nullptr);
    ~CampoVivoWidget() override;

    // The control's logic, with every member of its published interface.
    CampoVivo& campo();
    const CampoVivo& campo() const;

    // The form designer (UserMode false) or run time (true, the default).
    bool modoDesigner() const;
    void setModoDesigner(bool designer);

    // The inner boxes, for layout, focus chains and tests.
    QLineEdit* caixaTexto() const;
    QComboBox* caixaCombo() const;

    // The inner boxes as the control sees them (stored colours, the combo box's own list
    // position), for tools that report the control's state.
    const CaixaTexto& costuraTexto() const;
    const CaixaCombo& costuraCombo() const;

    // The design-time settings from and to a property bag (ReadProperties, WriteProperties).
    // Loading through here also refreshes what the widget derives from them (the accessible
    // name and description of the mask).
    void lerPropriedades(BolsaPropriedades& bolsa);
    void gravarPropriedades(BolsaPropriedades& bolsa);

    // Tests and unattended runs: when set, each message box of every CampoVivoWidget is
    // handed to responder instead of being shown, and counts as closed with the
    // QMessageBox::StandardButton it returns. An empty function shows them again. (The
    // environment variable CAMPOVIVO_MENSAGENS_AUTOMATICAS=1 shows each box and closes it at
    // once with its default button.)
    static void interceptarMensagens(std::function<int(QMessageBox&)> responder);

    // Property accessors (Qt types) forwarding to campo(). The enumerated ones also take the
    // plain published value (setMascara(13)); a value outside the enumeration is kept as it is.
    eEstilo Estilo() const;
    void setEstilo(eEstilo v);
    void setEstilo(int v);
    eMascara Mascara() const;
    void setMascara(eMascara v);
    void setMascara(int v);
    eQuantidadeCasasDecimais QuantidadeCasasDecimais() const;
    void setQuantidadeCasasDecimais(eQuantidadeCasasDecimais v);
    void setQuantidadeCasasDecimais(int v);
    eCapsLockMixed CapsLockMixed() const;
    void setCapsLockMixed(eCapsLockMixed v);
    void setCapsLockMixed(int v);
    QString CaracteresASeremRetiradosTexto() const;
    void setCaracteresASeremRetiradosTexto(const QString& v);
    int MaxLength() const;
    void setMaxLength(int v);
    double QtdMaxRegRetornadosPesqLookUp() const;
    void setQtdMaxRegRetornadosPesqLookUp(double v);
    int FazerConsistenciaBasica() const;
    void setFazerConsistenciaBasica(int v);
    eNaoSim CNPJAlfanumerico() const;
    void setCNPJAlfanumerico(eNaoSim v);
    void setCNPJAlfanumerico(int v);
    eNaoSim PesquisarNovamente() const;
    void setPesquisarNovamente(eNaoSim v);
    void setPesquisarNovamente(int v);
    eNaoSim TelefoneDDD() const;
    void setTelefoneDDD(eNaoSim v);
    void setTelefoneDDD(int v);
    QString UF() const;
    void setUF(const QString& v);
    eAlinhamento Alinhamento() const;
    void setAlinhamento(eAlinhamento v);
    void setAlinhamento(int v);
    bool EnabledCampo() const;
    void setEnabledCampo(bool v);
    QString Text() const;
    void setText(const QString& v);
    QString ClipText();
    QString ClipTextPonto();
    int ListCount() const;
    int ListIndex() const;
    void setListIndex(int v);
    int NewIndex() const;
    int SelStart() const;
    void setSelStart(int v);
    int SelLength() const;
    void setSelLength(int v);
    QString SelText() const;
    void setSelText(const QString& v);
    QString ToolTipText() const;
    void setToolTipText(const QString& v);
    int TopIndex() const;
    void setTopIndex(int v);
    bool Sorted() const;
    int Style() const;
    int hWnd() const;

    // The indexed members and the list methods, callable through Qt's meta-object system
    // (QMetaObject::invokeMethod, scripts) as well as through campo().
    Q_INVOKABLE QString List(int indice) const;
    Q_INVOKABLE void setList(int indice, const QString& texto);
    Q_INVOKABLE QString ItemData(int indice);
    Q_INVOKABLE void setItemData(int indice, const QString& valor);
    Q_INVOKABLE void AddItem(const QString& item, const QString& itemData = QString());
    Q_INVOKABLE void RemoveItem(int indice);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE void PosicionarPorItem(const QString& item);
    Q_INVOKABLE void PosicionarPorItemData(const QString& itemData);

    QSize sizeHint() const override;

  signals:
    // The control's eight events. By-reference arguments arrive as pointers: a slot that
    // writes *KeyAscii = 0 cancels the key, one that rewrites *TextoProcurado changes what
    // the search goes on with. Connect with Qt::DirectConnection (the default for widgets on
    // one thread) so the slot runs before the control continues.
    void Click();
    void DblClick();
    void KeyDown(int16_t* KeyCode, int16_t* Shift);
    void KeyPress(int16_t* KeyAscii);
    void KeyUp(int16_t* KeyCode, int16_t* Shift);
    void Change();
    void DropDown();
    void FimItensLista(QString* TextoProcurado);
    // A design-time setting changed (the property's name): the form must be saved.
    void propriedadeAlterada(const QString& nome);
    // The control sent keystrokes to the window ("{TAB}"); they take effect once the user's
    // action has returned to Qt's event loop.
    void teclasEnviadas(const QString& teclas);
    // A handler run by the user's action failed (an Erro's number, or 0 for another
    // exception): Qt's event loop cannot carry the exception, so it ends here, and the
    // keystrokes that action queued are dropped.
    void falhaNaoTratada(int numero, const QString& descricao);

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    // A new font or style changes the combo box's natural height, and so the widget's.
    void changeEvent(QEvent* evento) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pjtCampoVivo::qt
