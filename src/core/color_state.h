#pragma once

#include <cstdint>

namespace tintwell {

// The current colour, held as HSV (the single source of truth), with the RGB
// channel copies derived from it. The main window holds it as its own state.
class ColorState {
 public:
  double dHue = 0.0;  // degrees, 0..360; 0 and 360 are both red
  double dSat = 0.0;  // 0..1
  double dVal = 0.0;  // 0..1
  int16_t iRed = 0;
  int16_t iGreen = 0;
  int16_t iBlue = 0;

  bool operator==(const ColorState&) const = default;

  void convRGB2HSV(double inR, double inG, double inB);

  static double normalizeHue(double& iHue);
  static double normalizeOne(double& iValue);
  static double MathMaxDbl3(const double& dVal1, const double& dVal2, const double& dVal3);
  static double MathMinDbl3(const double& dVal1, const double& dVal2, const double& dVal3);
};

}  // namespace tintwell
