// SPDX-License-Identifier: GPL-3.0-or-later
// Help > User Manual on the manual of these sources: F1 opens it with every chapter, a link is
// followed and retraced, the find box narrows the chapters and moves to the word; and the plain
// message where no manual is.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextBrowser>

#include "UiFixture.h"
#include "ui/dialogs/ManualDlg.h"

namespace {

class UserManual : public UiTest {
protected:
    UserManual() { ::setenv("PRG715_MANUAL_DIR", PRG715_SOURCE_MANUAL, 1); }
    ~UserManual() override { ::unsetenv("PRG715_MANUAL_DIR"); }

    CManualDlg* PressF1() {
        Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&Frame(), Qt::Key_F1);
        std::vector<CManualDlg*> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* manual = qobject_cast<CManualDlg*>(window)) windows.push_back(manual);
        EXPECT_EQ(windows.size(), 1u);
        return windows.empty() ? nullptr : windows.front();
    }
};

template <typename T>
T* Part(QWidget& window, const char* name) {
    auto* part = window.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
}

QString Shown(const QTextBrowser& text) {
    return QFileInfo(text.source().toLocalFile()).fileName();
}

// Where the link to `target` is written, in the text's viewport.
QPoint LinkAt(const QTextBrowser& text, const QString& target) {
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == target) {
                QTextCursor at(text.document());
                at.setPosition(it.fragment().position() + 1);
                return text.cursorRect(at).center();
            }
    ADD_FAILURE() << "no link to " << target.toStdString();
    return {};
}

TEST_F(UserManual, F1ListsEveryChapterFollowsLinksFindsAWordAndRaisesTheSameWindow) {
    Start();
    CManualDlg* manual = PressF1();
    ASSERT_NE(manual, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(manual));
    auto* contents = Part<QListWidget>(*manual, "manualContents");
    auto* text = Part<QTextBrowser>(*manual, "manualText");
    auto* find = Part<QLineEdit>(*manual, "findText");
    ASSERT_TRUE(contents && text && find);

    // index.md and every chapter beside it, each shown as its own text.
    const QStringList pages = QDir(PRG715_SOURCE_MANUAL).entryList({QStringLiteral("*.md")});
    ASSERT_EQ(contents->count(), pages.size());
    QSet<QString> texts;
    for (int row = 0; row < contents->count(); ++row) {
        contents->setCurrentRow(row);
        EXPECT_TRUE(pages.contains(Shown(*text))) << row;
        texts.insert(text->toPlainText());
    }
    EXPECT_EQ(texts.size(), pages.size());

    contents->setCurrentRow(0);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {},
                      LinkAt(*text, QStringLiteral("glossary.md")));
    EXPECT_EQ(Shown(*text), QStringLiteral("glossary.md"));
    EXPECT_EQ(contents->currentItem()->text(), QStringLiteral("Glossary"));
    QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Shown(*text), QStringLiteral("index.md"));
    EXPECT_EQ(contents->currentRow(), 0);

    // A word of one chapter only: the list keeps that chapter, Enter goes to the word in it.
    QTest::keyClick(manual, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find->hasFocus());
    QTest::keyClicks(find, QStringLiteral("compander"));
    std::vector<QString> listed;
    for (int row = 0; row < contents->count(); ++row)
        if (!contents->item(row)->isHidden()) listed.push_back(contents->item(row)->text());
    EXPECT_EQ(listed, std::vector<QString>{QStringLiteral("Channel rules")});
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(Shown(*text), QStringLiteral("channel-rules.md"));
    EXPECT_EQ(text->textCursor().selectedText().toLower(), QStringLiteral("compander"));

    Action(CommandId::HelpManual)->trigger();
    EXPECT_EQ(PressF1(), manual);
    EXPECT_TRUE(manual->isVisible());
}

TEST(UserManualMissing, TheWindowSaysSoAndNamesEveryFolderTried) {
    const QStringList tried = {QStringLiteral("/nonexistent/manual"), QDir::tempPath()};
    CManualDlg manual(tried, nullptr);
    const QString shown = Part<QTextBrowser>(manual, "manualText")->toPlainText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("The user manual was not found.")))
        << shown.toStdString();
    for (const QString& folder : tried) EXPECT_TRUE(shown.contains(folder)) << folder.toStdString();
    EXPECT_EQ(Part<QListWidget>(manual, "manualContents")->count(), 0);
    EXPECT_FALSE(Part<QLineEdit>(manual, "findText")->isEnabled());
}

}  // namespace
