// The form the Designer tests design: one table of the fields and of the settings each gets in
// Designer's property editor, in the order the user makes them. gerar_formulario designs it and
// saves it as Designer does (formulario_projetado.ui, compiled by uic into the tests); the
// tests design it again for the values each field read back from that file must have.
#pragma once

#include <QString>
#include <QVariant>
#include <map>
#include <vector>

class QWidget;

namespace pjtCampoVivo::qt {
class CampoVivoWidget;
}

namespace pjtCampoVivo::teste_designer {

// The form's class (its top widget's name): Ui::FormularioProjetado.
inline constexpr const char* classe_formulario = "FormularioProjetado";

// One setting: a property as the property editor sets it (QObject::setProperty).
struct Ajuste {
    const char* propriedade;
    QVariant valor;
};

// One field: its name on the form and its settings in the order they are made.
struct CampoProjetado {
    const char* nome;
    std::vector<Ajuste> ajustes;
};

// The fields, in the order they are put on the form, one below the other.
const std::vector<CampoProjetado>& campos_projetados();

// The field whose MaxLength is chosen after its mask: the mask's setter resets MaxLength, so
// the file must set the mask first (the meta-object's order) for the chosen value to survive.
inline constexpr const char* campo_maxlength_depois_da_mascara = "telefone";

// Puts the fields on `form` (a plain QWidget, named classe_formulario and sized for them) in
// designer mode, as Designer holds them, each set as the table says. Throws
// std::invalid_argument for a setting that names no property or that the property refuses.
std::map<QString, qt::CampoVivoWidget*> projetar(QWidget& form);

}  // namespace pjtCampoVivo::teste_designer
