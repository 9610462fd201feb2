// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingPrompts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include "ui/common/QtPrompts.h"

RecordingPrompts::RecordingPrompts() = default;
RecordingPrompts::~RecordingPrompts() = default;

void RecordingPrompts::MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                  const QString& detail) {
    messages.push_back({text, icon, detail});
    if (!showMessageBoxes) return;
    QTimer::singleShot(0, [] {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box.isNull()) {
            ADD_FAILURE() << "no message box up";
            return;
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    CQtPrompts().MessageBox(parent, text, icon, detail);
}

namespace {

QMessageBox::StandardButton ButtonOf(QuestionAnswer answer) {
    switch (answer) {
        case QuestionAnswer::Save:
            return QMessageBox::Save;
        case QuestionAnswer::Discard:
            return QMessageBox::Discard;
        case QuestionAnswer::Cancel:
            return QMessageBox::Cancel;
        case QuestionAnswer::Yes:
            return QMessageBox::Yes;
        case QuestionAnswer::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

}  // namespace

QuestionAnswer RecordingPrompts::AskQuestion(QWidget* parent, const QString& text,
                                             QuestionKind kind) {
    questions.push_back({text, kind});
    const QuestionAnswer unscripted =
        kind == QuestionKind::YesNo ? QuestionAnswer::No : QuestionAnswer::Cancel;
    if (m_questionAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return unscripted;
    }
    const QuestionAnswer answer = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    if (!showMessageBoxes) return answer;
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QAbstractButton* button = box != nullptr ? box->button(ButtonOf(answer)) : nullptr;
        if (button == nullptr) {
            ADD_FAILURE() << "no question box with that button up";
            if (box != nullptr) box->reject();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    });
    const QuestionAnswer shown = CQtPrompts().AskQuestion(parent, text, kind);
    EXPECT_EQ(static_cast<int>(shown), static_cast<int>(answer)) << "the button clicked";
    return shown;
}

std::optional<QString> RecordingPrompts::NextFileAnswer(bool save,
                                                        const FileDialogRequest& request) {
    fileDialogs.push_back({save, request});
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.filter.toStdString();
        return std::nullopt;
    }
    const bool cancel = !m_fileAnswers.front().has_value();
    const QString path = m_fileAnswers.front().value_or(QString());
    m_fileAnswers.pop_front();
    if (cancel) return std::nullopt;
    return path;
}

std::optional<QString> RecordingPrompts::GetOpenFileName(QWidget*,
                                                         const FileDialogRequest& request) {
    return NextFileAnswer(false, request);
}

std::optional<QString> RecordingPrompts::GetSaveFileName(QWidget*,
                                                         const FileDialogRequest& request) {
    return NextFileAnswer(true, request);
}

std::optional<QString> RecordingPrompts::GetExistingDirectory(QWidget*, const QString& caption,
                                                              const QString& start) {
    return NextFileAnswer(false, {caption, start});
}

void RecordingPrompts::AnswerPrintDialog(bool accept, const QString& pdfPath) {
    m_printAnswers.emplace_back(accept, pdfPath);
}

QPrinter* RecordingPrompts::GetPrinter(QWidget*) {
    ++printDialogs;
    if (m_printAnswers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return nullptr;
    }
    const auto [accept, pdfPath] = m_printAnswers.front();
    m_printAnswers.pop_front();
    if (!accept) return nullptr;
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_pPrinter->setOutputFormat(QPrinter::PdfFormat);
    m_pPrinter->setOutputFileName(pdfPath);
    return m_pPrinter.get();
}

int RecordingPrompts::ExecDialog(QDialog& dialog) {
    dialogsRun.push_back(dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    if (m_dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    const DialogScript script = m_dialogScripts.front();
    m_dialogScripts.pop_front();
    QWidget* const activeBefore = QApplication::activeWindow();
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the script left the dialog open: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
    // A script that made the dialog the active window leaves none active once it is hidden;
    // a window system gives the activation back to the window the dialog came from.
    if (activeBefore != nullptr && activeBefore->isVisible() &&
        QApplication::activeWindow() != activeBefore) {
        activeBefore->activateWindow();
        for (int i = 0; i < 200 && QApplication::activeWindow() != activeBefore; ++i)
            QTest::qWait(5);
    }
    return dialog.result();
}
