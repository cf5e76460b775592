// Feeds any bytes to Parse, Evaluate and Convert. Parse and Evaluate must agree
// bit for bit, flags included; Convert must keep the old value exactly when
// the text is empty or fails.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "formula/Parser.h"

namespace {

const double Values[] = {0.0,
                         -0.0,
                         1,
                         -1,
                         2,
                         -2,
                         0.5,
                         -0.5,
                         1e-10,
                         88,
                         89,
                         -89,
                         1e300,
                         -1e300,
                         HUGE_VAL,
                         -HUGE_VAL,
                         1e9,
                         -2.5,
                         3.75,
                         1e18,
                         1e-310,
                         std::numeric_limits<double>::quiet_NaN(),
                         -std::numeric_limits<double>::quiet_NaN()};
constexpr std::size_t ValueCount = sizeof Values / sizeof *Values;

void Check(bool ok) {
    if (!ok) std::abort();
}

void Fill(vemlo::FormulaState& s, std::uint32_t start) {
    double* vars[] = {&s.X, &s.Y, &s.R, &s.T, &s.U, &s.V, &s.A, &s.B, &s.C, &s.D, &s.E, &s.F};
    for (double* v : vars) {
        start = start * 1103515245u + 12345u;
        *v = Values[(start >> 16) % ValueCount];
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint32_t start = 2166136261u;
    for (std::uint8_t b : text) start = (start ^ b) * 16777619u;

    for (std::uint32_t round = 0; round < 4; ++round) {
        vemlo::FormulaState a, b;
        Fill(a, start + round);
        Fill(b, start + round);
        const double want = vemlo::Parse(a, text);
        const double got = vemlo::Evaluate(b, text);
        Check(std::memcmp(&want, &got, sizeof want) == 0);
        Check(a.TokenError == b.TokenError && a.MathError == b.MathError && a.CutCalled == b.CutCalled);
        Check(!(a.TokenError || a.MathError) || want == 0.0);
    }

    vemlo::FormulaState s;
    double v = 12.5;
    vemlo::Convert(s, text, v);
    if (text.empty() || s.TokenError || s.MathError) Check(v == 12.5);
    return 0;
}
