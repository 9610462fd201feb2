// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QRadioButton>

#include "EditorTestSupport.h"
#include "KeyboardTestSupport.h"
#include "SamplePlan.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/view/PlanChanges.h"

namespace {

using Script = std::function<void(CChannelDlg&)>;
using V = std::vector<std::string>;

const std::vector<const char*> kSignalling = {
    "rxCsq",      "rxCtcss",     "rxDcs",     "rxNsc1",     "rxNsc2",
    "rxInverted", "rxCtcssList", "rxDcsList", "rxNsc1Tone", "rxNsc2Tone",
    "txCsq",      "txCtcss",     "txDcs",     "txNsc1",     "txNsc2",
    "txInverted", "txCtcssList", "txDcsList", "txNsc1Tone", "txNsc2Tone"};

class ChannelEditor : public UiTest {
protected:
    void OpenSample(const CKM42Doc& doc = SamplePlan16()) {
        ASSERT_TRUE(datafile::SaveDocument(doc, File("plan.kmd16")).ok);
        OpenPlan(File("plan.kmd16"));
    }
    // A KM42 plan (UHF 2) with channel 1 on 450.0125 MHz.
    void StartUhf2() {
        Start();
        NewPlan(kBandUhf2, false);
        Doc().Channel(1).m_dRxFreq = 450.0125;
        View().FillGrid4();
    }
    CMSFlexGrid& Grid() { return Doc().m_b16Channel != 0 ? *View().m_Grid16 : *View().m_Grid4; }
    // Double-clicks a cell of channel n's row; the script drives the editor that opens.
    void Edit(int n, Script script, int col = kColRxFreq) {
        prompts.ScriptDialog([script](QDialog& dialog) {
            Activate(dialog);
            script(static_cast<CChannelDlg&>(dialog));
        });
        DoubleClickCell(Grid(), n, col);
    }
    V Row(int n) {
        V cells;
        for (int c = 1; c < kGridColumnCount; ++c) cells.push_back(Cell(Grid(), n, c));
        return cells;
    }
    static void ClickOk(QDialog& dlg) {
        QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
    }
};

TEST_F(ChannelEditor, AnEmptyChannelOffersNothingUntilAValidRxFrequencyIsLeft) {
    Start();
    NewPlan(kBandUhf2, false);
    Edit(2, [](CChannelDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle().toStdString(), "Channel");
        EXPECT_EQ(TextOf(dlg, "channelLabel"), "2");
        EXPECT_EQ(TextOf(dlg, "bandLabel"), "UHF 2 (440 ~ 470 MHz)");
        for (const char* name : kSignalling)
            EXPECT_FALSE(Find<QWidget>(dlg, name)->isEnabled()) << name;
        EXPECT_FALSE(Button(dlg, "okButton")->isEnabled());

        TypeAndLeave(Box(dlg, "rxFreq"), "450.5");
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "450.5000");
        EXPECT_TRUE(Button(dlg, "okButton")->isEnabled());
        for (const char* name : {"rxCsq", "rxCtcss", "rxDcs", "rxNsc1", "rxNsc2"})
            EXPECT_TRUE(Button(dlg, name)->isEnabled()) << name;
        EXPECT_FALSE(Button(dlg, "txCtcss")->isEnabled()) << "no TX frequency yet";
        TypeAndLeave(Box(dlg, "txFreq"), "455");
        EXPECT_TRUE(Button(dlg, "txCtcss")->isEnabled());
        ClickOk(dlg);
    });
    EXPECT_EQ(Doc().Channel(2).m_dRxFreq, 450.5);
    EXPECT_EQ(Doc().Channel(2).m_dTxFreq, 455.0);
    EXPECT_EQ(Row(2), (V{"450.5000", "CSQ", "", "455.0000", "CSQ", "", "", "", "H", "N"}));
}

