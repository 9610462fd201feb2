// SPDX-License-Identifier: GPL-3.0-or-later
// The icon the program shows is the one installed into the desktop's icon theme, at every size
// the theme gets.
#include <QDir>
#include <QImage>
#include <QLabel>

#include "UiFixture.h"
#include "ui/common/AppIcon.h"

namespace {

// Pixmaps hold premultiplied pixels; files are compared after the same conversion.
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

QImage Pixels(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(kFormat);
}

struct InstalledIcon {
    int size;
    QImage image;
};

std::vector<InstalledIcon> InstalledIcons() {
    std::vector<InstalledIcon> icons;
    const QDir theme(QStringLiteral(PRG715_ICON_THEME_DIR));
    for (const QString& folder : theme.entryList({QStringLiteral("*x*")}, QDir::Dirs)) {
        const QImage image(theme.filePath(folder + QStringLiteral("/apps/" PRG715_APP_ID ".png")));
        if (!image.isNull()) icons.push_back({image.width(), image.convertToFormat(kFormat)});
    }
    return icons;
}

TEST(AppIcon, HoldsEveryInstalledSizePixelForPixel) {
    const std::vector<InstalledIcon> installed = InstalledIcons();
    ASSERT_GE(installed.size(), 5u);
    const QIcon icon = AppIcon();
    EXPECT_EQ(icon.availableSizes().size(), static_cast<qsizetype>(installed.size()));
    for (const InstalledIcon& expected : installed)
        EXPECT_EQ(Pixels(icon, expected.size), expected.image) << expected.size << " pixels";
}

class AppIconShown : public UiTest {};

TEST_F(AppIconShown, InTheTitleBarAndTheAboutBox) {
    Start();
    for (const InstalledIcon& expected : InstalledIcons())
        EXPECT_EQ(Pixels(Frame().windowIcon(), expected.size), expected.image) << expected.size;

    prompts.ScriptDialog([](QDialog& dialog) {
        const auto* label = dialog.findChild<QLabel*>(QStringLiteral("aboutIcon"));
        ASSERT_NE(label, nullptr);
        const QImage shown = label->pixmap().toImage().convertToFormat(kFormat);
        EXPECT_EQ(shown, Pixels(AppIcon(), shown.width()));
        ClickOk(dialog);
    });
    Action(CommandId::AppAbout)->trigger();
}

}  // namespace
