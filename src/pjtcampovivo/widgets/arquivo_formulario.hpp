// A form's saved settings as a JSON file: for each named CampoVivoWidget the eighteen keys its
// WriteProperties writes, in order and with their types, then CNPJAlfanumerico,
// PesquisarNovamente and TelefoneDDD, each only when that setting is on, and UF when it is not
// empty (a file without one loads it as off, or empty).
// Saving is atomic (a crash or a full disk leaves the previous file as it was); loading checks
// the whole file before it touches any control, so a bad file loads nothing.
//
//   {"formato": "pjtCampoVivo.formulario", "versao": 1,
//    "controles": [{"nome": "cpf", "propriedades": [
//        {"chave": "ForeColor", "tipo": "cor", "valor": 2147483656}, ...]}]}
#pragma once

#include <QString>
#include <pjtcampovivo/widgets_export.hpp>
#include <stdexcept>
#include <utility>
#include <vector>

namespace pjtCampoVivo::qt {

class CampoVivoWidget;

// A form file that cannot be read or written: the message names the file, the control and
// the key, and says what was expected.
class PJTCAMPOVIVO_WIDGETS_EXPORT ErroArquivoFormulario : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using ControlesNomeados = std::vector<std::pair<QString, CampoVivoWidget*>>;

// Saves every control's settings (WriteProperties) to caminho, replacing it atomically.
PJTCAMPOVIVO_WIDGETS_EXPORT void salvar_formulario(const QString& caminho,
                                                   const ControlesNomeados& controles);

// Loads caminho into the controls of the same names (ReadProperties). The whole file is
// checked first: invalid JSON, a wrong type, a value out of range, an unknown key, a
// duplicated or unknown control, or a "Text" that is not empty (the text shown is never
// kept) fail with ErroArquivoFormulario and change nothing.
PJTCAMPOVIVO_WIDGETS_EXPORT void abrir_formulario(const QString& caminho,
                                                  const ControlesNomeados& controles);

}  // namespace pjtCampoVivo::qt
