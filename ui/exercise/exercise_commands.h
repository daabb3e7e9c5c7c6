// What the exercise window's buttons and menu do. The keys and screen readers do the same.
#pragma once

#include <functional>

#include "exercise.h"

struct ExerciseCommands {
    std::function<void()> restart;
    std::function<void()> score;
    std::function<void()> newExercise;
    std::function<void()> openMenu;
    std::function<void()> closeMenu;
    std::function<void()> instructions;
    std::function<void()> quit;
    std::function<void()> minimise;
    std::function<void()> close;
    std::function<void(engine::Slot target, engine::Slot source)> drop;
};
