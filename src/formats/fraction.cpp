// Placeholder until fractions land.
#include "frmMain/frmMain.h"

namespace calc {

std::string frmMain::GetFraction(std::string pDecimal, const std::int16_t& /*pDenom*/) {
    return pDecimal;
}

} // namespace calc
