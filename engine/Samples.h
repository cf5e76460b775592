#pragma once
/// The ready-made examples of each graph mode: a caption that names the
/// surface or curve, suggests a domain and shows the formula in everyday
/// notation, and the formula texts that choosing the example stores.

#include <vector>

#include "engine/GraphState.h"

namespace vemlo {

struct Sample {
    const char* caption;
    /// SFunc in modes '1' and '2' (the other two null); XFunc, YFunc, ZFunc
    /// in modes '3' and '4'.
    const char* formulas[3];
};

/// The examples a mode offers, in the order of the samples window's buttons
/// (at most ten). Any Choice other than '1' to '4' offers none.
const std::vector<Sample>& SamplesOf(char choice);

/// Stores the example's formulas for the current mode and sets
/// FunctionCalled; the domain, parameters, view and colours stay as they are.
void UseSample(GraphState& g, const Sample& s);

}  // namespace vemlo
