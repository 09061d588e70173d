#include "ControlIds.h"
#include "StatusDecoder.h"
#include "support/FakePanel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ReplyArea Reply(const std::string& bytes) {
    ReplyArea area;
    std::memcpy(area.data(), bytes.data(), std::min(bytes.size(), kReplySize));
    return area;
}

constexpr int kTen[] = {IDC_START,     IDC_STOP,        IDC_LENGTH_SET, IDC_ALARM_ON, IDC_ALARM_OFF,
                        IDC_AMBER_SET, IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_SET,  IDC_MIC_EDIT};

TEST(StatusDecoder, StateLetterDecidesTheTenControls) {
    // START, STOP, LENGTH_SET, ALARM_ON, ALARM_OFF, AMBER_SET, LENGTH_EDIT, AMBER_EDIT, MIC_SET, MIC_EDIT
    const struct {
        char letter;
        std::array<bool, 10> enabled;
        int linkLost;
    } cases[] = {
        {'R', {0, 1, 1, 0, 1, 1, 1, 1, 1, 1}, 0},
        {'r', {0, 1, 1, 1, 0, 1, 1, 1, 1, 1}, 0},
        {'S', {1, 0, 1, 0, 1, 1, 1, 1, 1, 1}, 0},
        {'s', {1, 0, 1, 1, 0, 1, 1, 1, 1, 1}, 0},
        {'-', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {'x', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {'\0', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {'\xD2', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
    };
    for (const auto& c : cases) {
        StatusState state;
        FakePanel panel;
        std::string bytes = "12:34?2002";
        bytes[5] = c.letter;
        DecodeStatusReply(Reply(bytes), state, panel);
        for (std::size_t i = 0; i < 10; ++i)
            EXPECT_EQ(panel.m_enabled.at(kTen[i]), c.enabled[i]) << "letter " << int(c.letter) << " control " << kTen[i];
        EXPECT_EQ(state.m_nLinkLost, c.linkLost);
        EXPECT_EQ(panel.m_enabled.size(), 10u) << "presets and Konec are never touched";
    }
}

TEST(StatusDecoder, SwitchingOrderFollowsTheState) {
    StatusState state;
    FakePanel panel;
    DecodeStatusReply(Reply("12:34R2002"), state, panel);
    std::vector<std::string> expected = {"enable 1009 0", "enable 1010 1", "enable 1030 1", "enable 1033 0",
                                         "enable 1034 1", "enable 1036 1", "enable 1029 1", "enable 1035 1",
                                         "enable 1038 1", "enable 1037 1", "text 1029 20", "text 1035  2"};
    EXPECT_EQ(panel.m_events, expected);

    panel.m_events.clear();
    DecodeStatusReply(Reply("----------"), state, panel);
    expected = {"enable 1009 0", "enable 1010 0", "enable 1030 0", "enable 1033 0", "enable 1034 0",
                "enable 1036 0", "text 1029 --",  "text 1035 --",  "enable 1029 0", "enable 1035 0",
                "enable 1038 0", "enable 1037 0"};
    EXPECT_EQ(panel.m_events, expected);
}

TEST(StatusDecoder, TimeTextAndColourFollowTheLeadingByte) {
    const struct {
        std::string time;
        const char* text;
        int colour;
    } cases[] = {
        {"05:00", " 5:00", 2},
        {"12:34", "12:34", 2},
        {"@0:15", "-0:15", 1},
        {"C2:07", "-32:07", 1},
        {"I9:59", "-99:59", 1},
        {"J0:00", "-:0:00", 1},
        {"\x7F" "0:00", "-o0:00", 1},
        {"-----", "-----", 1},
        {"-1:00", "-1:00", 1},
        {"?1:00", "?1:00", 2},
        {"\x80" "1:00", "\x80" "1:00", 2},
        {"\xC9" "1:00", "\xC9" "1:00", 2},
    };
    for (const auto& c : cases) {
        StatusState state;
        FakePanel panel;
        DecodeStatusReply(Reply(c.time + "S2002"), state, panel);
        EXPECT_STREQ(state.TimeText, c.text) << c.time;
        EXPECT_EQ(state.DisplayColour, c.colour) << c.time;
    }
}

TEST(StatusDecoder, NulAtTheStartGivesAnEmptyGreenText) {
    StatusState state;
    FakePanel panel;
    DecodeStatusReply(Reply(std::string("\0" "5:00S2002", 10)), state, panel);
    EXPECT_EQ(state.TimeText[0], '\0');
    EXPECT_EQ(state.DisplayColour, 2);
    EXPECT_LE(std::strlen(state.TimeText), 6u);
}

TEST(StatusDecoder, RefillHappensOnceAfterStartAndAfterEachNoUnitSpell) {
    StatusState state;
    FakePanel panel;
    DecodeStatusReply(Reply("----------"), state, panel);  // reopen tick
    EXPECT_EQ(panel.m_texts[IDC_LENGTH_EDIT], "--");
    EXPECT_EQ(state.m_nRefill, 1);
    EXPECT_STREQ(state.TimeText, "-----");

    DecodeStatusReply(Reply("05:00S0502"), state, panel);
    EXPECT_EQ(panel.m_texts[IDC_LENGTH_EDIT], " 5");
    EXPECT_EQ(panel.m_texts[IDC_AMBER_EDIT], " 2");
    EXPECT_EQ(state.m_nRefill, 0);

    panel.m_texts.clear();
    DecodeStatusReply(Reply("45:00S4510"), state, panel);  // later settings never reach the edits
    EXPECT_TRUE(panel.m_texts.empty());
    EXPECT_STREQ(state.m_szLengthMirror, "45");
    EXPECT_STREQ(state.m_szAmberMirror, "10");

    DecodeStatusReply(Reply("45:00-4510"), state, panel);  // short answer: no-unit state
    EXPECT_EQ(state.m_nRefill, 1);
    DecodeStatusReply(Reply("45:00s4510"), state, panel);
    EXPECT_EQ(panel.m_texts[IDC_LENGTH_EDIT], "45");
    EXPECT_EQ(panel.m_texts[IDC_AMBER_EDIT], "10");
}

TEST(StatusDecoder, ValidLetterWithoutSettingsSpendsTheRefillOnDashes) {
    StatusState state;
    FakePanel panel;
    DecodeStatusReply(Reply("05:00S"), state, panel);
    EXPECT_STREQ(state.m_szLengthMirror, "--");
    EXPECT_EQ(panel.m_texts[IDC_LENGTH_EDIT], "--");
    EXPECT_EQ(panel.m_texts[IDC_AMBER_EDIT], "--");
    EXPECT_EQ(state.m_nRefill, 0);
}

}  // namespace
