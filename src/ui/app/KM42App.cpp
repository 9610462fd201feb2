// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/KM42App.h"

#include <QAction>

#include "ui/app/MainFrame.h"
#include "ui/common/UiPrompts.h"
#include "ui/view/KM42View.h"

CKM42App::CKM42App(CUiPrompts& prompts) : m_prompts(prompts) {}

CKM42App::~CKM42App() = default;

void CKM42App::InitInstance(const QString& planFile) {
    m_pMainFrame = std::make_unique<CMainFrame>(m_doc, m_prompts);
    connect(m_pMainFrame->Action(CommandId::AppAbout), &QAction::triggered, this,
            &CKM42App::OnAppAbout);

    m_pMainFrame->InitialUpdateFrame();
    if (!planFile.isEmpty()) m_pMainFrame->GetActiveView().OpenPlanFile(planFile);
    m_pMainFrame->show();
    m_pMainFrame->repaint();
}

void CKM42App::OnAppAbout() {
    m_pMainFrame->GetActiveView().OnAppAbout();
}
