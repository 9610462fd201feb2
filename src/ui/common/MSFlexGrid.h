// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTableWidget>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// The words a grid cell is read with; see CMSFlexGrid::SpokenText.
struct GridCellSpeech {
    QString row;
    QString col;
    QString value;
};

// The channel and memory grids: a table with one fixed title row (row 0) and one fixed
// number column (column 0), driven the way the radio shop's grid control was: select a cell
// with SetRow/SetCol, then set its text or colour. Row and column counts are fixed at
// construction. Colours are Windows colour values: 0x00BBGGRR, or 0x800000nn for system
// colour nn (mapped onto the palette). Each cell's text takes a colour that reads on its
// background, also under a dark theme and after the theme changes.
class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // Cell alignment codes of SetColAlignment.
    enum Alignment : short {
        flexAlignLeftTop = 0,
        flexAlignLeftCenter = 1,
        flexAlignLeftBottom = 2,
        flexAlignCenterTop = 3,
        flexAlignCenterCenter = 4,
        flexAlignCenterBottom = 5,
        flexAlignRightTop = 6,
        flexAlignRightCenter = 7,
        flexAlignRightBottom = 8,
        flexAlignGeneral = 9,
    };

    CMSFlexGrid(int rows, int cols, QWidget* parent = nullptr);

    // Current cell. Out-of-range values are ignored; a click or double-click also sets them.
    long GetRow() const { return m_nRow; }
    void SetRow(long row);
    long GetCol() const { return m_nCol; }
    void SetCol(long col);

    // Text and background colour of the current cell.
    QString GetText() const { return GetTextMatrix(m_nRow, m_nCol); }
    void SetText(const QString& text);
    std::uint32_t GetCellBackColor() const;
    void SetCellBackColor(std::uint32_t color);

    // Any cell's text; empty outside the grid.
    QString GetTextMatrix(long row, long col) const;

    void SetColAlignment(long col, short alignment);
    short GetColAlignment(long col) const;
    // Width in twips (1/1440 inch), shown at the screen's resolution.
    void SetColWidth(long col, long twips);
    long GetColWidth(long col) const;

    static QColor ColorFromWindowsValue(std::uint32_t color, const QPalette& palette);
    static Qt::Alignment QtAlignment(short alignment);
    static int TwipsToPixels(long twips, int dotsPerInch);

    // Whole rows below the title row become selectable: a click selects one, Shift and Ctrl
    // clicks extend the selection, a drag (on the number column too) selects the rows passed.
    void EnableRowSelection();
    // The selected rows, ascending; empty when none is selected.
    std::vector<int> SelectedRows() const;

    // Shows row 0 and column 0 in the table's own headers, which stay in view while the other
    // cells scroll. Row 0 and Col 0 still address the fixed cells: their texts, the column
    // alignments and column 0's width carry over to the headers (their colours do not).
    void FreezeFixedCells();
    bool FixedCellsFrozen() const { return m_bFrozen; }

    // What assistive technology reads for a cell: "row, column, value", from the texts of
    // column 0, row 0 and the cell itself (kSpokenEmpty when blank), as the speaker adjusts
    // them. A title reads its column, a row's fixed cell its row. The column titles are also
    // the table's header texts, shown or not.
    using CellSpeech = GridCellSpeech;
    using CellSpeaker = std::function<void(long row, long col, CellSpeech& speech)>;
    void SetCellSpeaker(CellSpeaker speaker) { m_speaker = std::move(speaker); }
    QString SpokenText(long row, long col) const;

signals:
    // A cell was double-clicked; Row and Col name it.
    void DblClick();

protected:
    // Arrows, Home/End and Page Up/Down move over the cells below and right of the fixed ones;
    // Tab moves on to the next control, as the radio shop's grid did.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent* event) override;

private:
    bool IsCell(long row, long col) const;
    QTableWidgetItem* Item(long row, long col) const;
    void MakeCurrent(int row, int col);
    void PaintCell(QTableWidgetItem& cell);
    void ShowInHeader(long row, long col);

    long m_nRow = 1;
    long m_nCol = 1;
    std::vector<short> m_colAlignment;
    std::vector<long> m_colWidthTwips;
    bool m_bFrozen = false;
    CellSpeaker m_speaker;
};
