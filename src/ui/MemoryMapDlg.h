#pragma once
#include <QDialog>

class CKM42View;
class CMSFlexGrid;

// "Memory Map": the view's image copy as a hexadecimal dump, sixteen bytes per grid row,
// lines "00" to "AC". A viewer only: OK and Cancel just close it. One object for the whole
// run; the grid is filled afresh at every opening.
class CMemoryMapDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMemoryMapDlg(CKM42View& view);

    // Fills the grid from the view's image copy, then runs modally.
    int DoModal();

    CMSFlexGrid* m_Grid;

private:
    void OnInitDialog();
    void SetCell(long row, long col, const QString& text);

    CKM42View& m_view;
};
