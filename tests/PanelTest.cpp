// The panel's template, data exchange, keyboard and window behaviour, and the time display.
#include "PanelTestSupport.h"

#include "AboutBox.h"
#include "DialogUnits.h"
#include "IntegerText.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <random>
#include <string>

namespace {

// ---- Reading integers from edits ----

TEST(IntegerText, ReadsAsPercentDWithoutOverflow) {
    const std::string sixtyThreeSpaces(63, ' ');
    const struct {
        std::string text;
        std::optional<int> value;
    } cases[] = {
        {" 5", 5},
        {"12abc", 12},
        {"-3", -3},
        {"+7", 7},
        {"\t\n 42 ", 42},
        {"007", 7},
        {"-0", 0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"x", std::nullopt},
        {"--", std::nullopt},
        {"- 3", std::nullopt},
        {"+", std::nullopt},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {std::string(62, '9'), INT_MAX},
        {sixtyThreeSpaces.substr(1) + "5", 5},  // the digit is the 63rd character
        {sixtyThreeSpaces + "5", std::nullopt},  // the digit is the 64th, beyond what is read
        {"1" + std::string(62, '0') + "5", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadIntegerText(c.text), c.value) << '"' << c.text << '"';
}

// Where "%d" is defined (no overflow), the C library is the reference.
TEST(IntegerText, AgreesWithSscanfOnRandomShortTexts) {
    const std::string alphabet = " \t+-0123456789ax";
    std::mt19937 random(20240521);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        int digits = 0;
        for (char c : text)
            digits += c >= '0' && c <= '9';
        if (digits > 9)
            continue;  // might overflow, where sscanf is undefined
        int expected = 0;
        const bool read = std::sscanf(text.c_str(), "%d", &expected) == 1;
        const auto value = ReadIntegerText(text);
        ASSERT_EQ(value.has_value(), read) << '"' << text << '"';
        if (read) {
            ASSERT_EQ(*value, expected) << '"' << text << '"';
        }
    }
}

// ---- Dialog units ----

TEST(DialogUnits, RoundLikeWindows) {
    // The 8-point shell font on 96 dpi Windows has base units 6 x 13.
    const DialogBaseUnits base{6, 13};
    EXPECT_EQ(MapDialogRect({1, 1, 3, 3}, base), QRect(2, 2, 5, 5));  // 1.5 -> 2, 1.625 -> 2, 4.5 -> 5, 4.875 -> 5
    EXPECT_EQ(MapDialogRect({7, 4, 212, 207}, base), QRect(11, 7, 318, 336));
    EXPECT_EQ(MapDialogSize(351, 222, base), QSize(527, 361));
}

// ---- Template ----

TEST_F(PanelTest, ControlsFollowTheTemplateInCreationAndTabOrder) {
    EXPECT_EQ(dlg.windowTitle(), "Karvelostrum 3.0");
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_EQ(dlg.size(), MapDialogSize(351, 222, dlg.BaseUnits()));
    EXPECT_EQ(dlg.font().pointSize(), 10);
    const Qt::WindowFlags flags = dlg.windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    // The focus chain keeps the order of creation, which is the order of the table.
    QList<QWidget*> controls;
    QWidget* pNext = dlg.GetDlgItem(IDC_START);
    for (std::size_t i = 0; i < kConsoleControls.size(); ++i, pNext = pNext->nextInFocusChain())
        controls.append(pNext);
    EXPECT_EQ(dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 39) << "38 controls and the time band";
    QList<QWidget*> tabStops;
    for (std::size_t i = 0; i < kConsoleControls.size(); ++i) {
        const ControlEntry& entry = kConsoleControls[i];
        QWidget* pControl = controls[static_cast<qsizetype>(i)];
        SCOPED_TRACE(entry.pszName + std::string(" #") + std::to_string(i + 1));
        EXPECT_EQ(pControl->objectName(), entry.pszName);
        if (entry.nId != IDC_STATIC) {
            EXPECT_EQ(dlg.GetDlgItem(entry.nId), pControl);
        }

        QString text;
        switch (entry.kind) {
        case ControlKind::OwnerDrawButton:
            EXPECT_EQ(pControl->size(), QSize(317, 90));
            EXPECT_EQ(pControl->pos(), MapDialogRect(entry.rect, dlg.BaseUnits()).topLeft());
            text = static_cast<QAbstractButton*>(pControl)->text();
            break;
        case ControlKind::AutoRadioButton:
            ASSERT_TRUE(qobject_cast<QRadioButton*>(pControl));
            text = static_cast<QAbstractButton*>(pControl)->text();
            break;
        case ControlKind::Edit:
            ASSERT_TRUE(qobject_cast<QLineEdit*>(pControl));
            text = QString::fromUtf8(entry.pszText);  // the template's empty text; the exchange fills it
            break;
        case ControlKind::DefPushButton:
        case ControlKind::PushButton:
            ASSERT_TRUE(qobject_cast<QPushButton*>(pControl));
            EXPECT_EQ(static_cast<QPushButton*>(pControl)->isDefault(), entry.kind == ControlKind::DefPushButton);
            text = static_cast<QAbstractButton*>(pControl)->text();
            break;
        case ControlKind::GroupBox:
            ASSERT_TRUE(qobject_cast<QGroupBox*>(pControl));
            text = static_cast<QGroupBox*>(pControl)->title();
            break;
        case ControlKind::StaticText:
            ASSERT_TRUE(qobject_cast<QLabel*>(pControl));
            text = static_cast<QLabel*>(pControl)->text();
            break;
        }
        EXPECT_EQ(text, QString::fromUtf8(entry.pszText));
        if (entry.kind != ControlKind::OwnerDrawButton) {
            EXPECT_EQ(pControl->geometry(), MapDialogRect(entry.rect, dlg.BaseUnits()));
        }
        EXPECT_TRUE(dlg.rect().contains(pControl->geometry()));
        EXPECT_EQ(pControl->isVisibleTo(&dlg), !(entry.uFlags & kCtlHidden));
        EXPECT_EQ(pControl->isEnabled(), !(entry.uFlags & kCtlDisabled));
        EXPECT_EQ(bool(pControl->focusPolicy() & Qt::TabFocus), bool(entry.uFlags & kCtlTabStop));
        if (entry.uFlags & kCtlTabStop)
            tabStops.append(pControl);
    }

    // Tab walks the tab stops in creation order, every preset radio included.
    QList<QWidget*> chain;
    QWidget* pWidget = tabStops.front();
    for (int step = 0; step < 100 && chain.size() < tabStops.size(); ++step, pWidget = pWidget->nextInFocusChain())
        if (pWidget->focusPolicy() & Qt::TabFocus)
            chain.append(pWidget);
    EXPECT_EQ(chain, tabStops);
}

TEST_F(PanelTest, OpensWithTheBoundDefaultsAndTheTemplatesEnableStates) {
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "0");
    EXPECT_EQ(Text(IDC_AMBER_EDIT), "2");
    EXPECT_EQ(Text(IDC_MIC_EDIT), "1");
    EXPECT_TRUE(CheckedPresets().empty());
    EXPECT_EQ(dlg.TypedLengthFlag(), 0) << "the opening exchange is not typing";
    for (std::size_t i = 0; i < kConsoleControls.size(); ++i) {
        const ControlEntry& entry = kConsoleControls[i];
        if (entry.uFlags & kCtlHidden)
            continue;
        const bool disabled = entry.nId == IDC_START || entry.nId == IDC_STOP || entry.nId == IDC_LENGTH_SET;
        EXPECT_EQ(dlg.GetDlgItem(entry.nId) ? dlg.GetDlgItem(entry.nId)->isEnabled() : true, !disabled) << entry.pszName;
    }
    EXPECT_TRUE(dlg.GetDlgItem(IDC_AMBER_SET)->isEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_MIC_SET)->isEnabled());
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(PanelTest, PollTimerRunsEvery300MsOnceShown) {
    CConsoleDlg fresh(poll);
    EXPECT_FALSE(fresh.PollTimer().isActive()) << "nothing ticks before the panel opens";
    fresh.show();
    EXPECT_TRUE(fresh.PollTimer().isActive());
    EXPECT_EQ(fresh.PollTimer().interval(), 300);
    EXPECT_EQ(fresh.PollTimer().timerType(), Qt::PreciseTimer);
    fresh.PollTimer().stop();
}

