// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/WindowPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The frame rectangle moved (and the window shrunk) so that it lies within the area, as far
// as the window's smallest size allows.
void KeepFrameWithin(QWidget& window, const QRect& area) {
    const QRect frame = window.frameGeometry();
    if (area.isEmpty() || area.contains(frame)) return;
    const QSize margins = frame.size() - window.size();
    const QSize size = OpeningSize(window.size(), window.minimumSize(), area.size() - margins);
    window.resize(size);
    const QSize outer = size + margins;
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - outer.height()));
    window.move(x, y);
}

// Checks the frame once, when the window system first shows the window with it.
class CFirstExposeCheck : public QObject {
public:
    CFirstExposeCheck(QWidget& window, QWindow& handle) : QObject(&handle), m_window(&window) {
        handle.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            if (m_window) KeepFrameWithin(*m_window, AvailableArea(*m_window));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
};

}  // namespace

QSize OpeningSize(QSize wanted, QSize smallest, QSize room) {
    return wanted.boundedTo(room).expandedTo(smallest);
}

void FitToScreen(QWidget& window) {
    const QRect area = AvailableArea(window);
    const QSize wanted = window.sizeHint();
    if (area.isEmpty()) {
        window.resize(wanted);
        return;
    }
    const QSize size = OpeningSize(wanted, window.minimumSizeHint(), area.size());
    window.resize(size);
    // Shrunk to the area, the window is put in it; otherwise the window system places it.
    if (size != wanted) window.move(area.topLeft());
    window.winId();  // the native window, so that its first showing can be watched
    if (QWindow* handle = window.windowHandle()) new CFirstExposeCheck(window, *handle);
}
