#include "cli/linhas.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/erro_cli.hpp"

namespace pjtCampoVivo::cli {

namespace {

constexpr std::size_t tamanho_bloco = std::size_t{64} * 1024;

}  // namespace

bool LeitorLinhas::encher() {
    if (fim_) return false;
    std::fflush(stdout);
    if (inicio_ > 0) {  // keep only the unfinished line
        buffer_.erase(0, inicio_);
        inicio_ = 0;
    }
    const std::size_t antes = buffer_.size();
    buffer_.resize(antes + tamanho_bloco);
    ssize_t lidos;
    do {
        lidos = ::read(descritor_, buffer_.data() + antes, tamanho_bloco);
    } while (lidos < 0 && errno == EINTR);
    if (lidos < 0) throw ErroCli(std::string("cannot read the input: ") + std::strerror(errno));
    buffer_.resize(antes + static_cast<std::size_t>(lidos));
    if (lidos == 0) fim_ = true;
    return lidos > 0;
}

bool LeitorLinhas::proxima(std::string& linha) {
    std::size_t procurar_de = inicio_;
    for (;;) {
        const std::size_t nova = buffer_.find('\n', procurar_de);
        if (nova != std::string::npos) {
            std::size_t fim = nova;
            if (fim > inicio_ && buffer_[fim - 1] == '\r') --fim;
            linha.assign(buffer_, inicio_, fim - inicio_);
            inicio_ = nova + 1;
            ++numero_;
            return true;
        }
        procurar_de = buffer_.size() - inicio_;  // offset survives the compaction in encher
        if (!encher()) break;
        procurar_de += inicio_;
    }
    if (inicio_ >= buffer_.size()) return false;
    std::size_t fim = buffer_.size();
    if (buffer_[fim - 1] == '\r') --fim;
    linha.assign(buffer_, inicio_, fim - inicio_);
    inicio_ = buffer_.size();
    ++numero_;
    return true;
}

int abrir_entrada(const std::string& caminho) {
    if (caminho == "-") return STDIN_FILENO;
    const int descritor = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (descritor < 0) {
        throw ErroCli("cannot open '" + caminho + "': " + std::strerror(errno));
    }
    return descritor;
}

void escrever_linha(std::string_view linha) {
    std::fwrite(linha.data(), 1, linha.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace pjtCampoVivo::cli
