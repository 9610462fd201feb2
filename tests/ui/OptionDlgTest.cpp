// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <tuple>

#include "EditorTestSupport.h"
#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/OptionDlg.h"

namespace {

using enum CommandId;
using V = std::vector<std::string>;

class OptionEditor : public UiTest {
protected:
    void StartWithNewPlan() {
        Start();
        NewPlan(kBandVhf2, true);
    }
    void RunOptions(std::function<void(COptionDlg&)> script) {
        prompts.ScriptDialog([script](QDialog& dialog) {
            Activate(dialog);
            script(static_cast<COptionDlg&>(dialog));
        });
        Action(Options)->trigger();
    }
    static void Press(const QDialog& dlg, const char* name) {
        QTest::mouseClick(Button(dlg, name), Qt::LeftButton);
    }
};

TEST_F(OptionEditor, OpensWithTheNewPlanDefaults) {
    StartWithNewPlan();
    RunOptions([](COptionDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle().toStdString(), "Radio Option Features");
        const std::vector<std::pair<const char*, const char*>> captions = {
            {"txTimeOutButton", "Tx Time Out Off"},
            {"txDelayButton", "Tx Delay On"},
            {"busyLockoutButton", "Busy Ch Lockout Off"},
            {"markedIdleButton", "Marked Idle Off"},
            {"monitorButton", "Monitor On"},
            {"scanIndicatorButton", "Scan Indicator On"},
            {"beepButton", "Beep On"},
            {"carrierToneButton", "Carrier + Tone On"},
            {"scanTxButton", "Normal Scan Tx"},
            {"powerSaveCheck", "Power Save Off"}};
        for (const auto& [name, caption] : captions) EXPECT_EQ(TextOf(dlg, name), caption);
        EXPECT_TRUE(Button(dlg, "txDelayButton")->isChecked());
        EXPECT_FALSE(Button(dlg, "beepButton")->isChecked());
        EXPECT_FALSE(Button(dlg, "markedIdleButton")->isEnabled());
        for (const auto& [name, shown] : {std::pair{"txTimeOutEdit", ""},
                                          {"txInhibitEdit", ""},
                                          {"rxOnEdit", "0.15"},
                                          {"rxOffEdit", "0.40"}}) {
            EXPECT_EQ(TextOf(dlg, name), shown) << name;
            EXPECT_FALSE(Box(dlg, name)->isEnabled()) << name;
        }
        EXPECT_EQ(TextOf(dlg, "scanSpeedEdit"), "0.10");
        EXPECT_EQ(List(dlg, "scanDelayList")->currentText().toStdString(), "4");
        EXPECT_EQ(List(dlg, "powerSaveDelayList")->currentText().toStdString(), "5");
        EXPECT_FALSE(List(dlg, "lookbackList")->isEnabled());
        EXPECT_EQ(List(dlg, "lookbackList")->currentIndex(), -1);
        EXPECT_EQ(List(dlg, "lookbackList")->count(), 8);
        EXPECT_EQ(List(dlg, "scanDelayList")->itemText(15).toStdString(), "15");
        EXPECT_EQ(List(dlg, "powerSaveDelayList")->itemText(0).toStdString(), "1");
        EXPECT_EQ(Box(dlg, "txTimeOutEdit")->maxLength(), 3);
        EXPECT_EQ(Box(dlg, "txInhibitEdit")->maxLength(), 2);
        EXPECT_EQ(Box(dlg, "scanSpeedEdit")->maxLength(), 4);
        EXPECT_FALSE(Find<QGroupBox>(dlg, "companderGroup")->isVisible());
        EXPECT_TRUE(Button(dlg, "companderDisable")->isChecked());
        EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        dlg.close();
        EXPECT_TRUE(dlg.isVisible()) << "the close box is disabled";
        Press(dlg, "okButton");
    });
    EXPECT_EQ(Doc().m_nCompander, 1) << "the hidden compander keeps its value";
}

