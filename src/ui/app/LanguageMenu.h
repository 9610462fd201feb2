// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class CUiPrompts;
class QMenu;
class QWidget;

// Help > Language: the system's language, English and every language offered, the one kept for
// the next start checked. A choice is kept at once and said to take effect at the next start
// (every window would otherwise have to be built again).
QMenu* MakeLanguageMenu(QWidget* parent, CUiPrompts& prompts);
