// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

#include "ui/app/Commands.h"

// The toolbar's button images, drawn at start-up so that they stay sharp at any size.
QIcon CommandIcon(ToolIcon kind);
