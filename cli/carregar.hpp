// campovivo carregar: a field's list loaded by Carregar from a SQLite query, on the headless
// toolkit, and printed as the field holds it afterwards.
#pragma once

#include <string>

namespace pjtCampoVivo::cli {

// Carregar's arguments as the command line gives them (UTF-8); an empty field name or prefix
// is the empty string Carregar takes for "none".
struct OpcoesCarregar {
    std::string arquivo;  // opened read-only, never created
    std::string sql;
    std::string item;
    std::string item_data;
    std::string posicionar;
    std::string posicionar_item_data;
    bool json = false;
};

// Prints the entries and the selected one. Status 0 when the list loaded, 1 when Carregar
// failed (the error on standard error, the entries loaded before it on standard output).
// Throws ErroCli when the database or the statement cannot be opened.
int comando_carregar(const OpcoesCarregar& opcoes);

}  // namespace pjtCampoVivo::cli
