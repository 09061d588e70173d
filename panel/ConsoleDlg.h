#pragma once
// The console's one window, the operator panel. Its controls come from the dialog template's
// table; four values are bound to them by data exchange. START, STOP and the acoustic warning
// buttons arm a command for the poll tick; the three "Nastavit" buttons send theirs at once.
// The poll tick reaches the panel only through IPanelView.

#include "ControlTable.h"
#include "DialogUnits.h"
#include "PanelView.h"
#include "PollController.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QRect>
#include <QTimer>

#include <array>
#include <memory>

class BitmapButton;
class QLineEdit;
class QPainter;

// The state of one data exchange: its direction and whether a step has failed.
struct CDataExchange {
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
};

class CConsoleDlg : public QDialog, public IPanelView {
    Q_OBJECT

public:
    explicit CConsoleDlg(PollController& poll, QWidget* pParent = nullptr);
    ~CConsoleDlg() override;

    // The control of that id, first in creation order; nullptr for an unknown id.
    QWidget* GetDlgItem(int nId) const;

    // true reads the controls into the bound values, false writes the values into the
    // controls. Returns false when a read failed; control notifications are dropped meanwhile.
    bool UpdateData(bool bSaveAndValidate = true);

    // One poll tick; the poll timer calls it every 300 ms.
    void OnTimer();

    // Opens the About box over the panel.
    void ShowAboutBox();
    // System commands of the panel; the About entry opens the About box.
    void OnSysCommand(unsigned nId);
    // The menu with the About entry that a right click on a free spot of the panel opens;
    // none when the entry's text is missing or empty.
    std::unique_ptr<QMenu> CreateAboutMenu();

    // 1 when the length edit has changed outside a data exchange since the last length command.
    int TypedLengthFlag() const { return m_nLengthTyped; }
    // What the time display shows now, as the last DrawTimeText left it.
    const char* ShownTimeText() const { return m_szTimeText; }
    int ShownTimeColour() const { return m_nTimeColour; }
    QTimer& PollTimer() { return m_timer; }
    const DialogBaseUnits& BaseUnits() const { return m_baseUnits; }

    // IPanelView
    void EnableControl(int nId, bool bEnable) override;
    void SetEditText(int nId, const char* pszText) override;
    void DrawTimeText() override;

    // The console ends only by IDCANCEL: nothing may accept it.
    void accept() override;
    void setVisible(bool bVisible) override;

    // Where the time is shown, in pixels of the panel: (30, 168) to (377, 273), and the
    // top-left corner of the first character cell.
    static constexpr QRect kTimeBand{30, 168, 348, 106};
    static constexpr QPoint kTimeOrigin{33, 155};
    static constexpr int kTimeFontPixels = 120;

    // Bound values.
    int m_nPreset = -1;  // index of the checked preset, -1 for none
    int m_nLength = 0;
    int m_nAmberMinutes = 2;
    int m_nMicMinutes = 1;

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    virtual bool OnInitDialog();
    virtual void OnOK();

    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* pMessage, qintptr* pResult) override;
#endif
    // The text of a string resource; empty when there is none.
    virtual QString LoadStringResource(int nId) const;

private:
    void CreateControls();
    void BindEvents();

    void DDX_Radio(CDataExchange& dx, int nFirstId, int& nValue);
    void DDX_Text(CDataExchange& dx, int nId, int& nValue);
    void ShowIntegerPrompt(QLineEdit* pEdit);
    void PaintTimeText(QPainter& painter);

    QLineEdit* Edit(int nId) const;
    void SetDlgItemText(int nId, const QString& text);

    void OnStart();
    void OnStop();
    void OnAlarmOn();
    void OnAlarmOff();
    void OnPresetClicked(int nIndex);
    void OnLengthChange();
    void OnLengthSet();
    void OnAmberSet();
    void OnMicSet();
    // The yellow-light and microphone commands: range check, then the frame at once.
    void SetMinutesSetting(SettingCommand command, int& nMinutes);

    PollController& m_poll;
    std::array<QWidget*, kConsoleControlCount> m_apControls{};
    BitmapButton* m_btnStart = nullptr;
    BitmapButton* m_btnStop = nullptr;
    QIcon m_hIcon;
    QTimer m_timer;
    DialogBaseUnits m_baseUnits{};
    int m_nLengthTyped = 0;
    bool m_bInExchange = false;
    bool m_bInitialised = false;
    QWidget* m_pTimeBand = nullptr;
    // What the last DrawTimeText was asked to show; painted with every repaint of the band.
    char m_szTimeText[7] = "";
    int m_nTimeColour = 0;
};
