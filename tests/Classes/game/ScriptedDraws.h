#pragma once
// Random sources for the maths game's tests: one that gives listed values in order (and 0 once the
// list is used up, counting those), and one seeded for long repeatable runs.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <random>

#include "Classes/game/MGameRandom.h"

namespace game_test {

class ScriptedDraws {
  public:
    // The draws in the order the code asks for them.
    void add(std::initializer_list<std::uint32_t> values) { values_.insert(values_.end(), values); }
    void addRepeated(std::uint32_t value, int count) { values_.insert(values_.end(), count, value); }
    // A draw that yields the float value f from randomFloat (f a multiple of 2^-32).
    static std::uint32_t fraction(double f) { return static_cast<std::uint32_t>(f * 4294967296.0); }

    std::shared_ptr<MGameRandom> random() {
        return std::make_shared<MGameRandom>([this]() -> std::uint32_t {
            if (values_.empty()) {
                ++overrun_;
                return 0;
            }
            std::uint32_t v = values_.front();
            values_.pop_front();
            return v;
        });
    }
    std::size_t left() const { return values_.size(); }
    int overrun() const { return overrun_; }

  private:
    std::deque<std::uint32_t> values_;
    int overrun_ = 0;
};

inline std::shared_ptr<MGameRandom> seededRandom(std::uint32_t seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return std::make_shared<MGameRandom>([engine] { return static_cast<std::uint32_t>((*engine)()); });
}

}  // namespace game_test
