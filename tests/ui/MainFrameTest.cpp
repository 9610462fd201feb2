// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "SamplePlan.h"
#include "UiFixture.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "settings/Settings.h"
#include "ui/app/Commands.h"

namespace {

using enum CommandId;

// "text" for an action, "-" for a separator.
std::vector<std::string> Entries(const QList<QAction*>& actions) {
    std::vector<std::string> entries;
    for (const QAction* action : actions)
        entries.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return entries;
}

class MainFrame : public UiTest {};

TEST_F(MainFrame, CaptionIsDocumentTitleThenFrameTitle) {
    Start();
    EXPECT_EQ(ShownTitle(), " PRG-715  - Ver 2.5");
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(MainFrame, MenuBarHasTheExactLabelsOrderSeparatorsAndShortcutTexts) {
    Start();
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(Entries(menus),
              (std::vector<std::string>{"&File", "&Edit", "&Options", "&Port", "&Help"}));
    EXPECT_EQ(Entries(menus[0]->menu()->actions()),
              (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "Open &Backup...",
                                        "Radio &History...", "&Save\tCtrl+S", "-", "&Import CSV...",
                                        "&Export CSV...", "-", "&Print...\tCtrl+P", "-", "E&xit"}));
    EXPECT_EQ(Entries(menus[1]->menu()->actions()),
              (std::vector<std::string>{"&Undo", "&Redo", "-", "&Copy", "&Paste", "-",
                                        "C&lear Channels", "-", "Select &All"}));
    EXPECT_EQ(Entries(menus[2]->menu()->actions()),
              (std::vector<std::string>{"&Options\tCtrl+O", "-", "&Read from Radio\tCtrl+R",
                                        "&Write to Radio\tCtrl+W"}));
    EXPECT_EQ(Entries(menus[3]->menu()->actions()),
              (std::vector<std::string>{"&COM1", "&COM2", "-", "&Serial Devices...", "-",
                                        "&Read the radio before writing", "&Verify after writing",
                                        "-", "&Program Several Radios..."}));
    EXPECT_EQ(Entries(menus[4]->menu()->actions()),
              (std::vector<std::string>{"&User Manual\tF1", "Save &Diagnostic Report...", "-",
                                        "&Language", "-",
                                        "&About PRG-715..."}));
}

// Help > Language keeps the choice for the next start and says so; the system's language is
// the first entry and chosen until then.
TEST_F(MainFrame, LanguageMenuKeepsTheChoiceForTheNextStart) {
    Start();
    auto* menu = Frame().findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 11);  // system, separator, English and the eight
    EXPECT_TRUE(menu->actions().front()->isChecked());
    menu->findChild<QAction*>(QStringLiteral("language_pt_BR"))->trigger();
    EXPECT_EQ(settings::LoadLanguage(), "pt_BR");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text.toStdString(), msg::kLanguageNextStart);
}

