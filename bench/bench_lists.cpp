// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Time taken by one click's worth of work: building a command list (or a
// rejection) from the texts of a tab's fields.

#include "BeaconList.h"
#include "StudyList.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <variant>

namespace {

using brenvik::BeaconListRequest;
using brenvik::CommandList;
using brenvik::InputRejection;
using brenvik::ListOutcome;
using brenvik::StudyListRequest;

constexpr std::size_t study16Lines = 24;
constexpr std::size_t study128Lines = 27;
constexpr std::size_t beaconLines = 17;

// A benchmark that silently timed the wrong path would mislead: each one
// first checks that its request has the outcome it is meant to time.
bool IsListOf(const ListOutcome &outcome, std::size_t lines)
{
    const auto *list = std::get_if<CommandList>(&outcome);
    return list != nullptr && list->size() == lines;
}

bool IsRejection(const ListOutcome &outcome)
{
    return std::holds_alternative<InputRejection>(outcome);
}

template<typename Request, typename Build, typename Check>
void TimeBuild(benchmark::State &state, const Request &request, Build build, Check check)
{
    if (!check(build(request))) {
        state.SkipWithError("the request does not have the expected outcome");
        return;
    }
    for (auto _ : state) {
        ListOutcome outcome = build(request);
        benchmark::DoNotOptimize(outcome);
        benchmark::ClobberMemory();
    }
}

void BM_StudyList16BitDefaults(benchmark::State &state)
{
    const StudyListRequest request{"FFE1", "FFE1", 0};
    TimeBuild(state, request, brenvik::BuildStudyList,
              [](const ListOutcome &outcome) { return IsListOf(outcome, study16Lines); });
}
BENCHMARK(BM_StudyList16BitDefaults);

void BM_StudyList128Bit(benchmark::State &state)
{
    const StudyListRequest request{"0000FFE1-0000-1000-8000-00805F9B34FB",
                                   "0000ffe2-0000-1000-8000-00805f9b34fb", 1};
    TimeBuild(state, request, brenvik::BuildStudyList,
              [](const ListOutcome &outcome) { return IsListOf(outcome, study128Lines); });
}
BENCHMARK(BM_StudyList128Bit);

void BM_BeaconListDefaults(benchmark::State &state)
{
    const BeaconListRequest request{"0000FFF0-0000-1000-8000-00805F9B34FB", "10123", "10125"};
    TimeBuild(state, request, brenvik::BuildBeaconList,
              [](const ListOutcome &outcome) { return IsListOf(outcome, beaconLines); });
}
BENCHMARK(BM_BeaconListDefaults);

// Notify "0000" fails the 16-bit value check, after both digit checks.
void BM_StudyRejectZeroNotify(benchmark::State &state)
{
    const StudyListRequest request{"0000", "FFE1", 0};
    TimeBuild(state, request, brenvik::BuildStudyList, IsRejection);
}
BENCHMARK(BM_StudyRejectZeroNotify);

// A 31-digit UUID passes every digit check and fails the length check.
void BM_BeaconRejectShortUuid(benchmark::State &state)
{
    const BeaconListRequest request{"0000FFF0-0000-1000-8000-00805F9B34F", "10123", "10125"};
    TimeBuild(state, request, brenvik::BuildBeaconList, IsRejection);
}
BENCHMARK(BM_BeaconRejectShortUuid);

} // namespace
