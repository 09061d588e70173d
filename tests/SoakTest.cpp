// A long run of the real panel against a misbehaving simulated unit and a careless operator.
// After every tick the panel must show what the last decoded reply dictates, nothing out of
// form may reach the unit, and nothing may keep growing.
#include "ConsoleDlg.h"
#include "ControlIds.h"
#include "StatusDecoder.h"
#include "support/FakePanel.h"
#include "support/MessageBoxWatch.h"
#include "support/SimulatedConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

// AddressSanitizer holds freed memory back in quarantine, so resident size says nothing there;
// LeakSanitizer watches for leaks in that build instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMeasureMemory = false;
#else
constexpr bool kMeasureMemory = true;
#endif
#else
constexpr bool kMeasureMemory = true;
#endif

namespace {

constexpr int kTen[] = {IDC_START,     IDC_STOP,        IDC_LENGTH_SET, IDC_ALARM_ON, IDC_ALARM_OFF,
                        IDC_AMBER_SET, IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_SET,  IDC_MIC_EDIT};
constexpr int kButtons[] = {IDC_START,     IDC_STOP,    IDC_LENGTH_SET, IDC_ALARM_ON,  IDC_ALARM_OFF,
                            IDC_AMBER_SET, IDC_MIC_SET, IDC_PRESET_5,   IDC_PRESET_15, IDC_PRESET_90};
const char* const kTexts[] = {"0", "1", "45", "90", "91", "-3", "12abc", "", "x", "99999999999"};

int OpenDescriptors() { return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot).size()); }

long ResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

int SoakTicks() {
    const QByteArray fromEnvironment = qgetenv("KARVELOSTRUM_SOAK_TICKS");
    return fromEnvironment.isEmpty() ? 100'000 : fromEnvironment.toInt();
}

TEST(Soak, PanelFollowsEveryDecodedReplyThroughFaultsAndCarelessInput) {
    SimulatedConsole console;
    auto& [clock, unit, driver, link, poll] = console;
    CConsoleDlg dlg(poll);
    dlg.show();

    std::mt19937 random(20261211);
    const int ticks = SoakTicks();
    int descriptorsAfterWarmUp = 0;
    long memoryAfterWarmUp = 0;
    std::size_t framesChecked = 0;

    for (int tick = 0; tick < ticks; ++tick) {
        // Now and then the operator does something, or the unit misbehaves.
        switch (random() % 16) {
        case 0: {
            auto* button = static_cast<QAbstractButton*>(dlg.GetDlgItem(kButtons[random() % std::size(kButtons)]));
            if (button->isEnabled()) {
                MessageBoxWatch boxes;
                button->click();
            }
            break;
        }
        case 1: {
            const int edits[] = {IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_EDIT};
            static_cast<QLineEdit*>(dlg.GetDlgItem(edits[random() % 3]))
                ->setText(QString::fromLatin1(kTexts[random() % std::size(kTexts)]));
            break;
        }
        case 2:
            if (random() % 4 == 0)
                driver.Unplug();
            else
                driver.Replug();
            break;
        case 3: {
            SimFaults faults;
            switch (random() % 5) {
            case 0: faults.silent = true; break;
            case 1: faults.shortAnswer = static_cast<int>(random() % 10); break;
            case 2: faults.lateBy = Millis{150}; break;
            case 3: faults.noiseBytes = static_cast<int>(1 + random() % 4); break;
            default: break;  // healthy again
            }
            driver.Faults() = faults;
            break;
        }
        default:
            break;
        }

        clock.Advance(kPollPeriod);
        dlg.OnTimer();
        clock.TakeSleeps();  // the clock's own record would otherwise grow

        // What the last decoded reply dictates, worked out afresh.
        const ReplyArea& reply = poll.LastDecodedReply();
        StatusState expected;
        FakePanel shadow;
        DecodeStatusReply(reply, expected, shadow);
        for (int id : kTen)
            ASSERT_EQ(dlg.GetDlgItem(id)->isEnabled(), shadow.m_enabled.at(id)) << "tick " << tick << " control " << id;
        ASSERT_STREQ(poll.State().TimeText, expected.TimeText) << "tick " << tick;
        ASSERT_EQ(poll.State().DisplayColour, expected.DisplayColour) << "tick " << tick;
        ASSERT_STREQ(dlg.ShownTimeText(), expected.TimeText) << "tick " << tick;
        ASSERT_EQ(dlg.ShownTimeColour(), expected.DisplayColour) << "tick " << tick;
        if (expected.m_nLinkLost) {
            ASSERT_EQ(static_cast<QLineEdit*>(dlg.GetDlgItem(IDC_LENGTH_EDIT))->text(), "--");
            ASSERT_EQ(static_cast<QLineEdit*>(dlg.GetDlgItem(IDC_AMBER_EDIT))->text(), "--");
        }

        for (; framesChecked < driver.Written().size(); ++framesChecked) {
            const auto& frame = driver.Written()[framesChecked];
            ASSERT_TRUE(ParseFrame(frame.data(), frame.size())) << "tick " << tick;
        }
        if (driver.Written().size() > 4096) {
            driver.ClearWritten();
            framesChecked = 0;
        }

        if (tick == 1000) {
            QCoreApplication::processEvents();
            descriptorsAfterWarmUp = OpenDescriptors();
            memoryAfterWarmUp = ResidentKiB();
        }
    }

    QCoreApplication::processEvents();
    if (ticks > 1000) {
        EXPECT_EQ(OpenDescriptors(), descriptorsAfterWarmUp);
        // Allocator noise only: a leak of even a few bytes a tick would show as megabytes.
        if (kMeasureMemory)
            EXPECT_LT(ResidentKiB() - memoryAfterWarmUp, 2048) << "KiB grown since the warm-up";
    }
    EXPECT_GT(unit.Received().size(), 0u);
}

}  // namespace
