// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "report/ReportLayout.h"

namespace {

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

class CliReport : public ::testing::Test {
protected:
    std::string NewPlan(const char* model, const char* name) {
        const std::string path = dir.File(name);
        const ProgramResult r = Cli({"new", "--model", model, "-o", path});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return path;
    }

    TempDir dir;
};

TEST_F(CliReport, TextListsTheSheetAsTheDesktopPrintsIt) {
    const std::string path = NewPlan("KM162", "p.kmd16");
    CKM42Doc doc;
    ASSERT_TRUE(datafile::OpenDocument(doc, path).ok);
    doc.Channel(3).m_dRxFreq = 446.5;
    ASSERT_TRUE(datafile::SaveDocument(doc, path).ok);

    const ProgramResult r = Cli({"report", path, "--text"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, FormatReportListing(BuildDataReport(doc)));
    EXPECT_EQ(r.out.rfind(
                  "1\t800\t200\t=== PRG-715 Ver2.4 KM161/162 Channel/Option Data Report ===\n", 0),
              0u);
    EXPECT_NE(r.out.find("\n1\t400\t1850\t446.5000\n1\t1380\t1850\tCSQ\n1\t2000\t1850\t  0.0000\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\n2\t2300\t1450\t  Tx Option\n2\t3300\t1450\t: Normal Scan Tx\n"),
              std::string::npos);
}

TEST_F(CliReport, PdfIsWrittenWithoutADisplay) {
    const std::string plan = NewPlan("KM41", "p.kmd04");
    const std::string pdf = dir.File("sheet.pdf");
    // The tool has to choose a display-less platform by itself.
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("XDG_RUNTIME_DIR");  // no desktop session either
    const ProgramResult r = Cli({"report", plan, "-o", pdf, "--paper", "letter"});
#ifdef PRG715_CLI_HAS_PDF
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");  // a clean run says nothing on stderr
    EXPECT_NE(r.out.find("1 page(s) written"), std::string::npos);
    const auto bytes = ReadBytes(pdf);
    ASSERT_GT(bytes.size(), 5u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
#ifdef PRG715_PDFINFO
    const ProgramResult info = RunProgram(PRG715_PDFINFO, {pdf});
    EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("(letter)"), std::string::npos) << info.out;
#endif
#else
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(msg::kReportPdfNotBuilt), std::string::npos) << r.err;
#endif
}

TEST_F(CliReport, FailuresAndBadUsageHaveTheirExitStatus) {
    const std::string plan = NewPlan("KM42", "p.kmd04");
    EXPECT_EQ(Cli({"report", plan}).exitCode, 2);  // neither -o nor --text
    EXPECT_EQ(Cli({"report", plan, "--text", "--paper", "A3"}).exitCode, 2);
    EXPECT_EQ(Cli({"report", "--text"}).exitCode, 2);

    ProgramResult r = Cli({"report", dir.File("missing.kmd04"), "--text"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot Open File!"), std::string::npos);
    EXPECT_TRUE(r.out.empty());

    r = Cli({"report", plan, "-o", dir.File("no/folder/x.pdf")});
    EXPECT_EQ(r.exitCode, 1);
#ifdef PRG715_CLI_HAS_PDF
    EXPECT_NE(r.err.find(msg::kCannotWriteReport), std::string::npos) << r.err;
#endif
    EXPECT_EQ(Cli({"report", "--help"}).exitCode, 0);
}

TEST_F(CliReport, DamagedPlanListsWithoutFault) {
    WriteBytes(dir.File("junk"), std::vector<unsigned char>(1768, 0xFF));
    const ProgramResult r = Cli({"report", dir.File("junk"), "--text"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\n2\t1400\t400\t=====  OPTION DATA REPORT =====\n"), std::string::npos);
}

}  // namespace
