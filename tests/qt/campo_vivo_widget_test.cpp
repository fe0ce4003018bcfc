// The control on real Qt widgets: what only a window shows (focus, tab order, message boxes,
// palettes, the popup list, undo, the clipboard, the fixed height), and that typing into the
// Qt boxes gives exactly what the headless boxes give. What the session scripts replayed on
// Qt already compare is left to them.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/qt/caixas_qt.hpp>
#include "tests/qt/apoio.hpp"

namespace pjtCampoVivo::teste_qt {

namespace {

// A system colour is the ambient palette's; any other is 0x00BBGGRR.
QColor cor_esperada(Cor cor, const QPalette& ambiente) {
    if (cor == cores::FundoJanela) return ambiente.color(QPalette::Base);
    if (cor == cores::TextoJanela) return ambiente.color(QPalette::Text);
    return QColor(static_cast<int>(cor & 0xFF), static_cast<int>((cor >> 8) & 0xFF),
                  static_cast<int>((cor >> 16) & 0xFF));
}

void preparar(CampoVivo& c, int estilo, int mascara, const QStringList& lista = {}) {
    if (estilo != 0) c.Estilo(estilo);
    c.Mascara(mascara);
    for (const QString& item : lista) c.AddItem(item.toStdU16String());
}

// The same settings on the window and on the reference; what setting them raised is forgotten.
void preparar(Janela& j, teste::Sessao& r, int estilo, int mascara, const QStringList& lista = {}) {
    preparar(j.campo->campo(), estilo, mascara, lista);
    preparar(r.campo, estilo, mascara, lista);
    j.eventos.clear();
    r.esquecer();
}

// The window shows what the reference shows: events, text, selection, focus, colours, list
// position and message boxes.
void conferir(Janela& j, const teste::Sessao& r, const Mensagens& mensagens) {
    QCOMPARE(j.eventos, eventos(r));
    const auto& m = r.mostrada();
    QLineEdit* e = j.edicao();
    QCOMPARE(e->text(), texto(m.texto()));
    QCOMPARE(e->hasSelectedText() ? e->selectionStart() : e->cursorPosition(), m.inicio_selecao());
    QCOMPARE(e->selectionLength(), m.tamanho_selecao());
    QCOMPARE(j.foco_no_campo(), r.form.foco_no_campo());
    const QPalette ambiente = j.campo->palette();
    QCOMPARE(j.caixa()->palette().color(QPalette::Base), cor_esperada(m.cor_fundo(), ambiente));
    QCOMPARE(j.caixa()->palette().color(QPalette::Text), cor_esperada(m.cor_texto(), ambiente));
    QCOMPARE(j.campo->ListIndex(), static_cast<int>(r.campo.ListIndex()));
    QCOMPARE(mensagens.vistas.size(), r.form.tela.mensagens.size());
    for (std::size_t i = 0; i < mensagens.vistas.size(); ++i) {
        const MensagemVista& vista = mensagens.vistas[i];
        const auto& esperada = r.form.tela.mensagens[i];
        QCOMPARE(vista.prompt, texto(esperada.prompt));
        QCOMPARE(vista.titulo, texto(esperada.titulo));
        // The control's one kind of message: critical (16), answered with OK.
        QCOMPARE(esperada.codigo, 16);
        QCOMPARE(vista.icone, QMessageBox::Critical);
        QCOMPARE(vista.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

const QStringList Nomes{"Ana", "Bia", "Caio"};

// A combo box's entries and what its model announced while passo ran.
QStringList transcricao(QComboBox& combo, const std::function<void(QComboBox&)>& passo) {
    QStringList t;
    QAbstractItemModel* m = combo.model();
    QObject::connect(m, &QAbstractItemModel::dataChanged,
                     [&t](const QModelIndex& de, const QModelIndex&, const QList<int>& papeis) {
                         t << QStringLiteral("dataChanged %1 %2").arg(de.row()).arg(papeis.size());
                     });
    passo(combo);
    QObject::disconnect(m, &QAbstractItemModel::dataChanged, nullptr, nullptr);
    for (int i = 0; i < combo.count(); ++i) {
        const QModelIndex e = m->index(i, 0);
        t << QStringLiteral("%1|%2|%3|%4")
                 .arg(combo.itemText(i))
                 .arg(m->flags(e).toInt())
                 .arg(m->data(e, Qt::UserRole).toString())
                 .arg(m->data(e, Qt::ToolTipRole).toString());
    }
    return t << QString::number(combo.currentIndex());
}

// Types `digitado`; each Ctrl+Z then takes back one keystroke, Ctrl+Shift+Z brings it back.
void desfazer_um_a_um(int estilo, int mascara, const QString& digitado) {
    Janela j;
    j.campo->setEstilo(estilo);
    j.campo->setMascara(mascara);
    QStringList mostrados;
    for (const QChar c : digitado) {
        executar(j, QStringLiteral("t:") + c);
        if (mostrados.isEmpty() || mostrados.back() != j.edicao()->text())
            mostrados << j.edicao()->text();
    }
    const auto desfazer = [&] { QTest::keyClick(j.caixa(), Qt::Key_Z, Qt::ControlModifier); };
    const auto refazer = [&] {
        QTest::keyClick(j.caixa(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    };
    for (auto i = mostrados.size() - 2; i >= 0; --i) {
        j.eventos.clear();
        desfazer();
        QCOMPARE(j.edicao()->text(), mostrados[i]);
        QVERIFY(j.eventos.contains("Change"));
        QVERIFY(!j.eventos.join(QString()).contains("Key"));
    }
    for (int i = 1; i < mostrados.size(); ++i) {
        refazer();
        QCOMPARE(j.edicao()->text(), mostrados[i]);
    }
    // A new keystroke after an undo forgets what could be redone.
    desfazer();
    executar(j, "k:Backspace");
    const QString depois = j.edicao()->text();
    refazer();
    QCOMPARE(j.edicao()->text(), depois);
}

// Pastes `colado` on the window and on the reference.
void colar_inteiro(int mascara, const QString& colado) {
    Janela j;
    teste::Sessao r;
    preparar(j, r, 0, mascara);
    j.focar();
    r.form.focar();
    j.eventos.clear();
    r.esquecer();
    QGuiApplication::clipboard()->setText(colado);
    QTest::keyClick(j.caixa(), Qt::Key_V, Qt::ControlModifier);
    r.form.colar(colado.section('\n', 0, 0).toStdU16String());

    QVERIFY(!j.eventos.isEmpty());
    for (const QString& e : j.eventos) QCOMPARE(e, QStringLiteral("Change"));
    QCOMPARE(j.eventos, eventos(r));
    QCOMPARE(j.edicao()->text(), texto(r.mostrada().texto()));
    QTest::keyClick(j.caixa(), Qt::Key_Z, Qt::ControlModifier);
    r.form.selecionar(0, 99);
    r.form.tecla(headless::Tecla::Delete);
    QCOMPARE(j.edicao()->text(), texto(r.mostrada().texto()));
}

// Searches with the host's FimItensLista handler adding an entry, on the window and on the
// reference.
void fim_itens_lista(qt::CampoVivoWidget::eNaoSim pesquisar_novamente,
                     const QString& depois_de_mx) {
    const auto tratar = [](CampoVivo& c, QString& procurado) {
        if (procurado == QLatin1String("Mx")) c.AddItem(u"Mxyz");
        if (procurado == QLatin1String("Mariz")) procurado = QStringLiteral("Marx");
    };
    const QString acoes = QStringLiteral("t:mx|t:x|s:0,9|t:mariz");
    const QStringList marias{"Maria", "Mario"};
    Mensagens mensagens;
    Janela j;
    teste::Sessao r;
    preparar(j, r, 2, 0, marias);
    QSignalSpy avisos(j.campo, &qt::CampoVivoWidget::propriedadeAlterada);
    QVERIFY(j.campo->setProperty("PesquisarNovamente", QVariant::fromValue(pesquisar_novamente)));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos[0][0].toString(), QStringLiteral("PesquisarNovamente"));
    QCOMPARE(j.campo->campo().PesquisarNovamente(), static_cast<int>(pesquisar_novamente));
    r.campo.PesquisarNovamente(static_cast<int>(pesquisar_novamente));
    QObject::connect(j.campo, &qt::CampoVivoWidget::FimItensLista,
                     [&](QString* t) { tratar(j.campo->campo(), *t); });
    r.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string& t) {
        QString q = texto(t);
        tratar(r.campo, q);
        t = q.toStdU16String();
    };
    const QString primeira = acoes.left(4);
    executar(j, primeira);
    executar(r, primeira);
    QCOMPARE(j.edicao()->text(), depois_de_mx);
    executar(j, acoes.mid(5));
    executar(r, acoes.mid(5));
    conferir(j, r, mensagens);
    QCOMPARE(j.campo->ListCount(), 3);
}

}  // namespace

class TestesWidget : public QObject {
    Q_OBJECT

  private slots:
    void init() { SeparadorInserido = 0; }

    void comoOHeadless_data() {
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("mascara");
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QString>("acoes");
        const QStringList marias{"Maria", "Mario"};
        QTest::newRow("data, cursor movido")
            << 0 << 3 << QStringList() << "t:311|k:Left|t:2|k:End|t:2003";
        QTest::newRow("data inválida ao sair") << 0 << 3 << QStringList() << "t:3201|sair";
        QTest::newRow("home, delete, right")
            << 0 << 13 << QStringList() << "t:123456|k:Home|k:Delete|k:Right|k:Delete";
        QTest::newRow("seleção substituída") << 0 << 3 << QStringList() << "t:31122003|s:3,2|t:0";
        QTest::newRow("combo, seleção ao voltar")
            << 1 << 0 << QStringList() << "t:abc|s:1,1|sair|tab";
        QTest::newRow("dinheiro negativo") << 0 << 1 << QStringList() << "t:-5|t:0";
        QTest::newRow("dinheiro, sinal coberto") << 0 << 1 << QStringList() << "t:-5|s:0,9|t:7";
        QTest::newRow("enter e tab") << 0 << 2 << QStringList() << "t:12|k:Enter|t:3|k:Tab";
        QTest::newRow("texto livre") << 0 << 0 << QStringList() << "t:aB c|c:de|k:Backspace";
        QTest::newRow("pesquisa") << 2 << 0 << marias << "t:mar|k:Backspace|t:i|t:x";
        QTest::newRow("escolha na lista") << 1 << 0 << Nomes << "t:x|clicar:2|sair";
        QTest::newRow("combo, dinheiro")
            << 1 << 1 << QStringList() << "t:-12|k:Home|k:Right|k:Delete";
        QTest::newRow("combo, lista aberta") << 1 << 0 << Nomes << "abrir";
    }

    void comoOHeadless() {
        QFETCH(int, estilo);
        QFETCH(int, mascara);
        QFETCH(QStringList, lista);
        QFETCH(QString, acoes);
        Mensagens mensagens;
        Janela j;
        teste::Sessao r;
        preparar(j, r, estilo, mascara, lista);
        executar(j, acoes);
        executar(r, acoes);
        conferir(j, r, mensagens);
    }

    // Enter or Tab is heard whole in the field; the injected Tab then moves the focus on.
    void tabulacaoDepoisDaNotificacao() {
        for (const auto& [linha, estilo, tecla, codigo] :
             {std::tuple{"enter, texto", 0, Qt::Key_Return, 13},
              {"tab, combo", 1, Qt::Key_Tab, 9}}) {
            const Linha nome{linha};
            Janela j;
            j.campo->setEstilo(estilo);
            j.focar();
            j.eventos.clear();
            QTest::keyClick(j.caixa(), tecla);
            QCOMPARE(j.eventos, QStringList({QStringLiteral("KeyDown(%1,0)").arg(codigo), "Click",
                                             QStringLiteral("KeyPress(%1)").arg(codigo),
                                             QStringLiteral("KeyUp(%1,0)").arg(codigo)}));
            QVERIFY(j.foco_no_campo());
            Janela::entregar();
            QCOMPARE(QApplication::focusWidget(), j.proximo);
            // Qt's Tab order leads back into the shown box, past the hidden one.
            QTest::keyClick(j.proximo, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), j.caixa());
        }
    }

    // Each Ctrl+Z takes back one keystroke, showing the formatted text it had left.
    void desfazerAtravesDaFormatacao() {
        for (const auto& [linha, estilo, mascara, digitado] :
             {std::tuple{"data", 0, 3, "31122003"},
              {"dinheiro", 0, 1, "123456"},
              {"combo, telefone", 1, 11, "1123456789"}}) {
            const Linha nome{linha};
            desfazer_um_a_um(estilo, mascara, QString::fromLatin1(digitado));
            if (QTest::currentTestFailed()) return;
        }
    }

    // A paste is one change, formatted whole, with no key notifications, undone in one step.
    void colarFormataInteiro() {
        for (const auto& [mascara, colado] :
             {std::pair{13, "123.456.789-09"}, {11, "(11) 2345-6789"}, {1, "1.234,56\n"}}) {
            const Linha nome{colado};
            colar_inteiro(mascara, QString::fromLatin1(colado));
            if (QTest::currentTestFailed()) return;
        }
    }

    void alturaFixa() {
        Janela j;
        const int natural = j.campo->caixaCombo()->sizeHint().height();
        QCOMPARE(j.campo->minimumHeight(), natural);
        QCOMPARE(j.campo->maximumHeight(), natural);
        j.janela.resize(500, 400);
        Janela::entregar();
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

    void cliqueSoNaEscolhaDoUsuario() {
        Janela j;
        preparar(j.campo->campo(), 1, 0, Nomes);
        j.eventos.clear();
        j.campo->setListIndex(1);  // from code: shown, nothing heard
        QCOMPARE(j.eventos, QStringList());
        QCOMPARE(j.campo->Text(), QStringLiteral("Bia"));
        executar(j, "clicar:2");
        QCOMPARE(j.eventos, QStringList({"DropDown", "Click"}));
        QCOMPARE(j.campo->ListIndex(), 2);
        // A typed text equal to an entry is no pick when leaving.
        executar(j, "s:0,4|t:Ana|sair");
        QVERIFY(!j.eventos.mid(2).contains("Click"));
        QCOMPARE(j.campo->caixaCombo()->currentIndex(), 2);
        // The arrow keys step through the list like picks.
        j.eventos.clear();
        j.focar();
        QTest::keyClick(j.caixa(), Qt::Key_Up);
        QCOMPARE(j.eventos, QStringList({"KeyDown(38,0)", "Click", "KeyUp(38,0)"}));
        QCOMPARE(j.campo->Text(), QStringLiteral("Bia"));
    }

    // The combo box's own model behaves as Qt's QStandardItemModel for direct callers.
    void listaComoAPadraoDoQt() {
        using Passo = std::function<void(QComboBox&)>;
        const Passo casos[] = {
            [](QComboBox& c) {
                c.setItemText(0, "Ana");  // the same text: no notification
                c.setItemText(0, "Eva");
                c.setItemData(0, QVariant(), Qt::UserRole);
                c.setItemData(1, 7, Qt::ToolTipRole);
            },
            {},  // only the separator, inserted as the list is built
            [](QComboBox& c) {
                c.removeItem(5);
                c.removeItem(0);
                c.setCurrentIndex(c.findData(10));
            },
            [](QComboBox& c) { c.clear(); },
        };
        for (const Passo& mudar : casos) {
            QComboBox padrao;
            padrao.setEditable(true);
            qt::detail::ComboBoxQt nossa(nullptr);
            for (QComboBox* c : {&padrao, static_cast<QComboBox*>(&nossa)}) {
                c->addItem("Ana", 10);
                c->addItem("Bia");
                if (!mudar) c->insertSeparator(1);
            }
            const Passo passo = mudar ? mudar : [](QComboBox&) {};
            QCOMPARE(transcricao(nossa, passo), transcricao(padrao, passo));
        }
    }

    // The host adds an entry and rewrites the searched text; the search goes on with both, and
    // with PesquisarNovamente finds the added entry in the keystroke that asked for it.
    void fimItensListaPeloSlot() {
        using W = qt::CampoVivoWidget;
        for (const auto& [pesquisar_novamente, depois_de_mx] :
             {std::pair{W::Nao, "Maria"}, {W::sim, "Mxyz"}}) {
            const Linha nome{depois_de_mx};
            fim_itens_lista(pesquisar_novamente, QString::fromLatin1(depois_de_mx));
            if (QTest::currentTestFailed()) return;
        }
    }

    void nomesAcessiveis() {
        Janela j;
        j.campo->setMascara(13);
        for (QWidget* caixa : {static_cast<QWidget*>(j.campo->caixaTexto()),
                               static_cast<QWidget*>(j.campo->caixaCombo())}) {
            QCOMPARE(caixa->accessibleName(), QStringLiteral("CNPF ###.###.###-##"));
            QCOMPARE(caixa->accessibleDescription(), QStringLiteral("Exemplo: 123.456.789-09"));
        }
        // A variant switched on describes its own shape, and off again the mask's.
        j.campo->setMascara(11);
        j.campo->setTelefoneDDD(qt::CampoVivoWidget::sim);
        QCOMPARE(j.campo->caixaTexto()->accessibleDescription(),
                 QStringLiteral("Exemplo: (11) 91234-5678"));
        j.campo->setTelefoneDDD(qt::CampoVivoWidget::Nao);
        QCOMPARE(j.campo->caixaTexto()->accessibleDescription(),
                 QStringLiteral("Exemplo: 12.345-6789"));
        j.campo->setMascara(15);
        j.campo->setUF(QStringLiteral("sp"));
        QCOMPARE(j.campo->caixaTexto()->accessibleDescription(),
                 QStringLiteral("Exemplo: 110.042.490.114"));
        j.campo->setMascara(99);
        QCOMPARE(j.campo->caixaTexto()->accessibleName(), QString());
    }

    void duploCliqueNaoSelecionaPalavra() {
        Janela j;
        j.focar();
        j.campo->setText("duas palavras");
        j.edicao()->setCursorPosition(2);
        j.eventos.clear();
        QTest::mouseDClick(j.edicao(), Qt::LeftButton);
        QCOMPARE(j.eventos, QStringList{"DblClick"});
        QVERIFY(!j.edicao()->hasSelectedText());
    }

    // The list through Qt's meta-object system, as a script or a generic form tool calls it.
    void membrosPeloMetaObjeto() {
        Janela j;
        qt::CampoVivoWidget* w = j.campo;
        w->setEstilo(1);
        for (const auto& [item, dado] : {std::pair{"Ana", "30"}, {"Bia", "10"}, {"Caio", "20"}}) {
            QVERIFY(QMetaObject::invokeMethod(w, "AddItem", Q_ARG(QString, item),
                                              Q_ARG(QString, dado)));
        }
        QVERIFY(QMetaObject::invokeMethod(w, "PosicionarPorItemData", Q_ARG(QString, "10")));
        QCOMPARE(w->property("ListIndex").toInt(), 1);
        QCOMPARE(w->property("Text").toString(), QStringLiteral("Bia"));
        QString dado;
        QVERIFY(
            QMetaObject::invokeMethod(w, "ItemData", Q_RETURN_ARG(QString, dado), Q_ARG(int, 2)));
        QCOMPARE(dado, QStringLiteral("20"));
        QVERIFY(QMetaObject::invokeMethod(w, "RemoveItem", Q_ARG(int, 0)));
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
