// The host's side of the city lookup: pages of municipalities read from the SQLite database
// that gerar_municipios writes, loaded into a CampoVivo list. The first page comes in with
// Carregar; when the user types past the list (FimItensLista), the next page of entries that
// begin with the typed text is appended with AddItem, so the search goes on over the longer
// list. A page holds at most the field's QtdMaxRegRetornadosPesqLookUp entries.
#pragma once

#include <string>
#include <string_view>

#include <pjtcampovivo/control/campo_vivo.hpp>

namespace pjtCampoVivo::demo {

class MunicipiosSqlite {
  public:
    // arquivo: the database path (UTF-8).
    explicit MunicipiosSqlite(std::string arquivo) : arquivo_(std::move(arquivo)) {}

    const std::string& arquivo() const noexcept { return arquivo_; }

    // Replaces the list by the first page in name order; returns the entries loaded.
    int primeira_pagina(CampoVivo& campo) const;
    // Appends up to a page of entries that begin with texto (ignoring letter case) and that
    // the list does not hold yet, in name order; returns how many were added.
    int proxima_pagina(CampoVivo& campo, std::u16string_view texto) const;

  private:
    std::string arquivo_;
};

}  // namespace pjtCampoVivo::demo
