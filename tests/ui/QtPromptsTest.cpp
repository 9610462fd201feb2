// SPDX-License-Identifier: GPL-3.0-or-later
// The application's own message boxes and print dialog, shown for real, give their texts room.
#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "UiFixture.h"
#include "model/Messages.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "ui/common/QtPrompts.h"

namespace {

struct Shown {
    int lines = 0;  // lines the label wraps its text into
    int width = 0;
    int naturalWidth = 0;  // the text on one line
};

// Shows the message box, measures its labels once it is up, then answers it.
std::vector<Shown> ShowAndMeasure(const char* text, const std::string& detail) {
    std::vector<Shown> labels;
    QTimer::singleShot(0, [&labels] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
            const auto* label = box->findChild<QLabel*>(QString::fromLatin1(name));
            if (label == nullptr || !label->isVisible()) continue;
            const QFontMetrics metrics = label->fontMetrics();
            labels.push_back({label->height() / metrics.lineSpacing(), label->width(),
                              metrics.horizontalAdvance(label->text())});
        }
        box->accept();
    });
    CQtPrompts prompts;
    prompts.MessageBox(nullptr, QString::fromUtf8(text), MessageIcon::Exclamation,
                       QString::fromStdString(detail));
    return labels;
}

TEST(MessageBoxRoom, AReasonBelowTheTextWrapsIntoFewLinesNotANarrowColumn) {
    const std::string reason = FormatText(msg::kPortPermissionDenied, "/dev/ttyUSB0", "dialout");
    const std::vector<Shown> labels = ShowAndMeasure(msg::kFailOpenPort1, reason);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].lines, 1) << "the fixed text on one line";
    const int fullLines = (labels[1].naturalWidth + labels[1].width - 1) / labels[1].width;
    EXPECT_LE(labels[1].lines, fullLines + 1) << "the reason fills the lines it takes";
    EXPECT_LE(labels[1].lines, 4) << labels[1].width << " px wide";

    const std::vector<Shown> single = ShowAndMeasure(msg::kCheckRadio, {});
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].lines, 1);
    EXPECT_GE(single[0].width, single[0].naturalWidth);
}

// Shows the question, presses `key` once it is up, and returns the answer with the buttons seen.
QuestionAnswer AskAndPress(QuestionKind kind, Qt::Key key, std::vector<std::string>& buttons) {
    QTimer::singleShot(0, [key, &buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), msg::kAppTitle);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        for (QAbstractButton* button : box->buttons())
            buttons.push_back(button->text().toStdString());
        QTest::keyClick(box, key);
    });
    return CQtPrompts().AskQuestion(nullptr, QString::fromUtf8(msg::kSaveChangesQuestion), kind);
}

TEST(QuestionBox, EnterTakesTheSafeDefaultAndEscapeCancels) {
    std::vector<std::string> buttons;
    EXPECT_EQ(AskAndPress(QuestionKind::SaveDiscardCancel, Qt::Key_Return, buttons),
              QuestionAnswer::Save);
    EXPECT_EQ(buttons.size(), 3u);
    EXPECT_EQ(AskAndPress(QuestionKind::SaveDiscardCancel, Qt::Key_Escape, buttons),
              QuestionAnswer::Cancel);
    buttons.clear();
    EXPECT_EQ(AskAndPress(QuestionKind::YesNo, Qt::Key_Return, buttons), QuestionAnswer::No)
        << "writing into another radio needs a deliberate Yes";
    EXPECT_EQ(buttons.size(), 2u);
    EXPECT_EQ(AskAndPress(QuestionKind::YesNo, Qt::Key_Escape, buttons), QuestionAnswer::No);
}

TEST(PrintDialogRoom, ThePrinterNameAndTheOutputPathShowInFull) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/home/dealer/fleet-2026/km162-data-sheet.pdf"));
    const std::unique_ptr<QPrintDialog> dialog = MakePrintDialog(printer);
    dialog->show();
    QApplication::processEvents();
    const auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr);
    ASSERT_FALSE(file->text().isEmpty());
    EXPECT_GT(file->width(), file->fontMetrics().horizontalAdvance(file->text())) << "not cut off";
    const auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(printers, nullptr);
    for (int i = 0; i < printers->count(); ++i)
        EXPECT_GT(printers->width(),
                  printers->fontMetrics().horizontalAdvance(printers->itemText(i)))
            << printers->itemText(i).toStdString();
    dialog->reject();
}

