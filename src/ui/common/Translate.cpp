// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <map>
#include <mutex>

namespace {

constexpr const char* kContext = "msg";

// Each name with its key letter for Help > Language, none taken twice there.
constexpr std::array kLanguages = {
    Language{"de", "&Deutsch"},
    Language{"fr", "&Français"},
    Language{"es", "Es&pañol"},
    Language{"it", "&Italiano"},
    Language{"pt_BR", "Português (&Brasil)"},
    Language{"pl", "P&olski"},
    Language{"ja", "日本語 (&J)"},
    Language{"zh_CN", "简体中文 (&C)"},
};

bool Offered(const QString& code) {
    for (const Language& language : kLanguages)
        if (code == QLatin1String(language.code)) return true;
    return false;
}

// "de_AT" finds "de", "pt_BR" itself, "zh_CN" itself; anything else is English.
QString OfferedFor(const QLocale& locale) {
    if (locale.language() == QLocale::C) return {};
    const QString name = locale.name();
    if (Offered(name)) return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (Offered(language)) return language;
    if (language == QLatin1String("pt")) return QStringLiteral("pt_BR");
    if (language == QLatin1String("zh") && locale.script() != QLocale::TraditionalHanScript)
        return QStringLiteral("zh_CN");
    return {};
}

bool Load(QTranslator& translator, const QString& file, const QString& folder) {
    return translator.load(file, folder) && QCoreApplication::installTranslator(&translator);
}

}  // namespace

QString Tr(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

QString Tr(const std::string& english) {
    return Tr(english.c_str());
}

QString TrLines(const QString& text) {
    const QByteArray whole = text.toUtf8();
    const QString translated = Tr(whole.constData());
    if (translated != text) return translated;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = Tr(line.toUtf8().constData());
    return lines.join(QLatin1Char('\n'));
}

const char* TrFormat(const char* english) {
    static std::mutex mutex;
    static std::map<const char*, QByteArray> translated;
    const std::lock_guard guard(mutex);
    auto [it, added] = translated.try_emplace(english);
    if (added) it->second = Tr(english).toUtf8();
    return it->second.constData();
}

std::span<const Language> OfferedLanguages() {
    return kLanguages;
}

QString InstallTranslations(const QString& code) {
    const QString chosen = code.isEmpty() ? OfferedFor(QLocale::system()) : code;
    if (!Offered(chosen)) return {};
    static QTranslator ours;
    static QTranslator qts;
    if (!Load(ours, QStringLiteral("prg715_") + chosen, QStringLiteral(":/i18n"))) return {};
    // Qt's own texts (the standard buttons) follow where the system has them.
    Load(qts, QStringLiteral("qtbase_") + chosen,
         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return chosen;
}
