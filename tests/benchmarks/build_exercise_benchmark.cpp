// Building one exercise in the engine, without any window.
#include <benchmark/benchmark.h>

#include "engine/exercise.h"

namespace {

void BuildExercise(benchmark::State& state)
{
    engine::ClockSeededSource source;
    engine::Exercise exercise;
    for (auto _ : state) {
        exercise.build(source);
        benchmark::DoNotOptimize(exercise.board().pool.data());
    }
}
BENCHMARK(BuildExercise)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
