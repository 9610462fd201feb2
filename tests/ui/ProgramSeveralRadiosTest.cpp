// SPDX-License-Identifier: GPL-3.0-or-later
// Port > Program Several Radios... against virtual radios over real pseudo-terminals, one on
// the cable after another, and File > Radio History... over the log such a job leaves.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "RadioFixture.h"
#include "fleet/ProgrammingLog.h"
#include "link/DemoRadio.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/Backups.h"
#include "settings/Settings.h"
#include "ui/app/RunOptions.h"
#include "ui/dialogs/FleetDlg.h"
#include "ui/view/PlanChanges.h"

namespace {

using enum CommandId;
using radiolink::RadioFaults;

template <class Widget = QWidget>
Widget& Child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromUtf8(name));
    if (widget == nullptr) throw std::runtime_error(std::string("no ") + name);
    return *widget;
}
std::string TextOf(QDialog& dialog, const char* name) {
    return Child<QLabel>(dialog, name).text().toStdString();
}
void Click(QDialog& dialog, const char* button) {
    QTest::mouseClick(&Child<QPushButton>(dialog, button), Qt::LeftButton);
}
bool WaitForText(QDialog& dialog, const char* name, const std::string& text) {
    return QTest::qWaitFor([&] { return TextOf(dialog, name) == text; }, kBoundMs);
}

class ProgramSeveralRadios : public RadioDialogTest {
protected:
    ~ProgramSeveralRadios() override {
        app.reset();
        radios.clear();
    }
    radiolink::CVirtualRadio& AddRadio(const char* model, RadioFaults faults = {}) {
        radiolink::CVirtualRadio::Options options;
        options.paced = false;
        options.faults = faults;
        radios.push_back(std::make_unique<radiolink::CVirtualRadio>(DemoMemory(model), options));
        std::string error;
        EXPECT_TRUE(radios.back()->Start(error)) << error;
        return *radios.back();
    }
    // The dealer's part for radio `number`: the radio on the cable (where COM1 leads when
    // there is none), its label scanned.
    void Connect(QDialog& dialog, int number, const radiolink::CVirtualRadio* onCable,
                 const char* label) {
        ASSERT_TRUE(WaitForText(dialog, "promptText", FormatText(msg::kFleetConnectRadio, number)));
        if (onCable != nullptr) MapCom1(onCable->DevicePath());
        QTest::keyClicks(&Child<QLineEdit>(dialog, "labelBox"), QString::fromUtf8(label));
        QTest::keyClick(&Child<QLineEdit>(dialog, "labelBox"), Qt::Key_Return);
    }
    static bool WaitForFailure(QDialog& dialog, int rows) {
        return QTest::qWaitFor(
            [&] {
                return Child<QPushButton>(dialog, "retryButton").isEnabled() &&
                       Child<QTableWidget>(dialog, "radioTable").rowCount() == rows;
            },
            kBoundMs);
    }
    // "number label model result", and the hue a row is painted in (-1: not painted).
    static std::vector<std::string> Rows(QTableWidget& table, std::vector<int>& hues) {
        std::vector<std::string> rows;
        for (int r = 0; r < table.rowCount(); ++r) {
            std::string row;
            for (int c = 0; c < 4; ++c)
                row += (c ? " " : "") + table.item(r, c)->text().toStdString();
            rows.push_back(row);
            const QBrush background = table.item(r, 0)->background();
            hues.push_back(background.style() == Qt::NoBrush ? -1 : background.color().hue());
        }
        return rows;
    }

    static std::vector<unsigned char> LineOf(const radiolink::LineImage& memory) {
        return {memory.begin(), memory.end()};
    }

    std::vector<std::unique_ptr<radiolink::CVirtualRadio>> radios;
};