// ---- Data exchange ----

TEST_F(PanelTest, RadioGroupExchange) {
    const struct {
        std::vector<int> checked;  // ids
        int preset;
    } reads[] = {
        {{IDC_PRESET_15}, 2},
        {{IDC_PRESET_90}, 17},
        {{IDC_PRESET_5}, 0},
        {{}, -1},
        {{IDC_PRESET_10, IDC_PRESET_70}, 13},  // set from code, several can stand checked: the last wins
    };
    for (const auto& c : reads) {
        for (int id : kPresetIds)
            Radio(id)->setChecked(false);
        for (int id : c.checked)
            Radio(id)->setChecked(true);
        dlg.m_nPreset = 99;
        EXPECT_TRUE(dlg.UpdateData(true));
        EXPECT_EQ(dlg.m_nPreset, c.preset);
    }

    const struct {
        int preset;
        std::vector<int> checked;  // indexes
    } writes[] = {{3, {3}}, {17, {17}}, {-1, {}}, {18, {}}, {INT_MIN, {}}, {0, {0}}};
    for (int id : kPresetIds)
        Radio(id)->setChecked(true);
    for (const auto& c : writes) {
        dlg.m_nPreset = c.preset;
        dlg.UpdateData(false);
        EXPECT_EQ(CheckedPresets(), c.checked) << c.preset;
    }
    EXPECT_EQ(dlg.TypedLengthFlag(), 0) << "writing the members is not typing";
}

