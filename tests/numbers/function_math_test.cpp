// The arithmetic of the function keys: exact angles, agreement with the standard library at
// ordinary angles, and the faults.
#include "function_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "number_text.h"

namespace calc {
namespace {

using Function = double (*)(double, const AngleUnit&);

struct Row {
    Function f;
    AngleUnit unit;
    double x;
    double expected;
};

const double half_root2 = std::sqrt(0.5);
const double root3 = std::sqrt(3.0);

const Row exact_rows[] = {{sine, degrees, 30, 0.5},        {sine, degrees, -30, -0.5},
                          {sine, degrees, 150, 0.5},       {sine, degrees, 90, 1},
                          {sine, degrees, 180, 0},         {sine, degrees, 270, -1},
                          {sine, degrees, 360000030, 0.5}, {sine, degrees, -330, 0.5},
                          {sine, degrees, 45, half_root2}, {sine, degrees, 60, root3 / 2},
                          {cosine, degrees, 60, 0.5},      {cosine, degrees, 90, 0},
                          {cosine, degrees, 120, -0.5},    {cosine, degrees, 180, -1},
                          {cosine, degrees, -240, -0.5},   {cosine, degrees, 3600, 1},
                          {tangent, degrees, 45, 1},       {tangent, degrees, 135, -1},
                          {tangent, degrees, -45, -1},     {tangent, degrees, 225, 1},
                          {tangent, degrees, 180, 0},      {tangent, degrees, 60, root3},
                          {sine, grads, 100, 1},           {sine, grads, 200, 0},
                          {sine, grads, 50, half_root2},   {cosine, grads, 100, 0},
                          {cosine, grads, 400000000, 1},   {tangent, grads, 50, 1},
                          {tangent, grads, 150, -1},       {arcsine, degrees, 0.5, 30},
                          {arcsine, degrees, -0.5, -30},   {arcsine, degrees, 1, 90},
                          {arccosine, degrees, 0, 90},     {arccosine, degrees, 0.5, 60},
                          {arccosine, degrees, -0.5, 120}, {arccosine, degrees, -1, 180},
                          {arctangent, degrees, 1, 45},    {arctangent, degrees, -1, -45},
                          {arcsine, grads, 1, 100},        {arccosine, grads, -1, 200},
                          {arctangent, grads, 1, 50},      {arccosine, grads, 0.5, 400.0 / 6}};

TEST(ExactAngles, AreExact) {
    for (const Row& r : exact_rows) {
        EXPECT_EQ(r.f(r.x, r.unit), r.expected) << "row " << &r - exact_rows;
    }
}

// Ordinary angles agree with the standard library, evaluated in long double on the angle in
// radians, to a few units in the last place; radian arguments are used as they are.
TEST(OrdinaryAngles, AgreeWithTheStandardLibrary) {
    const long double pi = std::numbers::pi_v<long double>;
    const double angles[] = {1, 10, 17.5, 29.9, 44, 77, 123.4, 200, 299, 1000.25, -33, -721.5};
    const double ratios[] = {0.1, 0.25, -0.3, 0.7, 0.99, -0.999, 0.49999999, 1e-9};
    for (const AngleUnit& unit : {degrees, grads}) {
        const long double per_unit = pi * 2 / unit.full_turn;
        auto near = [](double got, long double want) {
            EXPECT_NEAR(got, static_cast<double>(want), 2e-15 * std::fmax(1, std::fabs(got)));
        };
        for (const double x : angles) {
            near(sine(x, unit), std::sin(x * per_unit));
            near(cosine(x, unit), std::cos(x * per_unit));
            near(tangent(x, unit), std::tan(x * per_unit));
        }
        for (const double x : ratios) {
            near(arcsine(x, unit), std::asin(static_cast<long double>(x)) / per_unit);
            near(arccosine(x, unit), std::acos(static_cast<long double>(x)) / per_unit);
            near(arctangent(x * 1000, unit), std::atan(x * 1000.0L) / per_unit);
        }
    }
    for (const double x : {0.5, -2.0, 3.141592653589793, 1e10}) {
        EXPECT_EQ(sine(x, radians), std::sin(x));
        EXPECT_EQ(cosine(x, radians), std::cos(x));
        EXPECT_EQ(tangent(x, radians), std::tan(x));
        EXPECT_EQ(arctangent(x, radians), std::atan(x));
    }
    EXPECT_EQ(arcsine(0.5, radians), std::asin(0.5));
    EXPECT_EQ(arccosine(-1, radians), std::acos(-1.0));
}

const Row fault_rows[] = {{tangent, degrees, 90, 0},
                          {tangent, degrees, 270, 0},
                          {tangent, degrees, -90, 0},
                          {tangent, degrees, 450, 0},
                          {tangent, degrees, 900000090, 0},
                          {tangent, grads, 100, 0},
                          {tangent, grads, 300, 0},
                          {tangent, grads, -100, 0},
                          {arcsine, degrees, 1.0000001, 0},
                          {arcsine, radians, -2, 0},
                          {arccosine, grads, 2, 0},
                          {arccosine, radians, -1.5, 0},
                          {arcsine, radians, std::numeric_limits<double>::quiet_NaN(), 0}};

TEST(AngleFaults, AreRuntimeFaults) {
    for (const Row& r : fault_rows) {
        EXPECT_THROW(r.f(r.x, r.unit), RuntimeFault) << "row " << &r - fault_rows;
    }
    // Prints as 1.79769313486232E+308, beyond the range of a double: the entry cannot hold it.
    EXPECT_THROW(print_default(std::numeric_limits<double>::max()), RuntimeFault);
}

} // namespace
} // namespace calc