TEST_F(MainFrame, OnlyNewOpenSaveAndPrintHaveKeys) {
    Start();
    EXPECT_EQ(Action(FileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Action(FileOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Action(FileSave)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(Action(FilePrint)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    for (CommandId id : {Options, ReadRadio, WriteRadio, AppExit, ComPort1, ComPort2, AppAbout})
        EXPECT_TRUE(Action(id)->shortcut().isEmpty()) << static_cast<int>(id);
}

TEST_F(MainFrame, TheEditCommandsHaveTheStandardKeysAndNoKeyRunsTwoCommands) {
    Start();
    const std::vector<std::pair<CommandId, const char*>> keys = {
        {EditUndo, "Ctrl+Z"},       {EditUndo, "Alt+Backspace"}, {EditRedo, "Ctrl+Y"},
        {EditRedo, "Ctrl+Shift+Z"}, {EditCopy, "Ctrl+C"},        {EditCopy, "Ctrl+Insert"},
        {EditPaste, "Ctrl+V"},      {EditPaste, "Shift+Insert"}, {EditClear, "Del"},
        {EditSelectAll, "Ctrl+A"}};
    for (const auto& [id, key] : keys)
        EXPECT_TRUE(Action(id)->shortcuts().contains(QKeySequence(QString::fromUtf8(key)))) << key;
    // A key on two actions would be ambiguous, and then it runs neither.
    std::vector<std::string> all;
    for (const CommandInfo& command : Commands())
        for (const QKeySequence& key : Action(command.id)->shortcuts())
            all.push_back(key.toString().toStdString());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
}

TEST_F(MainFrame, CtrlOOpensAFileEvenWithAPlanAndCtrlRCtrlWDoNothing) {
    Start();
    NewPlan(kBandVhf2, false);
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QSignalSpy options(Action(Options), &QAction::triggered);
    QSignalSpy read(Action(ReadRadio), &QAction::triggered);
    QSignalSpy write(Action(WriteRadio), &QAction::triggered);

    prompts.AnswerFileDialog(std::nullopt);
    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_FALSE(prompts.fileDialogs[0].save);
    EXPECT_EQ(options.count(), 0);

    QTest::keyClick(&Frame(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(&Frame(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(read.count(), 0);
    EXPECT_EQ(write.count(), 0);
    EXPECT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogsRun.size(), 1u);  // only the model dialog of the New above
}

TEST_F(MainFrame, ToolbarHoldsTheButtonsInGroupsWithIconsAndTooltips) {
    Start();
    const QList<QAction*> items = Frame().ToolBar()->actions();
    std::vector<std::string> tips;
    for (QAction* action : items) {
        if (action->isSeparator()) {
            tips.push_back("-");
            continue;
        }
        tips.push_back(action->toolTip().toStdString());
        EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        EXPECT_NE(Frame().ToolBar()->widgetForAction(action), nullptr);
    }
    EXPECT_EQ(tips, (std::vector<std::string>{"New", "-", "Open", "Save", "-", "Read from Radio",
                                              "Write to Radio", "-", "Option", "-", "Print", "-",
                                              "About"}));
}

TEST_F(MainFrame, PlanCommandsAreGreyedInMenuAndToolbarUntilAPlanIsLaidOut) {
    Start();
    QToolBar* bar = Frame().ToolBar();
    for (CommandId id : {FileSave, FilePrint, Options, WriteRadio}) {
        EXPECT_FALSE(Action(id)->isEnabled()) << static_cast<int>(id);
        EXPECT_FALSE(bar->widgetForAction(Action(id))->isEnabled()) << static_cast<int>(id);
    }
    EXPECT_FALSE(Action(FileImportCsv)->isEnabled());
    EXPECT_FALSE(Action(FileExportCsv)->isEnabled());
    EXPECT_FALSE(Action(FleetJob)->isEnabled());
    for (CommandId id :
         {FileNew, FileOpen, ReadRadio, AppAbout, ComPort1, ComPort2, AppExit, RadioHistory})
        EXPECT_TRUE(Action(id)->isEnabled()) << static_cast<int>(id);

    prompts.ScriptDialog([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Action(FileNew)->trigger();
    EXPECT_FALSE(Action(FileSave)->isEnabled()) << "a cancelled New lays out no plan";

    NewPlan(kBandUhf2, true);
    for (CommandId id : {FileSave, FilePrint, Options, WriteRadio}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << static_cast<int>(id);
        EXPECT_TRUE(bar->widgetForAction(Action(id))->isEnabled()) << static_cast<int>(id);
    }
    EXPECT_TRUE(Action(FileImportCsv)->isEnabled());
    EXPECT_TRUE(Action(FileExportCsv)->isEnabled());
    EXPECT_TRUE(Action(FleetJob)->isEnabled());
}

TEST_F(MainFrame, OpeningAMenuReevaluatesTheRules) {
    Start();
    // A dialog of a later feature may lay out a plan behind the frame's back.
    View().m_bDataReady = 1;
    Action(FileSave)->setEnabled(false);
    QMenu* file = Frame().menuBar()->actions().front()->menu();
    emit file->aboutToShow();
    EXPECT_TRUE(Action(FileSave)->isEnabled());
}

TEST_F(MainFrame, StatusBarShowsReadyThenTheLockPanes) {
    Start();
    auto* ready = Frame().statusBar()->findChild<QLabel*>(QStringLiteral("readyPane"));
    ASSERT_NE(ready, nullptr);
    EXPECT_EQ(ready->text().toStdString(), "Ready");
    EXPECT_TRUE(ready->isVisible());
    int lastX = ready->geometry().right();
    for (const char* name : {"indicatorCaps", "indicatorNum", "indicatorScroll"}) {
        auto* pane = Frame().statusBar()->findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(pane, nullptr) << name;
        EXPECT_GT(pane->geometry().left(), lastX) << name << " is out of order";
        lastX = pane->geometry().right();
        // The offscreen platform does not tell the lock keys' state: greyed.
        EXPECT_FALSE(pane->isEnabled()) << name;
    }
}

TEST_F(MainFrame, HoveringAButtonShowsItsPromptAndReadyReturns) {
    Start();
    QWidget* save = Frame().ToolBar()->widgetForAction(Action(FileOpen));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(save, &enter);
    EXPECT_EQ(Frame().statusBar()->currentMessage().toStdString(), "Open an existing document");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(save, &leave);
    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(Frame().statusBar()->findChild<QLabel*>(QStringLiteral("readyPane"))->isVisible());
}

TEST_F(MainFrame, HoveringAMenuItemShowsItsPrompt) {
    Start();
    QMenu* options = Frame().menuBar()->actions()[2]->menu();
    options->popup(Frame().mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QTest::mouseMove(options, options->actionGeometry(Action(ReadRadio)).center());
    EXPECT_EQ(Frame().statusBar()->currentMessage().toStdString(), "Read from Radio");
    options->close();
}

TEST_F(MainFrame, AboutBoxShowsTheVersionAndClosesWithOk) {
    Start();
    prompts.ScriptDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "About PRG-715");
        const auto* version = dialog.findChild<QLabel*>(QStringLiteral("aboutVersion"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text().toStdString(), "PRG-715 Version 2.5");
        const auto* line = dialog.findChild<QLabel*>(QStringLiteral("aboutLine"));
        ASSERT_NE(line, nullptr);
        EXPECT_FALSE(line->text().isEmpty());
        const auto* licence = dialog.findChild<QLabel*>(QStringLiteral("aboutLicence"));
        ASSERT_NE(licence, nullptr);
        EXPECT_EQ(licence->text().toStdString(),
                  "Free software under the GNU General Public License, version 3 or later");
        const auto* icon = dialog.findChild<QLabel*>(QStringLiteral("aboutIcon"));
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->pixmap().isNull());
        ClickOk(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    Action(AppAbout)->trigger();
    EXPECT_EQ(prompts.dialogsRun, std::vector<QString>{QStringLiteral("About PRG-715")});
}

TEST_F(MainFrame, ExitClosesTheWindowWithoutAskingToSave) {
    Start();
    NewPlan(kBandVhf2, true);
    Action(AppExit)->trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainFrame, WindowFitsTheForm) {
    Start();
    const QRect form = View().geometry();
    EXPECT_GE(form.width(), View().sizeHint().width());
    EXPECT_GE(form.height(), View().sizeHint().height());
    const QRect grid = View().m_Grid16->geometry();
    EXPECT_TRUE(View().rect().contains(grid)) << "the 16-channel grid is cut off";
}

// The window opens within the screen's free area, status bar included; ctest also runs this on
// a 1280x1024 X server at twice the scale, where the form (1380x1182 pixels) must shrink.
TEST_F(MainFrame, OpensWithinTheScreensAvailableArea) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QApplication::processEvents();
    const QRect area = Frame().screen()->availableGeometry();
    const QWidget& status = *Frame().statusBar();
    EXPECT_TRUE(area.contains(Frame().frameGeometry()))
        << Frame().height() << " in " << area.height();
    EXPECT_TRUE(area.contains(QRect(status.mapToGlobal(QPoint()), status.size())));
}

// The form follows the window: the grid takes what the window gives beyond the form's size
// and scrolls what no longer fits; caption and grid stay put and the columns keep their widths.
TEST_F(MainFrame, TheGridGrowsAndShrinksWithTheWindowAndScrollsWhatNoLongerFits) {
    Start();
    ASSERT_TRUE(datafile::SaveDocument(SamplePlan16(), File("plan.kmd16")).ok);
    OpenPlan(File("plan.kmd16"));
    CMSFlexGrid& grid = *View().m_Grid16;
    QWidget* caption = View().findChild<QWidget*>(QStringLiteral("bandCaption"));
    const QRect designGrid = grid.geometry();
    const QRect designCaption = caption->geometry();
    std::vector<int> widths;
    for (int c = 0; c < kGridColumnCount; ++c) widths.push_back(grid.columnWidth(c));
    const auto resizeTo = [this](QSize size) {
        Frame().resize(size);
        QApplication::processEvents();
    };
    const auto expectColumnsAndCorners = [&](const char* when) {
        for (int c = 0; c < kGridColumnCount; ++c)
            EXPECT_EQ(grid.columnWidth(c), widths[c]) << when;
        EXPECT_EQ(grid.pos(), designGrid.topLeft()) << when;
        EXPECT_EQ(caption->geometry(), designCaption) << when;
    };
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible()) << "the form's size shows every row";
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());

    // As small as the window goes: the caption and the title row with three channels, and
    // scroll bars for the rest, through which the keys still reach channel 16.
    resizeTo(QSize(1, 1));
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
    EXPECT_TRUE(grid.horizontalScrollBar()->isVisible());
    expectColumnsAndCorners("small");
    EXPECT_TRUE(View().rect().contains(caption->geometry()));
    EXPECT_TRUE(View().rect().contains(grid.geometry()));
    EXPECT_GE(grid.viewport()->height(), grid.rowViewportPosition(3) + grid.rowHeight(3));
    EXPECT_LT(Frame().height(), designGrid.height()) << "it did shrink";
    std::cout << "[ figure ] smallest window " << Frame().width() << "x" << Frame().height()
              << " px, at the form's size " << Frame().sizeHint().width() << "x"
              << Frame().sizeHint().height() << " px\n";
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.currentRow(), 16);
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualItemRect(grid.item(16, 10))));

    // Larger than the form: the grid takes the room, nothing scrolls.
    const QSize large = Frame().sizeHint() + QSize(300, 200);
    resizeTo(large);
    expectColumnsAndCorners("large");
    EXPECT_EQ(grid.size(), designGrid.size() + (Frame().size() - Frame().sizeHint()));
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());

    // Four channels take no more height than the form gave them, but the width.
    NewPlan(kBandUhf2, false);
    QApplication::processEvents();
    const CMSFlexGrid& small = *View().m_Grid4;
    EXPECT_EQ(small.pos(), designGrid.topLeft());
    EXPECT_EQ(small.width(), grid.width());
    EXPECT_LT(small.height(), grid.height());
    EXPECT_FALSE(small.verticalScrollBar()->isVisible());
    EXPECT_FALSE(small.horizontalScrollBar()->isVisible());
}

}  // namespace
