// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include "ui/common/ImageCopy.h"

class CMSFlexGrid;
class CUiPrompts;

// "Memory Map": the image copy as a hexadecimal dump, sixteen bytes per grid row,
// lines "00" to "AC". A viewer only: OK and Cancel just close it. One object for the whole
// run; the grid is filled afresh at every opening.
class CMemoryMapDlg : public QDialog {
    Q_OBJECT
public:
    CMemoryMapDlg(const ImageCopy& image, CUiPrompts& prompts, QWidget* parent);

    // Fills the grid from the image copy as it is now, then runs modally.
    int DoModal();

    CMSFlexGrid* m_Grid;

private:
    void OnInitDialog();
    void SetCell(long row, long col, const QString& text);

    const ImageCopy& m_image;
    CUiPrompts& m_prompts;
};
