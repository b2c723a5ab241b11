// libFuzzer entry: the fuzzer's bytes choose the events; any broken invariant aborts.
#include <cstdio>
#include <cstdlib>

#include "event_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    calc::ByteChoices choices(data, size);
    calc::EventPlayer player;
    const std::string failure = player.play(choices, 200);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
