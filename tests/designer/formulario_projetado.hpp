// The form the Designer tests design: the fields and the settings each gets in Designer's
// property editor, in the user's order. gerar_formulario designs and saves it (compiled by uic
// into the tests); the tests design it again for the values read back from the file.
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

// The field whose MaxLength is chosen after its mask, which resets MaxLength.
inline constexpr const char* campo_maxlength_depois_da_mascara = "telefone";

// Puts the fields on `form` (named classe_formulario, sized for them) in designer mode, each set
// as the table says. Throws std::invalid_argument for a setting no property takes.
std::map<QString, qt::CampoVivoWidget*> projetar(QWidget& form);

}  // namespace pjtCampoVivo::teste_designer
