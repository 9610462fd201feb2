// SPDX-License-Identifier: GPL-3.0-or-later
// A value typed straight after a refusal is checked and kept like the first one. The refusals
// come as real message boxes answered with Enter, with no window manager to hand the
// activation back, and the keys go where the keyboard would send them.
#include <QApplication>

#include "EditorTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/dialogs/OptionDlg.h"

namespace {

using V = std::vector<std::string>;

class RetypeAfterRefusal : public UiTest {
protected:
    RetypeAfterRefusal() { prompts.showMessageBoxes = true; }

    void RunEditor(QAction* command, const std::function<void(QDialog&)>& script) {
        prompts.ScriptDialog([script](QDialog& dialog) {
            Activate(dialog);
            script(dialog);
        });
        command->trigger();
    }
    void EditChannel(int n, const std::function<void(QDialog&)>& script) {
        prompts.ScriptDialog([script](QDialog& dialog) {
            Activate(dialog);
            script(dialog);
        });
        CMSFlexGrid& grid = Doc().m_b16Channel != 0 ? *View().m_Grid16 : *View().m_Grid4;
        DoubleClickCell(grid, n, kColRxFreq);
    }

    // The user reads the message, answers it and types on where the keyboard now goes.
    static void TypeOnAndLeave(QDialog& dlg, const QString& text) {
        (void)QTest::qWaitFor([&dlg] { return dlg.isActiveWindow(); }, 500);
        QWidget* keyboard = dlg.focusWidget();
        ASSERT_NE(keyboard, nullptr);
        QTest::keyClicks(keyboard, text);
        QTest::keyClick(keyboard, Qt::Key_Tab);
    }
    // A click back into a box that a refusal did not keep the focus in.
    static void ClickTypeAndLeave(QDialog& dlg, QLineEdit* box, const QString& text) {
        (void)QTest::qWaitFor([&dlg] { return dlg.isActiveWindow(); }, 500);
        TypeAndLeave(box, text);
    }
};

TEST_F(RetypeAfterRefusal, ToneBoxesTakeTheToneTypedAfterARefusal) {
    Start();
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
    OpenPlan(File("plan.kmd16"));
    for (const char* box : {"rxNsc1Tone", "txNsc2Tone"}) {
        const bool one = box[5] == '1';
        Doc().Channel(9).m_nTxSquelch = one ? kSquelchDcs : kSquelchNsc2;
        EditChannel(9, [this, box, one](QDialog& dlg) {
            TypeAndLeave(Box(dlg, box), "45");
            EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 50.0 to 300.0"}) << box;
            TypeOnAndLeave(dlg, "131.5");
            EXPECT_EQ(TextOf(dlg, one ? "txNsc1Tone" : "rxNsc2Tone"), "131.5") << box;
            QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
        });
        for (int n = 1; n <= 16; ++n) {
            const ChannelRecord& ch = Doc().Channel(n);
            EXPECT_EQ(one ? ch.m_dTxNsc1 : ch.m_dRxNsc2, 131.5) << box << " channel " << n;
        }
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(RetypeAfterRefusal, FrequencyBoxesTakeTheFrequencyTypedAfterARefusal) {
    Start();
    NewPlan(kBandUhf2, false);
    EditChannel(1, [this](QDialog& dlg) {
        TypeAndLeave(Box(dlg, "rxFreq"), "480");
        EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 440Mhz to 470Mhz"});
        TypeOnAndLeave(dlg, "450");
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "450.0000");
        EXPECT_TRUE(Button(dlg, "okButton")->isEnabled());
        EXPECT_TRUE(Button(dlg, "rxCtcss")->isEnabled());

        ClickTypeAndLeave(dlg, Box(dlg, "txFreq"), "450.003");
        EXPECT_EQ(TakeMessages(prompts), V{"Input Valid TX Frequency!"});
        TypeOnAndLeave(dlg, "455.5");
        EXPECT_EQ(TextOf(dlg, "txFreq"), "455.5000");
        EXPECT_TRUE(Button(dlg, "txCtcss")->isEnabled());
        QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.0);
    EXPECT_EQ(Doc().Channel(1).m_dTxFreq, 455.5);
}

// A typo refused leaves the RX box empty; OK then would clear the channel, which is asked
// first (No by default) as Delete asks.
TEST_F(RetypeAfterRefusal, OkAfterARefusedFrequencyAsksBeforeEmptyingTheChannel) {
    Start();
    NewPlan(kBandUhf2, false);
    ChannelRecord& ch = Doc().Channel(1);
    ch.m_dRxFreq = ch.m_dTxFreq = 450.0125;
    ch.m_nStepCode = kStep6250;
    for (const QuestionAnswer answer : {QuestionAnswer::No, QuestionAnswer::Yes}) {
        prompts.AnswerQuestion(answer);
        EditChannel(1, [this, answer](QDialog& dlg) {
            TypeAndLeave(Box(dlg, "rxFreq"), "480");
            EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 440Mhz to 470Mhz"});
            QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
            EXPECT_EQ(dlg.isVisible(), answer == QuestionAnswer::No);
            if (dlg.isVisible()) QTest::mouseClick(Button(dlg, "cancelButton"), Qt::LeftButton);
        });
        ASSERT_EQ(prompts.questions.size(), 1u);
        EXPECT_EQ(prompts.questions[0].text.toStdString(), "Clear channel 1?");
        prompts.questions.clear();
        EXPECT_EQ(Doc().Channel(1).InUse(), answer == QuestionAnswer::No);
    }
}

TEST_F(RetypeAfterRefusal, OptionBoxesTakeTheValueTypedAfterARefusal) {
    Start();
    NewPlan(kBandVhf2, true);
    Doc().m_bPowerSave = 1;  // the receiver times show, so leaving them refuses nothing
    RunEditor(Action(CommandId::Options), [this](QDialog& dlg) {
        QTest::mouseClick(Button(dlg, "txTimeOutButton"), Qt::LeftButton);
        TypeAndLeave(Box(dlg, "txTimeOutEdit"), "5");
        EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 10 to 990"});
        TypeOnAndLeave(dlg, "200");
        EXPECT_EQ(Doc().m_nTxTimeOut, 200);
        EXPECT_TRUE(Box(dlg, "txInhibitEdit")->hasFocus());

        TypeOnAndLeave(dlg, "3");
        EXPECT_EQ(TakeMessages(prompts), V{"Valid Settings 5 to 75"});
        TypeOnAndLeave(dlg, "20");
        EXPECT_EQ(Doc().m_nTxInhibit, 20);

        struct Decimal {
            const char* box;
            const char* refused;
            const char* typed;
            double CKM42Doc::*field;
            double stored;
        };
        for (const Decimal& d :
             {Decimal{"scanSpeedEdit", "2.5", "0.5", &CKM42Doc::m_dScanSpeed, 0.5},
              Decimal{"rxOnEdit", "0.25", "0.1", &CKM42Doc::m_dRxOnTime, 0.1},
              Decimal{"rxOffEdit", "5", "2", &CKM42Doc::m_dRxOffTime, 2.0}}) {
            ClickTypeAndLeave(dlg, Box(dlg, d.box), d.refused);
            EXPECT_EQ(TakeMessages(prompts).size(), 1u) << d.box;
            ClickTypeAndLeave(dlg, Box(dlg, d.box), d.typed);
            EXPECT_EQ(Doc().*d.field, d.stored) << d.box;
        }
        QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