TEST_F(ChannelEditor, RxOffTheRasterMovesToTheNext12_5kHzStepAndSetsTheStepCode) {
    StartUhf2();
    struct Case {
        const char* typed;
        const char* shown;
        std::int32_t step;
    };
    // The box takes 8 characters: "450.00625" arrives as "450.0062".
    const std::vector<Case> cases = {{"450.0125", "450.0125", 1}, {"450.005", "450.0050", 2},
                                     {"450.003", "450.0000", 1},  {"450.007", "450.0125", 1},
                                     {"450.0063", "450.0125", 1}, {"450.00625", "450.0000", 1},
                                     {"450.005", "450.0050", 2}};
    Edit(1, [&cases](CChannelDlg& dlg) {
        for (const Case& c : cases) {
            TypeAndLeave(Box(dlg, "rxFreq"), QString::fromUtf8(c.typed));
            EXPECT_EQ(TextOf(dlg, "rxFreq"), c.shown) << c.typed;
            EXPECT_EQ(dlg.m_nStep, c.step) << c.typed;
        }
        ClickOk(dlg);
    });
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.005);
    EXPECT_EQ(Doc().Channel(1).m_nStepCode, 2);
}

TEST_F(ChannelEditor, TxMustLieOnTheRasterTheRxCheckFound) {
    StartUhf2();
    Edit(1, [this](CChannelDlg& dlg) {
        QLineEdit* tx = Box(dlg, "txFreq");
        TypeAndLeave(tx, "450.005");
        EXPECT_EQ(TakeMessages(prompts), V{"Input Valid TX Frequency!"});
        EXPECT_EQ(tx->text().toStdString(), "");
        EXPECT_TRUE(tx->hasFocus());
        TypeAndLeave(Box(dlg, "rxFreq"), "450.005");
        TypeAndLeave(tx, "450.0125");
        EXPECT_EQ(TakeMessages(prompts), V{"Input Valid TX Frequency!"});
        TypeAndLeave(tx, "450.010");
        EXPECT_EQ(TextOf(dlg, "txFreq"), "450.0100");
        ClickOk(dlg);
    });
    EXPECT_EQ(Doc().Channel(1).m_dTxFreq, 450.01);
    EXPECT_EQ(Doc().Channel(1).m_nStepCode, 2);
    EXPECT_TRUE(prompts.messages.empty());
}

constexpr const char* kUhf2Message = "Valid Settings 440Mhz to 470Mhz";

TEST_F(ChannelEditor, ACommaIsTheDecimalPointAndJunkIsRefusedWithTheBoxsMessage) {
    StartUhf2();
    Doc().Channel(1).m_dTxFreq = 455.0;
    Edit(1, [this](CChannelDlg& dlg) {
        TypeAndLeave(Box(dlg, "rxFreq"), "450,0125");
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "450.0125");
        TypeAndLeave(Box(dlg, "txFreq"), "abc");
        EXPECT_EQ(TakeMessages(prompts), V{kUhf2Message});
        EXPECT_EQ(TextOf(dlg, "txFreq"), "");
        TypeAndLeave(Box(dlg, "rxFreq"), "451.5MHz");
        EXPECT_EQ(TakeMessages(prompts), V{kUhf2Message});
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "");
        TypeAndLeave(Box(dlg, "rxFreq"), "450,5");
        TypeAndLeave(Box(dlg, "txFreq"), "455,0125");
        ClickOk(dlg);
    });
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.5);
    EXPECT_EQ(Doc().Channel(1).m_dTxFreq, 455.0125);
}

TEST_F(ChannelEditor, OkKeepsAPairThatSharesOnlyTheCoarseRaster) {
    StartUhf2();
    ChannelRecord& ch = Doc().Channel(1);
    ch.m_dRxFreq = 450.0;    // on both rasters
    ch.m_dTxFreq = 450.005;  // on the 5 kHz raster only, as a radio can hold it
    ch.m_nStepCode = kStep5000;
    Edit(1, [](CChannelDlg& dlg) { ClickOk(dlg); });
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Doc().Channel(1).m_dTxFreq, 450.005);
    EXPECT_EQ(Doc().Channel(1).m_nStepCode, kStep5000);
    Edit(1, [this](CChannelDlg& dlg) {
        TypeAndLeave(Box(dlg, "txFreq"), "450.0125");
        EXPECT_TRUE(prompts.messages.empty()) << "the fine raster is the RX's too";
        TypeAndLeave(Box(dlg, "txFreq"), "450.0025");
        EXPECT_EQ(TakeMessages(prompts), V{"Input Valid TX Frequency!"});
        TypeAndLeave(Box(dlg, "txFreq"), "450.0125");
        ClickOk(dlg);
    });
    EXPECT_EQ(Doc().Channel(1).m_nStepCode, kStep6250);
}

