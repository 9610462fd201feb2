// SPDX-License-Identifier: GPL-3.0-or-later
// The CAP / NUM / SCRL panes on a real X server (run under Xvfb by ctest): they follow the
// keyboard's lock state when a lock key event arrives.
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "UiFixture.h"

namespace {

// Lock modifiers of the X server's core keyboard (defined last: Xlib's macros clash with Qt).
unsigned int CapsLockMask();
unsigned int NumLockMask();
void LockModifiers(unsigned int mask, bool on);

class LockPanes : public UiTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
    }
    void TearDown() override {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            LockModifiers(CapsLockMask() | NumLockMask(), false);
    }
    void SendLockKey(int key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &release);
    }
    QLabel* Pane(const char* name) {
        return Frame().statusBar()->findChild<QLabel*>(QString::fromUtf8(name));
    }
};

TEST_F(LockPanes, CapPaneFollowsCapsLock) {
    Start();
    EXPECT_FALSE(Pane("indicatorCaps")->isEnabled());
    LockModifiers(CapsLockMask(), true);
    SendLockKey(Qt::Key_CapsLock);
    EXPECT_TRUE(Pane("indicatorCaps")->isEnabled());
    EXPECT_FALSE(Pane("indicatorScroll")->isEnabled());
    LockModifiers(CapsLockMask(), false);
    SendLockKey(Qt::Key_CapsLock);
    EXPECT_FALSE(Pane("indicatorCaps")->isEnabled());
}

TEST_F(LockPanes, NumPaneFollowsNumLock) {
    ASSERT_NE(NumLockMask(), 0u);
    Start();
    LockModifiers(NumLockMask(), true);
    SendLockKey(Qt::Key_NumLock);
    EXPECT_TRUE(Pane("indicatorNum")->isEnabled());
    EXPECT_FALSE(Pane("indicatorCaps")->isEnabled());
}

}  // namespace

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

Display* XDisplay() {
    return qApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}

unsigned int CapsLockMask() {
    return LockMask;
}

unsigned int NumLockMask() {
    return XkbKeysymToModifiers(XDisplay(), XK_Num_Lock);
}

void LockModifiers(unsigned int mask, bool on) {
    XkbLockModifiers(XDisplay(), XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(XDisplay(), False);
}

}  // namespace
