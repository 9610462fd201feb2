// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <memory>

#include "ui/common/UiPrompts.h"

class QFileDialog;
class QPrintDialog;
class QPrinter;

// The real dialogs. Each file dialog and the print dialog is one object created at its first
// use and reused for the rest of the run, so it keeps the folder and settings last chosen.
class CQtPrompts final : public CUiPrompts {
public:
    CQtPrompts();
    ~CQtPrompts() override;
    CQtPrompts(const CQtPrompts&) = delete;
    CQtPrompts& operator=(const CQtPrompts&) = delete;

    void MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                    const QString& detail) override;
    QuestionAnswer AskQuestion(QWidget* parent, const QString& text, QuestionKind kind) override;
    std::optional<QString> GetOpenFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    std::optional<QString> GetExistingDirectory(QWidget* parent, const QString& caption,
                                                const QString& start) override;
    QPrinter* GetPrinter(QWidget* parent) override;
    int ExecDialog(QDialog& dialog) override;

private:
    std::optional<QString> RunFileDialog(QFileDialog& dialog, QWidget* parent,
                                         const FileDialogRequest& request);

    std::unique_ptr<QFileDialog> m_pOpenDialog;
    std::unique_ptr<QFileDialog> m_pSaveDialog;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<QPrintDialog> m_pPrintDialog;
};

// The print dialog of File > Print: all pages only (no page range, selection or current
// page), with the print-to-file choice through which the report becomes a PDF.
std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer);

// The dialog filter string turned into Qt name filters ("Description (pattern)").
QStringList NameFiltersFromFilterString(const QString& filter);
