#pragma once
#include <QIcon>

// The application icon, as installed into the desktop's icon theme.
QIcon AppIcon();
