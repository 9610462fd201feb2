// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Where the user manual is (index.md and its chapters, in Markdown) and what its contents name.
// Neither the core nor a widget is needed, so the About box, the manual's window and the tests
// share it.

struct ManualChapter {
    QString title;     // the chapter's link text in index.md, or index.md's own heading
    QString fileName;  // inside the manual's folder: "getting-started.md"
};

inline constexpr const char* kManualIndexFile = "index.md";

// The folders that may hold the manual, in the order they are tried: $PRG715_MANUAL_DIR, the
// installed documentation (where it was installed to, then beside the program, for an install
// moved to another prefix), the source tree's docs/manual (a run from the build folder).
QStringList ManualFolderCandidates();
// The first of `candidates` that holds index.md; empty when none does.
QString FindManualFolder(const QStringList& candidates);

// index.md first, then each chapter its links name, in their order, once each; links that
// leave the folder, lead elsewhere than a Markdown file or to a missing file are not chapters.
std::vector<ManualChapter> ManualChapters(const QString& folder);
