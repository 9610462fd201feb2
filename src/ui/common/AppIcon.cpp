// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/AppIcon.h"

#include <QDirIterator>

QIcon AppIcon() {
    // The sizes the hicolor theme gets on installation, built into the program.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons/hicolor"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext())
        icon.addFile(sizes.next() + QStringLiteral("/apps/" PRG715_APP_ID ".png"));
    return icon;
}
