// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/MSFlexGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>
#include <cmath>
#include <set>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/Translate.h"

namespace {

constexpr int kColorCell = Qt::UserRole;  // the Windows colour value last set on a cell
constexpr std::uint32_t kSystemColorFlag = 0x80000000;
// Until a colour is set, fixed cells are button face and the others window background.
constexpr std::uint32_t kFixedCellColor = kSystemColorFlag | 15;
constexpr std::uint32_t kNormalCellColor = kSystemColorFlag | 5;
constexpr double kReadableContrast = 4.5;  // the usual minimum for text of this size
constexpr long kTwipsPerInch = 1440;
constexpr long kDefaultColWidthTwips = 960;

// Windows system colour numbers the grids use, on the nearest palette role.
QPalette::ColorRole SystemColorRole(std::uint32_t index) {
    switch (index) {
        case 5:
            return QPalette::Base;  // window background
        case 8:
            return QPalette::Text;  // window text
        case 13:
            return QPalette::Highlight;
        case 14:
            return QPalette::HighlightedText;
        case 15:
            return QPalette::Button;  // button face: fixed cells
        case 18:
            return QPalette::ButtonText;
        case 23:
            return QPalette::ToolTipText;
        case 24:
            return QPalette::ToolTipBase;  // tooltip background
        default:
            return QPalette::Window;
    }
}

// The text colour a theme pairs with each background role.
QPalette::ColorRole TextRoleOn(QPalette::ColorRole background) {
    switch (background) {
        case QPalette::Base:
            return QPalette::Text;
        case QPalette::Text:
            return QPalette::Base;
        case QPalette::Highlight:
            return QPalette::HighlightedText;
        case QPalette::HighlightedText:
            return QPalette::Highlight;
        case QPalette::Button:
            return QPalette::ButtonText;
        case QPalette::ButtonText:
            return QPalette::Button;
        case QPalette::ToolTipText:
            return QPalette::ToolTipBase;
        case QPalette::ToolTipBase:
            return QPalette::ToolTipText;
        default:
            return QPalette::WindowText;
    }
}

double RelativeLuminance(const QColor& color) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text colour the palette pairs with a cell's background; on a colour of its own, the
// palette's text colour.
QColor TextColorFor(std::uint32_t color, const QPalette& palette) {
    if ((color & kSystemColorFlag) != 0)
        return palette.color(TextRoleOn(SystemColorRole(color & ~kSystemColorFlag)));
    return palette.color(QPalette::Text);
}

// The theme's own text colour where it reads on the background, else black or white.
QColor ReadableOn(const QColor& background, const QColor& preferred) {
    if (ContrastRatio(preferred, background) >= kReadableContrast) return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

// Asks the grid what it says each time it is read, so the words follow the titles, the texts
// and whatever the speaker knows without being kept in step with them.
class CSpokenItem : public QTableWidgetItem {
public:
    CSpokenItem() = default;
    CSpokenItem(long row, long col) : m_nRow(row), m_nCol(col) {}  // a header's cell

    QVariant data(int role) const override {
        const auto* grid = qobject_cast<const CMSFlexGrid*>(tableWidget());
        if (role != Qt::AccessibleTextRole || grid == nullptr) return QTableWidgetItem::data(role);
        return m_nRow < 0 ? grid->SpokenText(row(), column()) : grid->SpokenText(m_nRow, m_nCol);
    }

private:
    long m_nRow = -1;
    long m_nCol = -1;
};

}  // namespace

CMSFlexGrid::CMSFlexGrid(int rows, int cols, QWidget* parent)
    : QTableWidget(rows, cols, parent),
      m_colAlignment(static_cast<std::size_t>(cols), flexAlignGeneral),
      m_colWidthTwips(static_cast<std::size_t>(cols), kDefaultColWidthTwips) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setMinimumSectionSize(1);

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            auto* item = new CSpokenItem;  // owned by the table
            item->setFlags(Qt::ItemIsEnabled);
            setItem(r, c, item);
            PaintCell(*item);
        }
    }
    for (int c = 0; c < cols; ++c)
        setColumnWidth(c, TwipsToPixels(kDefaultColWidthTwips, logicalDpiX()));

    // The first non-fixed cell is current, as the focus frame shows.
    if (rows > 1 && cols > 1) setCurrentCell(static_cast<int>(m_nRow), static_cast<int>(m_nCol));

    connect(this, &QTableWidget::cellPressed, this, &CMSFlexGrid::MakeCurrent);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int col) {
        MakeCurrent(row, col);
        emit DblClick();
    });
}

