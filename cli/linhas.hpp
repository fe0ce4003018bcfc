// Line input and output for the commands that stream: one value (or one script line) in,
// one line out, with only one input buffer held whatever the size of the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pjtCampoVivo::cli {

// Reads the lines of a file descriptor. Before a read that may block it flushes standard
// output, so a program that drives the tool through a pipe gets each answer as soon as its
// question has been handled, while a large file is still written in big blocks.
class LeitorLinhas {
  public:
    explicit LeitorLinhas(int descritor) : descritor_(descritor) {}
    // The lines of a text already in memory, split exactly as a file's.
    explicit LeitorLinhas(std::string_view texto) : buffer_(texto), fim_(true) {}

    // The next line without its "\n" or "\r\n"; false at the end of the input. A last
    // line without a final newline still counts.
    bool proxima(std::string& linha);
    // 1-based number of the line last returned.
    std::size_t numero() const noexcept { return numero_; }

  private:
    bool encher();

    int descritor_ = -1;
    std::string buffer_;
    std::size_t inicio_ = 0;
    bool fim_ = false;
    std::size_t numero_ = 0;
};

// Opens a file for LeitorLinhas; "-" is standard input. Throws ErroCli when it cannot.
int abrir_entrada(const std::string& caminho);

// Writes one line to standard output (buffered; LeitorLinhas and the end of main flush it).
void escrever_linha(std::string_view linha);

}  // namespace pjtCampoVivo::cli
