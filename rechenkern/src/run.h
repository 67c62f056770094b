// The engine's whole run on one input text: read → geometry → analysis → result.
#pragma once

#include "analysis.h"

#include <string>

namespace delmarix {

extern const char* const engineVersion;

struct RunOutput {
    std::string result;      // the complete text of the result file
    std::string stressMesh;  // the stress mesh beside it (formatStressMesh); empty after a failure
};

// A "Fehler" result when the input cannot be computed. Never throws. The stress
// mesh is formatted only when asked for (it takes about as long as the analysis).
RunOutput runWithMesh(const std::string& inputText, const AnalysisOptions& options = {}, bool withMesh = true);

// The result file's text alone.
std::string run(const std::string& inputText, const AnalysisOptions& options = {});

// The usual name of a result's stress mesh: the result's name with the extension ".netz".
std::string stressMeshPath(const std::string& resultPath);

} // namespace delmarix
