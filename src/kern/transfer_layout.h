// Reading the engine's input file: the rolled-profile layout (line 1 "102",
// "103" or "110") and the general layout of the welded section forms.
//
// It lives with the section geometry because two readers need it: the engine,
// which computes the section from these lines, and the program's detailed
// drawings, which draw the very section the engine computed from the same lines.
#pragma once

#include "kern/section_dimensions.h"

#include <string>

namespace tarvello::geometrie {

struct TransferInput {
    std::string sectionText; // line 1 as written, without surrounding blanks
    bool rolled = false;
    WeldedDimensions welded;
    RolledDimensions rolledProfile;
};

struct ParseOutcome {
    bool ok = false;
    TransferInput input;
    std::string reasonDe; // names the line and what is wrong
    std::string reasonEn;
};

// Reads the whole file text (CR LF or LF line ends); refuses, with the line and
// the reason in both languages, what the writer would never have written.
ParseOutcome parseTransfer(const std::string& text);

// The file the reader above reads back to `in`: a line per value, each ended with
// CR LF, every number in the shortest plain decimal that reads back to the same value.
std::string writeTransfer(const TransferInput& in);

// A value line as the reader takes it: a sign, digits with at most one decimal point,
// an optional exponent, blanks around; false for anything else and for infinities.
bool readNumber(const std::string& text, double& value);

} // namespace tarvello::geometrie
