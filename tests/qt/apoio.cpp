#include "tests/qt/apoio.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QVBoxLayout>

#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo::teste_qt {

using qt::CampoVivoWidget;

Mensagens::Mensagens() {
    CampoVivoWidget::interceptarMensagens([this](QMessageBox& caixa) {
        vistas.push_back(
            {caixa.text(), caixa.windowTitle(), caixa.icon(), caixa.standardButtons()});
        return static_cast<int>(QMessageBox::Ok);
    });
}

Mensagens::~Mensagens() {
    CampoVivoWidget::interceptarMensagens({});
}

Janela::Janela() {
    SeparadorInserido = 0;
    auto* disposicao = new QVBoxLayout(&janela);
    campo = new CampoVivoWidget(&janela);
    proximo = new QLineEdit(&janela);
    proximo->setObjectName(QStringLiteral("proximo"));
    disposicao->addWidget(campo);
    disposicao->addWidget(proximo);

    const auto anotar = [this](const QString& e) { eventos << e; };
    using W = CampoVivoWidget;
    QObject::connect(campo, &W::Click, [=] { anotar("Click"); });
    QObject::connect(campo, &W::DblClick, [=] { anotar("DblClick"); });
    QObject::connect(campo, &W::Change, [=] { anotar("Change"); });
    QObject::connect(campo, &W::DropDown, [=] { anotar("DropDown"); });
    QObject::connect(campo, &W::KeyDown, [=](int16_t* k, int16_t* s) {
        anotar(QStringLiteral("KeyDown(%1,%2)").arg(*k).arg(*s));
    });
    QObject::connect(campo, &W::KeyPress,
                     [=](int16_t* k) { anotar(QStringLiteral("KeyPress(%1)").arg(*k)); });
    QObject::connect(campo, &W::KeyUp, [=](int16_t* k, int16_t* s) {
        anotar(QStringLiteral("KeyUp(%1,%2)").arg(*k).arg(*s));
    });

    proximo->setFocus();
    janela.resize(320, 120);
    janela.show();
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela)) qFatal("the test window never became active");
    entregar();
    eventos.clear();
}

QWidget* Janela::caixa() const {
    return campo->caixaTexto()->isVisibleTo(campo) ? static_cast<QWidget*>(campo->caixaTexto())
                                                   : static_cast<QWidget*>(campo->caixaCombo());
}

QLineEdit* Janela::edicao() const {
    return campo->caixaTexto()->isVisibleTo(campo) ? campo->caixaTexto()
                                                   : campo->caixaCombo()->lineEdit();
}

bool Janela::foco_no_campo() const {
    const QWidget* f = QApplication::focusWidget();
    return f == campo->caixaTexto() || f == campo->caixaCombo();
}

void Janela::focar() {
    if (QApplication::focusWidget() != caixa()) caixa()->setFocus(Qt::MouseFocusReason);
    entregar();
}

void Janela::entregar() {
    QCoreApplication::processEvents();
}

namespace {

Qt::Key tecla(const QString& nome) {
    if (nome == QLatin1String("Backspace")) return Qt::Key_Backspace;
    if (nome == QLatin1String("Enter")) return Qt::Key_Return;
    qFatal("unknown key %s", qPrintable(nome));
}

// A character as a keyboard sends it: the key of its capital, the character as text.
void digitar(QWidget* alvo, QChar c) {
    const auto codigo = c.toUpper().unicode();
    const auto k = codigo < 0x100 ? static_cast<Qt::Key>(codigo) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, alvo, k, QString(c), Qt::NoModifier);
}

}  // namespace

void executar(Janela& j, const QString& acoes) {
    for (const QString& acao : acoes.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString arg = acao.section(QLatin1Char(':'), 1);
        if (acao == QLatin1String("sair")) {
            j.proximo->setFocus(Qt::MouseFocusReason);
        } else if (acao.startsWith(QLatin1String("t:"))) {
            for (const QChar c : arg) {
                j.focar();
                digitar(QApplication::focusWidget(), c);
                Janela::entregar();
            }
        } else if (acao.startsWith(QLatin1String("k:"))) {
            j.focar();
            QTest::keyClick(QApplication::focusWidget(), tecla(arg));
        } else if (acao.startsWith(QLatin1String("clicar:"))) {
            // A pick as the user makes it: the list opened, the entry chosen in it.
            j.focar();
            QComboBox* combo = j.campo->caixaCombo();
            combo->showPopup();
            Janela::entregar();
            combo->view()->setCurrentIndex(combo->model()->index(arg.toInt(), 0));
            QTest::keyClick(combo->view(), Qt::Key_Return);
        } else {
            qFatal("unknown action %s", qPrintable(acao));
        }
        Janela::entregar();
    }
}

}  // namespace pjtCampoVivo::teste_qt
