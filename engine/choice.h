// The tenses and verbs new exercises are drawn among.
#pragma once

#include <vector>

namespace engine {

// Tense numbers 1..8 and verb numbers 1..62, each without repeats. An empty list stands for all of
// them, and each exercise draws among its list as it draws among all: uniformly.
struct Choice {
    std::vector<int> tenses;
    std::vector<int> verbs;
};

}  // namespace engine
