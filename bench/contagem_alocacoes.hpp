// Counts the heap allocations of the whole process, so that a benchmark can report how many
// one iteration costs. Linking contagem_alocacoes.cpp replaces the global operator new and
// operator delete of the executable; they still allocate with malloc.
#pragma once

#include <cstdint>

namespace pjtCampoVivo::bench {

// Calls to any form of operator new since the program started, on every thread.
std::uint64_t alocacoes_ate_agora() noexcept;

}  // namespace pjtCampoVivo::bench
