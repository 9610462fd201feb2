// SPDX-License-Identifier: GPL-3.0-or-later
// The reading follows Qt's own INI reader step by step (a file the desktop wrote, or one a
// user edited, must give the core exactly what it gave the desktop), the writing Qt's writer.
#include "settings/IniText.h"

#include <cstdint>
#include <vector>

namespace settings::ini {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr const char* kHexDigits = "0123456789abcdef";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || IsLineEnd(c);
}
// "\r\n" and "\n\r" are one line break.
bool IsBreakPair(std::string_view t, std::size_t i) {
    return i + 1 < t.size() && IsLineEnd(t[i]) && IsLineEnd(t[i + 1]) && t[i] != t[i + 1];
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// One logical line: quotes and a backslash carry it over a line break; a ';' outside quotes
// ends it, and one at its start makes the rest of the physical line a comment.
struct Line {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t equals = kNone;  // the first '=' outside quotes
};

Line NextLine(std::string_view t, std::size_t& i) {
    while (i < t.size() && IsSpace(t[i])) ++i;
    Line line{i, i, kNone};
    bool quoted = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\\') {
            if (i + 1 < t.size()) ++i;
            if (IsBreakPair(t, i)) ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '=') {
            if (!quoted && line.equals == kNone) line.equals = i;
        } else if (c == ';' && i == line.start) {
            while (i < t.size() && !IsLineEnd(t[i])) ++i;
            while (i < t.size() && IsSpace(t[i])) ++i;
            line.start = i--;
        } else if ((IsLineEnd(c) || c == ';') && !quoted) {
            break;
        }
    }
    line.end = i;
    return line;
}

// Where `key` of `group` is set last, and the last line of the group's last part.
struct Place {
    std::optional<Line> keyLine;
    std::optional<Line> groupEnd;
};

Place Find(std::string_view t, std::string_view group, std::string_view key) {
    Place place;
    bool inGroup = false;
    std::size_t i = t.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    for (Line line = NextLine(t, i); line.end > line.start; line = NextLine(t, i)) {
        const std::string_view text = t.substr(line.start, line.end - line.start);
        if (text.front() == '[') {
            // An unclosed header still opens a group, named by the rest of its line.
            inGroup = Trimmed(text.substr(1, text.find(']') - 1)) == group;
            if (inGroup) place.groupEnd = line;
            continue;
        }
        if (!inGroup) continue;
        place.groupEnd = line;
        if (line.equals != kNone && Trimmed(t.substr(line.start, line.equals - line.start)) == key)
            place.keyLine = line;
    }
    return place;
}

void AppendUtf8(std::string& out, std::uint16_t unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

int DigitValue(char c, int base) {
    const char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
    for (int d = 0; d < base; ++d)
        if (kHexDigits[d] == lower) return d;
    return -1;
}

// The escape after a backslash at s[i - 1]; returns where the text goes on. Qt keeps a
// numeric escape as one UTF-16 unit.
std::size_t TakeEscape(std::string_view s, std::size_t i, std::string& out) {
    static constexpr std::string_view kNamed = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    const char c = s[i++];
    for (std::size_t n = 0; n < kNamed.size(); n += 2)
        if (kNamed[n] == c) {
            out += kNamed[n + 1];
            return i;
        }
    const int base = c == 'x' ? 16 : (DigitValue(c, 8) >= 0 ? 8 : 0);
    if (base == 0) return IsLineEnd(c) && IsBreakPair(s, i - 1) ? i + 1 : i;
    if (base == 8) --i;
    if (i >= s.size() || DigitValue(s[i], base) < 0) return i;
    std::uint16_t unit = 0;
    for (; i < s.size() && DigitValue(s[i], base) >= 0; ++i)
        unit = static_cast<std::uint16_t>(unit * base + DigitValue(s[i], base));
    AppendUtf8(out, unit);
    return i;
}

std::string HexEscape(unsigned char c) {
    std::string hex;
    do {
        hex.insert(hex.begin(), kHexDigits[c % 16]);
        c = static_cast<unsigned char>(c / 16);
    } while (c != 0);
    return "\\x" + hex;
}

const char* NamedEscape(char c) {
    switch (c) {
        case '\0':
            return "\\0";
        case '\a':
            return "\\a";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        case '\v':
            return "\\v";
        default:
            return nullptr;
    }
}

}  // namespace

std::optional<std::string> Unescaped(std::string_view s) {
    std::string out;
    bool inQuotes = false;
    bool quotedPart = false;
    std::size_t i = 0;
    std::size_t chopLimit = 0;  // outer blanks are trimmed, escaped ones kept
    const auto skipBlanks = [&] {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        chopLimit = out.size();
    };
    skipBlanks();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\') {
            if (++i < s.size()) i = TakeEscape(s, i, out);
            chopLimit = out.size();
        } else if (c == '"') {
            ++i;
            quotedPart = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            const std::size_t next = std::min(s.find_first_of("\\\",", i + 1), s.size());
            out.append(s.substr(i, next - i));
            i = next;
        }
    }
    if (!quotedPart)
        while (out.size() > chopLimit && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    return out;
}

std::string Escaped(std::string_view value) {
    std::string out;
    bool quotes = false;
    bool escapeHexDigit = false;  // so that the digit is not read as part of the escape before
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') quotes = true;
        if (escapeHexDigit && DigitValue(c, 16) >= 0) {
            out += HexEscape(u);
            continue;
        }
        escapeHexDigit = false;
        if (const char* named = NamedEscape(c)) {
            out += named;
            escapeHexDigit = c == '\0';
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u <= 0x1F) {
            out += HexEscape(u);
            escapeHexDigit = true;
        } else {
            out += c;
        }
    }
    if (quotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        return '"' + out + '"';
    return out;
}

std::optional<std::string> Value(std::string_view text, std::string_view group,
                                 std::string_view key) {
    const Place place = Find(text, group, key);
    if (!place.keyLine) return std::nullopt;
    const Line& line = *place.keyLine;
    return Unescaped(text.substr(line.equals + 1, line.end - line.equals - 1));
}

std::string WithValue(std::string_view text, std::string_view group, std::string_view key,
                      std::string_view value) {
    const std::string entry = std::string(key) + "=" + Escaped(value);
    const Place place = Find(text, group, key);
    std::string result(text);
    if (place.keyLine) {
        // A comment behind the value keeps its distance.
        std::size_t end = place.keyLine->end;
        while (end > place.keyLine->equals && IsSpace(result[end - 1])) --end;
        return result.replace(place.keyLine->start, end - place.keyLine->start, entry);
    }
    const std::string eol = text.find("\r\n") != kNone ? "\r\n" : "\n";
    if (place.groupEnd) {
        // After the physical line, so that a comment behind the group's last entry stays there.
        const std::size_t at =
            std::min(result.find_first_of("\r\n", place.groupEnd->end), result.size());
        return result.insert(at, eol + entry);
    }
    if (!result.empty() && !IsLineEnd(result.back())) result += eol;
    if (!result.empty()) result += eol;
    return result + "[" + std::string(group) + "]" + eol + entry + eol;
}

}  // namespace settings::ini
