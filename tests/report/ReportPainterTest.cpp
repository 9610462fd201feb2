// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "report/ReportPainter.h"

namespace {

constexpr double kPointsPerUnit = 72.0 / kReportResolution;
constexpr double kMarginUnits = kReportResolution / 4.0;  // the PDF's printable-area margin

CKM42Doc Plan(bool sixteen) {
    CKM42Doc doc;
    doc.m_b16Channel = sixteen ? 1 : 0;
    doc.m_nBand = 4;
    doc.SetDefaults();
    return doc;
}

// Every channel in use with the widest text its signalling type can print.
CKM42Doc WidestPlan(bool sixteen) {
    CKM42Doc doc = Plan(sixteen);
    doc.m_bPriorityUsed = doc.m_nScanTx = 1;
    doc.m_bTxTimeOut = doc.m_bPowerSave = 1;
    doc.m_nTxTimeOut = 990;
    doc.m_nTxInhibit = 75;
    doc.m_dScanSpeed = 2.0;
    doc.m_nScanDelay = 15;
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxFreq = ch.m_dTxFreq = 469.99375;
        ch.m_bScan = ch.m_bPriority = ch.m_bStdSpacing = 1;
        ch.m_nRxSquelch = ch.m_nTxSquelch = n % 5;
        ch.m_nRxCtcss = ch.m_nTxCtcss = 38;
        ch.m_nRxDcs = ch.m_nTxDcs = 82;
        ch.m_bRxDcsInvert = ch.m_bTxDcsInvert = 1;
        ch.m_dRxNsc1 = ch.m_dRxNsc2 = ch.m_dTxNsc1 = ch.m_dTxNsc2 = 300.0;
    }
    return doc;
}

// Every string inside the page, clear of the next one on its line, and lines clear of each
// other (rulers, heads and the first row are 100 units apart).
void ExpectSheetFits(const ReportDocument& report, const QPaintDevice& device, const char* what) {
    const QFontMetricsF metrics(ReportFont(device), const_cast<QPaintDevice*>(&device));
    EXPECT_LE(metrics.height(), 100.0) << what;
    for (const ReportPage& page : report.pages) {
        std::vector<PlacedText> texts = page.texts;
        std::sort(texts.begin(), texts.end(),
                  [](const auto& a, const auto& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const PlacedText& t = texts[i];
            const double right = t.x + metrics.horizontalAdvance(QString::fromStdString(t.text));
            EXPECT_LE(right, device.width()) << what << ": " << t.text;
            EXPECT_LE(t.y + metrics.height(), device.height()) << what << ": " << t.text;
            if (i + 1 < texts.size() && texts[i + 1].y == t.y) {
                EXPECT_LT(right, texts[i + 1].x)
                    << what << ": " << t.text << " runs into " << texts[i + 1].text;
            }
        }
    }
}

TEST(ReportDrawing, WidestSheetsFitA4AndLetterWithoutOverlap) {
    for (bool sixteen : {true, false}) {
        const ReportDocument report = BuildDataReport(WidestPlan(sixteen));
        for (ReportPaper paper : {ReportPaper::A4, ReportPaper::Letter}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            SetUpReportPdf(writer, report, paper);
            ExpectSheetFits(report, writer, paper == ReportPaper::A4 ? "A4 PDF" : "Letter PDF");
        }
        // The desktop's printer with Qt's default margins.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kReportResolution);
        ExpectSheetFits(report, printer, "printer");
    }
}

TEST(ReportDrawing, FontIsFixedPitchAtTheSheetsCharacterWidth) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kReportResolution);
    const QFontMetricsF metrics(ReportFont(writer), &writer);
    const double pitch = metrics.horizontalAdvance(QLatin1Char('-'));
    EXPECT_LE(pitch, kReportCharPitch);
    EXPECT_GT(pitch, kReportCharPitch * 0.9);  // not shrunk to fine print
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QLatin1Char('M')), pitch);
}

// ---- The PDF file, read back with poppler ---------------------------------------------------