// Every text of the message table, read from the table itself so that none is left out. The
// window system's fonts are what cut texts, so ctest also runs this on an X server.
std::vector<QString> MessageTable() {
    std::ifstream file(PRG715_MESSAGES_H);
    std::stringstream whole;
    whole << file.rdbuf();
    const QString source = QString::fromStdString(whole.str());
    static const QRegularExpression entry(
        QStringLiteral(R"re(constexpr const char\* k\w+ =\s*(?:PRG715_TEXT\()?((?:\s*"(?:[^"\\]|\\.)*")+)\)?;)re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    std::vector<QString> texts;
    for (auto match = entry.globalMatch(source); match.hasNext();) {
        QString text;
        for (auto part = piece.globalMatch(match.next().captured(1)); part.hasNext();)
            text += part.next().captured(1);
        text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        text.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        texts.push_back(text);
    }
    return texts;
}

// Whether every line of the label is on screen whole: wrapped into the height it was given,
// or unwrapped within its width. Empty when it is; else what was cut.
std::string CutText(const QLabel& label) {
    const QFontMetrics metrics = label.fontMetrics();
    const int width = label.contentsRect().width();
    if (label.wordWrap()) {
        if (label.heightForWidth(label.width()) <= label.height()) return {};
    } else {
        bool fits = true;
        for (const QString& line : label.text().split(QLatin1Char('\n')))
            fits = fits && metrics.horizontalAdvance(line) <= width;
        if (fits) return {};
    }
    return label.text().toStdString() + " (" + std::to_string(width) + " px)";
}

struct Message {
    QString text;
    QString detail;  // "?" asks the text as a question
};

// Shows each text with its detail in a real box and returns those that were not shown whole.
std::vector<std::string> TextsCut(const std::vector<Message>& messages) {
    std::vector<std::string> cut;
    for (const auto& [text, detail] : messages) {
        QTimer::singleShot(0, [&cut] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (const QLabel* label : box->findChildren<QLabel*>())
                if (label->isVisible() && !label->text().isEmpty())
                    if (std::string why = CutText(*label); !why.empty()) cut.push_back(why);
            if (!box->screen()->availableGeometry().contains(box->frameGeometry()))
                cut.push_back("box beyond the screen: " + box->text().toStdString());
            box->accept();
        });
        if (detail == QStringLiteral("?"))
            CQtPrompts().AskQuestion(nullptr, text, QuestionKind::YesNo);
        else
            CQtPrompts().MessageBox(nullptr, text, MessageIcon::Exclamation, detail);
    }
    return cut;
}

TEST(MessageBoxRoom, EveryTextOfTheTableAndTheLongestComposedOnesShowWhole) {
    std::vector<Message> messages;
    const std::vector<QString> table = MessageTable();
    ASSERT_GT(table.size(), 150u);
    for (const QString& text : table) messages.push_back({text, QString()});
    for (const QString& text : table)
        messages.push_back({QString::fromUtf8(msg::kCheckRadio), text});
    const std::string radio = "KM162 (UHF 2, 16 channels)", plan = "KM41 (VHF 2, 4 channels)";
    messages.push_back(
        {QString::fromStdString(FormatText(msg::kWrongRadioQuestion, radio.c_str(), plan.c_str())),
         QStringLiteral("?")});
    std::vector<std::string> lines(40,
                                   "channel 16: Tx Squelch (hidden) 0.07000000000000001 -> I-DCS");
    messages.push_back({QString::fromUtf8(msg::kNotVerified),
                        QString::fromStdString(FindingsText(lines, kFindingsShown))});
    messages.push_back({QString::fromUtf8(msg::kPlanOutOfRange),
                        QString::fromStdString(FindingsText(lines, lines.size()))});
    messages.push_back({QString::fromUtf8(msg::kCannotSaveFile),
                        QString(300, QLatin1Char('x')) + QStringLiteral(".kmd16")});
    EXPECT_THAT(TextsCut(messages), ::testing::IsEmpty());
}

}  // namespace