TEST_F(OptionEditor, TogglesWriteTheirFieldAtOnceAndNameTheState) {
    StartWithNewPlan();
    RunOptions([this](COptionDlg& dlg) {
        Press(dlg, "beepButton");
        EXPECT_EQ(Doc().m_bBeepOff, 1);
        EXPECT_EQ(TextOf(dlg, "beepButton"), "Beep Off");
        Press(dlg, "scanIndicatorButton");
        EXPECT_EQ(Doc().m_bScanIndicatorOff, 1);
        EXPECT_EQ(TextOf(dlg, "scanIndicatorButton"), "Scan Indicator Off");
        Press(dlg, "monitorButton");
        EXPECT_EQ(Doc().m_bMonitor, 0);
        EXPECT_EQ(TextOf(dlg, "monitorButton"), "Monitor Off");
        Press(dlg, "carrierToneButton");
        EXPECT_EQ(TextOf(dlg, "carrierToneButton"), "Carrier + Tone Off");
        Press(dlg, "scanTxButton");
        EXPECT_EQ(Doc().m_nScanTx, 1);
        EXPECT_EQ(TextOf(dlg, "scanTxButton"), "Rx Only - No Tx");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().m_bCarrierToneOff, 1) << "Escape keeps the changes";
    RunOptions([](COptionDlg& dlg) {
        EXPECT_TRUE(Button(dlg, "beepButton")->isChecked());
        EXPECT_EQ(TextOf(dlg, "scanTxButton"), "Rx Only - No Tx");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
}

TEST_F(OptionEditor, BusyLockoutOffTakesMarkedIdleWithIt) {
    StartWithNewPlan();
    RunOptions([this](COptionDlg& dlg) {
        Press(dlg, "busyLockoutButton");
        EXPECT_TRUE(Button(dlg, "markedIdleButton")->isEnabled());
        Press(dlg, "markedIdleButton");
        EXPECT_EQ(Doc().m_bMarkedIdle, 1);
        Press(dlg, "busyLockoutButton");
        EXPECT_EQ(Doc().m_bMarkedIdle, 0);
        EXPECT_FALSE(Button(dlg, "markedIdleButton")->isEnabled());
        EXPECT_FALSE(Button(dlg, "markedIdleButton")->isChecked());
        EXPECT_EQ(TextOf(dlg, "markedIdleButton"), "Marked Idle Off");
        Press(dlg, "busyLockoutButton");
        EXPECT_EQ(Doc().m_bMarkedIdle, 0);
        EXPECT_EQ(TextOf(dlg, "markedIdleButton"), "Marked Idle Off");
        Press(dlg, "okButton");
    });
}

TEST_F(OptionEditor, TimeOutAndInhibitAreTruncatedToTheirStepsOrRefused) {
    StartWithNewPlan();
    RunOptions([this](COptionDlg& dlg) {
        QLineEdit* timeOut = Box(dlg, "txTimeOutEdit");
        QLineEdit* inhibit = Box(dlg, "txInhibitEdit");
        Press(dlg, "txTimeOutButton");
        EXPECT_EQ(TextOf(dlg, "txTimeOutButton"), "Tx Time Out On");
        EXPECT_TRUE(timeOut->hasFocus());

        TypeAndLeave(timeOut, "125");
        EXPECT_EQ(Doc().m_nTxTimeOut, 120);
        EXPECT_EQ(TextOf(dlg, "txTimeOutEdit"), "120");
        EXPECT_TRUE(inhibit->hasFocus()) << "a valid time-out leads into the inhibit box";
        QTest::keyClick(inhibit, Qt::Key_Tab);
        EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 5 to 75"});
        EXPECT_TRUE(inhibit->hasFocus());
        for (const auto& [typed, stored] : {std::pair{"12", 10}, {"3", 0}, {"80", 0}, {"75", 75}}) {
            TypeAndLeave(inhibit, typed);
            EXPECT_EQ(Doc().m_nTxInhibit, stored) << typed;
        }
        EXPECT_EQ(TakeMessages(prompts), (V{"Valid Settings 5 to 75", "Valid Settings 5 to 75"}));

        TypeAndLeave(timeOut, "995");
        EXPECT_EQ(Doc().m_nTxTimeOut, 990);
        TypeAndLeave(timeOut, "5");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(), "Valid Settings 10 to 990");
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(Doc().m_nTxTimeOut, 0);
        EXPECT_EQ(Doc().m_nTxInhibit, 0) << "a refused time-out clears the inhibit time";
        EXPECT_EQ(TextOf(dlg, "txInhibitEdit"), "");
        EXPECT_FALSE(inhibit->isEnabled());
        EXPECT_TRUE(timeOut->hasFocus());
        QTest::keyClick(timeOut, Qt::Key_Escape);
    });
    EXPECT_EQ(prompts.messages.size(), 1u) << "Escape does not refuse the emptied box again";
}

TEST_F(OptionEditor, AnInhibitOfFiveWaitsForTheTimeOutBoxToBeLeft) {
    StartWithNewPlan();
    Doc().m_bTxTimeOut = 1;
    Doc().m_nTxTimeOut = 60;
    Doc().m_nTxInhibit = 5;
    RunOptions([](COptionDlg& dlg) {
        EXPECT_TRUE(Box(dlg, "txInhibitEdit")->isEnabled());
        EXPECT_EQ(TextOf(dlg, "txInhibitEdit"), "5");
        Press(dlg, "txTimeOutButton");
        Press(dlg, "txTimeOutButton");
        EXPECT_FALSE(Box(dlg, "txInhibitEdit")->isEnabled());
        QTest::keyClick(Box(dlg, "txTimeOutEdit"), Qt::Key_Tab);
        EXPECT_TRUE(Box(dlg, "txInhibitEdit")->isEnabled());
        Press(dlg, "okButton");
    });
}

struct DecimalCase {
    const char* box;
    const char* typed;
    const char* shown;
    double CKM42Doc::*field;
    double stored;
    const char* message;  // nullptr when accepted
};

TEST_F(OptionEditor, DecimalBoxesTruncateOrFallBackToTheirDefaults) {
    StartWithNewPlan();
    const std::vector<DecimalCase> cases = {
        {"scanSpeedEdit", ".057", ".057", &CKM42Doc::m_dScanSpeed, 0.05, nullptr},
        {"scanSpeedEdit", "2.5", "0.10", &CKM42Doc::m_dScanSpeed, 0.1,
         "Valid Settings 0.05 to 2.0"},
        {"scanSpeedEdit", "2", "2", &CKM42Doc::m_dScanSpeed, 2.0, nullptr},
        {"rxOffEdit", "0.37", "0.30", &CKM42Doc::m_dRxOffTime, 0.3, nullptr},
        {"rxOffEdit", "4.09", "4.00", &CKM42Doc::m_dRxOffTime, 4.0, nullptr},
        {"rxOffEdit", "0.09", "0.40", &CKM42Doc::m_dRxOffTime, 0.4, "Valid Settings 0.10 to 4.0"},
        {"rxOnEdit", "0.25", "0.15", &CKM42Doc::m_dRxOnTime, 0.15, "Valid Settings 0.05 to 0.2"},
        {"rxOnEdit", ".2", "0.20", &CKM42Doc::m_dRxOnTime, 0.2, nullptr},
    };
    RunOptions([this, &cases](COptionDlg& dlg) {
        Click(Button(dlg, "powerSaveCheck"));
        EXPECT_EQ(Doc().m_bPowerSave, 1);
        EXPECT_EQ(TextOf(dlg, "powerSaveCheck"), "Power Save On");
        EXPECT_TRUE(Box(dlg, "rxOnEdit")->hasFocus());
        QTest::keyClick(List(dlg, "powerSaveDelayList"), Qt::Key_End);
        EXPECT_EQ(Doc().m_nPowerSaveDelay, 7) << "item \"8\" is index 7";
        // The boxes show the plan's times: leaving them keeps them without a word.
        QTest::keyClick(Box(dlg, "rxOnEdit"), Qt::Key_Tab);
        QTest::keyClick(Box(dlg, "rxOffEdit"), Qt::Key_Tab);
        EXPECT_EQ(TakeMessages(prompts), V{});
        EXPECT_EQ(TextOf(dlg, "rxOnEdit"), "0.15");
        EXPECT_EQ(TextOf(dlg, "rxOffEdit"), "0.40");
        for (const DecimalCase& c : cases) {
            TypeAndLeave(Box(dlg, c.box), QString::fromUtf8(c.typed));
            EXPECT_EQ(TextOf(dlg, c.box), c.shown) << c.box << " " << c.typed;
            EXPECT_DOUBLE_EQ(Doc().*c.field, c.stored) << c.box << " " << c.typed;
            EXPECT_EQ(TakeMessages(prompts), c.message ? V{c.message} : V{}) << c.typed;
        }
        Press(dlg, "okButton");
    });
}

// Switching a feature on or off, every time box shows what the plan holds (the times kept while
// a feature is off are those the radio gets once it is on), enabled with its feature.
TEST_F(OptionEditor, EveryTimeBoxShowsThePlansTimeAsFeaturesAreSwitched) {
    StartWithNewPlan();
    std::tie(Doc().m_nTxTimeOut, Doc().m_nTxInhibit, Doc().m_dRxOnTime, Doc().m_dRxOffTime) =
        std::tuple{120, 15, 0.1, 1.5};
    RunOptions([this](COptionDlg& dlg) {
        for (const char* feature : {"", "powerSaveCheck", "txTimeOutButton", "powerSaveCheck"}) {
            if (*feature != '\0') Click(Button(dlg, feature));
            const CKM42Doc& d = Doc();
            for (const auto& [box, plan, on] :
                 std::vector<std::tuple<const char*, std::string, int>>{
                     {"txTimeOutEdit", FormatText("%d", d.m_nTxTimeOut), d.m_bTxTimeOut},
                     {"txInhibitEdit", FormatText("%d", d.m_nTxInhibit), d.m_bTxTimeOut},
                     {"rxOnEdit", FormatText("%4.2f", d.m_dRxOnTime), d.m_bPowerSave},
                     {"rxOffEdit", FormatText("%4.2f", d.m_dRxOffTime), d.m_bPowerSave}}) {
                EXPECT_EQ(TextOf(dlg, box), plan) << box << " after " << feature;
                EXPECT_EQ(Box(dlg, box)->isEnabled(), on != 0) << box << " after " << feature;
            }
        }
        Press(dlg, "okButton");
    });
    EXPECT_EQ(TakeMessages(prompts), V{}) << "no box held a value the plan does not";
}

TEST_F(OptionEditor, ScanTransmitReadsByThePriorityChannel) {
    Start();
    CKM42Doc doc = SamplePlan16();  // channel 5 is the priority channel
    doc.m_nLookbackTime = 3;
    ASSERT_TRUE(datafile::SaveDocument(doc, File("plan.kmd16")).ok);
    OpenPlan(File("plan.kmd16"));
    RunOptions([this](COptionDlg& dlg) {
        EXPECT_EQ(TextOf(dlg, "scanTxButton"), "Priority Scan Tx");
        Press(dlg, "scanTxButton");
        EXPECT_EQ(TextOf(dlg, "scanTxButton"), "Priority Only Tx");
        QComboBox* lookback = List(dlg, "lookbackList");
        EXPECT_TRUE(lookback->isEnabled());
        EXPECT_EQ(lookback->currentText().toStdString(), "3");
        QTest::keyClick(lookback, Qt::Key_Down);
        EXPECT_EQ(Doc().m_nLookbackTime, 4);
        Press(dlg, "okButton");
    });
    DoubleClickCell(*View().m_Grid16, 5, 8);  // no priority channel any more
    RunOptions([](COptionDlg& dlg) {
        EXPECT_EQ(TextOf(dlg, "scanTxButton"), "Rx Only - No Tx");
        EXPECT_FALSE(List(dlg, "lookbackList")->isEnabled());
        Press(dlg, "okButton");
    });
}

TEST_F(OptionEditor, AValueTypedJustBeforeEscapeIsCheckedAndKept) {
    StartWithNewPlan();
    RunOptions([](COptionDlg& dlg) {
        Type(Box(dlg, "scanSpeedEdit"), "1.5");
        QTest::keyClick(Box(dlg, "scanSpeedEdit"), Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().m_dScanSpeed, 1.5);
    EXPECT_TRUE(prompts.messages.empty());
}

// Without a mouse: Alt keys on every toggle and box, whatever their captions say; Enter closes
// keeping the changes as "OK" does, and the whole session is one step to undo.
TEST_F(OptionEditor, WorksByKeyboardAlone) {
    StartWithNewPlan();
    FocusGrid(Frame(), *View().m_Grid16);
    Keyboard keys;
    const std::vector<std::uint8_t> before = datafile::SerializeDocument(Doc());
    prompts.ScriptDialog([&keys](QDialog& dialog) {
        ActivateForKeys(dialog);
        EXPECT_EQ(QApplication::focusWidget(), Button(dialog, "txTimeOutButton"));
        // Each caption state keeps the keys apart.
        for (const char* name : {"", "txDelayButton", "beepButton", "scanTxButton",
                                 "busyLockoutButton", "powerSaveCheck"}) {
            if (*name != '\0') QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
            const std::vector<std::string> altKeys = AltKeys(dialog);
            EXPECT_EQ(std::adjacent_find(altKeys.begin(), altKeys.end()), altKeys.end()) << name;
            EXPECT_EQ(altKeys.size(), 17u) << name;
        }
        // Power Save, turned on last, put the focus into Rx On.
        EXPECT_EQ(QApplication::focusWidget(), Box(dialog, "rxOnEdit"));
        keys.Type("0.1");
        PressAltKey(dialog, Qt::Key_E);  // "B&eep": back on
        PressAltKey(dialog, Qt::Key_N);  // "Mo&nitor": off
        PressAltKey(dialog, Qt::Key_F);  // "Rx O&ff"
        EXPECT_EQ(QApplication::focusWidget(), Box(dialog, "rxOffEdit"));
        keys.Press(Qt::Key_A, Qt::ControlModifier);
        keys.Type("2.5");
        PressAltKey(dialog, Qt::Key_Y);  // "Dela&y" of the scan
        keys.Press(Qt::Key_Down);
        keys.Press(Qt::Key_Return);
    });
    Action(Options)->trigger();
    EXPECT_EQ(Doc().m_bBeepOff, 0);
    EXPECT_EQ(Doc().m_bMonitor, 0);
    EXPECT_EQ(Doc().m_dRxOnTime, 0.1);
    EXPECT_EQ(Doc().m_dRxOffTime, 2.5);
    EXPECT_EQ(Doc().m_nScanDelay, 5);
    EXPECT_EQ(Doc().m_bPowerSave, 1);
    EXPECT_TRUE(prompts.messages.empty());
    keys.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(datafile::SerializeDocument(Doc()), before) << "one step for the session";
}

}  // namespace