struct RangeCase {
    const char* name;
    int band;
    double loadedMHz;
    const char* box;
    const char* typed;
    const char* shown;    // empty when refused
    const char* message;  // nullptr when accepted
    MessageIcon icon;
};
void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.name;
}
class BandRange : public ChannelEditor, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(BandRange, RefusesOutsideTheBandWithItsMessage) {
    const RangeCase c = GetParam();
    Start();
    NewPlan(kBandVhf2, false);
    Doc().m_nBand = c.band;
    Doc().Channel(1).m_dRxFreq = c.loadedMHz;
    Edit(1, [this, &c](CChannelDlg& dlg) {
        TypeAndLeave(Box(dlg, c.box), QString::fromUtf8(c.typed));
        EXPECT_EQ(TextOf(dlg, c.box), c.shown);
        if (c.message == nullptr) {
            EXPECT_TRUE(prompts.messages.empty());
        } else {
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text.toStdString(), c.message);
            EXPECT_EQ(prompts.messages[0].icon, c.icon);
            EXPECT_TRUE(Box(dlg, c.box)->hasFocus());
            EXPECT_EQ(dlg.m_dRxMHz, c.loadedMHz) << "the last accepted value stays";
        }
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
}

constexpr const char* kVhf2Message = "Valid Settings 146Mhz to 174Mhz";
constexpr const char* kVhf1Message = "Valid Settings 136Mhz to 158Mhz";
constexpr MessageIcon kNone = MessageIcon::None;
constexpr MessageIcon kExcl = MessageIcon::Exclamation;
INSTANTIATE_TEST_SUITE_P(
    Bands, BandRange,
    ::testing::Values(
        RangeCase{"Vhf2UpperLimit", 1, 150, "rxFreq", "174", "174.0000", nullptr, kNone},
        RangeCase{"Vhf2AboveIsAnAppBox", 1, 150, "rxFreq", "174.0125", "", kVhf2Message, kExcl},
        RangeCase{"Vhf2EmptyRx", 1, 150, "rxFreq", "", "", nullptr, kNone},
        RangeCase{"Vhf2Negative", 1, 150, "rxFreq", "-150", "", kVhf2Message, kExcl},
        RangeCase{"Vhf2TxBelow", 1, 150, "txFreq", "145.9875", "", kVhf2Message, kNone},
        RangeCase{"Uhf2Above", 4, 450, "rxFreq", "470.0125", "", kUhf2Message, kNone},
        RangeCase{"Uhf2EmptyRx", 4, 450, "rxFreq", "", "", nullptr, kNone},
        RangeCase{"Vhf1UpperLimitRefused", 0, 150, "rxFreq", "158", "", kVhf1Message, kNone},
        RangeCase{"Vhf1EmptyRxRefused", 0, 150, "rxFreq", "", "", kVhf1Message, kNone},
        RangeCase{"Vhf1EmptyTx", 0, 150, "txFreq", "", "", nullptr, kNone}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ChannelEditor, AToneTypedInOneBoxShowsInBothAndReachesEveryChannelAndRow) {
    Start();
    OpenSample();
    Edit(5, [](CChannelDlg& dlg) {
        TypeAndLeave(Box(dlg, "txNsc1Tone"), "100");
        EXPECT_EQ(TextOf(dlg, "rxNsc1Tone"), "100.0");
        EXPECT_EQ(TextOf(dlg, "txNsc1Tone"), "100.0");
        ClickOk(dlg);
    });
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Doc().Channel(n).m_dRxNsc1, 100.0) << n;
        EXPECT_EQ(Doc().Channel(n).m_dTxNsc1, 100.0) << n;
        EXPECT_EQ(Doc().Channel(n).m_dRxNsc2, 88.8) << n;
    }
    EXPECT_EQ(Doc().m_dRadioNsc1, 100.0);
    EXPECT_EQ(Cell(Grid(), 5, 3), "100.0");
    EXPECT_EQ(Cell(Grid(), 5, 6), "100.0");
    EXPECT_EQ(Cell(Grid(), 9, 3), "100.0") << "another channel on NSC-1";
}