struct Word {
    double xMin;
    double yMin;
    std::string text;
};
using PdfPages = std::vector<std::vector<Word>>;

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::string(PRG715_PDFINFO).empty() || std::string(PRG715_PDFTOTEXT).empty())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) not installed";
    }

    std::string Info(const std::string& pdf) {
        const ProgramResult r = RunProgram(PRG715_PDFINFO, {pdf});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }

    // The page's text with every run of blanks squeezed to one: poppler guesses word gaps.
    std::string PageText(const std::string& pdf, int page) {
        const std::string n = std::to_string(page);
        const ProgramResult r = RunProgram(PRG715_PDFTOTEXT, {"-f", n, "-l", n, "-raw", pdf, "-"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return std::regex_replace(r.out, std::regex(" +"), " ");
    }

    PdfPages Words(const std::string& pdf) {
        const ProgramResult r = RunProgram(PRG715_PDFTOTEXT, {"-bbox", pdf, "-"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        static const std::regex word(
            R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re");
        PdfPages pages;
        std::size_t at = 0;
        while ((at = r.out.find("<page ", at)) != std::string::npos) {
            const std::size_t end = r.out.find("</page>", at);
            const std::string body = r.out.substr(at, end - at);
            pages.emplace_back();
            for (auto it = std::sregex_iterator(body.begin(), body.end(), word);
                 it != std::sregex_iterator(); ++it)
                pages.back().push_back({std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
            at = end;
        }
        return pages;
    }

    // Whether a word `text` has its top-left corner at (x, y) units (within half a point, or
    // `slack` points across where leading blanks of the face's own width come first).
    static bool HasWordAt(const std::vector<Word>& words, const std::string& text, double x,
                          double y, double slack = 0.5) {
        for (const Word& w : words) {
            if (w.text == text && std::abs(w.xMin - (x + kMarginUnits) * kPointsPerUnit) < slack &&
                std::abs(w.yMin - (y + kMarginUnits) * kPointsPerUnit) < 0.5)
                return true;
        }
        return false;
    }

    TempDir dir;
};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(ReportPdf, SixteenChannelSheetIsATwoPageA4Pdf) {
    CKM42Doc doc = Plan(true);
    doc.Channel(1).m_dRxFreq = 446.5;
    const std::string pdf = dir.File("sheet.pdf");
    std::string error;
    ASSERT_TRUE(WriteReportPdf(BuildDataReport(doc), pdf, &error)) << error;

    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           KM42 DATA SHEET\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    const std::string page1 = PageText(pdf, 1);
    EXPECT_NE(page1.find("=== PRG-715 Ver2.4 KM161/162 Channel/Option Data Report ==="),
              std::string::npos);
    EXPECT_NE(page1.find("KM162 UHF2 (440 - 470 MHz)"), std::string::npos);
    EXPECT_NE(page1.find("446.5000"), std::string::npos);
    EXPECT_EQ(Count(page1, "No Data"), 15u);
    EXPECT_EQ(page1.find("OPTION DATA REPORT"), std::string::npos);
    const std::string page2 = PageText(pdf, 2);
    EXPECT_NE(page2.find("===== OPTION DATA REPORT ====="), std::string::npos);
    EXPECT_NE(page2.find("Normal Scan Tx"), std::string::npos);
    EXPECT_EQ(page2.find("No Data"), std::string::npos);
}

TEST_F(ReportPdf, StringsStartAtTheirTopLeftCornerBlanksIncluded) {
    CKM42Doc doc = Plan(true);
    doc.Channel(1).m_dRxFreq = 446.5;  // transmit 0.0 prints "  0.0000"
    const std::string pdf = dir.File("sheet.pdf");
    ASSERT_TRUE(WriteReportPdf(BuildDataReport(doc), pdf, nullptr));
    const PdfPages pages = Words(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(HasWordAt(pages[0], "===", 800, 200));
    EXPECT_TRUE(HasWordAt(pages[0], "446.5000", 400, 1250));
    EXPECT_TRUE(HasWordAt(pages[0], "CS", 4400, 1000));
    EXPECT_TRUE(HasWordAt(pages[0], "No", 2000, 1550));
    // Leading blanks are drawn: "  0.0000" and "  Tx Time Out" start two characters in.
    EXPECT_TRUE(HasWordAt(pages[0], "0.0000", 2000 + 2 * kReportCharPitch, 1250, 2.0));
    EXPECT_TRUE(HasWordAt(pages[1], "Tx", 300 + 2 * kReportCharPitch, 1000, 2.0));
    EXPECT_TRUE(HasWordAt(pages[1], "=====", 1400, 400));
}

TEST_F(ReportPdf, FourChannelSheetIsOneLetterPage) {
    const std::string pdf = dir.File("small.pdf");
    ASSERT_TRUE(WriteReportPdf(BuildDataReport(Plan(false)), pdf, nullptr, ReportPaper::Letter));
    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(letter)"), std::string::npos) << info;
    const std::string text = PageText(pdf, 1);
    EXPECT_EQ(Count(text, "No Data"), 4u);
    EXPECT_NE(text.find("===== OPTION DATA REPORT ====="), std::string::npos);
    EXPECT_EQ(Count(text, std::string(109, '-')), 6u);
}

TEST_F(ReportPdf, PrinterGetsTheJobNameAndSixHundredUnitsPerInch) {
    CKM42Doc doc = Plan(true);
    doc.Channel(1).m_dRxFreq = 446.5;
    doc.Channel(1).m_dTxFreq = 446.5;
    const std::string pdf = dir.File("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);  // as the desktop's File > Print builds it
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    ASSERT_TRUE(PrintReport(BuildDataReport(doc), printer));

    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           KM42 DATA SHEET\n"), std::string::npos) << info;
    // The printer's margins are its own; the distance between two columns is not.
    const PdfPages pages = Words(pdf);
    ASSERT_FALSE(pages.empty());
    std::vector<double> freqX;
    for (const Word& w : pages[0])
        if (w.text == "446.5000") freqX.push_back(w.xMin);
    ASSERT_EQ(freqX.size(), 2u);
    EXPECT_NEAR(freqX[1] - freqX[0], (2000 - 400) * kPointsPerUnit, 0.5);
}

TEST_F(ReportPdf, UnwritablePathFailsWithReasonAndLeavesNoFile) {
    std::string error;
    EXPECT_FALSE(
        WriteReportPdf(BuildDataReport(Plan(false)), dir.File("no/such/dir/x.pdf"), &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(WriteReportPdf(BuildDataReport(Plan(false)), dir.Path().string(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("no")));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Fonts need a GUI application; no display is needed to draw into a PDF.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
