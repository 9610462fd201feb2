// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/MemoryMapDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Messages.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/DialogUnits.h"

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("msg", "Memory Map");
constexpr long kBytesPerLine = 16;
// Lines "00" to "AC": the last one holds only the image copy's final eight bytes.
constexpr long kLineCount = (static_cast<long>(kImageCopySize) + kBytesPerLine - 1) / kBytesPerLine;
constexpr int kGridRows = static_cast<int>(kLineCount) + 1;     // column headers, then the lines
constexpr int kGridCols = static_cast<int>(kBytesPerLine) + 1;  // line labels, then the bytes
static_assert(kGridRows == 174 && kGridCols == 17);

constexpr long kLabelWidthTwips = 600;
constexpr long kByteWidthTwips = 400;

// The form in dialog units: the dialog, and the grid at its top.
constexpr int kDialogWidth = 269;
constexpr int kDialogHeight = 185;
constexpr int kGridWidth = 250;
constexpr int kGridHeight = 150;

}  // namespace

CMemoryMapDlg::CMemoryMapDlg(const ImageCopy& image, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_image(image), m_prompts(prompts) {
    setWindowTitle(Tr(kCaption));
    setObjectName(QStringLiteral("memoryMapDlg"));

    m_Grid = new CMSFlexGrid(kGridRows, kGridCols, this);
    m_Grid->setObjectName(QStringLiteral("memoryGrid"));
    m_Grid->setAccessibleName(Tr(msg::kNameMemoryGrid));
    // 173 lines never fit a screen: the line labels and column headers stay in view while
    // the bytes scroll.
    m_Grid->FreezeFixedCells();

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelButton = new QPushButton(Tr(QT_TRANSLATE_NOOP("msg", "Cancel")), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The grid as wide as sixteen byte columns need, should the font's dialog units fall
    // short of them: a sideways scroll bar would hide the bytes' positions in the line.
    const CDialogUnits units(fontMetrics());
    const int dpi = m_Grid->logicalDpiX();
    const int columnsWidth =
        CMSFlexGrid::TwipsToPixels(kLabelWidthTwips, dpi) +
        static_cast<int>(kBytesPerLine) * CMSFlexGrid::TwipsToPixels(kByteWidthTwips, dpi) +
        m_Grid->verticalScrollBar()->sizeHint().width() + 2 * m_Grid->frameWidth();
    m_Grid->setFixedSize(std::max(units.X(kGridWidth), columnsWidth), units.Y(kGridHeight));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Grid, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    setMinimumSize(units.Size(kDialogWidth, kDialogHeight));
}

int CMemoryMapDlg::DoModal() {
    OnInitDialog();
    return m_prompts.ExecDialog(*this);
}

void CMemoryMapDlg::SetCell(long row, long col, const QString& text) {
    m_Grid->SetRow(row);
    m_Grid->SetCol(col);
    m_Grid->SetText(text);
}

void CMemoryMapDlg::OnInitDialog() {
    m_Grid->SetColAlignment(0, CMSFlexGrid::flexAlignCenterTop);
    m_Grid->SetColWidth(0, kLabelWidthTwips);
    for (long line = 0; line < kLineCount; ++line)
        SetCell(line + 1, 0, QString::asprintf("%02lX", static_cast<unsigned long>(line)));
    for (long column = 0; column < kBytesPerLine; ++column) {
        m_Grid->SetColAlignment(column + 1, CMSFlexGrid::flexAlignCenterTop);
        m_Grid->SetColWidth(column + 1, kByteWidthTwips);
        SetCell(0, column + 1, QString::asprintf("%lX", static_cast<unsigned long>(column)));
    }
    for (std::size_t k = 0; k < m_image.size(); ++k) {
        const long at = static_cast<long>(k);
        SetCell(at / kBytesPerLine + 1, at % kBytesPerLine + 1,
                QString::asprintf("%02X", static_cast<unsigned>(m_image[k])));
    }
    m_Grid->scrollToTop();
}