TEST_F(ChannelEditor, AToneOutsideItsRangeEmptiesThatBoxAndKeepsTheToneInForce) {
    Start();
    OpenSample();
    Edit(6, [this](CChannelDlg& dlg) {
        QLineEdit* box = Box(dlg, "rxNsc2Tone");
        TypeAndLeave(box, "45");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(), "Valid Settings 50.0 to 300.0");
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(box->text().toStdString(), "");
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(TextOf(dlg, "txNsc2Tone"), " 88.8");
        EXPECT_EQ(dlg.m_dNsc2, 88.8);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(prompts.messages.size(), 1u) << "Enter does not refuse the emptied box again";
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(Doc().Channel(n).m_dRxNsc2, 88.8) << n;
    EXPECT_EQ(Cell(Grid(), 6, 3), " 88.8");
}

TEST_F(ChannelEditor, AToneTypedJustBeforeEnterIsNotLost) {
    Start();
    OpenSample();
    Edit(5, [](CChannelDlg& dlg) {
        Type(Box(dlg, "rxNsc1Tone"), "210.7");
        QTest::keyClick(Box(dlg, "rxNsc1Tone"), Qt::Key_Return);
    });
    EXPECT_EQ(Doc().Channel(12).m_dTxNsc1, 210.7);
    EXPECT_EQ(Cell(Grid(), 5, 3), "210.7");
}

TEST_F(ChannelEditor, CancelAndEscapeLeaveThePlanAndTheGridAsTheyWere) {
    Start();
    OpenSample();
    const std::vector<std::uint8_t> before = datafile::SerializeDocument(Doc());
    const V row = Row(5);
    for (const bool escape : {false, true}) {
        Edit(5, [escape](CChannelDlg& dlg) {
            TypeAndLeave(Box(dlg, "rxNsc1Tone"), "100");
            TypeAndLeave(Box(dlg, "rxFreq"), "150");
            Click(Button(dlg, "rxCtcss"));
            if (escape)
                QTest::keyClick(&dlg, Qt::Key_Escape);
            else
                QTest::mouseClick(Button(dlg, "cancelButton"), Qt::LeftButton);
        });
        EXPECT_EQ(datafile::SerializeDocument(Doc()), before);
        EXPECT_EQ(Doc().m_dRadioNsc1, 67.0);
        EXPECT_EQ(Row(5), row);
    }
}

TEST_F(ChannelEditor, ClearEmptiesTheChannelAndGivesUpItsPriorityAndPowerOnRoles) {
    Start();
    CKM42Doc doc = SamplePlan16();
    doc.Channel(3).m_bPowerOn = doc.m_bPowerOnUsed = 1;
    OpenSample(doc);
    const auto clear = [](CChannelDlg& dlg) {
        QTest::mouseClick(Button(dlg, "clearButton"), Qt::LeftButton);
    };
    Edit(1, clear);
    EXPECT_EQ(Doc().m_bPriorityUsed, 1);
    EXPECT_EQ(Doc().m_bPowerOnUsed, 1);
    const std::int32_t stepBefore = Doc().Channel(5).m_nStepCode;
    Edit(5, clear, kColTxValue);
    EXPECT_EQ(Doc().m_bPriorityUsed, 0);
    EXPECT_EQ(Doc().m_bPowerOnUsed, 1);
    Edit(3, clear);
    EXPECT_EQ(Doc().m_bPowerOnUsed, 0);

    const ChannelRecord& ch = Doc().Channel(5);
    EXPECT_EQ(ch.m_dRxFreq, 0.0);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
    EXPECT_EQ(ch.m_dTxNsc2, 88.8) << "the radio-wide tones stay";
    EXPECT_EQ(ch.m_bHighPower, 1);
    EXPECT_EQ(ch.m_nStepCode, stepBefore) << "clear leaves the step code alone";
    EXPECT_EQ(Doc().Channel(9).m_dRxNsc1, 123.4) << "other channels keep their tones";
    EXPECT_EQ(Row(5), V(10, ""));
}

TEST_F(ChannelEditor, OkKeepsALoadedFrequencyThatTheBoxCannotShowInFull) {
    StartUhf2();
    Doc().Channel(1).m_dRxFreq = Doc().Channel(1).m_dTxFreq = 450.00625;
    Edit(1, [](CChannelDlg& dlg) { ClickOk(dlg); });
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.00625);
    EXPECT_EQ(Doc().Channel(1).m_dTxFreq, 450.00625);
    EXPECT_EQ(Doc().Channel(1).m_nStepCode, 1);
}

