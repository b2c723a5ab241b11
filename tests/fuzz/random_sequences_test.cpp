// Many random event sequences (fixed seeds): after every event the calculator's invariants
// hold and no fault escapes a handler. The sequences are split over shards for CTest.
#include <gtest/gtest.h>

#include "event_player.h"

namespace calc {
namespace {

constexpr int shards = 8;
constexpr int sequences_per_shard = 12'500; // 100,000 sequences in all
constexpr int max_events = 60;

class RandomSequences : public ::testing::TestWithParam<int> {};

TEST_P(RandomSequences, KeepEveryInvariant) {
    const int shard = GetParam();
    for (int i = 0; i < sequences_per_shard; ++i) {
        const auto seed = static_cast<std::uint32_t>(shard * sequences_per_shard + i);
        SeededChoices choices(seed);
        EventPlayer player;
        const std::string failure =
            player.play(choices, 1 + static_cast<int>(choices.below(max_events)));
        ASSERT_EQ(failure, "") << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomSequences, ::testing::Range(0, shards));

} // namespace
} // namespace calc
