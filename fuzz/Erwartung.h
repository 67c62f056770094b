#pragma once
// What a fuzz target checks beyond crashes: an expectation the reader's
// callers rely on. A broken one stops the run, and libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline void erwarte(bool bedingung)
{
    if (!bedingung)
        std::abort();
}