TEST_F(ChannelEditor, ClickingOkRightAfterARefusedValueIsSpentOnTheMessage) {
    StartUhf2();
    Edit(1, [this](CChannelDlg& dlg) {
        Type(Box(dlg, "rxFreq"), "500");
        ClickOk(dlg);
        EXPECT_EQ(TakeMessages(prompts), V{kUhf2Message});
        EXPECT_TRUE(dlg.isVisible()) << "the emptied box must not be stored as an empty channel";
        EXPECT_TRUE(Box(dlg, "rxFreq")->hasFocus());
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.0125);
}

TEST_F(ChannelEditor, EnterWithARefusedValueStoresTheLastAcceptedOne) {
    StartUhf2();
    Edit(1, [](CChannelDlg& dlg) {
        Type(Box(dlg, "rxFreq"), "500");
        QTest::keyClick(Box(dlg, "rxFreq"), Qt::Key_Return);
    });
    EXPECT_EQ(TakeMessages(prompts), V{kUhf2Message});
    EXPECT_EQ(Doc().Channel(1).m_dRxFreq, 450.0125);
}

TEST_F(ChannelEditor, EachSignallingButtonEnablesItsOwnCompanions) {
    Start();
    OpenSample();
    Edit(1, [](CChannelDlg& dlg) {
        const std::vector<const char*> buttons = {"txCsq", "txCtcss", "txDcs", "txNsc1", "txNsc2"};
        const std::vector<const char*> companions = {"txInverted", "txCtcssList", "txDcsList",
                                                     "txNsc1Tone", "txNsc2Tone"};
        const std::vector<std::vector<bool>> enabled = {
            {0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {1, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}};
        for (std::size_t b = 0; b < buttons.size(); ++b) {
            Click(Button(dlg, buttons[b]));
            for (std::size_t c = 0; c < companions.size(); ++c)
                EXPECT_EQ(Find<QWidget>(dlg, companions[c])->isEnabled(), enabled[b][c])
                    << buttons[b] << " " << companions[c];
        }
        Click(Button(dlg, "rxDcs"));
        QTest::keyClick(List(dlg, "rxDcsList"), Qt::Key_End);
        Click(Button(dlg, "rxInverted"));
        ClickOk(dlg);
    });
    const ChannelRecord& ch = Doc().Channel(1);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchDcs);
    EXPECT_EQ(ch.m_nRxDcs, 82);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchNsc2);
    EXPECT_EQ(Row(1),
              (V{"146.5200", "I-DCS", "754", "146.5200", "NSC-2", " 88.8", "S", "", "H", "N"}));
}

