// A sequence of operator actions and unit behaviours driving the real panel: every frame
// that reaches the unit must be one of the eight forms, with minutes "00" to "90".
#include "ConsoleDlg.h"
#include "ControlIds.h"
#include "support/MessageBoxWatch.h"
#include "support/SimulatedConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kButtons[] = {IDC_START,  IDC_STOP,      IDC_LENGTH_SET, IDC_ALARM_ON, IDC_ALARM_OFF,
                            IDC_AMBER_SET, IDC_MIC_SET, IDC_PRESET_5,   IDC_PRESET_10, IDC_PRESET_90};
constexpr int kEdits[] = {IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_EDIT};
const char* const kTexts[] = {"", "0", "90", "91", "-1", "-5", "12abc", " 7", "--", "x",
                              "99999999999", "-2147483648", "2147483647", "+45", "\t3"};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SimulatedConsole console;
    auto& [clock, unit, driver, link, poll] = console;
    auto dlg = std::make_unique<CConsoleDlg>(poll);
    dlg->show();

    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t op = data[i], arg = data[i + 1];
        switch (op % 6) {
        case 0:
            clock.Advance(kPollPeriod * (1 + arg % 8));
            dlg->OnTimer();
            break;
        case 1: {
            auto* button = static_cast<QAbstractButton*>(dlg->GetDlgItem(kButtons[arg % std::size(kButtons)]));
            if (button->isEnabled()) {
                MessageBoxWatch boxes;
                button->click();
            }
            break;
        }
        case 2: {
            auto* edit = static_cast<QLineEdit*>(dlg->GetDlgItem(kEdits[arg % 3]));
            edit->setText(QString::fromLatin1(kTexts[(arg / 3) % std::size(kTexts)]));
            break;
        }
        case 3:
            if (arg % 2)
                driver.Unplug();
            else
                driver.Replug();
            break;
        case 4: {
            SimFaults& faults = driver.Faults();
            faults.silent = arg & 1;
            faults.shortAnswer = (arg & 2) ? arg % 11 : -1;
            faults.lateBy = Millis{(arg & 4) ? 150 : 0};
            faults.noiseBytes = (arg & 8) ? arg % 5 : 0;
            break;
        }
        case 5:
            clock.Advance(Millis{1000} * arg);
            break;
        }
    }

    for (const auto& frame : driver.Written())
        if (!ParseFrame(frame.data(), frame.size()))
            std::abort();
    return 0;
}