TEST_F(ProgramSeveralRadios, EachRadioEndsItsOwnWayInTheTableAndInTheLog) {
    RadioFaults corrupting, silent;
    corrupting.corruptStored = image::ChannelBlockOffset(1) + image::kRx.quotientLow;
    silent.silent = true;
    const auto& good = AddRadio("KM162");
    const auto& other = AddRadio("KM41");
    const auto& bad = AddRadio("KM162", corrupting);
    const auto& off = AddRadio("KM162", silent);
    ASSERT_TRUE(
        datafile::SaveDocument(radiolink::DemoPlan(*FindRadioModel("KM162")), File("shop.kmd16"))
            .ok);
    Start();
    OpenPlan(File("shop.kmd16"));
    View().findChild<CFleetDlg*>()->m_Timing = FastTiming();
    std::filesystem::create_directories(File("taken"));
    WriteBytes(File("taken/programming-log.csv"), {'n', 'o', '\n'});
    const std::string notALog = File("taken/programming-log.csv");
    prompts.AnswerFileDialog(QPath("taken"));

    std::string stepAfterFirst, summary;
    int barAfterFirst = 0;
    std::vector<std::string> rows;
    std::vector<int> hues;
    prompts.ScriptDialog([&](QDialog& dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "verifyBox").isChecked());
        Click(dialog, "browseButton");
        Click(dialog, "startButton");
        EXPECT_EQ(MessageTexts(), (std::vector<std::string>{FormatText(
                                      msg::kLogNotWritten, notALog.c_str(),
                                      FormatText(msg::kNotALog, notALog.c_str()).c_str())}));
        EXPECT_TRUE(Child<QPushButton>(dialog, "startButton").isVisible()) << "nothing started";
        Child<QLineEdit>(dialog, "folderBox").setText(QPath("logs"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "countBox"), QStringLiteral("3"));
        Click(dialog, "startButton");

        Connect(dialog, 1, &good, "A-1");
        ASSERT_TRUE(WaitForText(dialog, "promptText", FormatText(msg::kFleetConnectRadio, 2)));
        stepAfterFirst = TextOf(dialog, "stepText");
        barAfterFirst = Child<QProgressBar>(dialog, "progressBar").value();
        Connect(dialog, 2, &other, "A-2");
        Connect(dialog, 3, &bad, "A-3");
        ASSERT_TRUE(WaitForFailure(dialog, 3));
        EXPECT_EQ(TextOf(dialog, "promptText")
                      .rfind("Radio 3 failed: " + std::string(msg::kNotVerified), 0),
                  0u);
        Click(dialog, "retryButton");  // the same radio again
        ASSERT_TRUE(WaitForFailure(dialog, 4));

        MapCom1(off.DevicePath());
        Click(dialog, "retryButton");
        ASSERT_TRUE(WaitForText(dialog, "stepText", "Radio 3: step 1 of 3: reading the radio"));
        EXPECT_EQ(TextOf(dialog, "statusText"), msg::kWaitingForRadio);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        ASSERT_TRUE(WaitForFailure(dialog, 5));
        EXPECT_TRUE(dialog.isVisible()) << "Escape gave up the radio, not the job";
        Click(dialog, "skipButton");

        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !TextOf(dialog, "summaryText").empty(); }, kBoundMs));
        summary = TextOf(dialog, "summaryText");
        rows = Rows(Child<QTableWidget>(dialog, "radioTable"), hues);
        Click(dialog, "closeButton");
    });
    Action(FleetJob)->trigger();

    EXPECT_EQ(stepAfterFirst, "Radio 1: step 3 of 3: reading back to verify");
    EXPECT_EQ(barAfterFirst, 2112);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "1 A-1 KM162 verified");
    EXPECT_EQ(rows[1], "2 A-2 KM41 refused: other model");
    for (int r : {2, 3})
        EXPECT_EQ(rows[r].rfind("3 A-3 KM162 failed: " + std::string(msg::kNotVerified), 0), 0u)
            << rows[r];
    EXPECT_EQ(rows[4], "3 A-3  failed: cancelled");
    EXPECT_EQ(hues, (std::vector<int>{-1, 60, 0, 0, 0})) << "dark yellow, then red";
    EXPECT_EQ(summary, "3 radios: 1 verified, 0 written without verify, 1 refused, 1 failed");
    EXPECT_EQ(Frame().statusBar()->findChild<QLabel*>(QStringLiteral("exchangeNote"))->text(),
              QString::fromStdString(summary));
    EXPECT_EQ(bad.WritesStored(), 2);
    EXPECT_EQ(off.WritesStored(), 0);

    const fleet::History log = fleet::ReadHistory(File("logs/programming-log.csv"));
    ASSERT_EQ(log.lines.size(), 5u) << log.failure;
    EXPECT_EQ(log.lines[0].reason, msg::kRadioCancelled);
    EXPECT_EQ(log.lines[4].label, "A-1");
    EXPECT_EQ(log.lines[4].planFile, File("shop.kmd16"));
    EXPECT_EQ(log.lines[0].job, log.lines[4].job);
    EXPECT_EQ(settings::LoadLogFolder(), File("logs")) << "kept for the next job";
}

