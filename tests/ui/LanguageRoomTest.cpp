// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop in each language it offers (PRG715_TEST_LANGUAGE, one run per language on an X
// server, beside the message boxes' own check): every dialog's texts show whole in the room the
// dialog gives them.
#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "UiFixture.h"
#include "model/Messages.h"
#include "ui/common/Translate.h"

namespace {

// What of the widget's own text is cut: a label's lines, a button's text beside its indicator
// or icon, a group's title. Empty when everything shows.
std::string CutIn(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    QString text;
    bool cut = false;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        text = label->text();
        // A label naming its field shows its key letter underlined, without the '&'.
        const QString shown =
            label->buddy() != nullptr ? QString(text).remove(QLatin1Char('&')) : text;
        if (label->wordWrap())
            cut = label->heightForWidth(label->width()) > label->height();
        else
            for (const QString& line : shown.split(QLatin1Char('\n')))
                cut = cut || metrics.horizontalAdvance(line) > label->contentsRect().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        text = button->text();
        cut = button->sizeHint().width() > button->width();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        text = group->title();
        cut = metrics.horizontalAdvance(QString(text).remove(QLatin1Char('&'))) > group->width();
    }
    if (!cut || text.isEmpty()) return {};
    return widget.objectName().toStdString() + ": \"" + text.toStdString() + "\"";
}

std::vector<std::string> CutTexts(const QWidget& top) {
    std::vector<std::string> cut;
    for (const QWidget* widget : top.findChildren<QWidget*>())
        if (widget->isVisible())
            if (std::string why = CutIn(*widget); !why.empty()) cut.push_back(why);
    return cut;
}

class LanguageRoom : public UiTest {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("PRG715_TEST_LANGUAGE")) GTEST_SKIP() << "English";
    }

    // The next dialog's texts are checked as shown, then the dialog is closed.
    void CheckNextDialog(const char* name, std::function<void(QDialog&)> then = {}) {
        prompts.ScriptDialog([this, name, then](QDialog& dialog) {
            for (const std::string& why : CutTexts(dialog)) m_cut.push_back(name + (" " + why));
            if (then)
                then(dialog);
            else
                dialog.reject();
        });
    }

    std::vector<std::string> m_cut;
};

TEST_F(LanguageRoom, EveryDialogAndMessageShowsItsTextsWhole) {
    ASSERT_NE(Tr(msg::kCheckRadio), QString::fromUtf8(msg::kCheckRadio)) << "not translated";
    Start();
    CheckNextDialog("model", [](QDialog& dialog) {
        ClickRadio(dialog, kBandUhf2);
        SetChannelCount(dialog, true);
        ClickOk(dialog);
    });
    Action(CommandId::FileNew)->trigger();
    for (const CommandId id :
         {CommandId::Options, CommandId::AppAbout, CommandId::SerialDevices,
          CommandId::FileOpenBackup, CommandId::FleetJob, CommandId::RadioHistory,
          CommandId::HelpDiagnostics}) {
        CheckNextDialog(Command(id).label);
        Action(id)->trigger();
    }
    CheckNextDialog("channel");
    DoubleClickCell(Doc().m_b16Channel != 0 ? *View().m_Grid16 : *View().m_Grid4, 1, 1);
    EXPECT_EQ(prompts.dialogsRun.size(), 9u) << "a dialog did not open";
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front().text.toStdString();
    EXPECT_THAT(m_cut, ::testing::IsEmpty());
}

}  // namespace