bool CMSFlexGrid::IsCell(long row, long col) const {
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

QTableWidgetItem* CMSFlexGrid::Item(long row, long col) const {
    return IsCell(row, col) ? item(static_cast<int>(row), static_cast<int>(col)) : nullptr;
}

void CMSFlexGrid::MakeCurrent(int row, int col) {
    m_nRow = row;
    m_nCol = col;
}

void CMSFlexGrid::SetRow(long row) {
    if (row >= 0 && row < rowCount()) m_nRow = row;
}

void CMSFlexGrid::SetCol(long col) {
    if (col >= 0 && col < columnCount()) m_nCol = col;
}

void CMSFlexGrid::SetText(const QString& text) {
    QTableWidgetItem* cell = Item(m_nRow, m_nCol);
    if (cell == nullptr) return;
    cell->setText(text);
    ShowInHeader(m_nRow, m_nCol);
}

QString CMSFlexGrid::GetTextMatrix(long row, long col) const {
    const QTableWidgetItem* cell = Item(row, col);
    return cell != nullptr ? cell->text() : QString();
}

QString CMSFlexGrid::SpokenText(long row, long col) const {
    if (!IsCell(row, col)) return {};
    const QString text = GetTextMatrix(row, col);
    CellSpeech speech{GetTextMatrix(row, 0), GetTextMatrix(0, col),
                      text.isEmpty() ? Tr(msg::kSpokenEmpty) : text};
    if (m_speaker) m_speaker(row, col, speech);
    if (row == 0) return speech.col;
    if (col == 0) return speech.row;
    return QString::fromStdString(FormatText(TrFormat(msg::kSpokenCell), qUtf8Printable(speech.row),
                                             qUtf8Printable(speech.col),
                                             qUtf8Printable(speech.value)));
}

std::uint32_t CMSFlexGrid::GetCellBackColor() const {
    const QTableWidgetItem* cell = Item(m_nRow, m_nCol);
    return cell != nullptr ? cell->data(kColorCell).toUInt() : 0;
}

void CMSFlexGrid::SetCellBackColor(std::uint32_t color) {
    QTableWidgetItem* cell = Item(m_nRow, m_nCol);
    if (cell == nullptr) return;
    cell->setData(kColorCell, color);
    PaintCell(*cell);
}

void CMSFlexGrid::PaintCell(QTableWidgetItem& cell) {
    const QVariant set = cell.data(kColorCell);
    const bool fixed = cell.row() == 0 || cell.column() == 0;
    const std::uint32_t color =
        set.isValid() ? set.toUInt() : (fixed ? kFixedCellColor : kNormalCellColor);
    const QColor background = ColorFromWindowsValue(color, palette());
    cell.setBackground(background);
    cell.setForeground(ReadableOn(background, TextColorFor(color, palette())));
}

void CMSFlexGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    // A theme switched while the program runs: the colours follow it.
    if (event->type() != QEvent::PaletteChange) return;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) PaintCell(*item(r, c));
}

void CMSFlexGrid::SetColAlignment(long col, short alignment) {
    if (col < 0 || col >= columnCount()) return;
    m_colAlignment[static_cast<std::size_t>(col)] = alignment;
    const Qt::Alignment qt = QtAlignment(alignment);
    for (int r = 0; r < rowCount(); ++r) {
        Item(r, col)->setTextAlignment(qt);
        if (col == 0) ShowInHeader(r, col);
    }
    if (col != 0) ShowInHeader(0, col);
}

