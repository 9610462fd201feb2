// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the main window as a keyboard user does: every key goes to whatever holds the focus
// in the active window, and is counted.
#include <QApplication>
#include <QGroupBox>
#include <algorithm>

#include "EditorTestSupport.h"

class Keyboard {
public:
    void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget has the keyboard focus";
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        ++m_nPresses;
    }
    // One press per character.
    void Type(const QString& text) {
        for (const QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr) << "no widget has the keyboard focus";
            QTest::keyClicks(target, QString(c));
            ++m_nPresses;
        }
    }
    int Presses() const { return m_nPresses; }

private:
    int m_nPresses = 0;
};

// The dialog made the window the keys go to, as the window system does when it opens. (The
// offscreen platform counts a dialog as active while its main window is.)
inline void ActivateForKeys(QDialog& dialog) {
    dialog.activateWindow();
    for (int i = 0; i < 200 && QApplication::activeWindow() != &dialog; ++i) QTest::qWait(5);
    ASSERT_EQ(QApplication::activeWindow(), &dialog) << dialog.windowTitle().toStdString();
}

// An Alt key: a label's or group's moves the focus at once, a button's clicks it as a mouse
// would, a moment later.
inline void PressAltKey(QDialog& dialog, Qt::Key key) {
    QTest::keyClick(&dialog, key, Qt::AltModifier);
    const auto pressed = [&dialog] {
        const auto buttons = dialog.findChildren<QAbstractButton*>();
        return std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
    };
    for (int i = 0; i < 200 && pressed(); ++i) QTest::qWait(5);
}

// The Alt keys of a window's buttons and labels that the user can see.
inline std::vector<std::string> AltKeys(const QWidget& window) {
    std::vector<std::string> keys;
    const auto add = [&](const QWidget* widget, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (widget->isVisibleTo(&window) && !key.isEmpty())
            keys.push_back(key.toString().toStdString());
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button, button->text());
    for (const QLabel* label : window.findChildren<QLabel*>()) add(label, label->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) add(box, box->title());
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The main window active with the shown grid holding the focus, as after New or Open.
inline void FocusGrid(CMainFrame& frame, CMSFlexGrid& grid) {
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    ASSERT_EQ(QApplication::focusWidget(), &grid);
}

// The grid's current cell, for the keys that move it.
inline std::pair<int, int> CurrentCell(const CMSFlexGrid& grid) {
    return {grid.currentRow(), grid.currentColumn()};
}
