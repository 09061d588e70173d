// The operator's commands against the simulated unit: the three "Nastavit" commands write
// their frame at once, START, STOP and the warning buttons only arm the poll tick.
#include "PanelTestSupport.h"

#include <optional>
#include <random>

namespace {

const QString kRangeText = QString::fromUtf8("Hodnota mimo rozsah 0-90 minut");
const QString kRangeTitle = QString::fromUtf8("Vstupní hodnoty");

using CommandsTest = PanelTest;

TEST_F(CommandsTest, APresetGoesOutThroughTheEditAndASecondPressSendsZero) {
    MakeLive();
    ClickRadio(IDC_PRESET_25);
    EXPECT_TRUE(driver.Written().empty());
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "25");

    Click(IDC_LENGTH_SET);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(driver.Written()[0], (std::vector<std::uint8_t>{0x02, 'T', 'I', 'M', '2', '5', 0x03}));
    EXPECT_EQ(unit.LengthMinutes(), 25);
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "25");
    EXPECT_TRUE(CheckedPresets().empty());
    EXPECT_EQ(dlg.TypedLengthFlag(), 0);

    // Nothing changed since: no preset is checked, so the length is 0.
    driver.ClearWritten();
    Click(IDC_LENGTH_SET);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].kind, ParsedFrame::Kind::Tim);
    EXPECT_EQ(Sent()[0].minutes, 0);
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "0");
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CommandsTest, ThePresetClickedAgainAfterItWasSentIsSentAgain) {
    MakeLive();
    ClickRadio(IDC_PRESET_60);
    Click(IDC_LENGTH_SET);
    ClickRadio(IDC_PRESET_60);  // the edit already shows "60": still a change of the edit
    EXPECT_EQ(dlg.TypedLengthFlag(), 1);
    Click(IDC_LENGTH_SET);
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].minutes, 60);
    EXPECT_TRUE(CheckedPresets().empty());
}

TEST_F(CommandsTest, TheUnitsOwnLengthIsResentAfterTheRefill) {
    MakeLive();
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "20");
    Click(IDC_LENGTH_SET);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].minutes, 20);
}

TEST_F(CommandsTest, TypedLengthsOutsideTheRangeSendZeroWithoutAMessage) {
    MakeLive();
    const struct {
        const char* typed;
        int sent;
        const char* shown;
    } cases[] = {
        {"7", 7, "7"},       {"90", 90, "90"},  {"0", 0, "0"},         {"95", 0, "0"},
        {"-5", 0, "0"},      {"91", 0, "0"},    {"99999999999", 0, "0"}, {"-2147483648", 0, "0"},
        {" 45min", 45, "45"}, {"+3", 3, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        driver.ClearWritten();
        ClickRadio(IDC_PRESET_85);
        Type(IDC_LENGTH_EDIT, c.typed);
        EXPECT_TRUE(driver.Written().empty()) << "choosing and typing send nothing";
        Click(IDC_LENGTH_SET);
        const auto sent = Sent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].kind, ParsedFrame::Kind::Tim);
        EXPECT_EQ(sent[0].minutes, c.sent);
        EXPECT_EQ(Text(IDC_LENGTH_EDIT), c.shown);
        EXPECT_TRUE(CheckedPresets().empty()) << "a typed length unchecks the presets";
    }
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_EQ(unit.LengthMinutes(), 3);
}

