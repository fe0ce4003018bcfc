#include <pjtcampovivo/toolkit/qt/tela_qt.hpp>

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <vector>

#include <pjtcampovivo/toolkit/qt/conversoes.hpp>

namespace pjtCampoVivo::qt::detail {

namespace {

using Botao = QMessageBox::StandardButton;

// The buttons of each message box code (its lowest three bits), in the order the code names
// them: the default button is counted in this order.
std::vector<Botao> botoes_de(int32_t codigo) {
    switch (codigo & 7) {
        case 1:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case 2:
            return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        case 3:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case 4:
            return {QMessageBox::Yes, QMessageBox::No};
        case 5:
            return {QMessageBox::Retry, QMessageBox::Cancel};
        default:
            return {QMessageBox::Ok};
    }
}

QMessageBox::Icon icone_de(int32_t codigo) {
    switch (codigo & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The number a message box returns for the button that closed it: OK 1, Cancel 2, Abort 3,
// Retry 4, Ignore 5, Yes 6, No 7.
int32_t numero_do_botao(int botao) {
    switch (botao) {
        case QMessageBox::Ok:
            return 1;
        case QMessageBox::Abort:
            return 3;
        case QMessageBox::Retry:
            return 4;
        case QMessageBox::Ignore:
            return 5;
        case QMessageBox::Yes:
            return 6;
        case QMessageBox::No:
            return 7;
        default:
            return 2;
    }
}

// Unattended runs (CAMPOVIVO_MENSAGENS_AUTOMATICAS=1): each box is shown and at once closed
// with its default button.
bool respostas_automaticas() {
    const QByteArray valor = qgetenv("CAMPOVIVO_MENSAGENS_AUTOMATICAS");
    return !valor.isEmpty() && valor != "0";
}

}  // namespace

TelaQt::TelaQt(QWidget& dono, std::function<void()> proximo_campo,
               std::function<void(const std::exception&)> falha)
    : dono_(dono), proximo_campo_(std::move(proximo_campo)), falha_(std::move(falha)) {}

std::function<int(QMessageBox&)>& TelaQt::interceptador() {
    static std::function<int(QMessageBox&)> f;
    return f;
}

int32_t TelaQt::MsgBox(std::u16string_view prompt, int32_t codigo, std::u16string_view titulo) {
    const std::vector<Botao> botoes = botoes_de(codigo);
    QMessageBox::StandardButtons todos;
    for (const Botao b : botoes) todos |= b;
    QMessageBox caixa(icone_de(codigo), qstring(titulo), qstring(prompt), todos, dono_.window());
    const auto padrao = static_cast<std::size_t>((codigo >> 8) & 3);
    const Botao botao_padrao = botoes[padrao < botoes.size() ? padrao : 0];
    caixa.setDefaultButton(botao_padrao);
    caixa.setProperty("codigo", codigo);
    if (const auto& f = interceptador()) return numero_do_botao(f(caixa));
    if (respostas_automaticas()) {
        QTimer::singleShot(0, &caixa, [&caixa] {
            if (QPushButton* b = caixa.defaultButton()) b->click();
        });
    }
    const int botao = caixa.exec();
    // Back to the window the box was raised over, as a window manager would: the control
    // goes on to put the focus back into its box.
    if (QWidget* janela = dono_.window(); janela->isVisible()) janela->activateWindow();
    return numero_do_botao(botao);
}

void TelaQt::SendKeys(std::u16string_view teclas) {
    if (ao_enviar) ao_enviar(teclas);
    fila_.emplace_back(teclas);
    if (agendada_) return;
    agendada_ = true;
    // A posted call: it runs when the notification that queued the keys, and every other one
    // of the same user action, has returned to Qt's event loop.
    QMetaObject::invokeMethod(
        &dono_, [this] { entregar(); }, Qt::QueuedConnection);
}

void TelaQt::entregar() {
    agendada_ = false;
    while (!fila_.empty()) {
        const std::u16string teclas = std::move(fila_.front());
        fila_.pop_front();
        if (teclas != u"{TAB}") continue;
        try {
            proximo_campo_();
        } catch (const std::exception& e) {
            falha_(e);
        }
    }
}

}  // namespace pjtCampoVivo::qt::detail
