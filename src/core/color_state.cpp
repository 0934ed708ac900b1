#include "core/color_state.h"

#include <cmath>

#include "core/vocabulary.h"

namespace tintwell {

namespace {
constexpr double kGreenHue = 120.0;
constexpr double kBlueHue = 240.0;
}  // namespace

double ColorState::normalizeHue(double& iHue) {
  if (!std::isfinite(iHue)) iHue = 0.0;  // the loops below would never end
  while (iHue < 0.0) iHue += kFullCircle;
  while (iHue >= kFullCircle) iHue -= kFullCircle;
  return iHue;
}

double ColorState::normalizeOne(double& iValue) {
  if (iValue > 1.0) iValue = 1.0;
  if (iValue < 0.0) iValue = 0.0;
  return iValue;
}

double ColorState::MathMaxDbl3(const double& dVal1, const double& dVal2, const double& dVal3) {
  double result = dVal1;
  if (dVal2 > result) result = dVal2;
  if (dVal3 > result) result = dVal3;
  return result;
}

double ColorState::MathMinDbl3(const double& dVal1, const double& dVal2, const double& dVal3) {
  double result = dVal1;
  if (dVal2 < result) result = dVal2;
  if (dVal3 < result) result = dVal3;
  return result;
}

// Every division below has a positive divisor for channels in 0..255, and the
// operations run in exactly this order: the round trip through convHSV2RGB
// gives back every integer triple only with this arithmetic.
void ColorState::convRGB2HSV(double inR, double inG, double inB) {
  const double maximum = MathMaxDbl3(inR, inG, inB);
  const double minimum = MathMinDbl3(inR, inG, inB);
  double value = maximum / kChannelMax;
  double saturation = maximum > 0.0 ? (maximum - minimum) / maximum : 0.0;

  double r = inR;
  double g = inG;
  double b = inB;
  if (minimum > 0.0) {
    r = inR / minimum - 1.0;
    g = inG / minimum - 1.0;
    b = inB / minimum - 1.0;
  }

  if (!(r == g && g == b)) {  // a grey keeps the hue it had
    const double top = MathMaxDbl3(r, g, b);
    double hue = 0.0;
    if (top == r) {
      hue = g > 0.0 ? (g / r) * kDegreesPerSector : kFullCircle - (b / r) * kDegreesPerSector;
    } else if (top == g) {
      hue = r > 0.0 ? kGreenHue - (r / g) * kDegreesPerSector
                    : kGreenHue + (b / g) * kDegreesPerSector;
    } else {
      hue =
          g > 0.0 ? kBlueHue - (g / b) * kDegreesPerSector : kBlueHue + (r / b) * kDegreesPerSector;
    }
    dHue = normalizeHue(hue);
  }
  dSat = normalizeOne(saturation);
  dVal = normalizeOne(value);
}

}  // namespace tintwell
