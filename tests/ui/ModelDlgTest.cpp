// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>

#include "UiFixture.h"
#include "model/Messages.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/ModelDlg.h"

namespace {

using enum CommandId;

class ModelDialog : public UiTest {
protected:
    // Runs New with the given script driving the model dialog.
    void RunNew(RecordingPrompts::DialogScript script) {
        prompts.ScriptDialog(std::move(script));
        Action(FileNew)->trigger();
    }
    static QRadioButton* Band(QDialog& dialog, int band) {
        return dialog.findChild<QRadioButton*>(QStringLiteral("band%1").arg(band));
    }
};

TEST_F(ModelDialog, OffersTheNineBandsWithOnlyVhf2AndUhf2Enabled) {
    Start();
    RunNew([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Select Radio Model");
        const std::vector<std::string> labels = {
            "KM 161 (VHF1) : 136 - 162(MHz)",     "KM 41/161 (VHF2) : 146 - 174(MHz)",
            "220MHz            : 216 - 223(MHz)", "KM 162 (UHF1) : 400 - 430(MHz)",
            "KM 42/162 (UHF2) : 440 - 470(MHz)",  "KM 162 (UHF3) : 470 - 490(MHz)",
            "KM 162 (UHF4) : 490 - 500(MHz)",     "KM 162 (UHF5) : 420 - 450(MHz)",
            "KM 162 (UHF6) : 450 - 480(MHz)"};
        for (int band = 0; band < 9; ++band) {
            QRadioButton* button = Band(dialog, band);
            ASSERT_NE(button, nullptr) << band;
            EXPECT_EQ(button->text().toStdString(), labels[band]);
            EXPECT_EQ(button->isEnabled(), band == 1 || band == 4) << band;
            EXPECT_FALSE(button->isChecked()) << band;
        }
        EXPECT_EQ(ChannelButton(dialog)->text().toStdString(), "4 Channels");
        EXPECT_FALSE(ChannelButton(dialog)->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

TEST_F(ModelDialog, OkBeforeABandWasPickedIsRefusedAndTheDialogStaysOpen) {
    Start();
    RunNew([this](QDialog& dialog) {
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(), "Please select a Radio Model ! ");
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
        ClickRadio(dialog, kBandUhf2);
        ClickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(Doc().m_nBand, kBandUhf2);
    EXPECT_TRUE(View().m_Grid4->isVisible());
    EXPECT_EQ(View().m_strBandCaption.toStdString(), "UHF 2 (440 ~ 470 MHz)");
}

TEST_F(ModelDialog, OkWithNoBandCheckedIsRefusedAlsoAfterABandWasPickedAndLeft) {
    Start();
    RunNew([](QDialog& dialog) {
        ClickRadio(dialog, kBandUhf2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunNew([this](QDialog& dialog) {
        for (int band = 0; band < 9; ++band) EXPECT_FALSE(Band(dialog, band)->isChecked()) << band;
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(), "Please select a Radio Model ! ");
        ClickRadio(dialog, kBandVhf2);
        ClickOk(dialog);
    });
    EXPECT_EQ(Doc().m_nBand, kBandVhf2);
    EXPECT_EQ(View().m_strBandCaption.toStdString(), "VHF 2 (146 ~ 174 MHz)");
}

TEST_F(ModelDialog, TheChannelToggleWritesTheDocumentAtOnceAndTwiceGoesBack) {
    Start();
    RunNew([this](QDialog& dialog) {
        QPushButton* toggle = ChannelButton(dialog);
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_EQ(Doc().m_b16Channel, 1);
        EXPECT_TRUE(toggle->isChecked());
        EXPECT_EQ(toggle->text().toStdString(), "16 Channels");
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_EQ(Doc().m_b16Channel, 0);
        EXPECT_FALSE(toggle->isChecked());
        EXPECT_EQ(toggle->text().toStdString(), "4 Channels");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

TEST_F(ModelDialog, EscapeOrTheCloseBoxPutsTheChannelCountBack) {
    Start();
    NewPlan(kBandVhf2, false);
    const auto leaveAfterToggle = [](bool escape) {
        return [escape](QDialog& dialog) {
            QTest::mouseClick(ChannelButton(dialog), Qt::LeftButton);
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
        };
    };
    RunNew(leaveAfterToggle(true));
    EXPECT_EQ(Doc().m_b16Channel, 0) << "the 4-channel plan must not be saved as 16 channels";
    RunNew(leaveAfterToggle(false));
    EXPECT_EQ(Doc().m_b16Channel, 0);
    EXPECT_TRUE(View().m_Grid4->isVisible());

    // The Save dialog still matches the plan on screen.
    prompts.AnswerFileDialog(std::nullopt);
    Action(FileSave)->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().request.initialName.toStdString(), "*.kmd04");
}

TEST_F(ModelDialog, ASecondNewKeepsTheLastBandAndAcceptsOkAtOnce) {
    Start();
    NewPlan(kBandUhf2, true);
    QDialog* first = nullptr;
    RunNew([&first](QDialog& dialog) {
        first = &dialog;
        EXPECT_TRUE(Band(dialog, kBandUhf2)->isChecked());
        EXPECT_EQ(ChannelButton(dialog)->text().toStdString(), "16 Channels")
            << "the toggle reads the document's count at each opening";
        ClickOk(dialog);
    });
    EXPECT_EQ(prompts.messages.size(), 0u);
    EXPECT_EQ(Doc().m_nBand, kBandUhf2);
    EXPECT_TRUE(View().m_Grid16->isVisible());
    RunNew([first](QDialog& dialog) {
        EXPECT_EQ(&dialog, first) << "one dialog object for the whole run";
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

TEST_F(ModelDialog, CancelChangesNeitherThePlanNorTheCaption) {
    Start();
    NewPlan(kBandVhf2, true);
    Doc().Channel(3).m_dRxFreq = 150.0;
    RunNew([](QDialog& dialog) {
        ClickRadio(dialog, kBandUhf2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().m_nBand, kBandVhf2);
    EXPECT_EQ(Doc().Channel(3).m_dRxFreq, 150.0);
    EXPECT_EQ(View().m_strBandCaption.toStdString(), "VHF 2 (146 ~ 174 MHz)");
}

TEST_F(ModelDialog, NewResetsThePlanToTheDefaults) {
    Start();
    NewPlan(kBandVhf2, true);
    Doc().Channel(16).m_dRxFreq = 170.0;
    Doc().m_bBeepOff = 1;
    NewPlan(kBandVhf2, true);
    EXPECT_EQ(Doc().Channel(16).m_dRxFreq, 0.0);
    EXPECT_EQ(Doc().m_bBeepOff, 0);
    EXPECT_EQ(Cell(*View().m_Grid16, 16, 1), "");
}

}  // namespace
