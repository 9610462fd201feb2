// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "model/Messages.h"
#include "settings/Settings.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {

void Choose(QWidget* parent, CUiPrompts& prompts, const QString& code) {
    if (const auto failure = settings::SaveLanguage(code.toStdString())) {
        AppMessageBox(prompts, parent, failure->c_str());
        return;
    }
    prompts.MessageBox(parent, Tr(msg::kLanguageNextStart), MessageIcon::Information, {});
}

}  // namespace

QMenu* MakeLanguageMenu(QWidget* parent, CUiPrompts& prompts) {
    auto* menu = new QMenu(Tr(msg::kLanguageMenu), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const QString kept = QString::fromStdString(settings::LoadLanguage());
    const auto add = [&](const QString& text, const QString& code) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("language_") + (code.isEmpty() ? "system" : code));
        action->setCheckable(true);
        action->setChecked(code == kept);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, parent,
                         [parent, &prompts, code] { Choose(parent, prompts, code); });
    };
    add(Tr(msg::kLanguageSystem), QString());
    menu->addSeparator();
    add(QString::fromUtf8(msg::kLanguageEnglish), QStringLiteral("en"));
    for (const Language& language : OfferedLanguages())
        add(QString::fromUtf8(language.name), QString::fromUtf8(language.code));
    return menu;
}