TEST_F(ProgramSeveralRadios, ClosingBetweenRadiosEndsTheJobAndItsWorker) {
    const auto& good = AddRadio("KM41");
    Start();
    NewPlan(kBandVhf2, false);
    View().findChild<CFleetDlg*>()->m_Timing = FastTiming();
    prompts.ScriptDialog([&](QDialog& dialog) {
        Child<QLineEdit>(dialog, "folderBox").setText(QPath("logs"));
        QTest::keyClick(&Child<QLineEdit>(dialog, "folderBox"), Qt::Key_Return);  // Start
        Connect(dialog, 1, &good, "");  // no label is a label too
        ASSERT_TRUE(WaitForText(dialog, "promptText", FormatText(msg::kFleetConnectRadio, 2)));
        dialog.close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(static_cast<CFleetDlg&>(dialog).IsJobRunning());
    });
    Action(FleetJob)->trigger();
    const std::string summary =
        "1 radio: 1 verified, 0 written without verify, 0 refused, 0 failed";
    EXPECT_EQ(Frame().statusBar()->findChild<QLabel*>(QStringLiteral("exchangeNote"))->text(),
              QString::fromStdString(summary));
    const fleet::History log = fleet::ReadHistory(File("logs/programming-log.csv"));
    ASSERT_EQ(log.lines.size(), 1u) << log.failure;
    EXPECT_EQ(log.lines[0].label, "");
    EXPECT_EQ(log.lines[0].planFile, "") << "a plan never saved has no file to name";
}

TEST_F(ProgramSeveralRadios, TheBuiltInVirtualRadioIsAFreshDemoRadioForEachRadioAfterTheFirst) {
    std::string error;
    radio = StartVirtualRadio({}, false, error);
    ASSERT_TRUE(radio) << error;
    Start();
    LinkRunOptions link;
    link.virtualRadio = true;
    ApplyLinkOptions(Frame(), link, radio.get());
    NewPlan(kBandUhf2, true);
    Doc().Channel(1).m_dRxFreq = 450.0125;
    View().findChild<CFleetDlg*>()->m_Timing = FastTiming();
    prompts.ScriptDialog([&](QDialog& dialog) {
        Child<QLineEdit>(dialog, "folderBox").setText(QPath("logs"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "countBox"), QStringLiteral("2"));
        Click(dialog, "startButton");
        Connect(dialog, 1, nullptr, "B-1");
        Connect(dialog, 2, nullptr, "B-2");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !TextOf(dialog, "summaryText").empty(); }, kBoundMs));
        Click(dialog, "closeButton");
    });
    Action(FleetJob)->trigger();
    const fleet::History log = fleet::ReadHistory(File("logs/programming-log.csv"));
    ASSERT_EQ(log.lines.size(), 2u) << log.failure;
    const std::vector<unsigned char> demo = LineOf(DemoMemory("KM162"));
    EXPECT_EQ(ReadBytes(log.lines[1].before), demo);
    EXPECT_NE(ReadBytes(log.lines[1].after), demo) << "radio 1 took the plan";
    EXPECT_EQ(ReadBytes(log.lines[0].before), demo) << "radio 2 is another radio";
    EXPECT_EQ(log.lines[0].result, fleet::RadioResult::Verified);
    EXPECT_EQ(radio->RadioNumber(), 2);
}

