// The engine's whole run on one input text: read → geometry → analysis → result.
#pragma once

#include "analysis.h"

#include <string>

namespace delmarix {

extern const char* const engineVersion;

// Returns the complete text of the result file; a "Fehler" result when the
// input cannot be computed. Never throws.
std::string run(const std::string& inputText, const AnalysisOptions& options = {});

} // namespace delmarix
