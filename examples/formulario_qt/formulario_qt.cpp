// A form designed as cadastro.ui, its CampoVivoWidget fields set up by the code uic generated,
// filled in the way a user fills it: keystrokes into the fields, one value moved in from
// code, one date rejected on leaving its field. Prints what each field shows and holds and
// exits with 1 when any differs from what this program expects. Runs without a display with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

#include "ui_cadastro.h"

using pjtCampoVivo::qt::CampoVivoWidget;

namespace {

int falhas = 0;

void conferir(const QString& oque, const QString& obtido, const QString& esperado) {
    const bool ok = obtido == esperado;
    std::printf("%-6s %s: %s\n", ok ? "ok" : "FALHA", qPrintable(oque), qPrintable(obtido));
    if (!ok) {
        std::printf("       esperado: %s\n", qPrintable(esperado));
        ++falhas;
    }
}

// The user clicks into the field and types, one key at a time; Qt delivers each key before
// the next, as a keyboard does.
void digitar(CampoVivoWidget* campo, const QString& texto) {
    QWidget* caixa = campo->Estilo() == CampoVivoWidget::TextBox
                         ? static_cast<QWidget*>(campo->caixaTexto())
                         : static_cast<QWidget*>(campo->caixaCombo());
    caixa->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    for (const QChar c : texto) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QCoreApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget janela;
    Ui::Cadastro ui;
    ui.setupUi(&janela);
    janela.show();
    if (!QTest::qWaitForWindowActive(&janela)) {
        std::printf("FALHA  a janela não ficou ativa\n");
        return 1;
    }

    // The settings the .ui gave, read back: uic applied them in the file's order, Mascara
    // before the MaxLength it would otherwise reset.
    conferir("limite: MaxLength do .ui", QString::number(ui.limite->MaxLength()), "12");
    conferir("cnpj: CNPJAlfanumerico do .ui", QString::number(ui.cnpj->CNPJAlfanumerico()), "1");

    // Message boxes go to the program instead of the screen, so nothing waits for a click.
    QStringList mensagens;
    CampoVivoWidget::interceptarMensagens([&](QMessageBox& caixa) {
        mensagens << caixa.windowTitle();
        return static_cast<int>(QMessageBox::Ok);
    });

    digitar(ui.cpf, "12345678909");
    conferir("cpf: mostra", ui.cpf->Text(), "123.456.789-09");
    conferir("cpf: guarda", ui.cpf->ClipText(), "12345678909");

    digitar(ui.cnpj, "12abc34501de35");
    conferir("cnpj: mostra", ui.cnpj->Text(), "12.ABC.345/01DE-35");
    conferir("cnpj: guarda", ui.cnpj->ClipText(), "12ABC34501DE35");

    digitar(ui.limite, "123456");
    conferir("limite: mostra", ui.limite->Text(), "1.234,56");
    conferir("limite: com ponto", ui.limite->ClipTextPonto(), "1234.56");
    // A value moved in from code gets exactly the field's decimal places.
    ui.limite->setText("250,5");
    conferir("limite: atribuído", ui.limite->Text(), "250,50");

    ui.uf->AddItem("SP", "São Paulo");
    ui.uf->AddItem("RJ", "Rio de Janeiro");
    ui.uf->AddItem("MG", "Minas Gerais");
    digitar(ui.uf, "r");
    conferir("uf: mostra", ui.uf->Text(), "RJ");
    conferir("uf: dado da entrada", ui.uf->ItemData(ui.uf->ListIndex()), "Rio de Janeiro");

    // 30 February: leaving the field shows the date message and takes the focus back, and the
    // field is emptied.
    digitar(ui.nascimento, "30022003");
    conferir("nascimento: mostra", ui.nascimento->Text(), "30/02/2003");
    ui.cpf->caixaTexto()->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    conferir("nascimento: mensagem", mensagens.join('|'), "Data informada incorretamente");
    conferir("nascimento: depois", ui.nascimento->Text(), "");
    conferir("nascimento: foco de volta", QString::number(ui.nascimento->caixaTexto()->hasFocus()),
             "1");

    CampoVivoWidget::interceptarMensagens({});
    std::printf("%s\n",
                falhas == 0 ? "formulario_qt: tudo confere" : "formulario_qt: há diferenças");
    return falhas == 0 ? 0 : 1;
}
