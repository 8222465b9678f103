// A keyboard whose key states the test sets, and which remembers every key
// asked about, in order.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "config/Keyboard.h"

namespace wendox::testing {

class FakeKeyboard final : public Keyboard {
public:
    std::map<int, std::uint16_t> states;  // a key not named here is up (state 0)
    std::vector<int> queries;

    std::uint16_t KeyState(int virtualKey) override {
        queries.push_back(virtualKey);
        const auto it = states.find(virtualKey);
        return it == states.end() ? 0 : it->second;
    }
};

}  // namespace wendox::testing
