// Plays random event sequences against the calculator and checks, after every event, the
// rules that must hold whatever the user does. Shared by the randomized test and the fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "frmMain.h"

namespace calc {

// Where the player's choices come from: a seeded generator, or the fuzzer's bytes.
class Choices {
public:
    virtual ~Choices() = default;
    // A number below bound (bound > 0).
    virtual std::uint32_t below(std::uint32_t bound) = 0;
    virtual bool exhausted() const = 0;
};

class SeededChoices : public Choices {
public:
    explicit SeededChoices(std::uint32_t seed) : rng_(seed) {}
    std::uint32_t below(std::uint32_t bound) override {
        return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(rng_);
    }
    bool exhausted() const override { return false; }

private:
    std::mt19937 rng_;
};

class ByteChoices : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t below(std::uint32_t bound) override;
    bool exhausted() const override { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

class EventPlayer {
public:
    EventPlayer();
    // Plays up to max_events events; returns an empty text, or the first broken rule with
    // the events that led to it.
    std::string play(Choices& choices, int max_events);

private:
    std::string one_event(Choices& choices);
    std::string broken_rule();

    FakePlatform platform_;
    frmMain form_;
};

} // namespace calc
