// The recordset seam: the host's query result that a list is loaded from. The control reads
// from the current record to the end and relies on nothing else.
#pragma once

#include <optional>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT Recordset {
  public:
    virtual ~Recordset() = default;

    // True once the current position is past the last record.
    virtual bool Eof() const = 0;
    // The value of the named field in the current record, as text; nullopt for a null value.
    // Names are matched without regard to case; a name the recordset lacks fails with the
    // unknown-field error (3265).
    virtual std::optional<std::u16string> Campo(std::u16string_view nome) const = 0;
    // Advances to the next record.
    virtual void MoveNext() = 0;
};

}  // namespace pjtCampoVivo
