// SPDX-License-Identifier: GPL-3.0-or-later
// The editing dialogs built alone, over a plain document and the recording prompts: the
// application is never started and no view exists. What each one edits reaches the document,
// or shows from the image copy it was given.
#include "EditorTestSupport.h"
#include "ui/dialogs/ChannelDlg.h"
#include "ui/dialogs/MemoryMapDlg.h"
#include "ui/dialogs/ModelDlg.h"
#include "ui/dialogs/OptionDlg.h"

namespace {

class DialogsAlone : public UiTest {};

TEST_F(DialogsAlone, EditAPlainDocumentAndShowAnImageCopy) {
    CKM42Doc doc;

    CModelDlg model(doc, prompts, nullptr);
    prompts.ScriptDialog([](QDialog& dialog) {
        ClickRadio(dialog, kBandUhf2);
        SetChannelCount(dialog, true);
        ClickOk(dialog);
    });
    EXPECT_EQ(model.DoModal(), QDialog::Accepted);
    EXPECT_EQ(doc.m_nBand, kBandUhf2);
    EXPECT_EQ(doc.m_b16Channel, 1);
    doc.SetDefaults();

    CChannelDlg channel(doc, prompts, nullptr);
    channel.m_nChannel = 16;
    prompts.ScriptDialog([](QDialog& dialog) {
        Activate(dialog);
        EXPECT_EQ(TextOf(dialog, "bandLabel"), "UHF 2 (440 ~ 470 MHz)");
        TypeAndLeave(Box(dialog, "rxFreq"), "450.5");
        ClickOk(dialog);
    });
    EXPECT_EQ(channel.DoModal(), QDialog::Accepted);
    EXPECT_EQ(doc.Channel(16).m_dRxFreq, 450.5);

    COptionDlg options(doc, prompts, nullptr);
    prompts.ScriptDialog([](QDialog& dialog) {
        Activate(dialog);
        QTest::mouseClick(Button(dialog, "beepButton"), Qt::LeftButton);
        ClickOk(dialog);
    });
    options.DoModal();
    EXPECT_EQ(doc.m_bBeepOff, 1);

    ImageCopy image{};
    image.back() = 0xA5;
    CMemoryMapDlg map(image, prompts, nullptr);
    prompts.ScriptDialog([](QDialog& dialog) {
        const auto* grid = dialog.findChild<CMSFlexGrid*>(QStringLiteral("memoryGrid"));
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(Cell(*grid, 173, 8), "A5") << "the copy's last byte";
        ClickOk(dialog);
    });
    map.DoModal();

    EXPECT_EQ(prompts.dialogsRun,
              (std::vector<QString>{QStringLiteral("Select Radio Model"), QStringLiteral("Channel"),
                                    QStringLiteral("Radio Option Features"),
                                    QStringLiteral("Memory Map")}));
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
