// What a learner or a teacher chose to practise when starting the drill.
#pragma once

#include "engine/choice.h"

struct Practice {
    engine::Choice choice;  // the tenses and verbs exercises are drawn among; all of them by default
    bool feedback = false;  // answers marked right or wrong after "Avaluar.", and "Solució."
};
