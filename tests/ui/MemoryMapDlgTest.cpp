// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHeaderView>
#include <QScrollBar>
#include <cstdio>

#include "SamplePlan.h"
#include "UiFixture.h"
#include "codec/ImageCodec.h"
#include "ui/dialogs/MemoryMapDlg.h"

namespace {

constexpr int kLastRow = 173;  // line "AC"

class MemoryMap : public UiTest {
protected:
    // Opens the map through the view's command handler, runs `check` on its grid, then
    // leaves with `closeWith` (a button's object name, or "" for Escape).
    void Open(const std::function<void(CMemoryMapDlg&, CMSFlexGrid&)>& check,
              const char* closeWith = "okButton") {
        prompts.ScriptDialog([&](QDialog& dialog) {
            auto& map = dynamic_cast<CMemoryMapDlg&>(dialog);
            auto* grid = map.findChild<CMSFlexGrid*>(QStringLiteral("memoryGrid"));
            ASSERT_NE(grid, nullptr);
            check(map, *grid);
            if (*closeWith == '\0') {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                auto* button = dialog.findChild<QPushButton*>(QString::fromUtf8(closeWith));
                ASSERT_NE(button, nullptr);
                QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        View().OnMemoryMap();
    }

    static std::string Hex(unsigned value) {
        char text[8];
        std::snprintf(text, sizeof text, "%02X", value);
        return text;
    }

    // Every byte cell against the image copy, and the unused tail of line "AC".
    void ExpectCellsShowTheImageCopy(const CMSFlexGrid& grid) {
        const auto& image = View().m_ImageCopy;
        for (std::size_t k = 0; k < image.size(); ++k) {
            const int row = static_cast<int>(k / 16) + 1;
            const int col = static_cast<int>(k % 16) + 1;
            ASSERT_EQ(Cell(grid, row, col), Hex(image[k])) << "byte " << k;
        }
        for (int col = 9; col <= 16; ++col) EXPECT_EQ(Cell(grid, kLastRow, col), "") << col;
    }
};

TEST_F(MemoryMap, LaysOutLinesOOToACAndColumns0ToF) {
    Start();
    Open([](CMemoryMapDlg& dialog, CMSFlexGrid& grid) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Memory Map");
        ASSERT_EQ(grid.rowCount(), 174);
        ASSERT_EQ(grid.columnCount(), 17);
        EXPECT_EQ(Cell(grid, 1, 0), "00");
        EXPECT_EQ(Cell(grid, 11, 0), "0A");
        EXPECT_EQ(Cell(grid, 17, 0), "10");
        EXPECT_EQ(Cell(grid, kLastRow, 0), "AC");
        EXPECT_EQ(Cell(grid, 0, 0), "");
        const char* headers[] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                 "8", "9", "A", "B", "C", "D", "E", "F"};
        for (int col = 1; col <= 16; ++col) EXPECT_EQ(Cell(grid, 0, col), headers[col - 1]);
        EXPECT_EQ(grid.GetColWidth(0), 600);
        EXPECT_EQ(grid.GetColAlignment(0), CMSFlexGrid::flexAlignCenterTop);
        for (int col = 1; col <= 16; ++col) {
            EXPECT_EQ(grid.GetColWidth(col), 400) << col;
            EXPECT_EQ(grid.GetColAlignment(col), CMSFlexGrid::flexAlignCenterTop) << col;
        }
    });
    EXPECT_EQ(prompts.dialogsRun.size(), 1u);
}

TEST_F(MemoryMap, BeforeAnyReadEveryByteShowsZero) {
    Start();
    Open([this](CMemoryMapDlg&, CMSFlexGrid& grid) {
        ExpectCellsShowTheImageCopy(grid);  // all "00"
        EXPECT_EQ(Cell(grid, 1, 1), "00");
        EXPECT_EQ(Cell(grid, kLastRow, 8), "00");
    });
}

TEST_F(MemoryMap, EveryCellShowsItsOwnByteInUpperCaseHex) {
    Start();
    // Neighbouring bytes, lines and pages of 256 all differ, so a shifted cell shows.
    for (std::size_t k = 0; k < View().m_ImageCopy.size(); ++k)
        View().m_ImageCopy[k] = static_cast<std::uint8_t>(k * 7 + k / 256 + 0xA5);
    Open([this](CMemoryMapDlg&, CMSFlexGrid& grid) {
        ExpectCellsShowTheImageCopy(grid);
        EXPECT_EQ(Cell(grid, 1, 1), "A5");
        // Line "AC", column "7" holds the last byte, 2759.
        EXPECT_EQ(Cell(grid, kLastRow, 8), Hex(View().m_ImageCopy[2759]));
    });
}

TEST_F(MemoryMap, AReadImageStartsWithItsOptionBytesAndEndsInZeros) {
    Start();
    // What Read from Radio leaves in the copy: the radio's image in the first 2739 bytes.
    RadioImage image{};
    EncodeImage(SamplePlan16(), image);
    std::copy(image.begin(), image.end(), View().m_ImageCopy.begin());
    Open([&](CMemoryMapDlg&, CMSFlexGrid& grid) {
        for (int col = 1; col <= 16; ++col)
            EXPECT_EQ(Cell(grid, 1, col), Hex(image[static_cast<std::size_t>(col - 1)])) << col;
        EXPECT_NE(Cell(grid, 1, 1), "00");  // the sample's options are not all clear
        ExpectCellsShowTheImageCopy(grid);  // from byte 2739 (line "AB", column "3") on: "00"
        EXPECT_EQ(Cell(grid, 172, 4), "00");
    });
}

TEST_F(MemoryMap, OneDialogFilledAfreshAtEveryOpening) {
    Start();
    CMemoryMapDlg* first = nullptr;
    View().m_ImageCopy.fill(0x11);
    Open([&](CMemoryMapDlg& dialog, CMSFlexGrid& grid) {
        first = &dialog;
        EXPECT_EQ(Cell(grid, 50, 5), "11");
        grid.scrollToBottom();
    });
    View().m_ImageCopy.fill(0xEE);
    Open([&](CMemoryMapDlg& dialog, CMSFlexGrid& grid) {
        EXPECT_EQ(&dialog, first);
        ExpectCellsShowTheImageCopy(grid);
        EXPECT_EQ(grid.verticalScrollBar()->value(), 0);  // back at line "00"
    });
    EXPECT_EQ(View().findChildren<CMemoryMapDlg*>().size(), 1);
}

TEST_F(MemoryMap, OkCancelAndEscapeOnlyClose) {
    Start();
    for (std::size_t k = 0; k < View().m_ImageCopy.size(); ++k)
        View().m_ImageCopy[k] = static_cast<std::uint8_t>(k);
    const auto before = View().m_ImageCopy;
    const std::pair<const char*, int> closes[] = {{"okButton", QDialog::Accepted},
                                                  {"cancelButton", QDialog::Rejected},
                                                  {"", QDialog::Rejected}};
    for (const auto& [close, result] : closes) {
        Open([](CMemoryMapDlg&, CMSFlexGrid&) {}, close);
        auto* dialog = View().findChild<CMemoryMapDlg*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->isVisible()) << close;
        EXPECT_EQ(dialog->result(), result) << close;
        EXPECT_EQ(View().m_ImageCopy, before) << close;
    }
    EXPECT_EQ(prompts.dialogsRun.size(), 3u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MemoryMap, TheHiddenButtonsCommandOpensIt) {
    Start();
    auto* button = View().findChild<QPushButton*>(QStringLiteral("memoryMapButton"));
    ASSERT_NE(button, nullptr);
    prompts.ScriptDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Memory Map");
        dialog.accept();
    });
    button->click();
    EXPECT_EQ(prompts.dialogsRun.size(), 1u);
    EXPECT_FALSE(button->isVisible());
}

