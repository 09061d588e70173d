#include "PollController.h"
#include "support/FakePanel.h"
#include "support/RecordingDriver.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

struct PollTickTest : ::testing::Test {
    RecordingDriver driver;
    VirtualClock clock;
    DeviceLink link{driver, clock};
    PollController poll{link, clock};
    FakePanel panel{&poll.State()};

    // Opens the link and clears the records, as after the first two ticks of a run.
    void OpenLink() {
        poll.Tick(panel);
        driver.TakeCalls();
        clock.TakeSleeps();
        panel.m_events.clear();
        panel.m_nDraws = 0;
    }
    // The writes of one tick, with the liveness query taken out.
    Calls TickWrites() {
        poll.Tick(panel);
        Calls writes;
        for (const auto& call : driver.TakeCalls())
            if (call.rfind("Write", 0) == 0)
                writes.push_back(call.substr(9));
        return writes;
    }
};

TEST_F(PollTickTest, DataTickPurgesWaitsWritesWaitsReadsDecodesAndDraws) {
    OpenLink();
    poll.Tick(panel);
    EXPECT_EQ(driver.TakeCalls(), (Calls{"GetModemStatus h1", "Purge h1 3", "Write h1 |DATA |", "Read h1 10"}));
    EXPECT_EQ(clock.TakeSleeps(), (std::vector<Millis>{Millis{20}, Millis{80}}));
    EXPECT_EQ(panel.m_nDraws, 1);
    EXPECT_EQ(panel.m_events.back(), "draw 20:00 2");
}

TEST_F(PollTickTest, ReopenTickShowsTheNoUnitStateAndLeavesCommandsArmed) {
    poll.ArmStart();
    poll.Tick(panel);  // first tick always reopens
    EXPECT_EQ(panel.m_events.back(), "draw ----- 1");
    EXPECT_EQ(panel.m_texts[1029], "--");
    EXPECT_EQ(poll.Pending().m_nStart, 1);
    for (const auto& call : driver.TakeCalls())
        EXPECT_EQ(call.find("Write"), std::string::npos) << call;
    EXPECT_EQ(TickWrites(), Calls{"|START|"});
}

TEST_F(PollTickTest, PendingCommandsGoOutOnePerTickInFixedOrder) {
    OpenLink();
    poll.ArmAlarm();
    poll.ArmQuiet();
    poll.ArmStop();
    poll.ArmStart();
    poll.ArmStart();  // a flag does not count presses
    EXPECT_EQ(TickWrites(), Calls{"|START|"});
    EXPECT_EQ(TickWrites(), Calls{"|STOP |"});
    EXPECT_EQ(TickWrites(), Calls{"|QUIET|"});
    EXPECT_EQ(TickWrites(), Calls{"|ALARM|"});
    EXPECT_EQ(TickWrites(), Calls{"|DATA |"});
}

TEST_F(PollTickTest, CommandTickNeitherReadsNorWaitsNorRedraws) {
    OpenLink();
    poll.ArmStop();
    poll.Tick(panel);
    EXPECT_EQ(driver.TakeCalls(), (Calls{"GetModemStatus h1", "Write h1 |STOP |"}));
    EXPECT_TRUE(clock.TakeSleeps().empty());
    EXPECT_TRUE(panel.m_events.empty());
}

TEST_F(PollTickTest, SilentUnitGivesTheNoUnitStateWithoutReopening) {
    OpenLink();
    driver.m_reply = "";
    for (int tick = 0; tick < 3; ++tick) {
        poll.Tick(panel);
        EXPECT_EQ(driver.TakeCalls(), (Calls{"GetModemStatus h1", "Purge h1 3", "Write h1 |DATA |", "Read h1 10"}));
        EXPECT_EQ(panel.m_events.back(), "draw ----- 1");
        EXPECT_FALSE(panel.m_enabled.at(1009));
    }
}

}  // namespace
