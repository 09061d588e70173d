// Painting the time display into an offscreen panel, as every decoded tick does.
#include "ConsoleDlg.h"
#include "support/SimulatedConsole.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_DrawTimeText(benchmark::State& bench) {
    SimulatedConsole console;
    CConsoleDlg dlg(console.poll);
    dlg.show();
    QCoreApplication::processEvents();  // exposed, so repaints really paint
    dlg.OnTimer();
    dlg.OnTimer();  // a decoded status: " 20:00" in green
    for (auto _ : bench)
        dlg.DrawTimeText();
}
BENCHMARK(BM_DrawTimeText);

void BM_WholeDataTickWithPanel(benchmark::State& bench) {
    SimulatedConsole console;
    CConsoleDlg dlg(console.poll);
    dlg.show();
    QCoreApplication::processEvents();  // exposed, so repaints really paint
    dlg.OnTimer();
    for (auto _ : bench) {
        console.clock.Advance(kPollPeriod);
        dlg.OnTimer();
        console.clock.TakeSleeps();
    }
}
BENCHMARK(BM_WholeDataTickWithPanel);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
