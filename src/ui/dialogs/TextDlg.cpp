// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/TextDlg.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kWidthChars = 72;
constexpr int kHeightLines = 16;
}  // namespace

CTextDlg::CTextDlg(const QString& title, const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("textDlg"));
    setWindowTitle(title);
    m_pText = new QPlainTextEdit(text, this);
    m_pText->setObjectName(QStringLiteral("textBox"));
    m_pText->setReadOnly(true);
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pText->setMinimumSize(fontMetrics().averageCharWidth() * kWidthChars,
                            fontMetrics().lineSpacing() * kHeightLines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText, 1);
    layout->addWidget(buttons);
}
