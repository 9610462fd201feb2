// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Save Diagnostic Report...: the desktop writes the core's report, with the last plan
// only when the box is ticked.
#include <QCheckBox>
#include <QDialog>

#include "UiFixture.h"
#include "ui/app/Commands.h"

namespace {

TEST_F(UiTest, DiagnosticReportIsSavedWithThePlanOnlyWhenTicked) {
    Start();
    const auto save = [this](bool tick, const std::string& path) {
        prompts.ScriptDialog([tick](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("includePlan"))->setChecked(tick);
            dialog.accept();
        });
        prompts.AnswerFileDialog(QString::fromStdString(path));
        Action(CommandId::HelpDiagnostics)->trigger();
        const std::vector<unsigned char> bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string plain = save(false, "plain.txt");
    EXPECT_NE(plain.find("\nprg715 "), std::string::npos);
    EXPECT_NE(plain.find("\nQt 6."), std::string::npos);
    EXPECT_NE(plain.find("left out"), std::string::npos);
    EXPECT_EQ(prompts.messages.back().text.toStdString(), "Diagnostic report saved as plain.txt");
    EXPECT_EQ(save(true, "with-plan.txt").find("left out"), std::string::npos);

    // Cancelled: no file dialog, nothing written.
    const std::size_t dialogs = prompts.fileDialogs.size();
    prompts.ScriptDialog([](QDialog& dialog) { dialog.reject(); });
    Action(CommandId::HelpDiagnostics)->trigger();
    EXPECT_EQ(prompts.fileDialogs.size(), dialogs);
}

}  // namespace
