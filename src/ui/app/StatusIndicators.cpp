// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/StatusIndicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "ui/app/Commands.h"

CStatusIndicators::CStatusIndicators(QStatusBar& statusBar) : QObject(&statusBar) {
    const std::array names = {kIndicatorCaps, kIndicatorNum, kIndicatorScroll};
    const std::array objectNames = {"indicatorCaps", "indicatorNum", "indicatorScroll"};
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        auto* pane = new QLabel(QString::fromUtf8(names[i]), &statusBar);
        pane->setObjectName(QString::fromUtf8(objectNames[i]));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
        statusBar.addPermanentWidget(pane);
        m_panes[i] = pane;
    }
    qApp->installEventFilter(this);
    Refresh();
}

void CStatusIndicators::Refresh() {
    const std::optional<LockState> locks = QueryLocks();
    const std::array on = {locks && locks->caps, locks && locks->num, locks && locks->scroll};
    for (std::size_t i = 0; i < m_panes.size(); ++i) m_panes[i]->setEnabled(on[i]);
}

bool CStatusIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
                Refresh();
            break;
        }
        case QEvent::ApplicationActivate:
            Refresh();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// Last in the file: Xlib's macros (KeyPress, None, Bool) would clash with Qt names above.
#ifdef PRG715_HAVE_X11
#include <X11/XKBlib.h>
#endif
std::optional<CStatusIndicators::LockState> CStatusIndicators::QueryLocks() {
#ifdef PRG715_HAVE_X11
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return std::nullopt;
    const auto named = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        if (atom == None) return false;
        return XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    return LockState{named("Caps Lock"), named("Num Lock"), named("Scroll Lock")};
#else
    return std::nullopt;
#endif
}
