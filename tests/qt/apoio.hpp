// The Qt tests' fixtures: a shown window holding the control and one plain text box after it
// in tab order (as session scripts assume), and a small action language that drives it like a
// user.
#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace pjtCampoVivo::teste_qt {

// A message box as a user saw it.
struct MensagemVista {
    QString prompt;
    QString titulo;
    QMessageBox::Icon icone;
    QMessageBox::StandardButtons botoes;
};

// Message boxes answered with OK and recorded, for as long as it lives.
class Mensagens {
  public:
    Mensagens();
    ~Mensagens();
    std::vector<MensagemVista> vistas;
};

// A shown, active window: the control, then `proximo`; the focus starts on proximo. Every
// event of the control is recorded as the headless host writes it ("KeyPress(50)").
class Janela {
  public:
    Janela();

    QWidget janela;
    qt::CampoVivoWidget* campo;
    QLineEdit* proximo;
    QStringList eventos;

    // The inner box the user works in.
    QWidget* caixa() const;
    QLineEdit* edicao() const;
    bool foco_no_campo() const;
    // Clicks into the shown box (the focus moves there, nothing else).
    void focar();
    // Delivers what Qt has posted: injected keystrokes among it.
    static void entregar();
};

// Actions, separated by "|": "t:TEXT" types, "k:NAME" presses Backspace or Enter, "clicar:I"
// opens the list and picks entry I, "sair" clicks into proximo.
void executar(Janela& j, const QString& acoes);

// Names the row of a table-driven test in the log when the test fails in it.
struct Linha {
    const char* nome;
    ~Linha() {
        if (QTest::currentTestFailed()) qWarning("in row \"%s\"", nome);
    }
};

// Test classes, run by main.
int testar_widget(int argc, char** argv);
int testar_arquivo(int argc, char** argv);

}  // namespace pjtCampoVivo::teste_qt
