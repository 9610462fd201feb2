// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

// The application icon, as installed into the desktop's icon theme.
QIcon AppIcon();
