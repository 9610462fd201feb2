// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <span>
#include <string>

// The desktop's texts in the user's language. The English text (a msg:: constant or a text
// marked with QT_TRANSLATE_NOOP("msg", ...)) is the key, so a text without a translation, and
// every text in the English or C locale, shows exactly as written.
QString Tr(const char* english);
QString Tr(const std::string& english);
// A message as the core put it together: each line that is a whole text of the table is
// translated, anything else (names, numbers, the system's reasons) stays as it is.
QString TrLines(const QString& text);
// A printf format in the user's language, as UTF-8 that stays valid for the program's life.
const char* TrFormat(const char* english);

// A language the desktop offers, complete: its code ("pt_BR") and its own name as the menu
// shows it ("Português (&Brasil)").
struct Language {
    const char* code;
    const char* name;
};
std::span<const Language> OfferedLanguages();

// Installs the translations of `code`, ours and Qt's own (dialog buttons), for the rest of the
// run, once the application object exists. An empty code follows the system's language; "en", a
// language not offered, or the C locale install none. Returns the code now in effect, empty for
// English.
QString InstallTranslations(const QString& code);
