// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the editing dialogs like a user: click into a box, type, leave it with Tab.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "UiFixture.h"

// The dialog becomes the active window, as exec() makes it, so that clicks and Tab move the
// focus and the boxes are checked as they lose it.
inline void Activate(QDialog& dialog) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << dialog.windowTitle().toStdString();
}

template <class Widget>
Widget* Find(const QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline QLineEdit* Box(const QDialog& dialog, const char* name) {
    return Find<QLineEdit>(dialog, name);
}
inline QAbstractButton* Button(const QDialog& dialog, const char* name) {
    return Find<QAbstractButton>(dialog, name);
}
inline QComboBox* List(const QDialog& dialog, const char* name) {
    return Find<QComboBox>(dialog, name);
}
// A label or button's text as the user reads it: the "&" that marks an Alt key left out.
inline std::string Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown.toStdString();
}
inline std::string TextOf(const QDialog& dialog, const char* name) {
    if (auto* box = dialog.findChild<QLineEdit*>(QString::fromUtf8(name)))
        return box->text().toStdString();
    if (auto* label = dialog.findChild<QLabel*>(QString::fromUtf8(name)))
        return Shown(label->text());
    return Shown(Button(dialog, name)->text());
}

// Clicks into the box and replaces its text by typing.
inline void Type(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void TypeAndLeave(QLineEdit* box, const QString& text) {
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

// A click where a radio button or check box reacts: on its indicator.
inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Texts of the message boxes shown so far, then forgotten.
inline std::vector<std::string> TakeMessages(RecordingPrompts& prompts) {
    std::vector<std::string> texts;
    for (const auto& message : prompts.messages) texts.push_back(message.text.toStdString());
    prompts.messages.clear();
    return texts;
}
