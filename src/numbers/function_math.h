// The arithmetic behind the function and trigonometric keys, apart from the form so that it
// can be checked on its own.
#pragma once

#include <numbers>
#include <string>

namespace calc {

// An angle unit: the size of a full turn in the unit, and the radians in one unit. A full turn
// of 0 marks radians, whose arguments are used as they are, without reduction.
struct AngleUnit {
    double full_turn;
    double radians;
};

inline constexpr AngleUnit degrees{360.0, std::numbers::pi / 180.0};
inline constexpr AngleUnit radians{0.0, 1.0};
inline constexpr AngleUnit grads{400.0, std::numbers::pi / 200.0};

// Sine, cosine and tangent of the angle x given in unit u. In degrees and grads the angles
// whose values users know by heart come out exactly (sin 30 = 0.5, cos 90 = 0, tan 45 = 1,
// sin 360000030 = 0.5). The tangent of an odd multiple of a right angle is a RuntimeFault.
double sine(double x, const AngleUnit& u);
double cosine(double x, const AngleUnit& u);
double tangent(double x, const AngleUnit& u);

// Arcsine, arccosine and arctangent of x as an angle in unit u, by Asin, Acos and Atan (whose
// domain faults pass through). In degrees and grads an argument whose angle is a simple
// fraction of a turn gives that angle exactly (arcsin 0.5 = 30 degrees, arccos -1 = 180).
double arcsine(double x, const AngleUnit& u);
double arccosine(double x, const AngleUnit& u);
double arctangent(double x, const AngleUnit& u);

} // namespace calc