TEST_F(CommandsTest, YellowLightAndMicrophoneCheckTheirRange) {
    MakeLive();
    const auto none = std::nullopt;
    const struct {
        int edit;
        int button;
        const char* typed;
        std::optional<int> sent;
        bool rangeMessage;
        const char* shown;  // the edit afterwards
    } cases[] = {
        {IDC_AMBER_EDIT, IDC_AMBER_SET, "91", none, true, "0"},
        {IDC_AMBER_EDIT, IDC_AMBER_SET, "-1", none, true, "0"},
        {IDC_AMBER_EDIT, IDC_AMBER_SET, "99999999999", none, true, "0"},
        {IDC_AMBER_EDIT, IDC_AMBER_SET, "0", 0, false, "0"},
        {IDC_AMBER_EDIT, IDC_AMBER_SET, "12abc", 12, false, "12abc"},  // sent as read, the text stays
        {IDC_MIC_EDIT, IDC_MIC_SET, "0", 0, false, "0"},
        {IDC_MIC_EDIT, IDC_MIC_SET, "90", 90, false, "90"},
        {IDC_MIC_EDIT, IDC_MIC_SET, "9", 9, false, "9"},
        {IDC_MIC_EDIT, IDC_MIC_SET, "-2147483648", none, true, "0"},
        {IDC_MIC_EDIT, IDC_MIC_SET, "100", none, true, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        driver.ClearWritten();
        const std::size_t seenBefore = boxes.Seen().size();
        Type(c.edit, c.typed);
        Click(c.button);

        const auto sent = Sent();
        ASSERT_EQ(sent.size(), c.sent ? 1u : 0u);
        if (c.sent) {
            EXPECT_EQ(sent[0].kind, c.edit == IDC_AMBER_EDIT ? ParsedFrame::Kind::Amb : ParsedFrame::Kind::Mic);
            EXPECT_EQ(sent[0].minutes, *c.sent);
        }
        ASSERT_EQ(boxes.Seen().size(), seenBefore + (c.rangeMessage ? 1 : 0));
        if (c.rangeMessage) {
            EXPECT_EQ(boxes.Seen().back().text, kRangeText);
            EXPECT_EQ(boxes.Seen().back().title, kRangeTitle);
            EXPECT_EQ(boxes.Seen().back().icon, QMessageBox::Critical);
            EXPECT_EQ(c.edit == IDC_AMBER_EDIT ? dlg.m_nAmberMinutes : dlg.m_nMicMinutes, 0);
        }
        EXPECT_EQ(Text(c.edit), c.shown);
    }
    EXPECT_EQ(unit.AmberMinutes(), 12);
    EXPECT_EQ(unit.MicMinutes(), 9);
}

TEST_F(CommandsTest, UnreadableTextSendsThePreviousValue) {
    MakeLive();
    // Amber: the prompt, then the previous value is checked and sent; the text stays.
    Type(IDC_AMBER_EDIT, "x");
    Click(IDC_AMBER_SET);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Warning);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].kind, ParsedFrame::Kind::Amb);
    EXPECT_EQ(Sent()[0].minutes, 2);
    EXPECT_EQ(Text(IDC_AMBER_EDIT), "x");

    // Length: the length read last time (the unit's 20, by the exchange above) counts as
    // typed; it goes back into the edit and out to the unit.
    driver.ClearWritten();
    Type(IDC_LENGTH_EDIT, "--");
    Click(IDC_LENGTH_SET);
    ASSERT_EQ(boxes.Seen().size(), 2u);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].minutes, 20);
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "20");
}

TEST_F(CommandsTest, ALengthCommandRewritesTheOtherEditsFromTheirValues) {
    MakeLive();
    Type(IDC_AMBER_EDIT, "12abc");
    Type(IDC_MIC_EDIT, " 007");
    Type(IDC_LENGTH_EDIT, "30");
    Click(IDC_LENGTH_SET);
    EXPECT_EQ(Text(IDC_AMBER_EDIT), "12");
    EXPECT_EQ(Text(IDC_MIC_EDIT), "7");
    EXPECT_EQ(dlg.m_nAmberMinutes, 12);
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "the yellow-light value is not sent by the length command";
    EXPECT_EQ(sent[0].kind, ParsedFrame::Kind::Tim);
    EXPECT_EQ(dlg.TypedLengthFlag(), 0) << "the rewrite is no typing";
}

TEST_F(CommandsTest, StartStopAndWarningButtonsOnlyArmTheTick) {
    MakeLive();
    const struct {
        int id;
        int PendingCommands::*flag;
        ParsedFrame::Kind frame;
    } cases[] = {
        {IDC_START, &PendingCommands::m_nStart, ParsedFrame::Kind::Start},
        {IDC_STOP, &PendingCommands::m_nStop, ParsedFrame::Kind::Stop},
        {IDC_ALARM_OFF, &PendingCommands::m_nQuiet, ParsedFrame::Kind::Quiet},  // "Zakázat"
        {IDC_ALARM_ON, &PendingCommands::m_nAlarm, ParsedFrame::Kind::Alarm},   // "Povolit"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        driver.ClearWritten();
        dlg.EnableControl(c.id, true);
        Click(c.id);
        EXPECT_EQ(poll.Pending().*c.flag, 1);
        EXPECT_TRUE(driver.Written().empty());
        Tick();
        EXPECT_EQ(poll.Pending().*c.flag, 0);
        ASSERT_EQ(Sent().size(), 1u);
        EXPECT_EQ(Sent()[0].kind, c.frame);
    }
}

// Whatever the operator types, nothing out of range reaches the wire.
TEST_F(CommandsTest, NoInputPutsAnInvalidFrameOnTheWire) {
    MakeLive();
    const std::string alphabet = " +-0123456789x9";
    const int edits[] = {IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_EDIT};
    const int buttons[] = {IDC_LENGTH_SET, IDC_AMBER_SET, IDC_MIC_SET};
    std::mt19937 random(7);
    for (int n = 0; n < 150; ++n) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 14);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const int which = static_cast<int>(random() % 3);
        Edit(edits[which])->setText(QString::fromLatin1(text));
        Click(buttons[which]);
    }
    ASSERT_FALSE(driver.Written().empty());
    for (const auto& bytes : driver.Written()) {
        const auto frame = ParseFrame(bytes.data(), bytes.size());
        ASSERT_TRUE(frame.has_value()) << std::string(bytes.begin(), bytes.end());
        EXPECT_GE(frame->minutes, 0);
        EXPECT_LE(frame->minutes, 90);
    }
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
