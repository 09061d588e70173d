// CPU cost of the work a poll tick does, with its waits on a virtual clock.
#include "StatusDecoder.h"
#include "support/SimulatedConsole.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

class NullPanel final : public IPanelView {
public:
    void EnableControl(int, bool) override {}
    void SetEditText(int, const char*) override {}
    void DrawTimeText() override {}
};

void BM_DecodeStatusReply(benchmark::State& bench) {
    const char* replies[] = {"12:34R2002", "C2:07s4510", "----------"};
    ReplyArea areas[3];
    for (int i = 0; i < 3; ++i)
        std::memcpy(areas[i].data(), replies[i], kReplySize);
    StatusState state;
    NullPanel panel;
    int i = 0;
    for (auto _ : bench) {
        DecodeStatusReply(areas[i++ % 3], state, panel);
        benchmark::DoNotOptimize(state.TimeText);
    }
}
BENCHMARK(BM_DecodeStatusReply);

void BM_DataTick(benchmark::State& bench) {
    SimulatedConsole console;
    NullPanel panel;
    console.poll.Tick(panel);  // opens the link
    for (auto _ : bench) {
        console.poll.Tick(panel);
        console.clock.Advance(kPollPeriod);
        console.clock.TakeSleeps();
    }
}
BENCHMARK(BM_DataTick);

}  // namespace

BENCHMARK_MAIN();
