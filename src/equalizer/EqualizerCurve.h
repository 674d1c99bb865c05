#pragma once
// The equalizer's response as the graph draws it: each band a resonance of height LEVEL dB at its
// centre frequency with quality factor BWTH (a larger BWTH draws a narrower curve), evaluated at
// 201 fixed frequencies from 50 Hz to 5000 Hz. The graph is 900 x 352 design pixels: X is
// logarithmic in frequency (50 Hz at 0, 5000 Hz at 900), Y is 8 pixels per dB (0 dB at 176).
#include <array>
#include <span>

#include "equalizer/EqualizerBands.h"

namespace velmora::equalizer {

inline constexpr int kCurvePoints = 201;
inline constexpr double kGraphWidth = 900;
inline constexpr double kGraphHeight = 352;
inline constexpr double kZeroDbY = 176;
inline constexpr double kPixelsPerDb = 8;
inline constexpr double kLowestHz = 50, kHighestHz = 5000;

// One band's shape; an OFF band, or one whose values are out of range, is flat.
struct BandShape {
    double centreHz = 1;
    double levelDb = 0;
    double q = 1;
    bool flat = true;
};

using CurveDb = std::array<double, kCurvePoints>;

BandShape bandShape(int band, const EqualizerValues& v);
// The response in dB at hz; exactly levelDb at the centre frequency.
double responseDb(const BandShape& shape, double hz);

// The fixed frequencies, 50 x 10^(k/100) rounded to three significant figures.
const std::array<double, kCurvePoints>& curveFrequencies();
CurveDb bandCurve(const BandShape& shape);
// The sum of the three bands' responses at each point.
CurveDb combinedCurve(const EqualizerValues& v);

double xOfHz(double hz);
double hzOfX(double x);
double yOfDb(double db);
double dbOfY(double y);

// The labelled grid: 19 frequencies below, the dB lines every 2 dB from +20 to -20.
std::span<const int> gridFrequencies();
inline constexpr int kGridTopDb = 20, kGridStepDb = 2;

}  // namespace velmora::equalizer
