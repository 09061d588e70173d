// karvelostrum-demo: the console wired to a simulated timer unit, with the unit's face beside it.
#include "ConsoleApp.h"
#include "ConsoleDlg.h"
#include "SimDriver.h"
#include "SimFace.h"
#include "SimulatedUnit.h"

#include "Clock.h"

#include <QGuiApplication>
#include <QScreen>

int main(int argc, char** argv) {
    CConsoleApp app(argc, argv);
    SteadyClock clock;
    SimulatedUnit unit(clock);
    SimDriver driver(unit, clock);
    SimFace face(unit, driver);

    app.InitInstance(driver, clock, [&face](CConsoleDlg& dlg) {
        // Panel and face side by side, centred on the screen together.
        dlg.adjustSize();
        face.adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int gap = 16;
        const int width = dlg.frameGeometry().width() + gap + face.frameGeometry().width();
        const int left = screen.left() + std::max(0, (screen.width() - width) / 2);
        const int top = screen.top() + std::max(0, (screen.height() - dlg.frameGeometry().height()) / 2);
        dlg.move(left, top);
        face.move(left + dlg.frameGeometry().width() + gap, top);
        face.show();
    });
    return 0;
}
