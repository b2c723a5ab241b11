// Plays a scenario (one command per line) against a fresh calculator with a fake platform.
#pragma once

#include <iosfwd>

namespace calc {

// Returns 0 when every expectation held, 1 when one failed, 2 on an unknown command,
// control or property (the run stops there).
int run_scenario(std::istream& in, std::ostream& out);

} // namespace calc
