// karvelostrum-demo: the console wired to a simulated timer unit, with the unit's face beside it.
#include "ConsoleApp.h"
#include "ConsoleDlg.h"
#include "SimDriver.h"
#include "SimFace.h"
#include "SimulatedUnit.h"

#include "Clock.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// For bench/measure_startup.py: report the time to the panel's first paint, then quit.
class QuitAfterFirstPaint : public QObject {
public:
    QuitAfterFirstPaint(QDialog& panel, const QElapsedTimer& clock) : m_panel(panel), m_clock(clock) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_bDone) {
            m_bDone = true;
            std::printf("first-paint-ms %lld\n", static_cast<long long>(m_clock.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, &m_panel, &QDialog::reject);
        }
        return false;
    }

private:
    QDialog& m_panel;
    const QElapsedTimer& m_clock;
    bool m_bDone = false;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    CConsoleApp app(argc, argv);
    const bool measuring = qEnvironmentVariableIsSet("KARVELOSTRUM_DEMO_QUIT_AFTER_PAINT");
    std::unique_ptr<QuitAfterFirstPaint> quitter;
    SteadyClock clock;
    SimulatedUnit unit(clock);
    SimDriver driver(unit, clock);

    app.InitInstance(driver, clock, [&](CConsoleDlg& dlg) {
        if (measuring) {
            quitter = std::make_unique<QuitAfterFirstPaint>(dlg, sinceStart);
            dlg.installEventFilter(quitter.get());
        }
        // Panel and face side by side, centred on the screen together.
        // The face belongs to the panel, so the panel's modal run does not shut it out.
        auto* face = new SimFace(unit, driver, &dlg);
        dlg.adjustSize();
        face->adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int gap = 16;
        const int width = dlg.frameGeometry().width() + gap + face->frameGeometry().width();
        const int left = screen.left() + std::max(0, (screen.width() - width) / 2);
        const int top = screen.top() + std::max(0, (screen.height() - dlg.frameGeometry().height()) / 2);
        dlg.move(left, top);
        face->move(left + dlg.frameGeometry().width() + gap, top);
        face->show();
    });
    return 0;
}
