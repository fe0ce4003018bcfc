// Runs every Qt test class in one application: Qt allows one QApplication per process.
#include <QApplication>

#include "tests/qt/apoio.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int falhas = 0;
    falhas += pjtCampoVivo::teste_qt::testar_widget(argc, argv);
    falhas += pjtCampoVivo::teste_qt::testar_arquivo(argc, argv);
    return falhas == 0 ? 0 : 1;
}
