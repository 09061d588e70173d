#pragma once
// The application object: prepares the application, runs the panel once, modally, and ends.

#include <QApplication>

#include <functional>

class CConsoleDlg;
class IClock;
class IDeviceDriver;

inline constexpr char kOrganisation[] = "Karvelostrum";
inline constexpr char kVersion[] = "3.0";
inline constexpr char kHelpFailedText[] = "Nepodařilo se spustit nápovědu.";

class CConsoleApp : public QApplication {
    Q_OBJECT
public:
    CConsoleApp(int& argc, char** argv);

    // Runs the whole console over the given driver and returns false once the panel is closed.
    // `onPanelReady` lets the demo place its unit face beside the panel before it runs.
    bool InitInstance(IDeviceDriver& driver, IClock& clock,
                      const std::function<void(CConsoleDlg&)>& onPanelReady = {});

    // F1: asks the desktop for the help file named after the executable; none is supplied,
    // so the operator is told that help could not be started.
    void OnHelp();
    QString HelpFilePath() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
