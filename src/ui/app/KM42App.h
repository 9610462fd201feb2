// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <memory>

#include "model/KM42Doc.h"

class CMainFrame;
class CUiPrompts;

// The application: one document and one main frame with its view, both alive for the whole
// run; the view runs the About box. Every message box and dialog goes through the prompts given
// here.
class CKM42App : public QObject {
    Q_OBJECT
public:
    explicit CKM42App(CUiPrompts& prompts);
    ~CKM42App() override;

    // Builds the document, frame and view, runs the view's initial update, opens the plan file
    // given (if any) and shows the main window.
    void InitInstance(const QString& planFile = {});

    CMainFrame& MainFrame() { return *m_pMainFrame; }
    CKM42Doc& Document() { return m_doc; }

public slots:
    void OnAppAbout();

private:
    CUiPrompts& m_prompts;
    CKM42Doc m_doc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
