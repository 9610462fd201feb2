// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QtPrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "model/Messages.h"
#include "ui/common/Translate.h"

void AppMessageBox(CUiPrompts& prompts, QWidget* parent, const char* text,
                   const std::string& detail) {
    prompts.MessageBox(parent, QString::fromUtf8(text), MessageIcon::Exclamation,
                       QString::fromStdString(detail));
}

void ShowOutcome(CUiPrompts& prompts, QWidget* parent, const Outcome& outcome, MessageIcon icon) {
    prompts.MessageBox(parent, QString::fromStdString(outcome.text), icon,
                       QString::fromStdString(outcome.detail));
}

QStringList NameFiltersFromFilterString(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        if (description.isEmpty() && pattern.isEmpty()) break;  // the closing "||"
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QStringLiteral("(%1)").arg(pattern);
        filters << (description.endsWith(shown) ? description : description + ' ' + shown);
    }
    return filters;
}

namespace {

// "*.kmd16" -> "kmd16"; no suffix for "*.*" or a plain name.
QString DefaultSuffix(const QString& initialName) {
    if (!initialName.startsWith(QLatin1String("*."))) return {};
    const QString suffix = initialName.mid(2);
    return suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

// A modal box or dialog hands the activation back to the window under it only where a window
// manager does so. Without one (a bare X server, the offscreen platform) that window stays
// inactive: Tab and clicks in it then move the focus without any FocusOut, so a box typed
// into after a refusal would never be checked. The window active before gets it back.
class CActivationKeeper {
public:
    CActivationKeeper() : m_pWindow(QApplication::activeWindow()) {}
    ~CActivationKeeper() {
        if (m_pWindow && m_pWindow->isVisible() && !m_pWindow->isActiveWindow())
            m_pWindow->activateWindow();
    }
    CActivationKeeper(const CActivationKeeper&) = delete;
    CActivationKeeper& operator=(const CActivationKeeper&) = delete;

private:
    QPointer<QWidget> m_pWindow;
};

// Qt lets a message box wrap the reason below its text at the narrowest width it can; a
// sentence with a device path then runs down a column a few words wide. The reason gets up
// to this many average characters per line, and never more than half the screen. The text
// itself is left to Qt, which wraps it once it is wider than it likes: a width set on it
// before the box is shown would keep it on one line, cut where the shown font is wider.
constexpr int kMessageLineChars = 64;
constexpr int kPathRoomChars = 4;  // beside a file name: the box's frame and cursor
// A reason longer than this many lines is shown up to here, and whole under Show Details,
// which scrolls, so that the box stays within the screen.
constexpr qsizetype kShownDetailLines = 16;

int AvailableWidth(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    return screen != nullptr ? screen->availableGeometry().width() : 1024;
}

int LongestLine(const QLabel& label) {
    int longest = 0;
    for (const QString& line : label.text().split(QLatin1Char('\n')))
        longest = std::max(longest, label.fontMetrics().horizontalAdvance(line));
    return longest;
}

// Measured in the font the box will show, which polishing gives it.
void GiveMessageRoom(QMessageBox& box) {
    const int cap =
        std::min(box.fontMetrics().averageCharWidth() * kMessageLineChars, AvailableWidth(box) / 2);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->ensurePolished();
        // A text that fits the line stays on one; a longer one Qt wraps itself.
        if (const int longest = LongestLine(*label); longest <= cap)
            label->setMinimumWidth(longest);
    }
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        label->ensurePolished();
        label->setWordWrap(true);
        label->setMinimumWidth(std::min(LongestLine(*label), cap));
    }
}

void SetDetail(QMessageBox& box, const QString& detail) {
    if (detail.isEmpty()) return;
    const QStringList lines = detail.split(QLatin1Char('\n'));
    if (lines.size() <= kShownDetailLines) {
        box.setInformativeText(detail);
        return;
    }
    box.setInformativeText(lines.mid(0, kShownDetailLines).join(QLatin1Char('\n')) +
                           QStringLiteral("\n..."));
    box.setDetailedText(detail);
}

