// The inverse trigonometric functions of the calculator: one double in, the angle in radians
// out. A domain error is a RuntimeFault, so it reaches the error display of the key that
// asked, like any other computing fault.
#pragma once

namespace calc {

// Arcsine in radians, -pi/2 to pi/2. Throws RuntimeFault outside -1 to 1 and for NaN.
double Asin(double x);
// Arccosine in radians, 0 to pi. Throws RuntimeFault outside -1 to 1 and for NaN.
double Acos(double x);
// Arctangent in radians, -pi/2 to pi/2. Throws RuntimeFault for NaN.
double Atan(double x);

} // namespace calc
