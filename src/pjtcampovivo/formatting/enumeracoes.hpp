// The nine published enumerations of pjtCampoVivo, with their fixed values, and the table
// of their published member names ("Texto abcdef0123", "Sem Casa Decimal", "sim", ...) that
// tools and property displays read at run time.
#pragma once

#include <cstdint>
#include <optional>
#include <pjtcampovivo/engine_export.hpp>
#include <span>
#include <string_view>
#include <type_traits>

namespace pjtCampoVivo {

// The mask of a field: how typed text is shaped and how it is checked on leaving.
enum class eMascara : int32_t {
    Texto = 0,
    DinheiroTaxa = 1,
    Numero = 2,
    DdMmAaaa = 3,
    HhMmSs = 4,
    HhMm = 5,
    DdMm = 6,
    MmAaaa = 7,
    Dia = 8,
    Mes = 9,
    Ano = 10,
    Telefone = 11,
    Cep = 12,
    CNPF = 13,
    CNPJ = 14,
    InscricaoEstadual = 15,
};

// Decimal places of the money/rate mask; the value is the count of places.
enum class eQuantidadeCasasDecimais : int32_t {
    SemCasaDecimal = 0,
    Uma = 1,
    Duas = 2,
    Tres = 3,
    Quatro = 4,
    Cinco = 5,
    Seis = 6,
    Sete = 7,
    Oito = 8,
    Nove = 9,
};

enum class eTratarComoNegativo : int32_t { NumeroNormal = 0, NumeroNegativo = 1 };

// Where a field's text came from: typed, or moved in as a whole (assigned from code).
enum class eEntradaDe : int32_t { eeteclado = 0, eeMove = 1 };

enum class eEstilo : int32_t {
    TextBox = 0,
    ComboBoxLookUpComDigAdicional = 1,
    ComboBoxLookUpAteLimiteDados = 2,
};

enum class eAlinhamento : int32_t { Esquerda = 0, Direita = 1, Centralizado = 2 };

enum class eCapsLockMixed : int32_t { CaseMixed = 0, LowerCase = 1, UpperCase = 2 };

enum class eNaoSim : int32_t { Nao = 0, sim = 1 };

enum class eTipoModulo : int32_t {
    ModuloNumeroTodo = 0,
    ModuloParteInteira = 1,
    ModuloParteDecimal = 2,
    MantemZeros = 3,
};

// The published value of an enumerator, as the 32-bit integer the interfaces take.
template <typename E>
requires std::is_enum_v<E>
constexpr int32_t valor(E e) noexcept {
    return static_cast<int32_t>(e);
}

// One published member: its value and its name exactly as published (ASCII).
struct PJTCAMPOVIVO_ENGINE_EXPORT MembroPublicado {
    int32_t valor;
    std::string_view nome;
};

// One published enumeration: its type name ("eMascara") and its members in value order.
struct PJTCAMPOVIVO_ENGINE_EXPORT EnumeracaoPublicada {
    std::string_view nome;
    std::span<const MembroPublicado> membros;

    // The member with this value, if any: eMascara's 14 gives "CNPJ ##.###.###.###/####-##".
    std::optional<std::string_view> nome_de(int32_t valor) const noexcept;
    // The value of the member with exactly this published name, if any.
    std::optional<int32_t> valor_de(std::string_view nome) const noexcept;
};

// All nine enumerations, in the order they are published.
PJTCAMPOVIVO_ENGINE_EXPORT std::span<const EnumeracaoPublicada> enumeracoes_publicadas() noexcept;
// The enumeration with this type name ("eMascara", "eNaoSim", ...), or nullptr.
PJTCAMPOVIVO_ENGINE_EXPORT const EnumeracaoPublicada* enumeracao_publicada(
    std::string_view nome) noexcept;

}  // namespace pjtCampoVivo