TEST_F(PanelTest, EditExchangeReadsNumbersAndPromptsOnText) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {" 5", 5}, {"12abc", 12}, {"-3", -3}, {"", std::nullopt}, {"x", std::nullopt}, {"--", std::nullopt},
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}, {"Čas", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::size_t seenBefore = boxes.Seen().size();
        Edit(IDC_LENGTH_EDIT)->setText(QString::fromUtf8(c.text));
        dlg.m_nLength = 77;
        const bool ok = dlg.UpdateData(true);
        EXPECT_EQ(ok, c.value.has_value());
        EXPECT_EQ(dlg.m_nLength, c.value.value_or(77));
        if (c.value) {
            EXPECT_EQ(boxes.Seen().size(), seenBefore);
            continue;
        }
        ASSERT_EQ(boxes.Seen().size(), seenBefore + 1);
        const SeenBox& box = boxes.Seen().back();
        EXPECT_EQ(box.text, QString::fromUtf8("Prosím zadejte celé číslo."));
        EXPECT_EQ(box.title, QCoreApplication::applicationName());
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(dlg.focusWidget(), Edit(IDC_LENGTH_EDIT));
        EXPECT_EQ(Text(IDC_LENGTH_EDIT), QString::fromUtf8(c.text)) << "the text stays as typed";
        EXPECT_EQ(Edit(IDC_LENGTH_EDIT)->selectedText(), Text(IDC_LENGTH_EDIT));
    }
}