// Two kept backups, the log lines that name them and one damaged line.
class HistoryOfRadios : public UiTest {
protected:
    void SetUp() override {
        before = radiolink::DemoPlan(*FindRadioModel("KM162"));
        after = before;
        after.Channel(1).m_bScan ^= 1;
        beforeImage = Keep(backup::Direction::Read, before).imagePath;
        const backup::KeepOutcome kept = Keep(backup::Direction::Write, after);
        afterImage = kept.imagePath;
        std::filesystem::remove(kept.planPath);  // the image alone: its plan is decoded
        const std::string log = fleet::DefaultLogPath();
        Log(log, 1, "A-1", beforeImage, afterImage);
        Log(log, 2, "A-2", beforeImage, "");
        Log(log, 3, "A-1", afterImage, afterImage);
        std::vector<unsigned char> bytes = ReadBytes(log);
        for (char c : std::string("cut,short\n")) bytes.push_back(static_cast<unsigned char>(c));
        WriteBytes(log, bytes);
    }
    backup::KeepOutcome Keep(backup::Direction direction, const CKM42Doc& plan) {
        RadioImage image{};
        EncodeImage(plan, image);
        const backup::KeepOutcome kept = backup::KeepBackup(direction, image, plan);
        EXPECT_TRUE(kept.Kept()) << kept.failure;
        lastImage = image;
        return kept;
    }
    static void Log(const std::string& log, int number, const char* label, std::string from,
                    std::string to) {
        fleet::LogLine line;
        line.job = "J";
        line.number = number;
        line.label = label;
        line.result = to.empty() ? fleet::RadioResult::Refused : fleet::RadioResult::Verified;
        line.before = std::move(from);
        line.after = std::move(to);
        ASSERT_EQ(fleet::AppendToLog(log, line), std::nullopt);
    }
    static std::vector<std::string> Column(QDialog& dialog, int column) {
        auto& list = Child<QTreeWidget>(dialog, "historyList");
        std::vector<std::string> texts;
        for (int r = 0; r < list.topLevelItemCount(); ++r)
            texts.push_back(list.topLevelItem(r)->text(column).toStdString());
        return texts;
    }
    static void Select(QDialog& dialog, int row) {
        auto& list = Child<QTreeWidget>(dialog, "historyList");
        list.setCurrentItem(list.topLevelItem(row));
    }
    static bool Enabled(QDialog& dialog, const char* button) {
        return Child<QPushButton>(dialog, button).isEnabled();
    }
    void ScriptCompare(std::string& text) {
        prompts.ScriptDialog([&text](QDialog& dialog) {
            text = Child<QPlainTextEdit>(dialog, "textBox").toPlainText().toStdString();
            EXPECT_TRUE(Child<QPlainTextEdit>(dialog, "textBox").isReadOnly());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    }

    CKM42Doc before, after;
    RadioImage lastImage{};  // the after image
    std::string beforeImage, afterImage;
};

TEST_F(HistoryOfRadios, ListsNewestFirstFiltersByLabelComparesAndOpensARadiosPlans) {
    Start();
    std::string changed, same;
    prompts.ScriptDialog([&](QDialog& dialog) {
        EXPECT_EQ(Column(dialog, 2), (std::vector<std::string>{"3", "2", "1"}));
        const std::string log = fleet::DefaultLogPath();
        EXPECT_NE(TextOf(dialog, "logText").find(FormatText(msg::kLogLinesLeftOut, log.c_str(), 1)),
                  std::string::npos);
        Select(dialog, 1);
        EXPECT_TRUE(Enabled(dialog, "openBeforeButton"));
        EXPECT_FALSE(Enabled(dialog, "openAfterButton")) << "a refused radio was not written";
        EXPECT_FALSE(Enabled(dialog, "compareButton"));

        QTest::keyClicks(&Child<QLineEdit>(dialog, "labelFilter"), QStringLiteral("A-1"));
        QTest::keyClick(&Child<QLineEdit>(dialog, "labelFilter"), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Enter filters";
        EXPECT_EQ(Column(dialog, 2), (std::vector<std::string>{"3", "1"}));
        ScriptCompare(same);
        Click(dialog, "compareButton");
        Select(dialog, 1);
        ScriptCompare(changed);
        Click(dialog, "compareButton");
        Click(dialog, "openBeforeButton");
    });
    Action(RadioHistory)->trigger();
    EXPECT_EQ(same, "Radio 3 (A-1) of job J, before -> after:\n" + std::string(msg::kCompareSame));
    EXPECT_EQ(changed, "Radio 1 (A-1) of job J, before -> after:\nchannel 1: S S -> -");
    EXPECT_EQ(datafile::SerializeDocument(Doc()), datafile::SerializeDocument(before));
    EXPECT_EQ(
        ShownTitle(),
        " PRG-715  - Ver 2.5 - " +
            std::filesystem::path(beforeImage).replace_extension(".kmd16").filename().string());

    // The unsaved-changes guard, then the plan decoded from an image without its plan file.
    DoubleClickCell(*View().m_Grid16, 1, kColScan);
    CKM42Doc decoded = Doc();
    DecodeImage(lastImage, decoded);
    prompts.AnswerQuestion(QuestionAnswer::Discard);
    prompts.ScriptDialog([](QDialog& dialog) { Click(dialog, "openAfterButton"); });
    Action(RadioHistory)->trigger();
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(datafile::SerializeDocument(Doc()), datafile::SerializeDocument(decoded));
    EXPECT_EQ(Doc().Channel(1).m_bScan, after.Channel(1).m_bScan);
    EXPECT_FALSE(View().PlanChanges().IsModified());
    EXPECT_EQ(prompts.dialogsRun.size(), 4u);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