TEST_F(ChannelEditor, OffersTheToneAndCodeTablesAndNoCloseBox) {
    Start();
    NewPlan(kBandVhf2, false);
    Edit(1, [](CChannelDlg& dlg) {
        for (const char* name : {"rxCtcssList", "txCtcssList"}) {
            QComboBox* list = List(dlg, name);
            ASSERT_EQ(list->count(), 39);
            EXPECT_EQ(list->itemText(0).toStdString(), "67.0");
            EXPECT_EQ(list->itemText(38).toStdString(), "250.3");
        }
        for (const char* name : {"rxDcsList", "txDcsList"}) {
            QComboBox* list = List(dlg, name);
            ASSERT_EQ(list->count(), 83);
            EXPECT_EQ(list->itemText(0).toStdString(), "023");
            EXPECT_EQ(list->itemText(82).toStdString(), "754");
        }
        EXPECT_EQ(Box(dlg, "rxFreq")->maxLength(), 8);
        EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        dlg.close();
        EXPECT_TRUE(dlg.isVisible()) << "the close box is disabled";
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
}

TEST_F(ChannelEditor, AListChosenAfterOpeningStoresTheItemItShows) {
    Start();
    OpenSample();
    Edit(2, [](CChannelDlg& dlg) {
        EXPECT_EQ(dlg.m_nRxCtcssSel, 12);
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    Edit(1, [](CChannelDlg& dlg) {
        EXPECT_EQ(dlg.m_nRxCtcssSel, 12) << "carried over from the last opening";
        EXPECT_EQ(List(dlg, "rxCtcssList")->currentIndex(), 0);
        Click(Button(dlg, "rxCtcss"));
        ClickOk(dlg);
    });
    EXPECT_EQ(Doc().Channel(1).m_nRxCtcss, 0);
    EXPECT_EQ(Cell(Grid(), 1, 3), "67.0");
}

TEST_F(ChannelEditor, TheRxToneOneButtonShowsTheToneThatOkStores) {
    Start();
    OpenSample();  // the file does not carry the last stored tone: it is still 67.0
    Edit(1, [](CChannelDlg& dlg) {
        Click(Button(dlg, "rxNsc1"));
        EXPECT_TRUE(Box(dlg, "rxNsc1Tone")->isEnabled());
        EXPECT_EQ(TextOf(dlg, "rxNsc1Tone"), "123.4");
        ClickOk(dlg);
    });
    EXPECT_EQ(Row(1)[1], "NSC-1");
    EXPECT_EQ(Row(1)[2], "123.4");
}

// Without a mouse: the editor opens in the RX box, Enter is "OK" (also right after a frequency
// typed into an empty channel), Escape "CANCEL", the Alt keys reach their controls and the
// arrows move between the signalling types.
TEST_F(ChannelEditor, WorksByKeyboardAlone) {
    Start();
    NewPlan(kBandUhf2, false);
    CMSFlexGrid& grid = *View().m_Grid4;
    FocusGrid(Frame(), grid);
    Keyboard keys;
    grid.setCurrentCell(2, kColRxFreq);
    prompts.ScriptDialog([&keys](QDialog& dlg) {
        ActivateForKeys(dlg);
        EXPECT_FALSE(Button(dlg, "okButton")->isEnabled()) << "an empty channel";
        const std::vector<std::string> altKeys = AltKeys(dlg);
        EXPECT_EQ(std::adjacent_find(altKeys.begin(), altKeys.end()), altKeys.end())
            << "each Alt key reaches one control";
        EXPECT_GE(altKeys.size(), 9u);
        keys.Type("480");
        keys.Press(Qt::Key_Return);  // refused: the dialog stays, the box is emptied
        EXPECT_TRUE(dlg.isVisible());
        keys.Type("446.5");
        keys.Press(Qt::Key_Return);
    });
    keys.Press(Qt::Key_Return);
    EXPECT_EQ(TakeMessages(prompts), V{kUhf2Message});
    EXPECT_EQ(Doc().Channel(2).m_dRxFreq, 446.5);
    EXPECT_EQ(Doc().Channel(2).m_dTxFreq, 0.0);
    EXPECT_EQ(Cell(grid, 2, kColRxFreq), "446.5000");

    prompts.ScriptDialog([&keys](QDialog& dlg) {
        ActivateForKeys(dlg);
        PressAltKey(dlg, Qt::Key_S);  // "&Signaling": the checked RX type, CSQ
        EXPECT_EQ(QApplication::focusWidget(), Button(dlg, "rxCsq"));
        keys.Press(Qt::Key_Down);
        keys.Press(Qt::Key_Down);
        EXPECT_TRUE(Button(dlg, "rxDcs")->isChecked());
        EXPECT_TRUE(List(dlg, "rxDcsList")->isEnabled());
        PressAltKey(dlg, Qt::Key_I);  // "&Inverted"
        EXPECT_TRUE(Button(dlg, "rxInverted")->isChecked());
        PressAltKey(dlg, Qt::Key_Q);  // "Fre&q": the TX box
        keys.Type("447");
        PressAltKey(dlg, Qt::Key_O);  // "&OK"
    });
    keys.Press(Qt::Key_F2);
    const ChannelRecord& ch = Doc().Channel(2);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchDcs);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);
    EXPECT_EQ(ch.m_dTxFreq, 447.0);
    EXPECT_EQ(Cell(grid, 2, kColRxSquelch), "I-DCS");

    // The Edit menu's keys stay with the box: Ctrl+Z undoes the typing, Delete a character.
    const int steps = View().PlanChanges().History().count();
    prompts.ScriptDialog([&keys](QDialog& dlg) {
        ActivateForKeys(dlg);
        keys.Type("450");
        keys.Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "446.5000");
        keys.Press(Qt::Key_Home);
        keys.Press(Qt::Key_Delete);
        EXPECT_EQ(TextOf(dlg, "rxFreq"), "46.5000");
        keys.Press(Qt::Key_Escape);
    });
    keys.Press(Qt::Key_Return);
    EXPECT_EQ(Doc().Channel(2).m_dRxFreq, 446.5) << "Escape is CANCEL";
    EXPECT_EQ(View().PlanChanges().History().count(), steps);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
