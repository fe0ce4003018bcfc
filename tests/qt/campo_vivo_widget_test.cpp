// The control on real Qt widgets: what only a window shows (focus, tab order, message boxes,
// palettes, the popup list, undo, the clipboard, the fixed height, accessibility, the
// meta-object). Typing, events, messages and lists are compared with the headless stage by
// roteiro_headless_igual_qt on every session script.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <functional>

#include <pjtcampovivo/toolkit/qt/caixas_qt.hpp>
#include "tests/qt/apoio.hpp"

namespace pjtCampoVivo::teste_qt {

namespace {

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

}  // namespace

class TestesWidget : public QObject {
    Q_OBJECT

  private slots:
    // The highlight while focused, red for a negative amount, the ambient base after; a bad
    // date on leaving is a critical message box answered with OK.
    void paletaEMensagem() {
        Mensagens mensagens;
        Janela j;
        j.campo->setMascara(1);
        executar(j, "t:-5");
        const QPalette cores = j.caixa()->palette();
        QCOMPARE(cores.color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(cores.color(QPalette::Text), QColor(Qt::red));
        executar(j, "sair");
        QCOMPARE(j.caixa()->palette().color(QPalette::Base),
                 j.campo->palette().color(QPalette::Base));
        j.campo->setMascara(3);
        executar(j, "t:3201|sair");
        QCOMPARE(mensagens.vistas.size(), std::size_t{1});
        QVERIFY(!mensagens.vistas[0].prompt.isEmpty());
        QCOMPARE(mensagens.vistas[0].icone, QMessageBox::Critical);
        QCOMPARE(mensagens.vistas[0].botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // Qt's Tab order leads from the next box into the shown box, past the hidden one. (What
    // Enter and Tab inside the field do, focus included, is in the session scripts.)
    void ordemDeTabulacao() {
        for (const int estilo : {0, 1}) {
            Janela j;
            j.campo->setEstilo(estilo);
            QTest::keyClick(j.proximo, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), j.caixa());
            QVERIFY(j.foco_no_campo());
        }
    }

    // Each Ctrl+Z takes back one keystroke, showing the formatted text it had left.
    void desfazerAtravesDaFormatacao() {
        for (const auto& [linha, estilo, mascara, digitado] :
             {std::tuple{"data", 0, 3, "31122003"}, {"combo, telefone", 1, 11, "1123456789"}}) {
            const Linha nome{linha};
            desfazer_um_a_um(estilo, mascara, QString::fromLatin1(digitado));
            if (QTest::currentTestFailed()) return;
        }
    }

    // Ctrl+V pastes a copied line without its line break and what follows, as one change with
    // no key notifications, undone in one step. (A paste without a break is in the session
    // scripts.)
    void colarSemQuebraDeLinha() {
        QStringList mostrado, desfeito;
        QList<QStringList> ouvidos;
        for (const char* colado : {"1.234,56", "1.234,56\n78"}) {
            Janela j;
            j.campo->setMascara(1);
            j.focar();
            j.eventos.clear();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(colado));
            QTest::keyClick(j.caixa(), Qt::Key_V, Qt::ControlModifier);
            QVERIFY(!j.eventos.isEmpty());
            for (const QString& e : j.eventos) QCOMPARE(e, QStringLiteral("Change"));
            ouvidos << j.eventos;
            mostrado << j.edicao()->text();
            QTest::keyClick(j.caixa(), Qt::Key_Z, Qt::ControlModifier);
            desfeito << j.edicao()->text();
        }
        QCOMPARE(mostrado[1], mostrado[0]);
        QCOMPARE(ouvidos[1], ouvidos[0]);
        QCOMPARE(desfeito[1], desfeito[0]);
        QVERIFY(desfeito[0] != mostrado[0]);
        QVERIFY(!mostrado[0].isEmpty());
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

    // A pick in Qt's open list, and the arrow keys stepping through it, are the user's: Click.
    void escolhaNaListaAbertaEPelasSetas() {
        Janela j;
        j.campo->setEstilo(1);
        for (const QString& nome : Nomes) j.campo->AddItem(nome);
        executar(j, "clicar:2");
        QCOMPARE(j.eventos, QStringList({"DropDown", "Click"}));
        QCOMPARE(j.campo->ListIndex(), 2);
        j.focar();
        j.eventos.clear();
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
