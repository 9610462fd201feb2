// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FocusOutChecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

CFocusOutChecks::CFocusOutChecks(QWidget& dialog) : QObject(&dialog), m_dialog(dialog) {}

void CFocusOutChecks::Watch(QWidget* box, Check check) {
    box->installEventFilter(this);
    m_watched.push_back({box, std::move(check)});
}

void CFocusOutChecks::RunFor(QWidget* box) {
    if (m_bEnabled && !m_bRunning) Run(box, Qt::OtherFocusReason);
}

bool CFocusOutChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut) return QObject::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // The focus leaves with the window (another program, a message box) or a list's popup:
    // the user has not left the box.
    const bool leftWithWindow =
        reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (m_bEnabled && !m_bRunning && !leftWithWindow && m_dialog.isVisible()) Run(watched, reason);
    return QObject::eventFilter(watched, event);
}

void CFocusOutChecks::Run(QObject* box, Qt::FocusReason reason) {
    for (const Watched& entry : m_watched) {
        if (entry.box != box) continue;
        m_bRunning = true;
        m_pNewFocus = QApplication::focusWidget();
        entry.check(reason);
        m_pNewFocus = nullptr;
        m_bRunning = false;
        return;
    }
}
