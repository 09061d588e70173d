// The real panel against the simulated unit, every tick driven through the dialog's timer
// handler and every wait on a virtual clock.
#include "ConsoleDlg.h"
#include "ControlIds.h"
#include "support/SimulatedConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kTen[] = {IDC_START,     IDC_STOP,        IDC_LENGTH_SET, IDC_ALARM_ON, IDC_ALARM_OFF,
                        IDC_AMBER_SET, IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_SET,  IDC_MIC_EDIT};

struct EndToEndTest : ::testing::Test, SimulatedConsole {
    CConsoleDlg dlg{poll};

    void SetUp() override {
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(kPollPeriod);
            dlg.OnTimer();
        }
    }
    bool Enabled(int id) { return dlg.GetDlgItem(id)->isEnabled(); }
    QString Text(int id) { return static_cast<QLineEdit*>(dlg.GetDlgItem(id))->text(); }
    void Click(int id) { QTest::mouseClick(static_cast<QAbstractButton*>(dlg.GetDlgItem(id)), Qt::LeftButton); }
    void Type(int id, const QString& text) {
        auto* edit = static_cast<QLineEdit*>(dlg.GetDlgItem(id));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // How many pixels of the band carry exactly this colour.
    int BandPixels(QColor colour) {
        const QImage image = dlg.grab(QRect(30, 168, 348, 106)).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).rgb() == colour.rgb();
        return count;
    }
    void ExpectNoUnitState() {
        for (int id : kTen)
            EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(Text(IDC_LENGTH_EDIT), "--");
        EXPECT_EQ(Text(IDC_AMBER_EDIT), "--");
        EXPECT_STREQ(poll.State().TimeText, "-----");
        EXPECT_GT(BandPixels(QColor(255, 0, 0)), 100);
    }
};

TEST_F(EndToEndTest, ATalkFromStartToOvertimeThenUnplugAndReplug) {
    Tick();  // the first tick opens the unit and shows the no-unit state
    ExpectNoUnitState();
    Tick();  // the first status fills the edits from the unit
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "20");
    EXPECT_EQ(Text(IDC_AMBER_EDIT), " 2");
    EXPECT_TRUE(Enabled(IDC_START));
    EXPECT_FALSE(Enabled(IDC_STOP));

    Type(IDC_LENGTH_EDIT, "1");
    Click(IDC_LENGTH_SET);
    Type(IDC_AMBER_EDIT, "0");
    Click(IDC_AMBER_SET);
    EXPECT_EQ(unit.LengthMinutes(), 1);
    EXPECT_EQ(unit.AmberMinutes(), 0);

    Click(IDC_START);
    Tick(2);  // START goes out, then the status comes back
    EXPECT_TRUE(unit.IsRunning());
    EXPECT_FALSE(Enabled(IDC_START));
    EXPECT_TRUE(Enabled(IDC_STOP));
    EXPECT_EQ(poll.State().DisplayColour, 2);
    EXPECT_EQ(poll.State().TimeText[0], ' ') << "a leading zero shows as a blank";
    EXPECT_GT(BandPixels(QColor(0, 128, 0)), 100);
    EXPECT_EQ(BandPixels(QColor(255, 0, 0)), 0);

    Tick(200);  // one minute of virtual time: overtime
    EXPECT_EQ(poll.State().DisplayColour, 1);
    EXPECT_EQ(poll.State().TimeText[0], '-');
    EXPECT_GT(BandPixels(QColor(255, 0, 0)), 100);
    EXPECT_EQ(BandPixels(QColor(0, 128, 0)), 0);

    driver.Unplug();
    Tick();
    ExpectNoUnitState();

    driver.Replug();
    Tick(2);  // reopen, then the unit's state and the refill
    EXPECT_TRUE(Enabled(IDC_STOP));
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), " 1");
    EXPECT_EQ(Text(IDC_AMBER_EDIT), " 0");
}

TEST_F(EndToEndTest, WarningButtonsAndStopReachTheUnitThroughTheTick) {
    Tick(2);
    Click(IDC_ALARM_OFF);
    EXPECT_TRUE(unit.IsAlarmOn()) << "buttons only arm a command";
    Tick(2);
    EXPECT_FALSE(unit.IsAlarmOn());
    EXPECT_TRUE(Enabled(IDC_ALARM_ON));
    EXPECT_FALSE(Enabled(IDC_ALARM_OFF));

    Click(IDC_START);
    Tick(2);
    Click(IDC_STOP);
    Tick(2);
    EXPECT_FALSE(unit.IsRunning());
    EXPECT_TRUE(Enabled(IDC_START));
}

TEST_F(EndToEndTest, AUnitThatStopsAnsweringShowsTheNoUnitStateWithoutReopening) {
    Tick(2);
    const FT_HANDLE open = link.Handle();
    driver.Faults().silent = true;
    Tick();
    ExpectNoUnitState();
    EXPECT_EQ(link.Handle(), open);
    driver.Faults().silent = false;
    Tick();
    EXPECT_TRUE(Enabled(IDC_START));
}

}  // namespace