short CMSFlexGrid::GetColAlignment(long col) const {
    if (col < 0 || col >= columnCount()) return flexAlignGeneral;
    return m_colAlignment[static_cast<std::size_t>(col)];
}

void CMSFlexGrid::SetColWidth(long col, long twips) {
    if (col < 0 || col >= columnCount() || twips < 0) return;
    m_colWidthTwips[static_cast<std::size_t>(col)] = twips;
    const int pixels = TwipsToPixels(twips, logicalDpiX());
    setColumnWidth(static_cast<int>(col), pixels);
    if (m_bFrozen && col == 0) verticalHeader()->setFixedWidth(pixels);
}

long CMSFlexGrid::GetColWidth(long col) const {
    if (col < 0 || col >= columnCount()) return 0;
    return m_colWidthTwips[static_cast<std::size_t>(col)];
}

QColor CMSFlexGrid::ColorFromWindowsValue(std::uint32_t color, const QPalette& palette) {
    if ((color & kSystemColorFlag) != 0)
        return palette.color(SystemColorRole(color & ~kSystemColorFlag));
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

Qt::Alignment CMSFlexGrid::QtAlignment(short alignment) {
    switch (alignment) {
        case flexAlignLeftTop:
            return Qt::AlignLeft | Qt::AlignTop;
        case flexAlignLeftCenter:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case flexAlignLeftBottom:
            return Qt::AlignLeft | Qt::AlignBottom;
        case flexAlignCenterTop:
            return Qt::AlignHCenter | Qt::AlignTop;
        case flexAlignCenterCenter:
            return Qt::AlignCenter;
        case flexAlignCenterBottom:
            return Qt::AlignHCenter | Qt::AlignBottom;
        case flexAlignRightTop:
            return Qt::AlignRight | Qt::AlignTop;
        case flexAlignRightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        case flexAlignRightBottom:
            return Qt::AlignRight | Qt::AlignBottom;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;  // general: text to the left
    }
}

int CMSFlexGrid::TwipsToPixels(long twips, int dotsPerInch) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / kTwipsPerInch));
}

QModelIndex CMSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || rowCount() < 2 || columnCount() < 2) return next;
    return model()->index(std::max(next.row(), 1), std::max(next.column(), 1));
}

void CMSFlexGrid::EnableRowSelection() {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int r = 1; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            item(r, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

std::vector<int> CMSFlexGrid::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
    return {rows.begin(), rows.end()};
}

void CMSFlexGrid::FreezeFixedCells() {
    if (m_bFrozen || rowCount() == 0 || columnCount() == 0) return;
    m_bFrozen = true;
    setRowHidden(0, true);
    setColumnHidden(0, true);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->show();
    }
    verticalHeader()->setFixedWidth(TwipsToPixels(m_colWidthTwips.front(), logicalDpiX()));
    for (int c = 1; c < columnCount(); ++c) ShowInHeader(0, c);
    for (int r = 1; r < rowCount(); ++r) ShowInHeader(r, 0);
}

// Row 0's cell of a column is that column's header; column 0's cell of a row, the row's. The
// headers hold them also while hidden, for assistive technology.
void CMSFlexGrid::ShowInHeader(long row, long col) {
    if ((row != 0 && col != 0) || !IsCell(row, col)) return;
    const bool columnHeader = row == 0;
    const int section = static_cast<int>(columnHeader ? col : row);
    QTableWidgetItem* header =
        columnHeader ? horizontalHeaderItem(section) : verticalHeaderItem(section);
    if (header == nullptr) {
        header = new CSpokenItem(row, col);  // owned by the table
        if (columnHeader)
            setHorizontalHeaderItem(section, header);
        else
            setVerticalHeaderItem(section, header);
    }
    header->setText(GetTextMatrix(row, col));
    header->setTextAlignment(QtAlignment(GetColAlignment(col)));
}
