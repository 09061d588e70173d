#include "DeviceLink.h"
#include "support/RecordingDriver.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

const Calls kReopen = {
    "OpenEx Karvelostrum 2", "ResetDevice h1", "SetTimeouts h1 100 100", "SetBaudRate h1 115200",
};

struct DeviceLinkTest : ::testing::Test {
    RecordingDriver driver;
    VirtualClock clock;
    DeviceLink link{driver, clock};
};

TEST_F(DeviceLinkTest, FirstTickWithTheUnitOpensConfiguresAndWaits) {
    EXPECT_FALSE(link.CheckLink());
    Calls expected = {"GetModemStatus null", "Close null"};
    expected.insert(expected.end(), kReopen.begin(), kReopen.end());
    EXPECT_EQ(driver.TakeCalls(), expected);
    EXPECT_EQ(clock.TakeSleeps(), std::vector<Millis>{Millis{100}});
    EXPECT_EQ(link.LastStatus(), FT_OK);

    // The tick after a reopen finds the link alive and does nothing else.
    EXPECT_TRUE(link.CheckLink());
    EXPECT_EQ(driver.TakeCalls(), Calls{"GetModemStatus h1"});
    EXPECT_TRUE(clock.TakeSleeps().empty());
}

TEST_F(DeviceLinkTest, WithoutTheUnitEveryTickClosesTwiceAndNeverWaits) {
    driver.m_bAttached = false;
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(link.CheckLink());
        EXPECT_EQ(driver.TakeCalls(),
                  (Calls{"GetModemStatus null", "Close null", "OpenEx Karvelostrum 2", "Close null"}));
        EXPECT_EQ(link.LastStatus(), FT_DEVICE_NOT_FOUND);
    }
    EXPECT_TRUE(clock.TakeSleeps().empty());
}

TEST_F(DeviceLinkTest, UnplugAndReplugReopenOnTheTickThatNoticesIt) {
    link.CheckLink();
    driver.TakeCalls();
    clock.TakeSleeps();

    driver.m_bAttached = false;  // unplugged while open
    EXPECT_FALSE(link.CheckLink());
    // The old handle stays in place after the close: only an open writes it.
    EXPECT_EQ(driver.TakeCalls(), (Calls{"GetModemStatus h1", "Close h1", "OpenEx Karvelostrum 2", "Close h1"}));
    EXPECT_EQ(link.Handle() != nullptr, true);

    driver.m_bAttached = true;  // plugged in again
    EXPECT_FALSE(link.CheckLink());
    EXPECT_EQ(driver.TakeCalls(), (Calls{"GetModemStatus h1", "Close h1", "OpenEx Karvelostrum 2", "ResetDevice h2",
                                         "SetTimeouts h2 100 100", "SetBaudRate h2 115200"}));
    EXPECT_EQ(clock.TakeSleeps(), std::vector<Millis>{Millis{100}});
    EXPECT_TRUE(link.CheckLink());
}

TEST_F(DeviceLinkTest, TrafficUsesTheCurrentHandleAndFixedSizes) {
    link.CheckLink();
    driver.TakeCalls();
    link.PurgeLink();
    link.WriteFrame(BuildFrame(PlainCommand::Data));
    ReplyArea area;
    link.ReadReply(area);
    EXPECT_EQ(driver.TakeCalls(), (Calls{"Purge h1 3", "Write h1 |DATA |", "Read h1 10"}));
    EXPECT_STREQ(area.data(), "20:00S2002");
}

TEST_F(DeviceLinkTest, AShortReadLeavesTheRestOfThePrefill) {
    link.CheckLink();
    driver.m_reply = "12:3";
    ReplyArea area;
    link.ReadReply(area);
    EXPECT_STREQ(area.data(), "12:3------");
    driver.m_reply = "";
    area.Prefill();
    link.ReadReply(area);
    EXPECT_STREQ(area.data(), "----------");
}

}  // namespace