TEST_F(PanelTest, AFailureInTheAmberEditKeepsWhatWasReadBeforeIt) {
    Radio(IDC_PRESET_35)->setChecked(true);
    Edit(IDC_LENGTH_EDIT)->setText("44");
    Edit(IDC_AMBER_EDIT)->setText("abc");
    Edit(IDC_MIC_EDIT)->setText("9");
    dlg.m_nAmberMinutes = 5;
    dlg.m_nMicMinutes = 6;

    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_nPreset, 6);
    EXPECT_EQ(dlg.m_nLength, 44);
    EXPECT_EQ(dlg.m_nAmberMinutes, 5);
    EXPECT_EQ(dlg.m_nMicMinutes, 6) << "the exchange ends at the failing edit";
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(dlg.focusWidget(), Edit(IDC_AMBER_EDIT));
    EXPECT_EQ(Edit(IDC_AMBER_EDIT)->selectedText(), "abc");
}

TEST_F(PanelTest, LengthEditChangesCountOnlyOutsideAnExchange) {
    // Writing the bound values, even a changed length, raises no change notification.
    dlg.m_nLength = 33;
    dlg.UpdateData(false);
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "33");
    EXPECT_EQ(dlg.TypedLengthFlag(), 0);

    // The poll tick's text is a change.
    Tick();
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "--");
    EXPECT_EQ(dlg.TypedLengthFlag(), 1);
}

TEST_F(PanelTest, APollTickInsideTheIntegerPromptIsNoTyping) {
    Edit(IDC_MIC_EDIT)->setText("?");
    boxes.whileOpen = [this] { Tick(); };  // no unit yet: "--" goes into the length edit
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "--");
    EXPECT_EQ(dlg.TypedLengthFlag(), 0);

    Tick();  // the unit's length, written outside an exchange: a change
    EXPECT_EQ(dlg.TypedLengthFlag(), 1);
}

TEST_F(PanelTest, PresetRadiosBehaveAsAutoRadios) {
    ClickRadio(IDC_PRESET_40);
    EXPECT_EQ(CheckedPresets(), std::vector<int>{7});
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "40");
    EXPECT_EQ(dlg.TypedLengthFlag(), 1);
    EXPECT_EQ(dlg.m_nPreset, -1) << "a change of the edit clears the member, not the radio";

    ClickRadio(IDC_PRESET_40);
    EXPECT_EQ(CheckedPresets(), std::vector<int>{7}) << "clicking a checked radio keeps it checked";

    // Arrows move through the group and check what they reach, wrapping at the ends.
    Radio(IDC_PRESET_40)->setFocus();
    QTest::keyClick(Radio(IDC_PRESET_40), Qt::Key_Down);
    EXPECT_EQ(CheckedPresets(), std::vector<int>{8});
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "45");
    QTest::keyClick(Radio(IDC_PRESET_45), Qt::Key_Right);
    QTest::keyClick(Radio(IDC_PRESET_50), Qt::Key_Up);
    EXPECT_EQ(CheckedPresets(), std::vector<int>{8});
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "45");
    ClickRadio(IDC_PRESET_5);
    QTest::keyClick(Radio(IDC_PRESET_5), Qt::Key_Up);
    EXPECT_EQ(CheckedPresets(), std::vector<int>{17});
    EXPECT_EQ(Text(IDC_LENGTH_EDIT), "90");
    EXPECT_EQ(dlg.focusWidget(), Radio(IDC_PRESET_90));
    EXPECT_TRUE(driver.Written().empty()) << "choosing a preset sends nothing";
}

// ---- Window ----

