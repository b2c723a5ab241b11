// Fractions: the display's fraction text, drawn under the busy pointer.
#include <string>

#include "fraction_text.h"
#include "frmMain.h"

namespace calc {

std::string frmMain::GetFraction(std::string pDecimal, const std::int16_t& pDenom) {
    set_pointer(MousePointer::Busy);
    do_events();
    std::string result = fraction_text(pDecimal, pDenom);
    set_pointer(MousePointer::Default);
    do_events();
    return result;
}

} // namespace calc
