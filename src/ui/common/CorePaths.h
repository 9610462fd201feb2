// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QString>
#include <string>

// Paths handed to the core and back: the file system's own bytes on POSIX; UTF-8 on Windows,
// where the core turns them into the system's wide names itself (QFile::encodeName would give
// the ANSI code page there, which cannot spell every name).
inline std::string CorePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

inline QString QtPath(const std::string& path) {
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(path.c_str());
#endif
}
