#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>

#include <pjtcampovivo/toolkit/letras.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::headless {

std::optional<std::u16string> RecordsetMemoria::Campo(std::u16string_view nome) const {
    if (Eof()) throw Erro::indice_invalido("Não há registro atual: o recordset está no fim");
    for (const auto& [campo, valor] : registros_[atual_]) {
        if (letras::iguais_sem_caixa(campo, nome)) return valor;
    }
    throw Erro(numero_erro::CampoInexistente, TipoErro::CampoInexistente,
               "Campo inexistente no recordset");
}

void RecordsetMemoria::MoveNext() {
    if (Eof()) throw Erro::indice_invalido("MoveNext além do último registro");
    ++atual_;
}

}  // namespace pjtCampoVivo::headless
