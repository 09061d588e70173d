#include "ConsoleApp.h"

#include "ConsoleDlg.h"
#include "DeviceLink.h"
#include "PollController.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

CConsoleApp::CConsoleApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The application's name is the executable's base name: a renamed program keeps its
    // settings and message-box captions under its new name.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    setApplicationVersion(kVersion);
    installEventFilter(this);
}

bool CConsoleApp::InitInstance(IDeviceDriver& driver, IClock& clock,
                               const std::function<void(CConsoleDlg&)>& onPanelReady) {
    // Settings of QSettings go under the organisation and the application's name; the console
    // stores nothing of its own there.
    setOrganizationName(kOrganisation);

    // Nothing is opened or sent here: the first poll tick opens the link.
    DeviceLink link(driver, clock);
    PollController poll(link, clock);
    CConsoleDlg dlg(poll);
    if (onPanelReady)
        onPanelReady(dlg);
    dlg.exec();
    return false;
}

QString CConsoleApp::HelpFilePath() const {
    const QFileInfo executable(applicationFilePath());
    return executable.absolutePath() + QLatin1Char('/') + executable.completeBaseName() + QStringLiteral(".hlp");
}

void CConsoleApp::OnHelp() {
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    QMessageBox box(QMessageBox::Warning, applicationName(), QString::fromUtf8(kHelpFailedText), QMessageBox::Ok,
                    activeWindow());
    box.exec();
}

bool CConsoleApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_F1 && modifiers == Qt::NoModifier && !key->isAutoRepeat()) {
            OnHelp();
            return true;
        }
    }
    return QApplication::eventFilter(watched, event);
}
