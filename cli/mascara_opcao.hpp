// The --mascara option: a mask named the way a user knows it.
#pragma once

#include <cstdint>
#include <string_view>

namespace pjtCampoVivo::cli {

// The eMascara value named by texto: its number ("14"), its published name
// ("CNPJ ##.###.###.###/####-##") or the first word of that name ("cnpj"), letter case
// ignored. Throws ErroCli for anything else, numbers outside 0 to 15 included.
int32_t interpretar_mascara(std::string_view texto);

}  // namespace pjtCampoVivo::cli