TEST_F(PanelTest, EnterNeverClosesThePanel) {
    MakeLive();
    const int ids[] = {IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_EDIT, IDC_PRESET_25};
    for (int id : ids) {
        dlg.GetDlgItem(id)->setFocus();
        QTest::keyClick(dlg.GetDlgItem(id), Qt::Key_Return);
        QTest::keyClick(dlg.GetDlgItem(id), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(dlg.isVisible()) << id;
    }
    Button(IDOK)->click();
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(driver.Written().empty()) << "Enter applies nothing";
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(PanelTest, EscapeAndTheCloseBoxEndWithCancel) {
    QTest::keyClick(Edit(IDC_MIC_EDIT), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);

    CConsoleDlg other(poll);
    other.show();
    other.PollTimer().stop();
    other.setResult(QDialog::Accepted);
    EXPECT_TRUE(other.close());
    EXPECT_EQ(other.result(), QDialog::Rejected);
}

TEST_F(PanelTest, TheAboutBoxOpensModallyOverThePanel) {
    QWidget* pParent = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* pBox = qobject_cast<CAboutBox*>(QApplication::activeModalWidget())) {
            pParent = pBox->parentWidget();
            pBox->reject();
        }
    });
    dlg.ShowAboutBox();
    EXPECT_EQ(pParent, &dlg);
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(PanelTest, TheAboutEntryOpensTheAboutBox) {
    std::unique_ptr<QMenu> menu = dlg.CreateAboutMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1) << "one entry, no separator";
    EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8("\"&O aplikaci Karvelostrum...\""));

    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* pBox = qobject_cast<CAboutBox*>(QApplication::activeModalWidget())) {
            opened = true;
            pBox->reject();
        }
    });
    menu->actions()[0]->trigger();
    EXPECT_TRUE(opened);
}

// A panel whose string table lacks the About entry's text.
class PanelWithoutAboutText : public CConsoleDlg {
public:
    using CConsoleDlg::CConsoleDlg;

protected:
    QString LoadStringResource(int) const override { return {}; }
};

TEST_F(PanelTest, WithoutItsTextThereIsNoAboutEntry) {
    PanelWithoutAboutText bare(poll);
    EXPECT_EQ(bare.CreateAboutMenu(), nullptr);
}

// ---- Time display ----

// A script of status replies: the unit answers whatever the test puts in `reply`.
class ScriptedDriver final : public IDeviceDriver {
public:
    std::string reply;

    FT_STATUS GetModemStatus(FT_HANDLE handle, std::uint32_t*) override { return handle ? FT_OK : FT_INVALID_HANDLE; }
    FT_STATUS Close(FT_HANDLE) override { return FT_OK; }
    FT_STATUS OpenEx(const char*, std::uint32_t, FT_HANDLE* handle) override {
        *handle = this;
        return FT_OK;
    }
    FT_STATUS ResetDevice(FT_HANDLE) override { return FT_OK; }
    FT_STATUS SetTimeouts(FT_HANDLE, std::uint32_t, std::uint32_t) override { return FT_OK; }
    FT_STATUS SetBaudRate(FT_HANDLE, std::uint32_t) override { return FT_OK; }
    FT_STATUS Purge(FT_HANDLE, std::uint32_t) override { return FT_OK; }
    FT_STATUS Read(FT_HANDLE, void* buffer, std::uint32_t size, std::uint32_t* received) override {
        *received = static_cast<std::uint32_t>(std::min<std::size_t>(size, reply.size()));
        std::copy_n(reply.data(), *received, static_cast<char*>(buffer));
        return FT_OK;
    }
    FT_STATUS Write(FT_HANDLE, const void*, std::uint32_t size, std::uint32_t* written) override {
        *written = size;
        return FT_OK;
    }
};

struct TimeDisplayTest : ::testing::Test {
    VirtualClock clock;
    ScriptedDriver driver;
    DeviceLink link{driver, clock};
    PollController poll{link, clock};
    CConsoleDlg dlg{poll};

    void SetUp() override {
        dlg.show();
        dlg.PollTimer().stop();
        dlg.OnTimer();  // opens the link: from now on every tick reads `reply`
    }
    void Show(const std::string& reply) {
        driver.reply = reply;
        dlg.OnTimer();
    }
    QImage Band() { return dlg.grab(CConsoleDlg::kTimeBand).toImage().convertToFormat(QImage::Format_RGB32); }
    static int Count(const QImage& image, QRgb colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour;
        return count;
    }
    QRgb Background() { return dlg.palette().color(QPalette::Window).rgb(); }
};

