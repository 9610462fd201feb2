// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>
#include <vector>

class QWidget;

// The editors test a box when it loses the focus. Qt's editingFinished skips a box whose text
// did not change and fires on Enter as well, so the dialogs watch the focus itself.
//
// A check may show a message box and put the focus back into its box; the focus changes that
// this causes are not checks of their own. Neither is the focus leaving with the window (the
// user switching to another program, a message box taking over), nor the dialog hiding as it
// ends.
class CFocusOutChecks : public QObject {
    Q_OBJECT
public:
    using Check = std::function<void(Qt::FocusReason reason)>;

    explicit CFocusOutChecks(QWidget& dialog);

    // Runs check each time box loses the focus.
    void Watch(QWidget* box, Check check);

    // Runs the check of box now, as if it had lost the focus (a dialog that ends while the
    // box still has the focus).
    void RunFor(QWidget* box);

    // Off while the dialog ends, back on when it opens again.
    void SetEnabled(bool enabled) { m_bEnabled = enabled; }

    // Holds the checks off while a handler moves the focus itself (the store runs the checks
    // of both frequency boxes in turn).
    class Pause {
    public:
        explicit Pause(CFocusOutChecks& checks) : m_checks(checks), m_bWas(checks.m_bEnabled) {
            m_checks.m_bEnabled = false;
        }
        ~Pause() { m_checks.m_bEnabled = m_bWas; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        CFocusOutChecks& m_checks;
        bool m_bWas;
    };

    // The widget that took the focus when the running check began (nullptr outside checks).
    QWidget* NewFocus() const { return m_pNewFocus; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run(QObject* box, Qt::FocusReason reason);

    struct Watched {
        QWidget* box;
        Check check;
    };

    QWidget& m_dialog;
    std::vector<Watched> m_watched;
    bool m_bEnabled = true;
    bool m_bRunning = false;
    QWidget* m_pNewFocus = nullptr;
};
