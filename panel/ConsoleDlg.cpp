#include "ConsoleDlg.h"

#include "AboutBox.h"
#include "AutoRadioButton.h"
#include "BitmapButton.h"
#include "IntegerText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <cstring>
#include <functional>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
constexpr char kIntegerPrompt[] = "Prosím zadejte celé číslo.";
constexpr char kRangeMessage[] = "Hodnota mimo rozsah 0-90 minut";
constexpr char kRangeCaption[] = "Vstupní hodnoty";
constexpr char kIconPath[] = ":/res/karvelostrum.png";

QString Utf8(const char* psz) { return QString::fromUtf8(psz); }

// The surface the time is drawn on: above the controls, transparent to the mouse and the focus.
class TimeBand final : public QWidget {
public:
    TimeBand(QWidget* pParent, std::function<void(QPainter&)> paint) : QWidget(pParent), m_paint(std::move(paint)) {
        setObjectName(QStringLiteral("TimeBand"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_paint(painter);
    }

private:
    std::function<void(QPainter&)> m_paint;
};
}  // namespace

CConsoleDlg::CConsoleDlg(PollController& poll, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_poll(poll) {
    RegisterPanelImages();
    m_hIcon = QIcon(QString::fromLatin1(kIconPath));
    setWindowTitle(Utf8(kConsoleCaption));

    QFont font = QApplication::font();
    font.setPointSize(kConsoleFontPoints);
    setFont(font);
    m_baseUnits = DialogBaseUnitsOf(font);
    setFixedSize(MapDialogSize(kConsoleWidthDu, kConsoleHeightDu, m_baseUnits));

    CreateControls();
    BindEvents();

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kPollPeriod);
}

CConsoleDlg::~CConsoleDlg() = default;

void CConsoleDlg::CreateControls() {
    QList<AutoRadioButton*> radioGroup;
    QList<QList<AutoRadioButton*>> radioGroups;
    QWidget* pPrevious = nullptr;

    for (std::size_t i = 0; i < kConsoleControls.size(); ++i) {
        const ControlEntry& entry = kConsoleControls[i];
        const QString text = Utf8(entry.pszText);
        if (entry.uFlags & kCtlGroup)
            radioGroups.append(std::exchange(radioGroup, {}));

        QWidget* pControl = nullptr;
        switch (entry.kind) {
        case ControlKind::OwnerDrawButton: {
            // The images keep their own 317 x 90 pixels; only the corner follows the template.
            auto* pButton = new BitmapButton(text, this);
            pButton->move(MapDialogRect(entry.rect, m_baseUnits).topLeft());
            (entry.nId == IDC_START ? m_btnStart : m_btnStop) = pButton;
            pControl = pButton;
            break;
        }
        case ControlKind::AutoRadioButton: {
            auto* pRadio = new AutoRadioButton(text, this);
            radioGroup.append(pRadio);
            pControl = pRadio;
            break;
        }
        case ControlKind::Edit:
            pControl = new QLineEdit(text, this);
            break;
        case ControlKind::DefPushButton: {
            auto* pButton = new QPushButton(text, this);
            pButton->setDefault(true);
            pControl = pButton;
            break;
        }
        case ControlKind::PushButton:
            pControl = new QPushButton(text, this);
            break;
        case ControlKind::GroupBox:
            pControl = new QGroupBox(text, this);
            break;
        case ControlKind::StaticText: {
            auto* pLabel = new QLabel(text, this);
            pLabel->setTextFormat(Qt::PlainText);
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            pControl = pLabel;
            break;
        }
        }

        pControl->setObjectName(QString::fromLatin1(entry.pszName));
        if (entry.kind != ControlKind::OwnerDrawButton)
            pControl->setGeometry(MapDialogRect(entry.rect, m_baseUnits));
        if (entry.kind == ControlKind::GroupBox || entry.kind == ControlKind::StaticText) {
            // Frames and labels let clicks through to the controls they surround.
            pControl->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        pControl->setFocusPolicy((entry.uFlags & kCtlTabStop) ? Qt::StrongFocus : Qt::NoFocus);
        pControl->setEnabled(!(entry.uFlags & kCtlDisabled));
        pControl->setVisible(!(entry.uFlags & kCtlHidden));
        // As in a dialog template, earlier controls lie on top: the group boxes, made after
        // the controls they frame, stay underneath them.
        pControl->lower();
        if (pPrevious)
            setTabOrder(pPrevious, pControl);
        pPrevious = pControl;
        m_apControls[i] = pControl;
    }
    radioGroups.append(radioGroup);

    for (const QList<AutoRadioButton*>& group : radioGroups)
        for (AutoRadioButton* pRadio : group)
            pRadio->SetGroup(group);

    // The time is painted over every control, as drawing on the panel's own surface would.
    m_pTimeBand = new TimeBand(this, [this](QPainter& painter) { PaintTimeText(painter); });
    m_pTimeBand->setGeometry(kTimeBand);
    m_pTimeBand->raise();
}

// The event table, in its order. Notifications that arrive while a data exchange runs are
// dropped; the poll timer is not a notification and keeps ticking inside the exchange's prompt.
void CConsoleDlg::BindEvents() {
    const auto clicked = [this](int nId, auto handler) {
        connect(static_cast<QAbstractButton*>(GetDlgItem(nId)), &QAbstractButton::clicked, this, [this, handler] {
            if (!m_bInExchange)
                handler();
        });
    };
    const auto preset = [&](int nIndex) { clicked(kPresetIds[nIndex], [this, nIndex] { OnPresetClicked(nIndex); }); };

    clicked(IDOK, [this] { OnOK(); });
    connect(&m_timer, &QTimer::timeout, this, &CConsoleDlg::OnTimer);
    clicked(IDC_START, [this] { OnStart(); });
    preset(0);
    clicked(IDC_STOP, [this] { OnStop(); });
    clicked(IDC_LENGTH_SET, [this] { OnLengthSet(); });
    connect(Edit(IDC_LENGTH_EDIT), &QLineEdit::textChanged, this, [this] {
        if (!m_bInExchange)
            OnLengthChange();
    });
    clicked(IDC_ALARM_ON, [this] { OnAlarmOn(); });
    clicked(IDC_ALARM_OFF, [this] { OnAlarmOff(); });
    clicked(IDC_AMBER_SET, [this] { OnAmberSet(); });
    for (int nIndex = 1; nIndex < kPresetCount; ++nIndex)
        preset(nIndex);
    clicked(IDC_MIC_SET, [this] { OnMicSet(); });
}

QWidget* CConsoleDlg::GetDlgItem(int nId) const {
    const int nIndex = FindControlIndex(nId);
    return nIndex < 0 ? nullptr : m_apControls[static_cast<std::size_t>(nIndex)];
}

QLineEdit* CConsoleDlg::Edit(int nId) const { return qobject_cast<QLineEdit*>(GetDlgItem(nId)); }

// An edit reports a change whenever its text is set, even to the same text; QLineEdit stays
// silent then, so the notification is raised by hand.
void CConsoleDlg::SetDlgItemText(int nId, const QString& text) {
    QLineEdit* pEdit = Edit(nId);
    if (!pEdit)
        return;
    if (pEdit->text() == text)
        emit pEdit->textChanged(text);
    else
        pEdit->setText(text);
}

void CConsoleDlg::setVisible(bool bVisible) {
    // The template's window is created once, just before it is first shown.
    if (bVisible && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(bVisible);
}

bool CConsoleDlg::OnInitDialog() {
    UpdateData(false);
#ifdef Q_OS_WIN
    // The About entry goes at the end of the window's own system menu.
    if (HMENU hSysMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        const QString text = LoadStringResource(IDS_ABOUTBOX);
        if (!text.isEmpty()) {
            AppendMenuW(hSysMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(hSysMenu, MF_STRING, IDM_ABOUTBOX, reinterpret_cast<LPCWSTR>(text.utf16()));
        }
    }
#endif
    setWindowIcon(m_hIcon);
    m_timer.start();
    return true;
}

void CConsoleDlg::OnOK() {}

void CConsoleDlg::accept() { OnOK(); }

void CConsoleDlg::keyPressEvent(QKeyEvent* pEvent) {
    // Enter that no push button took is IDOK, which does nothing. Escape goes on to reject().
    const auto modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    if ((pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CConsoleDlg::ShowAboutBox() {
    CAboutBox box(this);
    box.exec();
}

QString CConsoleDlg::LoadStringResource(int nId) const {
    return nId == IDS_ABOUTBOX ? QString::fromUtf8(kAboutMenuText) : QString();
}

void CConsoleDlg::OnSysCommand(unsigned nId) {
    if ((nId & 0xFFF0) == IDM_ABOUTBOX)
        ShowAboutBox();
}

std::unique_ptr<QMenu> CConsoleDlg::CreateAboutMenu() {
    const QString text = LoadStringResource(IDS_ABOUTBOX);
    if (text.isEmpty())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    connect(menu->addAction(text), &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    return menu;
}

void CConsoleDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
#ifdef Q_OS_WIN
    // There the entry lives in the system menu.
    QDialog::contextMenuEvent(pEvent);
#else
    // Outside Windows the window manager owns the window menu; a right click on a free spot
    // of the panel (its background, a group box or a label) offers the same entry.
    QWidget* pChild = childAt(pEvent->pos());
    const bool bFreeSpot = pChild == nullptr || qobject_cast<QGroupBox*>(pChild) || qobject_cast<QLabel*>(pChild) ||
                           pChild == m_pTimeBand;
    if (!bFreeSpot)
        return QDialog::contextMenuEvent(pEvent);
    if (std::unique_ptr<QMenu> menu = CreateAboutMenu())
        menu->exec(pEvent->globalPos());
#endif
}

#ifdef Q_OS_WIN
bool CConsoleDlg::nativeEvent(const QByteArray& eventType, void* pMessage, qintptr* pResult) {
    const MSG* pMsg = static_cast<const MSG*>(pMessage);
    if (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == IDM_ABOUTBOX) {
        OnSysCommand(static_cast<unsigned>(pMsg->wParam));
        *pResult = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, pMessage, pResult);
}
#endif

// ---- Data exchange ----

bool CConsoleDlg::UpdateData(bool bSaveAndValidate) {
    const bool bWasInExchange = std::exchange(m_bInExchange, true);
    CDataExchange dx{bSaveAndValidate};
    DoDataExchange(dx);
    m_bInExchange = bWasInExchange;
    return !dx.m_bFailed;
}

void CConsoleDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_PRESET_5, m_nPreset);
    DDX_Text(dx, IDC_LENGTH_EDIT, m_nLength);
    DDX_Text(dx, IDC_AMBER_EDIT, m_nAmberMinutes);
    DDX_Text(dx, IDC_MIC_EDIT, m_nMicMinutes);
}

// The group runs from its first radio through the following controls in creation order up
// to the next group start; only radio buttons count and take an index.
void CConsoleDlg::DDX_Radio(CDataExchange& dx, int nFirstId, int& nValue) {
    if (dx.m_bFailed)
        return;
    const int nFirst = FindControlIndex(nFirstId);
    if (nFirst < 0)
        return;
    if (dx.m_bSaveAndValidate)
        nValue = -1;
    int nIndex = 0;
    for (std::size_t i = static_cast<std::size_t>(nFirst); i < kConsoleControls.size(); ++i) {
        if (i != static_cast<std::size_t>(nFirst) && (kConsoleControls[i].uFlags & kCtlGroup))
            break;
        auto* pRadio = qobject_cast<QRadioButton*>(m_apControls[i]);
        if (!pRadio)
            continue;
        if (dx.m_bSaveAndValidate) {
            if (pRadio->isChecked())
                nValue = nIndex;
        } else {
            pRadio->setChecked(nIndex == nValue);
        }
        ++nIndex;
    }
}

void CConsoleDlg::DDX_Text(CDataExchange& dx, int nId, int& nValue) {
    if (dx.m_bFailed)
        return;
    QLineEdit* pEdit = Edit(nId);
    if (!pEdit)
        return;
    if (!dx.m_bSaveAndValidate) {
        pEdit->setText(QString::number(nValue));
        return;
    }
    // White space, sign and digits are ASCII, so cutting after the conversion reads the same
    // number as cutting the characters.
    const QByteArray text = pEdit->text().left(static_cast<qsizetype>(kIntegerTextLimit)).toUtf8();
    if (const std::optional<int> value = ReadIntegerText({text.constData(), static_cast<std::size_t>(text.size())})) {
        nValue = *value;
        return;
    }
    ShowIntegerPrompt(pEdit);
    dx.m_bFailed = true;
}

void CConsoleDlg::ShowIntegerPrompt(QLineEdit* pEdit) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), Utf8(kIntegerPrompt), QMessageBox::Ok,
                    this);
    box.exec();
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
}

// ---- Commands ----

void CConsoleDlg::OnTimer() { m_poll.Tick(*this); }

void CConsoleDlg::OnStart() { m_poll.ArmStart(); }
void CConsoleDlg::OnStop() { m_poll.ArmStop(); }
void CConsoleDlg::OnAlarmOn() { m_poll.ArmAlarm(); }
void CConsoleDlg::OnAlarmOff() { m_poll.ArmQuiet(); }

void CConsoleDlg::OnPresetClicked(int nIndex) {
    // The radio has checked itself; the edit's change notification marks the length typed.
    SetDlgItemText(IDC_LENGTH_EDIT, QString::number(PresetMinutes(nIndex)));
}

void CConsoleDlg::OnLengthChange() {
    m_nLengthTyped = 1;
    m_nPreset = -1;
}

void CConsoleDlg::OnLengthSet() {
    // A failed read leaves the values as far as the exchange got; the command goes on with them.
    UpdateData(true);
    if (m_nLengthTyped == 0) {
        // Nothing typed since the last length command: the checked preset, or 0 for none.
        m_nLength = 5 * m_nPreset + 5;
    } else {
        if (m_nLength > kMaxMinutes || m_nLength < kMinMinutes)
            m_nLength = 0;
        m_nPreset = -1;
    }
    UpdateData(false);
    if (const std::optional<Frame> frame = BuildSettingFrame(SettingCommand::Tim, m_nLength))
        m_poll.Link().WriteFrame(*frame);
    m_nLengthTyped = 0;
}

void CConsoleDlg::OnAmberSet() { SetMinutesSetting(SettingCommand::Amb, m_nAmberMinutes); }

void CConsoleDlg::OnMicSet() { SetMinutesSetting(SettingCommand::Mic, m_nMicMinutes); }

void CConsoleDlg::SetMinutesSetting(SettingCommand command, int& nMinutes) {
    UpdateData(true);
    const std::optional<Frame> frame = BuildSettingFrame(command, nMinutes);
    if (!frame) {
        QMessageBox box(QMessageBox::Critical, Utf8(kRangeCaption), Utf8(kRangeMessage), QMessageBox::Ok, this);
        box.exec();
        nMinutes = 0;
        UpdateData(false);
        return;
    }
    // The edit keeps the text as typed.
    m_poll.Link().WriteFrame(*frame);
}

// ---- The poll tick's view of the panel ----

void CConsoleDlg::EnableControl(int nId, bool bEnable) {
    if (QWidget* pControl = GetDlgItem(nId))
        pControl->setEnabled(bEnable);
}

void CConsoleDlg::SetEditText(int nId, const char* pszText) { SetDlgItemText(nId, QString::fromLatin1(pszText)); }

void CConsoleDlg::DrawTimeText() {
    const StatusState& state = m_poll.State();
    std::memcpy(m_szTimeText, state.TimeText, sizeof m_szTimeText);
    m_szTimeText[sizeof m_szTimeText - 1] = '\0';
    m_nTimeColour = state.DisplayColour;
    // At once, within the tick. A hidden or minimised panel paints nothing now and shows the
    // stored time when it is painted again.
    m_pTimeBand->repaint();
}

// In the band's own coordinates: the band is erased whole, then the text is drawn and cut at
// the band's edges.
void CConsoleDlg::PaintTimeText(QPainter& painter) {
    const QRect band(QPoint(0, 0), kTimeBand.size());
    painter.fillRect(band, palette().color(backgroundRole()));
    if (m_szTimeText[0] == '\0')
        return;

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kTimeFontPixels);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    switch (m_nTimeColour) {
    case kColourRed:
        painter.setPen(QColor(255, 0, 0));
        break;
    case kColourGreen:
        painter.setPen(QColor(0, 128, 0));
        break;
    default:
        painter.setPen(Qt::black);
        break;
    }
    // The origin is the top-left corner of the first character cell.
    const QPoint origin = kTimeOrigin - kTimeBand.topLeft();
    painter.drawText(QPoint(origin.x(), origin.y() + painter.fontMetrics().ascent()),
                     QString::fromLatin1(m_szTimeText));
}
