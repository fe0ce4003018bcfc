// The control on real Qt widgets: what only a window shows (focus, tab order, message boxes,
// palettes, the popup list, undo, the clipboard, the fixed height), and that typing into the
// Qt boxes gives exactly what the headless boxes give.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string_view>
#include <vector>

#include "formatting/separador_inserido.hpp"
#include "tests/qt/apoio.hpp"
#include "toolkit/cores.hpp"
#include "toolkit/qt/caixas_qt.hpp"
#include "validation/erro.hpp"

namespace pjtCampoVivo::teste_qt {

namespace {

// The colour a palette must hold for a colour value: the ambient palette's for a system
// colour, the value's own red, green and blue otherwise.
QColor cor_esperada(Cor cor, const QPalette& ambiente) {
    if (cor == cores::FundoJanela) return ambiente.color(QPalette::Base);
    if (cor == cores::TextoJanela) return ambiente.color(QPalette::Text);
    return QColor(static_cast<int>(cor & 0xFF), static_cast<int>((cor >> 8) & 0xFF),
                  static_cast<int>((cor >> 16) & 0xFF));
}

int inicio_selecao(const QLineEdit* e) {
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void preparar(CampoVivo& c, int estilo, int mascara, const QStringList& lista) {
    if (estilo != 0) c.Estilo(estilo);
    c.Mascara(mascara);
    for (const QString& item : lista) c.AddItem(item.toStdU16String());
}

// What a combo box's list holds, entry by entry, and what its model announced while passo
// ran: the same for any model that behaves as Qt's own.
QStringList transcricao(QComboBox& combo, const std::function<void(QComboBox&)>& passo) {
    QStringList t;
    QAbstractItemModel* m = combo.model();
    QObject::connect(m, &QAbstractItemModel::dataChanged,
                     [&t](const QModelIndex& de, const QModelIndex&, const QList<int>& papeis) {
                         QStringList nomes;
                         for (const int p : papeis) nomes << QString::number(p);
                         t << QStringLiteral("dataChanged %1 [%2]")
                                  .arg(de.row())
                                  .arg(nomes.join(QLatin1Char(',')));
                     });
    passo(combo);
    QObject::disconnect(m, &QAbstractItemModel::dataChanged, nullptr, nullptr);
    const auto valor = [](const QVariant& v) {
        return v.isValid()
                   ? QStringLiteral("%1:%2").arg(QString::fromLatin1(v.typeName()), v.toString())
                   : QStringLiteral("-");
    };
    for (int i = 0; i < combo.count(); ++i) {
        const QModelIndex e = m->index(i, 0);
        QStringList linha{combo.itemText(i), QString::number(m->flags(e).toInt())};
        for (const int papel : {int(Qt::DisplayRole), int(Qt::EditRole), int(Qt::UserRole),
                                int(Qt::ToolTipRole), int(Qt::AccessibleDescriptionRole)}) {
            linha << valor(m->data(e, papel));
        }
        t << linha.join(QLatin1Char('|'));
    }
    t << QStringLiteral("atual %1, fora da lista %2")
             .arg(combo.currentIndex())
             .arg(m->flags(QModelIndex()).toInt());
    return t;
}

void desfazer(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
}

void refazer(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class TestesWidget : public QObject {
    Q_OBJECT

  private slots:
    void init() { SeparadorInserido = 0; }

    // ---- The same as the headless boxes ----

    void comoOHeadless_data() {
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("mascara");
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QString>("acoes");
        const QStringList nada;
        const QStringList marias{QStringLiteral("Maria"), QStringLiteral("Mario")};
        const QStringList nomes{QStringLiteral("Ana"), QStringLiteral("Bia"),
                                QStringLiteral("Caio")};
        QTest::newRow("data") << 0 << 3 << nada << "t:3112";
        QTest::newRow("data, cursor movido")
            << 0 << 3 << nada << "t:311|k:Left|k:Left|t:2|k:End|t:2003";
        QTest::newRow("data, backspace") << 0 << 3 << nada << "t:3112|k:Backspace|k:Backspace|t:9";
        QTest::newRow("data inválida ao sair") << 0 << 3 << nada << "t:3201|sair";
        QTest::newRow("cpf inválido ao sair") << 0 << 13 << nada << "t:12345678900|sair";
        QTest::newRow("home, delete, right")
            << 0 << 13 << nada << "t:123456|k:Home|k:Delete|k:Right|k:Delete";
        QTest::newRow("seleção substituída") << 0 << 3 << nada << "t:31122003|s:3,2|t:0";
        QTest::newRow("seleção mantida ao sair") << 0 << 3 << nada << "t:31122003|s:0,2|sair";
        QTest::newRow("combo, seleção mantida ao voltar")
            << 1 << 0 << nada << "t:abc|s:1,1|sair|tab";
        QTest::newRow("dinheiro negativo") << 0 << 1 << nada << "t:-5|t:0";
        QTest::newRow("enter e tab") << 0 << 2 << nada << "t:12|k:Enter|t:3|k:Tab";
        QTest::newRow("limite do cep") << 0 << 12 << nada << "t:0131010099";
        QTest::newRow("texto livre") << 0 << 0 << nada << "t:aB c|c:de|k:Backspace";
        QTest::newRow("pesquisa") << 2 << 0 << marias << "t:m|t:x|t:a";
        QTest::newRow("pesquisa, backspace") << 2 << 0 << marias << "t:mar|k:Backspace|t:i";
        QTest::newRow("pesquisa, lista vazia") << 2 << 0 << nada << "t:ab|k:Enter";
        QTest::newRow("escolha na lista") << 1 << 0 << nomes << "t:x|clicar:2|sair";
        QTest::newRow("abrir a lista") << 1 << 0 << nomes << "abrir";
        QTest::newRow("combo, data inválida") << 1 << 3 << nada << "t:3201|sair";
        QTest::newRow("combo, dinheiro") << 1 << 1 << nada << "t:-12|k:Home|k:Right|k:Delete";
    }

    void comoOHeadless() {
        QFETCH(int, estilo);
        QFETCH(int, mascara);
        QFETCH(QStringList, lista);
        QFETCH(QString, acoes);
        Mensagens mensagens;
        Janela j;
        preparar(j.campo->campo(), estilo, mascara, lista);
        j.eventos.clear();
        executar(j, acoes);

        Referencia r;
        preparar(r.campo, estilo, mascara, lista);
        r.form.hospedeiro.eventos.clear();
        executar(r, acoes);

        QCOMPARE(j.eventos, r.eventos());
        const auto& m = r.mostrada();
        QCOMPARE(j.edicao()->text(), texto(m.texto()));
        QCOMPARE(inicio_selecao(j.edicao()), m.inicio_selecao());
        QCOMPARE(j.edicao()->selectionLength(), m.tamanho_selecao());
        QCOMPARE(j.foco_no_campo(), r.form.foco_no_campo());
        const QPalette ambiente = j.campo->palette();
        QCOMPARE(j.caixa()->palette().color(QPalette::Base), cor_esperada(m.cor_fundo(), ambiente));
        QCOMPARE(j.caixa()->palette().color(QPalette::Text), cor_esperada(m.cor_texto(), ambiente));
        QCOMPARE(j.campo->caixaCombo()->currentIndex(), static_cast<int>(r.form.cboCombo.indice()));
        QCOMPARE(j.campo->ListIndex(), static_cast<int>(r.campo.ListIndex()));
        QCOMPARE(mensagens.vistas.size(), r.form.tela.mensagens.size());
        for (std::size_t i = 0; i < mensagens.vistas.size(); ++i) {
            QCOMPARE(mensagens.vistas[i].prompt, texto(r.form.tela.mensagens[i].prompt));
            QCOMPARE(mensagens.vistas[i].titulo, texto(r.form.tela.mensagens[i].titulo));
        }
    }

    // ---- Focus and injected keys ----

    void tabulacaoDepoisDaNotificacao_data() {
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("codigo");
        QTest::newRow("enter, texto") << 0 << int(Qt::Key_Return) << 13;
        QTest::newRow("tab, texto") << 0 << int(Qt::Key_Tab) << 9;
        QTest::newRow("enter, combo") << 1 << int(Qt::Key_Enter) << 13;
        QTest::newRow("tab, combo") << 1 << int(Qt::Key_Tab) << 9;
    }

    void tabulacaoDepoisDaNotificacao() {
        QFETCH(int, estilo);
        QFETCH(int, tecla);
        QFETCH(int, codigo);
        Janela j;
        j.campo->setEstilo(estilo);
        j.focar();
        j.eventos.clear();
        QTest::keyClick(j.caixa(), static_cast<Qt::Key>(tecla));
        // The whole keystroke is heard while the focus is still in the field...
        const QStringList esperados{
            QStringLiteral("KeyDown(%1,0)").arg(codigo), QStringLiteral("Click"),
            QStringLiteral("KeyPress(%1)").arg(codigo), QStringLiteral("KeyUp(%1,0)").arg(codigo)};
        QCOMPARE(j.eventos, esperados);
        QVERIFY(j.foco_no_campo());
        // ...and the injected Tab moves it on once Qt's event loop runs.
        Janela::entregar();
        QCOMPARE(QApplication::focusWidget(), j.proximo);
        // Qt's own Tab order leads back into the shown box, past the hidden one.
        QTest::keyClick(j.proximo, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), j.caixa());
    }

    // ---- The message box ----

    void caixaDeMensagem() {
        Mensagens mensagens;
        Janela j;
        j.campo->setMascara(3);
        executar(j, QStringLiteral("t:3201|sair"));
        QCOMPARE(mensagens.vistas.size(), std::size_t{1});
        const MensagemVista& m = mensagens.vistas.front();
        QCOMPARE(m.prompt,
                 QStringLiteral(
                     "A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003"));
        QCOMPARE(m.titulo, QStringLiteral("Data informada incorretamente"));
        QCOMPARE(m.icone, QMessageBox::Critical);
        QCOMPARE(m.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The control took the focus back, highlighted again.
        QCOMPARE(QApplication::focusWidget(), j.campo->caixaTexto());
        QCOMPARE(j.campo->caixaTexto()->palette().color(QPalette::Base), QColor(255, 255, 192));
    }

    void caixaDeMensagemMostrada() {
        // A real modal box, closed with its default button as soon as it shows.
        qputenv("CAMPOVIVO_MENSAGENS_AUTOMATICAS", "1");
        Janela j;
        j.campo->setMascara(3);
        struct Espia final : QObject {
            QString titulo;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Show) {
                    if (auto* caixa = qobject_cast<QMessageBox*>(o)) titulo = caixa->windowTitle();
                }
                return false;
            }
        } espia;
        qApp->installEventFilter(&espia);
        executar(j, QStringLiteral("t:3201|sair"));
        qApp->removeEventFilter(&espia);
        const QString titulo = espia.titulo;
        qunsetenv("CAMPOVIVO_MENSAGENS_AUTOMATICAS");
        QCOMPARE(titulo, QStringLiteral("Data informada incorretamente"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_VERIFY(j.foco_no_campo());
    }

    // ---- Colours ----

    void coresNaPaleta() {
        Janela j;
        QLineEdit* txt = j.campo->caixaTexto();
        const QColor amarelo(255, 255, 192);
        const QColor fundo = j.campo->palette().color(QPalette::Base);
        QVERIFY(fundo != amarelo);
        j.focar();
        QCOMPARE(txt->palette().color(QPalette::Base), amarelo);
        executar(j, QStringLiteral("sair"));
        QCOMPARE(txt->palette().color(QPalette::Base), fundo);

        // Negative numbers in red, the rest in black, whatever the colour was before.
        j.campo->setMascara(1);
        executar(j, QStringLiteral("t:-5"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(255, 0, 0));
        j.campo->setText(QStringLiteral("7"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(0, 0, 0));

        // The combo box: highlighted when its list opens; a loaded colour is 0x00BBGGRR.
        j.campo->setEstilo(1);
        executar(j, QStringLiteral("sair|abrir"));
        QCOMPARE(j.campo->caixaCombo()->palette().color(QPalette::Base), amarelo);
        executar(j, QStringLiteral("sair"));
        j.campo->campo().ToolTipText(u"");
        struct Bolsa final : BolsaPropriedades {
            ValorPropriedade ReadProperty(std::u16string_view chave,
                                          const ValorPropriedade& padrao) override {
                if (chave == u"ForeColor") return Cor{0x00FF0000};
                if (chave == u"Estilo") return int32_t{1};
                return padrao;
            }
            void WriteProperty(std::u16string_view, const ValorPropriedade&,
                               const std::optional<ValorPropriedade>&) override {}
        } bolsa;
        j.campo->lerPropriedades(bolsa);
        QCOMPARE(j.campo->caixaCombo()->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    // ---- Undo and redo across the control's formatting ----

    void desfazerAtravesDaFormatacao_data() {
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("mascara");
        QTest::addColumn<QString>("digitado");
        QTest::newRow("data") << 0 << 3 << "31122003";
        QTest::newRow("dinheiro") << 0 << 1 << "123456";
        QTest::newRow("cpf") << 0 << 13 << "12345678909";
        QTest::newRow("combo, telefone") << 1 << 11 << "1123456789";
    }

    void desfazerAtravesDaFormatacao() {
        QFETCH(int, estilo);
        QFETCH(int, mascara);
        QFETCH(QString, digitado);
        Janela j;
        j.campo->setEstilo(estilo);
        j.campo->setMascara(mascara);
        // What each keystroke left (one that changed nothing is no step of its own).
        QStringList mostrados;
        for (const QChar c : digitado) {
            executar(j, QStringLiteral("t:") + c);
            if (mostrados.isEmpty() || mostrados.back() != j.edicao()->text())
                mostrados << j.edicao()->text();
        }
        // Each Ctrl+Z takes back one keystroke, showing the formatted text it had left.
        for (int i = static_cast<int>(mostrados.size()) - 2; i >= 0; --i) {
            j.eventos.clear();
            desfazer(j.caixa());
            QCOMPARE(j.edicao()->text(), mostrados[i]);
            QVERIFY(j.eventos.contains(QStringLiteral("Change")));
            QVERIFY(!j.eventos.join(QString()).contains(QStringLiteral("Key")));
        }
        for (int i = 1; i < mostrados.size(); ++i) {
            refazer(j.caixa());
            QCOMPARE(j.edicao()->text(), mostrados[i]);
        }
        // A new keystroke after an undo forgets what could be redone.
        desfazer(j.caixa());
        executar(j, QStringLiteral("k:Backspace"));
        const QString depois = j.edicao()->text();
        refazer(j.caixa());
        QCOMPARE(j.edicao()->text(), depois);
    }

    void desfazerPeloMenu() {
        Janela j;
        j.campo->setMascara(3);
        executar(j, QStringLiteral("t:3112"));
        bool refazer_habilitado = true;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            refazer_habilitado =
                menu->findChild<QAction*>(QStringLiteral("edit-redo"))->isEnabled();
            menu->findChild<QAction*>(QStringLiteral("edit-undo"))->trigger();
            menu->close();
        });
        QLineEdit* edicao = j.edicao();
        QContextMenuEvent pedido(QContextMenuEvent::Keyboard, edicao->rect().center(),
                                 edicao->mapToGlobal(edicao->rect().center()));
        QApplication::sendEvent(edicao, &pedido);
        QVERIFY(!refazer_habilitado);
        QCOMPARE(edicao->text(), QStringLiteral("31/1"));
    }

    // ---- Pasting ----

    void colarFormataInteiro_data() {
        QTest::addColumn<int>("mascara");
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("cpf") << 13 << "123.456.789-09"
                             << "123.456.789-09";
        QTest::newRow("telefone") << 11 << "(11) 2345-6789" << QString();
        QTest::newRow("data") << 3 << "25/12/2003"
                              << "25/12/2003";
        QTest::newRow("dinheiro, com linha") << 1 << "1.234,56\n"
                                             << "1.234,56";
    }

    void colarFormataInteiro() {
        QFETCH(int, mascara);
        QFETCH(QString, colado);
        QFETCH(QString, mostrado);
        Janela j;
        j.campo->setMascara(mascara);
        j.focar();
        j.eventos.clear();
        QGuiApplication::clipboard()->setText(colado);
        QTest::keyClick(j.caixa(), Qt::Key_V, Qt::ControlModifier);

        Referencia r;
        r.campo.Mascara(mascara);
        r.form.focar();
        r.form.hospedeiro.eventos.clear();
        r.form.colar(colado.section(QLatin1Char('\n'), 0, 0).toStdU16String());

        // One change, formatted as a whole, and no key notifications.
        QVERIFY(!j.eventos.isEmpty());
        for (const QString& e : j.eventos) QCOMPARE(e, QStringLiteral("Change"));
        QCOMPARE(j.eventos, r.eventos());
        QCOMPARE(j.edicao()->text(), texto(r.mostrada().texto()));
        if (!mostrado.isEmpty()) QCOMPARE(j.edicao()->text(), mostrado);
        // One step of the history: back to the empty field, as the control shows one.
        desfazer(j.caixa());
        r.form.selecionar(0, 99);
        r.form.tecla(headless::Tecla::Delete);
        QCOMPARE(j.edicao()->text(), texto(r.mostrada().texto()));
    }

    // ---- Size ----

    void alturaFixa() {
        Janela j;
        const int natural = j.campo->caixaCombo()->sizeHint().height();
        QCOMPARE(j.campo->height(), natural);
        QCOMPARE(j.campo->minimumHeight(), natural);
        QCOMPARE(j.campo->maximumHeight(), natural);
        j.janela.resize(500, 400);
        Janela::entregar();
        QCOMPARE(j.campo->height(), natural);
        // The box shown fills the control's width at the natural height.
        QCOMPARE(j.campo->caixaTexto()->geometry(), QRect(0, 0, j.campo->width(), natural));
        j.campo->setEstilo(1);
        QCOMPARE(j.campo->caixaCombo()->geometry(), QRect(0, 0, j.campo->width(), natural));
        // A larger font makes the combo box taller, and the control with it.
        QFont fonte = j.campo->font();
        fonte.setPointSizeF(fonte.pointSizeF() * 3);
        j.campo->setFont(fonte);
        Janela::entregar();
        const int maior = j.campo->caixaCombo()->sizeHint().height();
        QVERIFY(maior > natural);
        QCOMPARE(j.campo->height(), maior);
        QCOMPARE(j.campo->caixaCombo()->height(), maior);
    }

    // ---- The combo box's list ----

    void cliqueSoNaEscolhaDoUsuario() {
        Janela j;
        preparar(j.campo->campo(), 1, 0,
                 {QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio")});
        j.eventos.clear();
        // From code: the entry is shown, nothing is heard.
        j.campo->setListIndex(1);
        QCOMPARE(j.eventos, QStringList());
        QCOMPARE(j.campo->Text(), QStringLiteral("Bia"));
        // The user's pick in the open list: Click, and no Change.
        executar(j, QStringLiteral("clicar:2"));
        QCOMPARE(j.eventos, QStringList({QStringLiteral("DropDown"), QStringLiteral("Click")}));
        QCOMPARE(j.campo->Text(), QStringLiteral("Caio"));
        QCOMPARE(j.campo->ListIndex(), 2);
        // A typed text that equals an entry is not a pick when leaving.
        executar(j, QStringLiteral("s:0,4|t:Ana|sair"));
        QVERIFY(!j.eventos.mid(2).contains(QStringLiteral("Click")));
        QCOMPARE(j.campo->caixaCombo()->lineEdit()->text(), QStringLiteral("Ana"));
        QCOMPARE(j.campo->caixaCombo()->currentIndex(), 2);
        // The arrow keys step through the list like picks.
        j.eventos.clear();
        j.focar();
        QTest::keyClick(j.caixa(), Qt::Key_Up);
        QCOMPARE(j.eventos, QStringList({QStringLiteral("KeyDown(38,0)"), QStringLiteral("Click"),
                                         QStringLiteral("KeyUp(38,0)")}));
        QCOMPARE(j.campo->Text(), QStringLiteral("Bia"));
    }

    void enterNaoInsereNaLista() {
        Janela j;
        preparar(j.campo->campo(), 1, 0, {QStringLiteral("Ana")});
        QCOMPARE(j.campo->caixaCombo()->insertPolicy(), QComboBox::NoInsert);
        executar(j, QStringLiteral("t:Nova|k:Enter"));
        QCOMPARE(j.campo->caixaCombo()->count(), 1);
        QCOMPARE(j.campo->caixaCombo()->lineEdit()->text(), QStringLiteral("Nova"));
        QCOMPARE(QApplication::focusWidget(), j.proximo);
    }

    // The combo box's list is a model of the widget's own: what a caller does to the combo
    // box directly comes out as with Qt's QStandardItemModel. Each case builds a list (not
    // compared: Qt adds to other models in other steps), then changes it.
    void listaComoAPadraoDoQt() {
        using Passo = std::function<void(QComboBox&)>;
        struct Caso {
            const char* nome;
            Passo montar;
            Passo mudar;
        };
        const auto ana_bia = [](QComboBox& c) {
            c.addItem(QStringLiteral("Ana"), 10);
            c.addItem(QStringLiteral("Bia"));
        };
        const std::vector<Caso> casos{
            {"textos e dados",
             [](QComboBox& c) {
                 c.addItem(QStringLiteral("Ana"), 10);
                 c.insertItem(0, QStringLiteral("Caio"), QStringLiteral("x"));
                 c.addItems({QStringLiteral("Bia"), QString()});
             },
             [](QComboBox&) {}},
            {"texto igual não avisa", ana_bia,
             [](QComboBox& c) {
                 c.setItemText(0, QStringLiteral("Ana"));
                 c.setItemText(0, QStringLiteral("Eva"));
                 c.setItemData(1, QStringLiteral("Bia"), Qt::DisplayRole);
             }},
            {"dados postos e tirados", ana_bia,
             [](QComboBox& c) {
                 c.setItemData(0, 10, Qt::UserRole);
                 c.setItemData(0, QVariant(), Qt::UserRole);
                 c.setItemData(1, QVariant(), Qt::ToolTipRole);
                 c.setItemData(1, QStringLiteral("dica"), Qt::ToolTipRole);
                 c.setItemData(1, 7, Qt::ToolTipRole);
                 c.setItemData(1, QVariant(), Qt::DisplayRole);
             }},
            {"separador",
             [&ana_bia](QComboBox& c) {
                 ana_bia(c);
                 c.insertSeparator(1);
             },
             [](QComboBox&) {}},
            {"remoção", ana_bia,
             [](QComboBox& c) {
                 c.removeItem(5);
                 c.removeItem(0);
             }},
            {"procura pelo dado", ana_bia, [](QComboBox& c) { c.setCurrentIndex(c.findData(10)); }},
            {"limpeza", ana_bia, [](QComboBox& c) { c.clear(); }},
        };
        for (const Caso& caso : casos) {
            QComboBox padrao;
            padrao.setEditable(true);
            qt::detail::ComboBoxQt nossa(nullptr);
            caso.montar(padrao);
            caso.montar(nossa);
            const QStringList esperada = transcricao(padrao, caso.mudar);
            const QStringList vista = transcricao(nossa, caso.mudar);
            if (vista != esperada) {
                qWarning("%s:\n  QStandardItemModel: %s\n  the widget's list:  %s", caso.nome,
                         qPrintable(esperada.join(QStringLiteral(" / "))),
                         qPrintable(vista.join(QStringLiteral(" / "))));
            }
            QCOMPARE(vista, esperada);
        }
    }

    // Entries the control appends reach Qt's model in one notification, and whatever reads
    // the combo box first sees all of them, with the edit, its selection and the selected
    // entry as they were.
    void entradasAcrescentadasJuntas_data() {
        QTest::addColumn<QString>("leitura");
        QTest::addColumn<QStringList>("eventos");
        QTest::newRow("count") << "count" << QStringList();
        QTest::newRow("itemText") << "itemText" << QStringList();
        QTest::newRow("findText") << "findText" << QStringList();
        QTest::newRow("pintura") << "pintura" << QStringList();
        QTest::newRow("lista aberta") << "abrir" << QStringList{QStringLiteral("DropDown")};
        QTest::newRow("o controle") << "controle" << QStringList();
    }

    void entradasAcrescentadasJuntas() {
        QFETCH(QString, leitura);
        QFETCH(QStringList, eventos);
        Janela j;
        CampoVivo& c = j.campo->campo();
        preparar(c, 1, 0, {});
        executar(j, QStringLiteral("t:Bi|s:1,1"));
        QComboBox* combo = j.campo->caixaCombo();
        QSignalSpy insercoes(combo->model(), &QAbstractItemModel::rowsInserted);
        j.eventos.clear();
        for (const std::u16string_view nome : {u"Ana", u"Bia", u"Caio"}) c.AddItem(nome);

        if (leitura == QLatin1String("count")) {
            QCOMPARE(combo->count(), 3);
        } else if (leitura == QLatin1String("itemText")) {
            QCOMPARE(combo->itemText(2), QStringLiteral("Caio"));
        } else if (leitura == QLatin1String("findText")) {
            QCOMPARE(combo->findText(QStringLiteral("Bia")), 1);
        } else if (leitura == QLatin1String("pintura")) {
            combo->repaint();
            QCOMPARE(insercoes.size(), 1);
        } else if (leitura == QLatin1String("abrir")) {
            executar(j, QStringLiteral("abrir"));
            QCOMPARE(combo->view()->model()->rowCount(), 3);
        } else {
            QCOMPARE(j.campo->ListCount(), 3);
            QCOMPARE(texto(c.List(2)), QStringLiteral("Caio"));
        }
        QCOMPARE(insercoes.size(), 1);
        QCOMPARE(insercoes.front().at(1).toInt(), 0);
        QCOMPARE(insercoes.front().at(2).toInt(), 2);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(j.edicao()->text(), QStringLiteral("Bi"));
        QCOMPARE(j.edicao()->selectionStart(), 1);
        QCOMPARE(j.edicao()->selectionLength(), 1);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(j.campo->ListIndex(), -1);
        QCOMPARE(j.eventos, eventos);
        // Emptied before anyone read them, they never reach the list.
        for (const std::u16string_view nome : {u"Duda", u"Eva"}) c.AddItem(nome);
        c.Clear();
        QCOMPARE(combo->count(), 0);
        QCOMPARE(insercoes.size(), 1);
    }

    // ---- The host's slots ----

    void slotMudaOuCancelaTecla_data() {
        QTest::addColumn<int>("mascara");
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("para");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("cancela") << 2 << int('5') << 0 << "1525"
                                 << "12";
        QTest::newRow("troca a caixa") << 0 << int('a') << int('A') << "banana"
                                       << "bAnAnA";
        QTest::newRow("troca o caractere") << 13 << int('x') << int('9') << "12x"
                                           << "1-29";
    }

    void slotMudaOuCancelaTecla() {
        QFETCH(int, mascara);
        QFETCH(int, de);
        QFETCH(int, para);
        QFETCH(QString, digitado);
        QFETCH(QString, mostrado);
        Janela j;
        j.campo->setMascara(mascara);
        QObject::connect(j.campo, &qt::CampoVivoWidget::KeyPress, [&](int16_t* k) {
            if (*k == de) *k = static_cast<int16_t>(para);
        });
        executar(j, QStringLiteral("t:") + digitado);
        QCOMPARE(j.edicao()->text(), mostrado);
    }

    void fimItensListaPeloSlot() {
        // The host adds an entry and rewrites the searched text; the search goes on with both.
        const auto tratar = [](CampoVivo& c, QString& procurado) {
            if (procurado == QLatin1String("Mx")) c.AddItem(u"Mxyz");
            if (procurado == QLatin1String("Mariz")) procurado = QStringLiteral("Marx");
        };
        const QString acoes = QStringLiteral("t:mx|t:x|s:0,9|t:mariz");
        Janela j;
        preparar(j.campo->campo(), 2, 0, {QStringLiteral("Maria"), QStringLiteral("Mario")});
        QObject::connect(j.campo, &qt::CampoVivoWidget::FimItensLista,
                         [&](QString* t) { tratar(j.campo->campo(), *t); });
        j.eventos.clear();
        executar(j, acoes);

        Referencia r;
        preparar(r.campo, 2, 0, {QStringLiteral("Maria"), QStringLiteral("Mario")});
        r.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string& t) {
            QString q = texto(t);
            tratar(r.campo, q);
            t = q.toStdU16String();
        };
        r.form.hospedeiro.eventos.clear();
        executar(r, acoes);

        QCOMPARE(j.eventos, r.eventos());
        QCOMPARE(j.edicao()->text(), texto(r.mostrada().texto()));
        QCOMPARE(j.campo->ListCount(), 3);
        QCOMPARE(j.campo->ListIndex(), static_cast<int>(r.campo.ListIndex()));
    }

    // ---- Accessibility, designer mode, failures, double click ----

    void nomesAcessiveis() {
        Janela j;
        j.campo->setMascara(13);
        for (QWidget* caixa : {static_cast<QWidget*>(j.campo->caixaTexto()),
                               static_cast<QWidget*>(j.campo->caixaCombo())}) {
            QCOMPARE(caixa->accessibleName(), QStringLiteral("CNPF ###.###.###-##"));
            QCOMPARE(caixa->accessibleDescription(), QStringLiteral("Exemplo: 123.456.789-09"));
        }
        j.campo->setMascara(3);
        QCOMPARE(j.campo->caixaTexto()->accessibleName(), QStringLiteral("DdMmAaaa dd/mm/aaaa"));
        QCOMPARE(j.campo->caixaCombo()->accessibleDescription(),
                 QStringLiteral("Exemplo: 25/12/2003"));
        j.campo->setMascara(99);
        QCOMPARE(j.campo->caixaTexto()->accessibleName(), QString());
    }

    void modoDesigner() {
        Janela j;
        QVERIFY(j.campo->campo().estado().Estilo == 0);
        j.campo->setModoDesigner(true);
        int numero = 0;
        try {
            j.campo->setSelStart(0);
        } catch (const Erro& e) {
            numero = e.numero();
        }
        QCOMPARE(numero, 382);
        j.campo->setModoDesigner(false);
        j.campo->setSelStart(0);
    }

    void falhaNaoAtravessaOLacoDeEventos() {
        Janela j;
        j.campo->setEstilo(1);
        QSignalSpy falhas(j.campo, &qt::CampoVivoWidget::falhaNaoTratada);
        // A caret past 32767 overflows the control's 16-bit position.
        int numero = 0;
        try {
            j.campo->setText(QString(40000, QLatin1Char('a')));
        } catch (const Erro& e) {
            numero = e.numero();
        }
        QCOMPARE(numero, 6);
        j.focar();
        j.edicao()->end(false);
        QTest::keyClick(j.caixa(), Qt::Key_B);
        QCOMPARE(falhas.size(), 1);
        QCOMPARE(falhas.front().front().toInt(), 6);
    }

    void duploClique() {
        Janela j;
        j.focar();
        j.eventos.clear();
        j.campo->setText(QStringLiteral("duas palavras"));
        j.edicao()->setCursorPosition(2);
        j.eventos.clear();
        QTest::mouseDClick(j.edicao(), Qt::LeftButton);
        QCOMPARE(j.eventos, QStringList{QStringLiteral("DblClick")});
        // The double-click is the control's: the edit selects no word behind its back.
        QVERIFY(!j.edicao()->hasSelectedText());
    }

    // The list through Qt's meta-object system, as a script or a generic form tool calls it.
    void membrosPeloMetaObjeto() {
        Janela j;
        qt::CampoVivoWidget* w = j.campo;
        w->setEstilo(1);
        for (const auto& [item, dado] : {std::pair{"Ana", "30"}, {"Bia", "10"}, {"Caio", "20"}}) {
            QVERIFY(QMetaObject::invokeMethod(w, "AddItem", Q_ARG(QString, QString::fromUtf8(item)),
                                              Q_ARG(QString, QString::fromUtf8(dado))));
        }
        QVERIFY(QMetaObject::invokeMethod(w, "PosicionarPorItemData", Q_ARG(QString, "10")));
        QCOMPARE(w->property("ListIndex").toInt(), 1);
        QCOMPARE(w->property("Text").toString(), QStringLiteral("Bia"));
        QString dado;
        QVERIFY(
            QMetaObject::invokeMethod(w, "ItemData", Q_RETURN_ARG(QString, dado), Q_ARG(int, 2)));
        QCOMPARE(dado, QStringLiteral("20"));
        QVERIFY(QMetaObject::invokeMethod(w, "RemoveItem", Q_ARG(int, 0)));
        QString primeiro;
        QVERIFY(
            QMetaObject::invokeMethod(w, "List", Q_RETURN_ARG(QString, primeiro), Q_ARG(int, 0)));
        QCOMPARE(primeiro, QStringLiteral("Bia"));
        QCOMPARE(w->property("ListCount").toInt(), 2);
        QCOMPARE(w->property("hWnd").toInt(), w->campo().hWnd());
    }
};

int testar_widget(int argc, char** argv) {
    TestesWidget t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace pjtCampoVivo::teste_qt

#include "campo_vivo_widget_test.moc"
