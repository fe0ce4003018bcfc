#include "tests/qt/apoio.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <QVBoxLayout>

#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo::teste_qt {

using qt::CampoVivoWidget;

QString texto(std::u16string_view s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

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
    QObject::connect(campo, &W::FimItensLista,
                     [=](QString* t) { anotar(QStringLiteral("FimItensLista(%1)").arg(*t)); });

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

QStringList eventos(const teste::Sessao& r) {
    QStringList l;
    for (const auto& e : r.eventos()) l << texto(e);
    return l;
}

namespace {

struct Tecla {
    const char* nome;
    Qt::Key qt;
    headless::Tecla headless;
};

constexpr Tecla Teclas[] = {
    {"Backspace", Qt::Key_Backspace, headless::Tecla::Backspace},
    {"Enter", Qt::Key_Return, headless::Tecla::Enter},
    {"Tab", Qt::Key_Tab, headless::Tecla::Tab},
    {"Delete", Qt::Key_Delete, headless::Tecla::Delete},
    {"Home", Qt::Key_Home, headless::Tecla::Home},
    {"End", Qt::Key_End, headless::Tecla::End},
    {"Left", Qt::Key_Left, headless::Tecla::Left},
    {"Right", Qt::Key_Right, headless::Tecla::Right},
};

const Tecla& tecla(const QString& nome) {
    for (const Tecla& t : Teclas) {
        if (nome == QLatin1String(t.nome)) return t;
    }
    qFatal("unknown key %s", qPrintable(nome));
}

// A character as a keyboard sends it: the key of its capital, the character as text.
void digitar(QWidget* alvo, QChar c) {
    const auto codigo = c.toUpper().unicode();
    const auto k = codigo < 0x100 ? static_cast<Qt::Key>(codigo) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, alvo, k, QString(c), Qt::NoModifier);
}

std::pair<int, int> dois_numeros(const QString& s) {
    const QStringList partes = s.split(QLatin1Char(','));
    return {partes.value(0).toInt(), partes.value(1).toInt()};
}

}  // namespace

void executar(Janela& j, const QString& acoes) {
    for (const QString& acao : acoes.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString arg = acao.section(QLatin1Char(':'), 1);
        const auto e = [&](const char* prefixo) { return acao.startsWith(QLatin1String(prefixo)); };
        if (acao == QLatin1String("sair") || acao == QLatin1String("tab")) {
            j.proximo->setFocus(Qt::MouseFocusReason);
            // Into the control from proximo by Qt's own Tab.
            if (acao == QLatin1String("tab")) QTest::keyClick(j.proximo, Qt::Key_Tab);
        } else {
            j.focar();
        }
        if (e("t:")) {
            for (const QChar c : arg) {
                j.focar();
                digitar(QApplication::focusWidget(), c);
                Janela::entregar();
            }
        } else if (e("k:")) {
            QTest::keyClick(QApplication::focusWidget(), tecla(arg).qt);
        } else if (e("c:")) {
            QGuiApplication::clipboard()->setText(arg);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        } else if (e("s:")) {
            const auto [inicio, tamanho] = dois_numeros(arg);
            const int fim = static_cast<int>(j.edicao()->text().size());
            const int a = std::clamp(inicio, 0, fim);
            const int n = std::clamp(tamanho, 0, fim - a);
            n > 0 ? j.edicao()->setSelection(a, n) : j.edicao()->setCursorPosition(a);
        } else if (acao == QLatin1String("abrir") || e("clicar:")) {
            // A pick as the user makes it: the list opened, the entry chosen in it.
            QComboBox* combo = j.campo->caixaCombo();
            combo->showPopup();
            Janela::entregar();
            if (acao == QLatin1String("abrir")) {
                combo->hidePopup();
            } else {
                combo->view()->setCurrentIndex(combo->model()->index(arg.toInt(), 0));
                QTest::keyClick(combo->view(), Qt::Key_Return);
            }
        } else if (acao != QLatin1String("sair") && acao != QLatin1String("tab") &&
                   acao != QLatin1String("focar")) {
            qFatal("unknown action %s", qPrintable(acao));
        }
        Janela::entregar();
    }
}

void executar(teste::Sessao& r, const QString& acoes) {
    for (const QString& acao : acoes.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString arg = acao.section(QLatin1Char(':'), 1);
        if (acao.startsWith(QLatin1String("t:"))) {
            r.form.teclar(arg.toStdU16String());
        } else if (acao.startsWith(QLatin1String("k:"))) {
            r.form.tecla(tecla(arg).headless);
        } else if (acao.startsWith(QLatin1String("c:"))) {
            r.form.colar(arg.toStdU16String());
        } else if (acao.startsWith(QLatin1String("s:"))) {
            const auto [inicio, tamanho] = dois_numeros(arg);
            r.form.selecionar(inicio, tamanho);
        } else if (acao == QLatin1String("abrir")) {
            r.form.abrir();
        } else if (acao.startsWith(QLatin1String("clicar:"))) {
            r.form.abrir();
            r.form.clicar(static_cast<int16_t>(arg.toInt()));
        } else if (acao == QLatin1String("sair")) {
            r.form.sair();
        } else if (acao == QLatin1String("focar") || acao == QLatin1String("tab")) {
            r.form.focar();
        } else {
            qFatal("unknown action %s", qPrintable(acao));
        }
    }
}

}  // namespace pjtCampoVivo::teste_qt
