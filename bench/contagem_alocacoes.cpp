#include "contagem_alocacoes.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace pjtCampoVivo::bench {

namespace {

std::atomic<std::uint64_t> alocacoes{0};

void* alocar(std::size_t tamanho) noexcept {
    alocacoes.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(tamanho == 0 ? 1 : tamanho);
}

void* alocar_alinhado(std::size_t tamanho, std::align_val_t alinhamento) noexcept {
    alocacoes.fetch_add(1, std::memory_order_relaxed);
    const auto a = static_cast<std::size_t>(alinhamento);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t arredondado = (tamanho + a - 1) / a * a;
    return std::aligned_alloc(a, arredondado == 0 ? a : arredondado);
}

void* alocar_ou_lancar(std::size_t tamanho) {
    if (void* p = alocar(tamanho)) return p;
    throw std::bad_alloc();
}

void* alocar_alinhado_ou_lancar(std::size_t tamanho, std::align_val_t alinhamento) {
    if (void* p = alocar_alinhado(tamanho, alinhamento)) return p;
    throw std::bad_alloc();
}

}  // namespace

std::uint64_t alocacoes_ate_agora() noexcept {
    return alocacoes.load(std::memory_order_relaxed);
}

}  // namespace pjtCampoVivo::bench

using pjtCampoVivo::bench::alocar;
using pjtCampoVivo::bench::alocar_alinhado;
using pjtCampoVivo::bench::alocar_alinhado_ou_lancar;
using pjtCampoVivo::bench::alocar_ou_lancar;

void* operator new(std::size_t n) {
    return alocar_ou_lancar(n);
}
void* operator new[](std::size_t n) {
    return alocar_ou_lancar(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return alocar(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return alocar(n);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return alocar_alinhado_ou_lancar(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return alocar_alinhado_ou_lancar(n, a);
}
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return alocar_alinhado(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return alocar_alinhado(n, a);
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