TEST_F(TimeDisplayTest, ColourFollowsTheDecodedState) {
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 128, 0);
    const struct {
        std::string reply;
        const char* time;
        QRgb ink;
        QRgb absent;
    } cases[] = {
        {"12:34S2002", "12:34", green, red},
        {"B0:15R2002", "-20:15", red, green},  // overtime
        {"", "-----", red, green},              // no answer
    };
    for (const auto& c : cases) {
        Show(c.reply);
        ASSERT_STREQ(poll.State().TimeText, c.time);
        const QImage band = Band();
        EXPECT_GT(Count(band, c.ink), 500) << c.time;
        EXPECT_EQ(Count(band, c.absent), 0) << c.time;
        EXPECT_EQ(band.pixel(0, 0), Background()) << "the band's edge is erased to the background";
    }
}

TEST_F(TimeDisplayTest, AShorterTextLeavesNoTraceOfALongerOne) {
    Show("B8:88R2002");  // "-28:88", six characters
    Show("11:11S2002");
    const QImage after = Band();

    CConsoleDlg fresh(poll);
    fresh.show();
    fresh.PollTimer().stop();
    fresh.DrawTimeText();  // the same state, drawn on a clean panel
    EXPECT_EQ(after, fresh.grab(CConsoleDlg::kTimeBand).toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(TimeDisplayTest, ATextThatBeginsWithNulDrawsNothing) {
    Show("88:88S2002");
    ASSERT_GT(Count(Band(), qRgb(0, 128, 0)), 500);
    Show(std::string("\0" "8:88S2002", 10));
    const QImage band = Band();
    EXPECT_EQ(Count(band, Background()), band.width() * band.height());
}

TEST_F(TimeDisplayTest, TheTimeSurvivesRepaintsAndIsHarmlessWhileHidden) {
    Show("12:34S2002");
    dlg.repaint();
    EXPECT_GT(Count(Band(), qRgb(0, 128, 0)), 500);

    dlg.hide();
    Show("B0:00R2002");  // drawn while hidden: nothing to paint now
    dlg.showMinimized();
    Show("B0:01R2002");
    dlg.showNormal();
    EXPECT_GT(Count(Band(), qRgb(255, 0, 0)), 500) << "shown again with the latest time";
    EXPECT_EQ(Count(Band(), qRgb(0, 128, 0)), 0);
}

TEST_F(TimeDisplayTest, TheBandLiesBetweenStartAndStopInsideTheTimerBox) {
    const QRect band = CConsoleDlg::kTimeBand;
    const QRect start = dlg.GetDlgItem(IDC_START)->geometry();
    const QRect stop = dlg.GetDlgItem(IDC_STOP)->geometry();
    QGroupBox* timerBox = nullptr;
    for (QGroupBox* box : dlg.findChildren<QGroupBox*>())
        if (box->title() == QString::fromUtf8("Časovač"))
            timerBox = box;
    ASSERT_TRUE(timerBox);

    EXPECT_LE(start.bottom(), band.top() - 1) << "START ends above the band";
    EXPECT_GE(stop.top(), band.bottom() + 1) << "STOP starts below the band";
    EXPECT_TRUE(timerBox->geometry().adjusted(1, 1, -1, -1).contains(band));
    EXPECT_TRUE(timerBox->geometry().contains(start));
    EXPECT_TRUE(timerBox->geometry().contains(stop));

    // The glyphs of the widest time stay inside the band as well.
    Show("H8:88R2002");  // "-88:88": six characters, the widest time of digits
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(CConsoleDlg::kTimeFontPixels);
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(QString::fromLatin1(poll.State().TimeText))
                          .translated(CConsoleDlg::kTimeOrigin + QPoint(0, metrics.ascent()));
    EXPECT_TRUE(band.contains(ink)) << ink.x() << ',' << ink.y() << ' ' << ink.width() << 'x' << ink.height();
}

}  // namespace
