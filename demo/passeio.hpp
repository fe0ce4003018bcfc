// The demo's scripted tour: types a session into every field of the customer form with
// synthesized key events, valid and invalid values alike, pages through the city lookup,
// works the property table and the form file, prints what each field shows and every
// message box, and saves a screenshot of the form.
#pragma once

#include <QString>
#include <ostream>
#include <stdexcept>

namespace pjtCampoVivo::demo {

class FormularioCliente;

// Something in the tour did not go as a user would expect; the message says what and where.
class FalhaPasseio : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs the tour on form, whose city list must be loaded, and writes the screenshot to
// captura (PNG). The report goes to saida; fails with FalhaPasseio.
void executar_passeio(FormularioCliente& form, const QString& captura, std::ostream& saida);

}  // namespace pjtCampoVivo::demo
