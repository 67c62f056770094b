// Reading the engine's input file. The reader belongs to the section geometry
// library, because the program's detailed drawings read the same lines to draw
// the section the engine computed; the engine uses it under its own names.
#pragma once

#include "kern/transfer_layout.h"

namespace delmarix {

using tarvello::geometrie::ParseOutcome;
using tarvello::geometrie::parseTransfer;
using tarvello::geometrie::TransferInput;

} // namespace delmarix
