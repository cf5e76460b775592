#pragma once
/// The formula language: Parse evaluates a formula text with the variables,
/// parameters and flags of a FormulaState; Convert reads a numeric entry.

#include <string>

#include "formula/FormulaState.h"

namespace vemlo {

/// Value of a formula; 0.0 with TokenError (syntax) or MathError (domain) set
/// on failure. The reference implementation: reads the text every time.
double Parse(FormulaState& s, const std::string& text);

/// Same result and flags as Parse, through a compiled program cached per text.
double Evaluate(FormulaState& s, const std::string& text);

/// Sets v from an entry box's text; keeps the old value when the text is empty
/// or does not evaluate.
void Convert(FormulaState& s, const std::string& text, double& v);

}  // namespace vemlo
