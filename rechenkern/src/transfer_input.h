// Reading the engine's input file: the rolled-profile layout (line 1 "102",
// "103" or "110") and the general layout of the welded section forms.
#pragma once

#include "geometrie/section_dimensions.h"

#include <string>

namespace delmarix {

struct TransferInput {
    std::string sectionText; // line 1 as written, without surrounding blanks
    bool rolled = false;
    tarvello::geometrie::WeldedDimensions welded;
    tarvello::geometrie::RolledDimensions rolledProfile;
};

struct ParseOutcome {
    bool ok = false;
    TransferInput input;
    std::string reasonDe; // names the line and what is wrong
    std::string reasonEn;
};

ParseOutcome parseTransfer(const std::string& text);

} // namespace delmarix
