// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <string>

#include "model/Outcome.h"

class QDialog;
class QPrinter;
class QWidget;

// Every message box, file dialog, print dialog and modal dialog run goes through this seam,
// so that the tests can answer them instead of blocking on them. The application installs
// the Qt implementation (CQtPrompts); tests install a recording one.

// Exclamation for failures and warnings; Information for a job's good ending.
enum class MessageIcon { None, Exclamation, Information };

// A question box with caption "PRG-715" and the buttons of its kind.
enum class QuestionKind {
    SaveDiscardCancel,  // Save is the default; Escape and the close box cancel
    YesNo,              // No is the default and the answer of Escape
};
enum class QuestionAnswer { Save, Discard, Cancel, Yes, No };

// A file dialog as the commands describe it.
struct FileDialogRequest {
    QString filter;       // "Description | pattern||": one entry per description/pattern pair
    QString initialName;  // preset in the name box; also the default extension ("*.kmd16")
};

class CUiPrompts {
public:
    virtual ~CUiPrompts() = default;

    // Message box with caption "PRG-715" and an OK button. detail, when given, carries the
    // system's reason below the fixed text.
    virtual void MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                            const QString& detail) = 0;

    // The button the user chose.
    virtual QuestionAnswer AskQuestion(QWidget* parent, const QString& text, QuestionKind kind) = 0;

    // The chosen path, or nullopt when the dialog was cancelled.
    virtual std::optional<QString> GetOpenFileName(QWidget* parent,
                                                   const FileDialogRequest& request) = 0;
    virtual std::optional<QString> GetSaveFileName(QWidget* parent,
                                                   const FileDialogRequest& request) = 0;
    // A folder dialog opening at `start`: the folder chosen, or nullopt when cancelled.
    virtual std::optional<QString> GetExistingDirectory(QWidget* parent, const QString& caption,
                                                        const QString& start) = 0;

    // The print dialog: the printer to print on as the user set it up, or nullptr when
    // cancelled. The printer stays owned by the prompts and is reused for the whole run.
    virtual QPrinter* GetPrinter(QWidget* parent) = 0;

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
};

// The application-wide message box: caption "PRG-715", OK only, exclamation icon.
void AppMessageBox(CUiPrompts& prompts, QWidget* parent, const char* text,
                   const std::string& detail = {});
// How the desktop shows what an operation of the core tells its user.
void ShowOutcome(CUiPrompts& prompts, QWidget* parent, const Outcome& outcome,
                 MessageIcon icon = MessageIcon::Exclamation);