TEST_F(MemoryMap, LineLabelsAndColumnHeadersStayInViewWhileTheBytesScroll) {
    Start();
    Open([](CMemoryMapDlg&, CMSFlexGrid& grid) {
        EXPECT_TRUE(grid.FixedCellsFrozen());
        EXPECT_TRUE(grid.isRowHidden(0));
        EXPECT_TRUE(grid.isColumnHidden(0));
        ASSERT_TRUE(grid.horizontalHeader()->isVisible());
        ASSERT_TRUE(grid.verticalHeader()->isVisible());
        // The headers show the fixed cells' texts.
        const QAbstractItemModel& model = *grid.model();
        for (int col = 1; col <= 16; ++col)
            EXPECT_EQ(model.headerData(col, Qt::Horizontal).toString(), grid.GetTextMatrix(0, col));
        for (int row = 1; row <= kLastRow; ++row)
            ASSERT_EQ(model.headerData(row, Qt::Vertical).toString(), grid.GetTextMatrix(row, 0));
        EXPECT_EQ(grid.verticalHeader()->width(),
                  CMSFlexGrid::TwipsToPixels(600, grid.logicalDpiX()));

        // All sixteen columns side by side; the lines scroll under the headers.
        EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
        EXPECT_GT(grid.verticalScrollBar()->maximum(), 0);
        grid.scrollToBottom();
        QCoreApplication::processEvents();
        EXPECT_TRUE(grid.horizontalHeader()->isVisible());
        const int lastTop = grid.rowViewportPosition(kLastRow);
        EXPECT_GT(lastTop, 0);
        EXPECT_LE(lastTop + grid.rowHeight(kLastRow), grid.viewport()->height());
    });
}

}  // namespace
