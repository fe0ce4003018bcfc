// The per-thread flag that the mask routines raise when the text they rebuilt gained
// separators. The control skips its own re-formatting while it is 1 (writing the shaped text
// back into a box would otherwise re-enter the formatter), moves the caret past the new
// separator, and sets it back to 0. No routine of the engine ever resets it.
#pragma once

#include <cstdint>

#include <pjtcampovivo/engine_export.hpp>

namespace pjtCampoVivo {

// One per thread, shared by every library that formats: defined in the engine.
PJTCAMPOVIVO_ENGINE_EXPORT extern thread_local int32_t SeparadorInserido;

}  // namespace pjtCampoVivo
