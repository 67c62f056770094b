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

// A "Fehler" result when the input cannot be computed. Never throws.
RunOutput runWithMesh(const std::string& inputText, const AnalysisOptions& options = {});

// The result file's text alone.
std::string run(const std::string& inputText, const AnalysisOptions& options = {});

// Where the stress mesh of a result goes: the result's name with the extension ".netz".
std::string stressMeshPath(const std::string& resultPath);

} // namespace delmarix
