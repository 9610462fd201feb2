#include "ui/dialogs/AboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Messages.h"
#include "ui/common/AppIcon.h"
#include "ui/common/Translate.h"

namespace {
constexpr int kIconSize = 32;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(Tr(msg::kAboutCaption));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(AppIcon().pixmap(kIconSize, kIconSize));

    auto* version = new QLabel(Tr(msg::kAboutVersion), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* line = new QLabel(Tr(msg::kAboutSecondLine), this);
    line->setObjectName(QStringLiteral("aboutLine"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(line);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addWidget(ok, 0, Qt::AlignTop);
}
