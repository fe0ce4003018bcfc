// A build without Qt has no Qt stage.
#include "cli/palco.hpp"

namespace pjtCampoVivo::cli {

FabricaPalco fabrica_palco_qt() {
    return {};
}

}  // namespace pjtCampoVivo::cli
