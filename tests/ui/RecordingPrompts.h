// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/common/UiPrompts.h"

// The test side of the dialog seam: records every message box and file dialog, answers the
// file dialogs from a script, and runs each modal dialog shown (not modal) through a script
// that drives it with QTest like a user. A dialog nobody scripted fails the test.
class RecordingPrompts final : public CUiPrompts {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString detail;
    };
    struct Question {
        QString text;
        QuestionKind kind;
    };
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };
    using DialogScript = std::function<void(QDialog&)>;

    RecordingPrompts();
    ~RecordingPrompts() override;

    void MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                    const QString& detail) override;
    QuestionAnswer AskQuestion(QWidget* parent, const QString& text, QuestionKind kind) override;
    std::optional<QString> GetOpenFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    // Answered like the file dialogs, recorded with the start folder as its initial name.
    std::optional<QString> GetExistingDirectory(QWidget* parent, const QString& caption,
                                                const QString& start) override;
    QPrinter* GetPrinter(QWidget* parent) override;
    int ExecDialog(QDialog& dialog) override;

    // Answers for the next file dialogs: a path, or nullopt to cancel.
    void AnswerFileDialog(std::optional<QString> answer) {
        m_fileAnswers.push_back(std::move(answer));
    }
    // The answer to the next question. With showMessageBoxes the real box is shown and the
    // button of that answer clicked.
    void AnswerQuestion(QuestionAnswer answer) { m_questionAnswers.push_back(answer); }
    // Script for the next modal dialog.
    void ScriptDialog(DialogScript script) { m_dialogScripts.push_back(std::move(script)); }
    // Whether the next print dialog is confirmed; the printer then writes a PDF to pdfPath.
    void AnswerPrintDialog(bool accept, const QString& pdfPath = {});

    // Each message box is also shown for real, as the application shows it, and answered with
    // Enter as soon as it is up: its window takes the activation and gives it back.
    bool showMessageBoxes = false;

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<FileDialog> fileDialogs;
    std::vector<QString> dialogsRun;  // window titles, in order
    int printDialogs = 0;

private:
    std::optional<QString> NextFileAnswer(bool save, const FileDialogRequest& request);

    std::deque<QuestionAnswer> m_questionAnswers;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::deque<DialogScript> m_dialogScripts;
    std::deque<std::pair<bool, QString>> m_printAnswers;
    std::unique_ptr<QPrinter> m_pPrinter;
};
