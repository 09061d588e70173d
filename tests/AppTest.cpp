#include "ConsoleApp.h"
#include "ConsoleDlg.h"
#include "ControlIds.h"
#include "DriverChoice.h"
#include "SerialDriver.h"
#include "SimDriver.h"
#include "support/MessageBoxWatch.h"

#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

CConsoleApp* App() { return static_cast<CConsoleApp*>(QCoreApplication::instance()); }

TEST(ConsoleApp, RunsThePanelOnceAndEndsOnEscapeWithoutTouchingTheUnit) {
    VirtualClock clock;
    SimulatedUnit unit(clock);
    SimDriver driver(unit, clock);
    driver.Unplug();  // started with no unit attached

    bool sawNoUnitState = false;
    const bool result = App()->InitInstance(driver, clock, [&](CConsoleDlg& dlg) {
        QTimer::singleShot(0, &dlg, [&] {
            dlg.OnTimer();  // the first tick finds no unit
            auto* length = static_cast<QLineEdit*>(dlg.GetDlgItem(IDC_LENGTH_EDIT));
            sawNoUnitState = length->text() == "--" && !length->isEnabled() &&
                             !dlg.GetDlgItem(IDC_AMBER_SET)->isEnabled();
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(sawNoUnitState);
    EXPECT_TRUE(driver.Written().empty());
    EXPECT_TRUE(unit.Received().empty());
}

TEST(ConsoleApp, NamesFollowTheExecutable) {
    VirtualClock clock;
    SimulatedUnit unit(clock);
    SimDriver driver(unit, clock);
    App()->InitInstance(driver, clock, [](CConsoleDlg& dlg) { QTimer::singleShot(0, &dlg, &QDialog::reject); });
    EXPECT_EQ(QCoreApplication::applicationName(), "app_tests");
    EXPECT_EQ(QCoreApplication::organizationName(), "Karvelostrum");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "3.0");
    EXPECT_EQ(QSettings().applicationName(), "app_tests");
    EXPECT_TRUE(App()->HelpFilePath().endsWith("/app_tests.hlp"));
}

TEST(ConsoleApp, F1WithoutModifiersReportsThatHelpCannotStart) {
    VirtualClock clock;
    SimulatedUnit unit(clock);
    SimDriver driver(unit, clock);
    const struct {
        Qt::KeyboardModifiers modifiers;
        bool message;
    } cases[] = {
        {Qt::NoModifier, true},
        {Qt::ShiftModifier, false},
        {Qt::ControlModifier, false},
        {Qt::AltModifier, false},
    };
    for (const auto& c : cases) {
        std::vector<SeenBox> seen;
        bool stillOpen = false;
        App()->InitInstance(driver, clock, [&](CConsoleDlg& dlg) {
            QTimer::singleShot(0, &dlg, [&] {
                MessageBoxWatch boxes;
                QTest::keyClick(dlg.GetDlgItem(IDC_MIC_EDIT), Qt::Key_F1, c.modifiers);
                seen = boxes.Seen();
                stillOpen = dlg.isVisible();
                dlg.reject();
            });
        });
        ASSERT_EQ(seen.size(), c.message ? 1u : 0u) << int(c.modifiers);
        EXPECT_TRUE(stillOpen);
        if (c.message) {
            EXPECT_EQ(seen[0].text, QString::fromUtf8("Nepodařilo se spustit nápovědu."));
            EXPECT_EQ(seen[0].title, "app_tests");
            EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
        }
    }
}

TEST(DriverChoice, FallsBackToTheSerialDriverAndSaysWhyInTheDebugLog) {
    static QStringList messages;
    messages.clear();
    QLoggingCategory::setFilterRules("karvelostrum.driver.debug=true");
    const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (QString::fromLatin1(context.category) == "karvelostrum.driver")
            messages << text;
    });
    const auto driver = ChooseConsoleDriver({"/nonexistent/libftd2xx.so"});
    qInstallMessageHandler(previous);

    EXPECT_NE(dynamic_cast<SerialDriver*>(driver.get()), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("D2XX library not used")) << messages[0].toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CConsoleApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
