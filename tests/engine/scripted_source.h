// A uniform source that returns given draws and counts its reseeds.
#pragma once

#include <deque>
#include <string>

#include "engine/exercise.h"
#include "engine/random_source.h"

class ScriptedSource final : public engine::UniformSource {
public:
    // The draws that pick tense `tense` and then verb `verb`.
    void queueExercise(int verb, int tense)
    {
        draws.push_back((tense - 1 + 0.5) / 8.0);
        draws.push_back((verb - 1 + 0.5) / 62.0);
    }
    void reseedFromClock() override
    {
        ++reseeds;
        calls += 'r';
    }
    double next() override
    {
        calls += 'd';
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    std::deque<double> draws;
    int reseeds = 0;
    std::string calls;  // 'r' for a reseed, 'd' for a draw, in order
};

inline engine::Exercise buildExercise(int verb, int tense)
{
    ScriptedSource source;
    source.queueExercise(verb, tense);
    engine::Exercise exercise;
    exercise.build(source);
    return exercise;
}
