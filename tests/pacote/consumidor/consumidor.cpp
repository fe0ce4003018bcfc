// Prints the library's version and a CPF masked by the engine; with the widgets, also the
// class name the Qt meta-object gives CampoVivoWidget.
#include <cstdio>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/versao.hpp>
#include <string>
#ifdef COM_WIDGETS
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>
#endif

int main() {
    std::u16string cpf = u"12345678909";
    const std::u16string mascarado = pjtCampoVivo::Formatar().CNPF(cpf);
    const std::string texto(mascarado.begin(), mascarado.end());
    std::printf("%s %s\n", PJTCAMPOVIVO_VERSION_STRING, texto.c_str());
#ifdef COM_WIDGETS
    std::printf("%s\n", pjtCampoVivo::qt::CampoVivoWidget::staticMetaObject.className());
#endif
}
