// A recordset held in memory: records of named values, read from the first record on.
// Tests and session scripts load lists from it.
#pragma once

#include <cstddef>
#include <optional>
#include <pjtcampovivo/headless_export.hpp>
#include <string>
#include <utility>
#include <vector>

#include <pjtcampovivo/toolkit/recordset.hpp>

namespace pjtCampoVivo::headless {

class PJTCAMPOVIVO_HEADLESS_EXPORT RecordsetMemoria final : public Recordset {
  public:
    // One field: its name and its value as text (nullopt: a null value).
    using Campo_ = std::pair<std::u16string, std::optional<std::u16string>>;
    using Registro = std::vector<Campo_>;

    explicit RecordsetMemoria(std::vector<Registro> registros) : registros_(std::move(registros)) {}

    bool Eof() const override { return atual_ >= registros_.size(); }
    // The first field, in the record's order, whose name equals nome ignoring case.
    std::optional<std::u16string> Campo(std::u16string_view nome) const override;
    void MoveNext() override;

    std::size_t posicao() const noexcept { return atual_; }

  private:
    std::vector<Registro> registros_;
    std::size_t atual_ = 0;
};

}  // namespace pjtCampoVivo::headless
