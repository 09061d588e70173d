#pragma once
// A shown panel over the simulated unit. The poll timer is stopped: tests tick by hand on a
// virtual clock, and message boxes are answered from inside their own event loop.

#include "ConsoleDlg.h"
#include "ControlTable.h"
#include "DeviceLink.h"
#include "PollController.h"
#include "SimDriver.h"
#include "SimulatedUnit.h"
#include "support/MessageBoxWatch.h"
#include "support/SimulatedConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

struct PanelTest : ::testing::Test, SimulatedConsole {
    CConsoleDlg dlg{poll};
    MessageBoxWatch boxes;

    void SetUp() override {
        dlg.show();
        dlg.PollTimer().stop();
    }

    void Tick() {
        clock.Advance(kPollPeriod);
        dlg.OnTimer();
    }
    // Two ticks: the first opens the unit, the second fetches its status and fills the edits.
    void MakeLive() {
        Tick();
        Tick();
        ASSERT_TRUE(Button(IDC_LENGTH_SET)->isEnabled());
        driver.ClearWritten();
    }

    QLineEdit* Edit(int nId) { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(nId)); }
    QAbstractButton* Button(int nId) { return qobject_cast<QAbstractButton*>(dlg.GetDlgItem(nId)); }
    QRadioButton* Radio(int nId) { return qobject_cast<QRadioButton*>(dlg.GetDlgItem(nId)); }
    QString Text(int nId) { return Edit(nId)->text(); }

    // Replaces the edit's text by typing, as the operator would.
    void Type(int nId, const QString& text) {
        QLineEdit* pEdit = Edit(nId);
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        QTest::keyClicks(pEdit, text);
    }
    void Click(int nId) { QTest::mouseClick(Button(nId), Qt::LeftButton); }
    // On the round indicator, which is part of the radio's clickable area in every style.
    void ClickRadio(int nId) {
        QRadioButton* pRadio = Radio(nId);
        QTest::mouseClick(pRadio, Qt::LeftButton, {}, QPoint(pRadio->height() / 2, pRadio->height() / 2));
    }
    std::vector<int> CheckedPresets() {
        std::vector<int> checked;
        for (int i = 0; i < kPresetCount; ++i)
            if (Radio(kPresetIds[i])->isChecked())
                checked.push_back(i);
        return checked;
    }
    // Every frame written since the link went live; each must be one the unit understands.
    std::vector<ParsedFrame> Sent() {
        std::vector<ParsedFrame> frames;
        for (const auto& bytes : driver.Written()) {
            const auto frame = ParseFrame(bytes.data(), bytes.size());
            EXPECT_TRUE(frame.has_value()) << std::string(bytes.begin(), bytes.end());
            if (frame)
                frames.push_back(*frame);
        }
        return frames;
    }
};
