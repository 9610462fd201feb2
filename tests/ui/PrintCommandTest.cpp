// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <regex>

#include "../support/RunProgram.h"
#include "SamplePlan.h"
#include "UiFixture.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "ui/app/Commands.h"
#include "ui/common/QtPrompts.h"

namespace {

using enum CommandId;

class PrintCommand : public UiTest {
protected:
    void SetUp() override {
        if (std::string(PRG715_PDFINFO).empty() || std::string(PRG715_PDFTOTEXT).empty())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) not installed";
    }

    void OpenSample16() {
        ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("sample.kmd16")).ok);
        OpenPlan(File("sample.kmd16"));
        ASSERT_EQ(View().m_bDataReady, 1);
    }

    // File > Print with the print dialog confirmed for a PDF file.
    void PrintTo(const std::string& pdf) {
        prompts.AnswerPrintDialog(true, QString::fromStdString(pdf));
        Action(FilePrint)->trigger();
    }

    static std::string Info(const std::string& pdf) {
        const ProgramResult r = RunProgram(PRG715_PDFINFO, {pdf});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }
    // The page's text with every run of blanks squeezed to one: poppler guesses word gaps.
    static std::string PageText(const std::string& pdf, int page) {
        const std::string n = std::to_string(page);
        const ProgramResult r = RunProgram(PRG715_PDFTOTEXT, {"-f", n, "-l", n, "-raw", pdf, "-"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return std::regex_replace(r.out, std::regex(" +"), " ");
    }
    static std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};

TEST_F(PrintCommand, SixteenChannelPlanPrintsChannelsThenOptionsAsKm42DataSheet) {
    Start();
    OpenSample16();
    const std::string pdf = File("sheet.pdf");
    PrintTo(pdf);
    EXPECT_EQ(prompts.printDialogs, 1);
    EXPECT_TRUE(prompts.messages.empty());

    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           KM42 DATA SHEET\n"), std::string::npos) << info;
    const std::string page1 = PageText(pdf, 1);
    EXPECT_NE(page1.find("=== PRG-715 Ver2.4 KM161/162 Channel/Option Data Report ==="),
              std::string::npos)
        << page1;
    EXPECT_NE(page1.find("KM161 VHF2 (146 - 174 MHz)"), std::string::npos);
    EXPECT_EQ(Count(page1, std::string(108, '-')), 18u);  // 900, then 1100 to 5900
    const CKM42Doc sample = SamplePlan16();
    char rx[16];
    std::snprintf(rx, sizeof rx, "%8.4f", sample.Channel(1).m_dRxFreq);
    EXPECT_NE(page1.find(std::string(rx).substr(std::string(rx).find_first_not_of(' '))),
              std::string::npos);
    EXPECT_EQ(page1.find("OPTION DATA REPORT"), std::string::npos);
    const std::string page2 = PageText(pdf, 2);
    EXPECT_NE(page2.find("===== OPTION DATA REPORT ====="), std::string::npos) << page2;
    EXPECT_NE(page2.find("[ POWER SAVE ]"), std::string::npos);
    EXPECT_EQ(page2.find("CHANNEL DATA"), std::string::npos);
}

TEST_F(PrintCommand, FourChannelPlanPrintsOnePage) {
    Start();
    NewPlan(kBandUhf2, false);
    const std::string pdf = File("small.pdf");
    PrintTo(pdf);
    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    const std::string text = PageText(pdf, 1);
    EXPECT_NE(text.find("=== PRG-715 Ver2.5 KM41/42 Channel/Option Data Report ==="),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("KM42 UHF2 (440 - 470 MHz)"), std::string::npos);
    EXPECT_EQ(Count(text, "No Data"), 4u);
    EXPECT_EQ(Count(text, std::string(109, '-')), 6u);
    EXPECT_NE(text.find("===== OPTION DATA REPORT ====="), std::string::npos);
}

TEST_F(PrintCommand, CancelPrintsNothingAndSaysNothing) {
    Start();
    NewPlan(kBandVhf2, true);
    prompts.AnswerPrintDialog(false);
    Action(FilePrint)->trigger();
    EXPECT_EQ(prompts.printDialogs, 1);
    EXPECT_TRUE(prompts.messages.empty());
    // The next Print goes through the same printer and prints the whole report.
    const std::string pdf = File("after.pdf");
    PrintTo(pdf);
    EXPECT_NE(Info(pdf).find("Pages:           2\n"), std::string::npos);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintCommand, APdfThatCannotBeWrittenIsReportedWithItsPath) {
    Start();
    NewPlan(kBandVhf2, false);
    const std::string pdf = File("no/such/folder/sheet.pdf");
    PrintTo(pdf);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kCannotPrintReport);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(prompts.messages[0].detail.toStdString().find(pdf), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Qt's Linux dialog with CUPS shows a page range even without PrintPageRange.
TEST(PrintDialog, OffersAllPagesOnlyAndKeepsPrintingToAFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrintRange(QPrinter::PageRange);  // as nothing but a page range box could leave it
    printer.setFromTo(2, 2);
    const std::unique_ptr<QPrintDialog> dialog = MakePrintDialog(printer);
    for (auto option : {QAbstractPrintDialog::PrintPageRange, QAbstractPrintDialog::PrintSelection,
                        QAbstractPrintDialog::PrintCurrentPage})
        EXPECT_FALSE(dialog->testOption(option)) << option;
    EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));

    dialog->show();
    // Open the dialog's options pane, where the page range would be.
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().contains(QStringLiteral("Options"))) button->click();
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
        const QString text = radio->text();
        if (text.contains(QStringLiteral("Page")) || text.contains(QStringLiteral("Selection"))) {
            EXPECT_FALSE(radio->isVisibleTo(dialog.get())) << text.toStdString();
        }
    }
    for (QAbstractSpinBox* spin : dialog->findChildren<QAbstractSpinBox*>())
        if (spin->isVisibleTo(dialog.get())) {
            EXPECT_EQ(spin->objectName().toStdString(), "copies");  // no page numbers
        }
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(fileName, nullptr);
    EXPECT_TRUE(fileName->isVisibleTo(dialog.get()));

    dialog->accept();
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    EXPECT_EQ(printer.fromPage(), 0);
}

}  // namespace
