// The GUI suites run on the offscreen platform, with the application named as in the product.
#include <QApplication>

#include <gtest/gtest.h>

namespace {
QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns on every fixed-size window (each message box); nothing to see.
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(DropSizeHintWarnings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("karvelostrum"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
