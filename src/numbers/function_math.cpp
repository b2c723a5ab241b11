#include "function_math.h"

#include <cmath>
#include <span>

#include "inverse_trig.h"
#include "number_text.h"

namespace calc {

// How the exact angles come about (degrees and grads):
//
// 1. The argument is reduced modulo a full turn in its own unit with std::fmod, then to the
//    nearest multiple of a right angle with std::remquo. Both are exact, so x = k * turn +
//    q * right angle + t holds with no rounding at all, |t| at most half a right angle and q
//    known modulo 4. Only then is the small remainder t converted to radians.
// 2. The quadrant q is folded in by the symmetries sin(q * 90 + t) = cos t, -sin t, -cos t
//    (q = 1, 2, 3), and likewise for the cosine, which are exact sign and role changes. So a
//    multiple of a right angle gives t = 0 and the exact values 0 and 1 of sin 0 and cos 0.
// 3. The remainders whose sine and cosine have a closed form, a half and a third of a right
//    angle (45 and 30 degrees, 50 grads; a third of 100 grads is not a double), take that form,
//    correctly rounded: sqrt(1/2), 1/2 and sqrt(3)/2. Every other remainder goes through
//    std::sin and std::cos of t in radians.
// The tangent is tan t in the even quadrants and -1 / tan t in the odd ones (for the closed
// forms sine over cosine, and minus cosine over sine); in an odd quadrant t = 0 is an odd
// multiple of a right angle, whose tangent does not exist: a fault.
namespace {

struct Reduced {
    int quadrant; // 0 to 3
    double sin;   // sine and cosine of the remainder
    double cos;
    double tan; // tangent of the remainder (used only when not closed_form)
    bool closed_form;
    bool zero; // the remainder is 0: an exact multiple of a right angle
};

Reduced reduce(double x, const AngleUnit& u) {
    const double right_angle = u.full_turn / 4;
    int q = 0;
    const double t = std::remquo(std::fmod(x, u.full_turn), right_angle, &q);
    Reduced r{((q % 4) + 4) % 4, 0, 0, 0, false, t == 0};
    const double m = std::fabs(t);
    const double sign = t < 0 ? -1.0 : 1.0;
    if (m == right_angle / 2) {
        r.sin = sign * std::sqrt(0.5);
        r.cos = std::sqrt(0.5);
        r.closed_form = true;
    } else if (std::fmod(right_angle, 3.0) == 0 && m == right_angle / 3) {
        r.sin = sign * 0.5;
        r.cos = std::sqrt(3.0) / 2;
        r.closed_form = true;
    } else {
        const double a = t * u.radians;
        r.sin = std::sin(a);
        r.cos = std::cos(a);
        r.tan = std::tan(a);
    }
    return r;
}

// An argument whose angle is a fraction of a turn: arcsin 0.5 is a twelfth of a turn.
struct ExactAngle {
    double argument;
    int numerator;
    int denominator;
};

constexpr ExactAngle asin_exact[] = {
    {0.0, 0, 1}, {0.5, 1, 12}, {-0.5, -1, 12}, {1.0, 1, 4}, {-1.0, -1, 4}};
constexpr ExactAngle acos_exact[] = {
    {1.0, 0, 1}, {0.5, 1, 6}, {0.0, 1, 4}, {-0.5, 1, 3}, {-1.0, 1, 2}};
constexpr ExactAngle atan_exact[] = {{0.0, 0, 1}, {1.0, 1, 8}, {-1.0, -1, 8}};

// The radian result a of an inverse function, for argument x, in unit u.
double in_unit(double a, double x, const AngleUnit& u, std::span<const ExactAngle> exact) {
    if (u.full_turn == 0) return a / u.radians;
    for (const ExactAngle& e : exact) {
        if (x == e.argument) return u.full_turn * e.numerator / e.denominator;
    }
    return a / u.radians;
}

} // namespace

double sine(double x, const AngleUnit& u) {
    if (u.full_turn == 0) return std::sin(checked(x * u.radians));
    const Reduced r = reduce(x, u);
    switch (r.quadrant) {
    case 0: return r.sin;
    case 1: return r.cos;
    case 2: return -r.sin;
    default: return -r.cos;
    }
}

double cosine(double x, const AngleUnit& u) {
    if (u.full_turn == 0) return std::cos(checked(x * u.radians));
    const Reduced r = reduce(x, u);
    switch (r.quadrant) {
    case 0: return r.cos;
    case 1: return -r.sin;
    case 2: return -r.cos;
    default: return r.sin;
    }
}

double tangent(double x, const AngleUnit& u) {
    if (u.full_turn == 0) return std::tan(checked(x * u.radians));
    const Reduced r = reduce(x, u);
    if (r.quadrant % 2 == 0) return r.closed_form ? r.sin / r.cos : r.tan;
    if (r.zero) throw RuntimeFault("Division by zero");
    // A tiny remainder next to a right angle can overflow here; the result check catches it.
    return r.closed_form ? -r.cos / r.sin : -1 / r.tan;
}

double arcsine(double x, const AngleUnit& u) {
    return in_unit(Asin(x), x, u, asin_exact);
}

double arccosine(double x, const AngleUnit& u) {
    return in_unit(Acos(x), x, u, acos_exact);
}

double arctangent(double x, const AngleUnit& u) {
    return in_unit(Atan(x), x, u, atan_exact);
}

} // namespace calc