void CenterOver(QWidget& dialog, QWidget* parent) {
    if (parent == nullptr) return;
    dialog.adjustSize();
    dialog.move(parent->window()->geometry().center() - dialog.rect().center());
}

}  // namespace

CQtPrompts::CQtPrompts() = default;
CQtPrompts::~CQtPrompts() = default;

void CQtPrompts::MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                            const QString& detail) {
    const QMessageBox::Icon shown = icon == MessageIcon::Exclamation   ? QMessageBox::Warning
                                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                                       : QMessageBox::NoIcon;
    QMessageBox box(shown, Tr(msg::kAppTitle), TrLines(text), QMessageBox::Ok, parent);
    SetDetail(box, TrLines(detail));
    GiveMessageRoom(box);
    const CActivationKeeper keeper;
    box.exec();
}

namespace {

struct QuestionButton {
    QuestionKind kind;
    QMessageBox::StandardButton button;
    QuestionAnswer answer;
    bool isDefault;  // Enter
    bool isEscape;   // Escape and the close box
};
constexpr QuestionButton kQuestionButtons[] = {
    {QuestionKind::SaveDiscardCancel, QMessageBox::Save, QuestionAnswer::Save, true, false},
    {QuestionKind::SaveDiscardCancel, QMessageBox::Discard, QuestionAnswer::Discard, false, false},
    {QuestionKind::SaveDiscardCancel, QMessageBox::Cancel, QuestionAnswer::Cancel, false, true},
    {QuestionKind::YesNo, QMessageBox::Yes, QuestionAnswer::Yes, false, false},
    {QuestionKind::YesNo, QMessageBox::No, QuestionAnswer::No, true, true},
};

}  // namespace

QuestionAnswer CQtPrompts::AskQuestion(QWidget* parent, const QString& text, QuestionKind kind) {
    QMessageBox box(QMessageBox::Question, Tr(msg::kAppTitle), TrLines(text), QMessageBox::NoButton,
                    parent);
    QuestionAnswer escapeAnswer = QuestionAnswer::Cancel;
    for (const QuestionButton& entry : kQuestionButtons) {
        if (entry.kind != kind) continue;
        box.addButton(entry.button);
        if (entry.isDefault) box.setDefaultButton(entry.button);
        if (entry.isEscape) {
            box.setEscapeButton(entry.button);
            escapeAnswer = entry.answer;
        }
    }
    GiveMessageRoom(box);
    const CActivationKeeper keeper;
    box.exec();
    const QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
    for (const QuestionButton& entry : kQuestionButtons)
        if (entry.kind == kind && entry.button == chosen) return entry.answer;
    return escapeAnswer;
}

namespace {

// Qt's own file dialog sets its "Look in" and "Files of type" labels beside their boxes
// without making them buddies, so a screen reader reads the boxes' contents with no name.
void LabelFileDialogBoxes(QFileDialog& dialog) {
    for (const auto& [label, box] :
         {std::pair{"lookInLabel", "lookInCombo"}, std::pair{"fileTypeLabel", "fileTypeCombo"}}) {
        auto* text = dialog.findChild<QLabel*>(QLatin1String(label));
        auto* field = dialog.findChild<QWidget*>(QLatin1String(box));
        if (text != nullptr && field != nullptr) text->setBuddy(field);
    }
}

}  // namespace

std::optional<QString> CQtPrompts::RunFileDialog(QFileDialog& dialog, QWidget* parent,
                                                 const FileDialogRequest& request) {
    dialog.setNameFilters(NameFiltersFromFilterString(request.filter));
    dialog.setDefaultSuffix(DefaultSuffix(request.initialName));
    // The pattern is already the dialog's filter; Qt's name box would take "*.kmd16" as a
    // literal file name, so only a real name is preset.
    const bool wildcard = request.initialName.contains(QLatin1Char('*')) ||
                          request.initialName.contains(QLatin1Char('?'));
    if (!wildcard) {
        dialog.selectFile(request.initialName);
    } else if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        // The dialog is kept for the run: a pattern must not leave the name saved last, which
        // selectFile() would not clear, in the box for Enter to save over.
        name->clear();
    }
    LabelFileDialogBoxes(dialog);
    CenterOver(dialog, parent);
    const CActivationKeeper keeper;
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front();
}

