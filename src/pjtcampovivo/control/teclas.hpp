// Key codes and small text helpers shared by the control's handlers. Not for callers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pjtCampoVivo::detail {

inline constexpr int16_t Backspace = 8;
inline constexpr int16_t Tab = 9;
inline constexpr int16_t Enter = 13;

// The keystroke that moves the focus on.
inline constexpr std::u16string_view TeclaTab = u"{TAB}";

// KeyAscii carries one UTF-16 code unit in a 16-bit signed integer.
constexpr char16_t caractere(int16_t codigo) noexcept {
    return static_cast<char16_t>(static_cast<uint16_t>(codigo));
}
constexpr int16_t codigo(char16_t c) noexcept {
    return static_cast<int16_t>(c);
}

// A text of blanks only reads as empty in the exit check: the single space that a failed
// check leaves behind must not be refused again and again.
constexpr bool vazio_ou_brancos(std::u16string_view texto) noexcept {
    return texto.find_first_not_of(u' ') == std::u16string_view::npos;
}

// Leading and trailing spaces (U+0020) removed; other blanks stay.
constexpr std::u16string_view aparar(std::u16string_view texto) noexcept {
    const auto inicio = texto.find_first_not_of(u' ');
    if (inicio == std::u16string_view::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(u' ') - inicio + 1);
}

// Raises a flag for the life of a scope and lowers it however the scope ends, failures
// included.
class FlagNoEscopo {
  public:
    explicit FlagNoEscopo(bool& flag) noexcept : flag_(flag) { flag_ = true; }
    ~FlagNoEscopo() { flag_ = false; }
    FlagNoEscopo(const FlagNoEscopo&) = delete;
    FlagNoEscopo& operator=(const FlagNoEscopo&) = delete;

  private:
    bool& flag_;
};

// Keeps a variable's value and puts it back when the scope ends, failures included.
template <typename T>
class ValorNoEscopo {
  public:
    explicit ValorNoEscopo(T& variavel) noexcept : variavel_(variavel), antes_(variavel) {}
    ~ValorNoEscopo() { variavel_ = antes_; }
    ValorNoEscopo(const ValorNoEscopo&) = delete;
    ValorNoEscopo& operator=(const ValorNoEscopo&) = delete;

  private:
    T& variavel_;
    T antes_;
};

}  // namespace pjtCampoVivo::detail
