#include "SimDriver.h"
#include "SimulatedUnit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr Millis kSecond{1000};
constexpr Millis kMinute{60'000};

struct SimulatedUnitTest : ::testing::Test {
    VirtualClock clock;
    SimulatedUnit unit{clock};

    std::string Send(const Frame& frame) {
        const auto answer = unit.Receive(frame.data(), frame.size());
        return {answer.begin(), answer.end()};
    }
    std::string Status() { return Send(BuildFrame(PlainCommand::Data)); }
    void Set(SettingCommand command, int minutes) { Send(*BuildSettingFrame(command, minutes)); }
};

TEST_F(SimulatedUnitTest, PowersOnStoppedAtTwentyMinutes) {
    EXPECT_EQ(Status(), "20:00S2002");
    EXPECT_EQ(unit.Light(), TrafficLight::Green);
    EXPECT_FALSE(unit.IsMicrophoneCut());
}

TEST_F(SimulatedUnitTest, CountsDownHoldsAndRunsIntoOvertime) {
    Set(SettingCommand::Tim, 1);
    Set(SettingCommand::Amb, 0);
    Set(SettingCommand::Mic, 1);
    EXPECT_EQ(Status(), "01:00S0100");
    Send(BuildFrame(PlainCommand::Start));
    clock.Advance(kSecond * 15 + Millis{400});
    EXPECT_EQ(Status(), "00:45R0100");
    Send(BuildFrame(PlainCommand::Stop));
    clock.Advance(kMinute * 5);  // held
    EXPECT_EQ(Status(), "00:45S0100");
    Send(BuildFrame(PlainCommand::Start));
    clock.Advance(kSecond * 45);
    EXPECT_EQ(Status(), "@0:00R0100");
    EXPECT_EQ(unit.Light(), TrafficLight::Red);
    EXPECT_FALSE(unit.IsMicrophoneCut());
    clock.Advance(kMinute + kSecond * 12);
    EXPECT_EQ(Status(), "@1:12R0100");
    EXPECT_TRUE(unit.IsMicrophoneCut());
    clock.Advance(kMinute * 30);
    EXPECT_EQ(Status(), "C1:12R0100");  // marker: tens digit raised by 0x10

    Set(SettingCommand::Tim, 45);  // a new length resets the display and restores the microphone
    EXPECT_EQ(Status(), "45:00R4500");
    EXPECT_FALSE(unit.IsMicrophoneCut());
}

TEST_F(SimulatedUnitTest, StateLettersCarryRunAndWarning) {
    Send(BuildFrame(PlainCommand::Quiet));
    EXPECT_EQ(Status()[5], 's');
    Send(BuildFrame(PlainCommand::Start));
    EXPECT_EQ(Status()[5], 'r');
    Send(BuildFrame(PlainCommand::Alarm));
    EXPECT_EQ(Status()[5], 'R');
    Send(BuildFrame(PlainCommand::Stop));
    EXPECT_EQ(Status()[5], 'S');
}

TEST_F(SimulatedUnitTest, WarningSoundsWhenTheLightTurnsYellowAndRed) {
    Set(SettingCommand::Tim, 3);
    Send(BuildFrame(PlainCommand::Start));
    clock.Advance(kSecond * 59);
    EXPECT_EQ(unit.Light(), TrafficLight::Green);
    clock.Advance(kSecond * 2);
    EXPECT_EQ(unit.Light(), TrafficLight::Yellow);
    EXPECT_EQ(unit.BeepCount(), 1);
    Send(BuildFrame(PlainCommand::Quiet));
    clock.Advance(kMinute * 2);
    EXPECT_EQ(unit.Light(), TrafficLight::Red);
    EXPECT_EQ(unit.BeepCount(), 1) << "quiet: no signal at red";
}

TEST_F(SimulatedUnitTest, IgnoresGarbageAndFindsFramesInAStream) {
    const std::string noise = "\x02XYZ\x03\x02TIM99\x03junk\x02";
    unit.Receive(reinterpret_cast<const std::uint8_t*>(noise.data()), noise.size());
    EXPECT_EQ(unit.LengthMinutes(), 20);
    const std::string rest = "TIM07\x03";  // completes the frame begun above
    unit.Receive(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
    EXPECT_EQ(unit.LengthMinutes(), 7);
}

struct SimDriverTest : ::testing::Test {
    VirtualClock clock;
    SimulatedUnit unit{clock};
    SimDriver driver{unit, clock};
    FT_HANDLE handle = nullptr;

    void Open() {
        ASSERT_EQ(driver.OpenEx("Karvelostrum", FT_OPEN_BY_DESCRIPTION, &handle), FT_OK);
        driver.SetTimeouts(handle, 100, 100);
    }
    std::string Exchange() {
        const Frame data = BuildFrame(PlainCommand::Data);
        std::uint32_t count = 0;
        driver.Write(handle, data.data(), 7, &count);
        char buffer[10];
        std::memset(buffer, '-', sizeof buffer);
        driver.Read(handle, buffer, 10, &count);
        return {buffer, count};
    }
};

TEST_F(SimDriverTest, OpensOnlyByItsDescriptionWhilePlugged) {
    EXPECT_NE(driver.OpenEx("Other", FT_OPEN_BY_DESCRIPTION, &handle), FT_OK);
    driver.Unplug();
    EXPECT_NE(driver.OpenEx("Karvelostrum", FT_OPEN_BY_DESCRIPTION, &handle), FT_OK);
    driver.Replug();
    Open();
    std::uint32_t modem = 0;
    EXPECT_EQ(driver.GetModemStatus(handle, &modem), FT_OK);
    EXPECT_EQ(Exchange(), "20:00S2002");

    driver.Unplug();
    EXPECT_NE(driver.GetModemStatus(handle, &modem), FT_OK);
    EXPECT_EQ(Exchange(), "");
    EXPECT_EQ(driver.Close(nullptr), FT_INVALID_HANDLE);  // harmless
}

TEST_F(SimDriverTest, FaultsShapeTheAnswer) {
    Open();
    driver.Faults().shortAnswer = 4;
    EXPECT_EQ(Exchange(), "20:0");
    driver.Faults() = {};
    driver.Faults().silent = true;
    const Millis before = clock.Now();
    EXPECT_EQ(Exchange(), "");
    EXPECT_EQ(clock.Now() - before, Millis{100}) << "a read waits at most its time-out";

    driver.Faults() = {};
    driver.Faults().lateBy = Millis{150};
    EXPECT_EQ(Exchange(), "");
    clock.Advance(Millis{100});
    char buffer[10];
    std::uint32_t count = 0;
    driver.Read(handle, buffer, 10, &count);
    EXPECT_EQ(std::string(buffer, count), "20:00S2002") << "a late answer is still there for the next read";
    driver.Purge(handle, 3);

    driver.Faults() = {};
    driver.Faults().noiseBytes = 3;
    EXPECT_EQ(Exchange().substr(3), "20:00S2");
}

}  // namespace
