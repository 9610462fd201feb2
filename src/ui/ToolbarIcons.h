#pragma once
#include <QIcon>

#include "ui/Commands.h"

// The toolbar's button images and the application icon, drawn at start-up so that they stay
// sharp at any size.
QIcon CommandIcon(ToolIcon kind);
QIcon AppIcon();
