// SPDX-License-Identifier: GPL-3.0-or-later
// The UI tests drive real widgets; without a display they run on the offscreen platform
// (also when ctest lists the tests at build time). PRG715_TEST_LANGUAGE=de runs them with the
// desktop's German texts, as `prg715 --language de` shows them.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "ui/common/Translate.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const QString language = qEnvironmentVariable("PRG715_TEST_LANGUAGE");
    if (!language.isEmpty() && InstallTranslations(language) != language) {
        std::fprintf(stderr, "no translations for %s\n", qPrintable(language));
        return 1;
    }
    return RUN_ALL_TESTS();
}
