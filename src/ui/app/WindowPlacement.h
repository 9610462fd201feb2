// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSize>

class QWidget;

// The size a window opens at: the size it asks for, within the room the screen has, never
// below the smallest it can be.
QSize OpeningSize(QSize wanted, QSize smallest, QSize room);

// Sizes a main window not shown yet to open within its screen's available area (a scaled
// desktop or a small screen may not hold the form): the window shrinks and its contents
// scroll. Once shown, a window system's frame that would still cross the area's edge
// (unknown until then) is taken off the window's size.
void FitToScreen(QWidget& window);
