#include "equalizer/EqualizerCurve.h"

#include <cmath>

namespace velmora::equalizer {

namespace {

constexpr int kGridHz[] = {50,  60,  80,   100,  150,  200,  250,  300,  400, 500,
                           600, 800, 1000, 1500, 2000, 2500, 3000, 4000, 5000};
constexpr double kPixelsPerDecade = kGraphWidth / 2;

double roundToThreeFigures(double v) {
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(v)));
    return std::round(v * scale) / scale;
}

}  // namespace

BandShape bandShape(int band, const EqualizerValues& v) {
    const int32_t f = v[static_cast<size_t>(paramIndex(band, Param::Freq))];
    const int32_t l = v[static_cast<size_t>(paramIndex(band, Param::Level))];
    const int32_t b = v[static_cast<size_t>(paramIndex(band, Param::Bwth))];
    const bool known = valueInRange(paramIndex(band, Param::Freq), f) &&
                       valueInRange(paramIndex(band, Param::Level), l) &&
                       valueInRange(paramIndex(band, Param::Bwth), b);
    if (!known || f == 0) return {};
    return {static_cast<double>(bandFrequencies(band)[static_cast<size_t>(f)]),
            static_cast<double>(l), static_cast<double>(b), false};
}

double responseDb(const BandShape& s, double hz) {
    if (s.flat || s.levelDb == 0) return 0;
    const double r = hz / s.centreHz;
    const double detune = (1 - r * r) / r;
    const double h = (1 / s.q) / std::sqrt(detune * detune + 1 / (s.q * s.q));
    const double a = std::pow(10.0, std::abs(s.levelDb) / 20);
    const double y = 20 * std::log10(1 + (a - 1) * h);
    return s.levelDb < 0 ? -y : y;
}

const std::array<double, kCurvePoints>& curveFrequencies() {
    static const std::array<double, kCurvePoints> hz = [] {
        std::array<double, kCurvePoints> out{};
        for (int k = 0; k < kCurvePoints; ++k)
            out[static_cast<size_t>(k)] =
                roundToThreeFigures(kLowestHz * std::pow(10.0, k / 100.0));
        return out;
    }();
    return hz;
}

CurveDb bandCurve(const BandShape& shape) {
    CurveDb out{};
    const auto& hz = curveFrequencies();
    for (size_t k = 0; k < out.size(); ++k) out[k] = responseDb(shape, hz[k]);
    return out;
}

CurveDb combinedCurve(const EqualizerValues& v) {
    CurveDb sum{};
    for (int band = 1; band <= kBandCount; ++band) {
        const CurveDb one = bandCurve(bandShape(band, v));
        for (size_t k = 0; k < sum.size(); ++k) sum[k] += one[k];
    }
    return sum;
}

double xOfHz(double hz) {
    return kPixelsPerDecade * std::log10(hz / kLowestHz);
}

double hzOfX(double x) {
    return kLowestHz * std::pow(10.0, x / kPixelsPerDecade);
}

double yOfDb(double db) {
    return kZeroDbY - kPixelsPerDb * db;
}

double dbOfY(double y) {
    return (kZeroDbY - y) / kPixelsPerDb;
}

std::span<const int> gridFrequencies() {
    return kGridHz;
}

}  // namespace velmora::equalizer