std::optional<QString> CQtPrompts::GetOpenFileName(QWidget* parent,
                                                   const FileDialogRequest& request) {
    if (!m_pOpenDialog) {
        m_pOpenDialog = std::make_unique<QFileDialog>();
        m_pOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
        // A name that does not exist is passed on; opening it then reports the failure.
        m_pOpenDialog->setFileMode(QFileDialog::AnyFile);
        m_pOpenDialog->setWindowModality(Qt::ApplicationModal);
    }
    return RunFileDialog(*m_pOpenDialog, parent, request);
}

std::optional<QString> CQtPrompts::GetSaveFileName(QWidget* parent,
                                                   const FileDialogRequest& request) {
    if (!m_pSaveDialog) {
        m_pSaveDialog = std::make_unique<QFileDialog>();
        m_pSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_pSaveDialog->setFileMode(QFileDialog::AnyFile);
        m_pSaveDialog->setOption(QFileDialog::DontConfirmOverwrite);
        m_pSaveDialog->setWindowModality(Qt::ApplicationModal);
    }
    return RunFileDialog(*m_pSaveDialog, parent, request);
}

std::optional<QString> CQtPrompts::GetExistingDirectory(QWidget* parent, const QString& caption,
                                                        const QString& start) {
    const CActivationKeeper keeper;
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, start);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

namespace {

// The report is always printed whole. Where CUPS can pick pages on the server, Qt's dialog
// brings its page range back even without PrintPageRange (and hands the pages typed there to
// the print server), so the range box goes each time the dialog shows.
class CAllPagesPrintDialog final : public QPrintDialog {
public:
    explicit CAllPagesPrintDialog(QPrinter& printer) : QPrintDialog(&printer) {
        setOptions(PrintToFile | PrintShowPageSize | PrintCollateCopies);
    }

    void setVisible(bool visible) override {
        if (visible) printer()->setPrintRange(QPrinter::AllPages);  // "Print all" checked
        QPrintDialog::setVisible(visible);
        if (!visible) return;
        if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
        GiveNamesRoom();
    }

private:
    // Qt's dialog is laid out for short names: a printer queue or a PDF path of any length
    // is cut off. It grows to show them, within the screen.
    void GiveNamesRoom() {
        const int cap = AvailableWidth(*this) * 3 / 4;
        int grow = 0;
        if (auto* printers = findChild<QComboBox*>(QStringLiteral("printers"))) {
            printers->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            grow = std::max(grow, printers->sizeHint().width() - printers->width());
        }
        if (auto* file = findChild<QLineEdit*>(QStringLiteral("filename"))) {
            const QFontMetrics metrics = file->fontMetrics();
            const int needed = metrics.horizontalAdvance(file->text()) +
                               kPathRoomChars * metrics.averageCharWidth();
            grow = std::max(grow, needed - file->width());
        }
        if (grow > 0) resize(std::min(width() + grow, std::max(width(), cap)), height());
    }
};

}  // namespace

std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer) {
    return std::make_unique<CAllPagesPrintDialog>(printer);
}

QPrinter* CQtPrompts::GetPrinter(QWidget* parent) {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_pPrintDialog) {
        m_pPrintDialog = MakePrintDialog(*m_pPrinter);
        m_pPrintDialog->setWindowModality(Qt::ApplicationModal);
    }
    CenterOver(*m_pPrintDialog, parent);
    const CActivationKeeper keeper;
    return m_pPrintDialog->exec() == QDialog::Accepted ? m_pPrinter.get() : nullptr;
}

int CQtPrompts::ExecDialog(QDialog& dialog) {
    const CActivationKeeper keeper;
    return dialog.exec();
}
