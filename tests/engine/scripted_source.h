// A uniform source that returns given draws and counts its reseeds.
#pragma once

#include <deque>

#include "random_source.h"

class ScriptedSource final : public engine::UniformSource {
public:
    // The draws that pick tense `tense` and then verb `verb`.
    void queueExercise(int verb, int tense)
    {
        draws.push_back((tense - 1 + 0.5) / 8.0);
        draws.push_back((verb - 1 + 0.5) / 62.0);
    }
    void reseedFromClock() override { ++reseeds; }
    double next() override
    {
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    std::deque<double> draws;
    int reseeds = 0;
};

inline engine::Exercise buildExercise(int verb, int tense)
{
    ScriptedSource source;
    source.queueExercise(verb, tense);
    engine::Exercise exercise;
    exercise.build(source);
    return exercise;
}
