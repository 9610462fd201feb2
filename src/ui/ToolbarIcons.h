#pragma once
#include <QIcon>

#include "ui/Commands.h"

// The toolbar's button images, drawn at start-up so that they stay sharp at any size.
QIcon CommandIcon(ToolIcon kind);
// The application icon, as installed into the desktop's icon theme.
QIcon AppIcon();
