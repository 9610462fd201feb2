// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ManualFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr const char* kFolderVariable = "PRG715_MANUAL_DIR";

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The text of the first "# " heading, else the file's name.
QString TitleOf(const QString& markdown) {
    static const QRegularExpression heading(QStringLiteral(R"(^#\s+(.+?)\s*$)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = heading.match(markdown);
    return match.hasMatch() ? match.captured(1) : QString::fromUtf8(kManualIndexFile);
}

bool IsChapterLink(const QString& target, const QString& folder) {
    if (target.contains(QLatin1Char('/')) || target.contains(QLatin1Char(':'))) return false;
    return target.endsWith(QStringLiteral(".md")) &&
           target != QString::fromUtf8(kManualIndexFile) &&
           QFileInfo(QDir(folder).filePath(target)).isFile();
}

}  // namespace

QStringList ManualFolderCandidates() {
    QStringList folders;
    const QString chosen = qEnvironmentVariable(kFolderVariable);
    if (!chosen.isEmpty()) folders << chosen;
    folders << QStringLiteral(PRG715_MANUAL_INSTALLED);
    if (QCoreApplication::instance() != nullptr)
        folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                   QStringLiteral(PRG715_MANUAL_FROM_PROGRAM));
    folders << QStringLiteral(PRG715_MANUAL_SOURCE);
    folders.removeDuplicates();
    return folders;
}

QString FindManualFolder(const QStringList& candidates) {
    for (const QString& folder : candidates)
        if (QFileInfo(QDir(folder).filePath(QString::fromUtf8(kManualIndexFile))).isFile())
            return QDir(folder).absolutePath();
    return {};
}

std::vector<ManualChapter> ManualChapters(const QString& folder) {
    const QString index = ReadText(QDir(folder).filePath(QString::fromUtf8(kManualIndexFile)));
    std::vector<ManualChapter> chapters{{TitleOf(index), QString::fromUtf8(kManualIndexFile)}};
    static const QRegularExpression link(
        QStringLiteral(R"(\[([^\]]+)\]\(([^)\s#]+)(#[^)\s]*)?\))"));
    for (auto it = link.globalMatch(index); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString target = match.captured(2);
        const bool known =
            std::any_of(chapters.begin(), chapters.end(),
                        [&](const ManualChapter& c) { return c.fileName == target; });
        if (!known && IsChapterLink(target, folder))
            chapters.push_back({match.captured(1), target});
    }
    return chapters;
}
