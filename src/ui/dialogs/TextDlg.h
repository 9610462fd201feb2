// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QPlainTextEdit;

// A text to read and copy from, not to edit (what a radio's job changed); Close or Escape
// ends it.
class CTextDlg : public QDialog {
    Q_OBJECT
public:
    CTextDlg(const QString& title, const QString& text, QWidget* parent);

private:
    QPlainTextEdit* m_pText = nullptr;
};
