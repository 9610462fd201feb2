// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QStyledItemDelegate>
#include <cmath>
#include <map>

#include "SamplePlan.h"
#include "UiFixture.h"
#include "model/DataFile.h"

namespace {

// Relative luminance, for the contrast ratio (L1 + 0.05) / (L2 + 0.05) of the accessibility
// guidelines.
double Luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

QPalette DarkPalette() {  // window text, window, light, dark, mid, text, base; highlight
    QPalette dark(QColor(0xe6e6e6), QColor(0x353535), QColor(0x4a4a4a), QColor(0x202020),
                  QColor(0x303030), QColor(0xe6e6e6), QColor(0x1e1e1e));
    dark.setColor(QPalette::Highlight, QColor(0x2a5a9a));
    return dark;
}

// Every cell of the grid in view, rendered: the colour the grid's delegate writes its text in
// against the cell's background.
void ExpectEveryCellReads(QWidget& window, const CMSFlexGrid& grid) {
    const QImage shot = window.grab().toImage();
    struct : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } delegate;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QRect cell = grid.visualItemRect(grid.item(r, c)) & grid.viewport()->rect();
            if (cell.width() < 4 || cell.height() < 4) continue;
            QStyleOptionViewItem option;
            option.initFrom(grid.viewport());
            delegate.initStyleOption(&option, grid.model()->index(r, c));
            const QColor text = option.palette.color(
                grid.item(r, c)->isSelected() ? QPalette::HighlightedText : QPalette::Text);
            std::map<QRgb, int> painted;  // the background: the colour most pixels have
            QRgb back = 0;
            const QRect area(grid.viewport()->mapTo(&window, cell.topLeft()), cell.size());
            for (int y = area.top(); y < area.bottom(); ++y)  // the grid lines left out
                for (int x = area.left(); x < area.right(); ++x)
                    if (++painted[shot.pixel(x, y)] > painted[back]) back = shot.pixel(x, y);
            const double lt = Luminance(text), lb = Luminance(QColor(back));
            EXPECT_GE((std::max(lt, lb) + 0.05) / (std::min(lt, lb) + 0.05), 4.5)
                << r << "," << c << ": " << qPrintable(text.name()) << " on "
                << qPrintable(QColor(back).name());
        }
    }
}

class DarkTheme : public UiTest {};

// A dark desktop theme, in force at start or chosen while the program runs: every cell of the
// channel grid (the title row's own colour, the theme's, a selected row) reads at a contrast
// of 4.5:1 at least.
TEST_F(DarkTheme, EveryCellOfTheGridReads) {
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
    const QPalette before = QApplication::palette();
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart ? "dark at start" : "dark chosen while running");
        QApplication::setPalette(atStart ? DarkPalette() : before);
        Start(QPath("plan.kmd16"));
        QApplication::setPalette(DarkPalette());
        View().m_Grid16->selectRow(3);
        QApplication::processEvents();
        ExpectEveryCellReads(Frame(), *View().m_Grid16);
    }
    QApplication::setPalette(before);
}

}  // namespace
