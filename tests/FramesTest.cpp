#include "Frames.h"
#include "StatusReply.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const Frame& frame) { return {frame.begin(), frame.end()}; }

TEST(Frames, PlainFramesAreByteExact) {
    const struct {
        PlainCommand command;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {PlainCommand::Start, {0x02, 0x53, 0x54, 0x41, 0x52, 0x54, 0x03}},
        {PlainCommand::Stop, {0x02, 0x53, 0x54, 0x4F, 0x50, 0x20, 0x03}},
        {PlainCommand::Alarm, {0x02, 0x41, 0x4C, 0x41, 0x52, 0x4D, 0x03}},
        {PlainCommand::Quiet, {0x02, 0x51, 0x55, 0x49, 0x45, 0x54, 0x03}},
        {PlainCommand::Data, {0x02, 0x44, 0x41, 0x54, 0x41, 0x20, 0x03}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bytes(BuildFrame(c.command)), c.bytes) << static_cast<int>(c.command);
}

TEST(Frames, SettingFramesCarryTwoDigitMinutes) {
    const struct {
        SettingCommand command;
        int minutes;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {SettingCommand::Tim, 45, {0x02, 'T', 'I', 'M', '4', '5', 0x03}},
        {SettingCommand::Tim, 5, {0x02, 'T', 'I', 'M', '0', '5', 0x03}},
        {SettingCommand::Amb, 0, {0x02, 'A', 'M', 'B', '0', '0', 0x03}},
        {SettingCommand::Mic, 90, {0x02, 'M', 'I', 'C', '9', '0', 0x03}},
        {SettingCommand::Mic, 10, {0x02, 'M', 'I', 'C', '1', '0', 0x03}},
    };
    for (const auto& c : cases) {
        const auto frame = BuildSettingFrame(c.command, c.minutes);
        ASSERT_TRUE(frame.has_value()) << c.minutes;
        EXPECT_EQ(Bytes(*frame), c.bytes) << c.minutes;
        const auto parsed = ParseFrame(*frame);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->minutes, c.minutes);
    }
}

TEST(Frames, MinutesOutsideTheRangeNeverMakeAFrame) {
    for (int minutes : {-1, 91, 99, 100, -2147483647 - 1, 2147483647})
        for (auto command : {SettingCommand::Tim, SettingCommand::Amb, SettingCommand::Mic})
            EXPECT_FALSE(BuildSettingFrame(command, minutes).has_value()) << minutes;
}

TEST(Frames, ParseRecognisesOnlyTheEightForms) {
    const std::vector<std::vector<std::uint8_t>> rejected = {
        {0x02, 'T', 'I', 'M', '9', '1', 0x03},   // beyond 90
        {0x02, 'T', 'I', 'M', '4', 'x', 0x03},   // not a digit
        {0x02, 'S', 'T', 'O', 'P', 'P', 0x03},   // unknown field
        {0x03, 'S', 'T', 'A', 'R', 'T', 0x02},   // framing swapped
        {0x02, 'S', 'T', 'A', 'R', 'T'},         // short
    };
    for (const auto& bytes : rejected)
        EXPECT_FALSE(ParseFrame(bytes.data(), bytes.size()).has_value());
}

TEST(StatusReply, AreaStartsAsTenDashesAndANul) {
    ReplyArea area;
    EXPECT_STREQ(area.data(), "----------");
    EXPECT_EQ(area[kReplySize], '\0');
}

TEST(StatusReply, OvertimeIsTestedOnASignedCharacter) {
    const struct {
        unsigned char leading;
        bool overtime;
    } cases[] = {
        {'0', false}, {'9', false}, {'?', false}, {'-', false}, {0x00, false},
        {'@', true},  {'I', true},  {'J', true},  {0x7F, true},
        {0x80, false}, {0xC9, false}, {0xFF, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsOvertimeMarker(static_cast<char>(c.leading)), c.overtime) << int(c.leading);
    EXPECT_EQ(OvertimeDigit('@'), '0');
    EXPECT_EQ(OvertimeDigit('I'), '9');
}

}  // namespace
