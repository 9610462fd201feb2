// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFontMetrics>
#include <QRect>

// The forms are laid out in dialog units, which follow the font: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFontMetrics& metrics)
        : m_baseX((metrics.horizontalAdvance(
                       QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                       26 +
                   1) /
                  2),
          m_baseY(metrics.height()) {}

    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QSize Size(int w, int h) const { return {X(w), Y(h)}; }
    QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }

private:
    int m_baseX;
    int m_baseY;
};
