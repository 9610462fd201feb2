// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "model/KM42Doc.h"

// The printed data report as pages of strings at fixed device positions. Building it needs no
// printer, so the layout is tested and listed (prg715-cli report --text) without one; the
// Qt side (ReportPainter.h) only draws what is here.

// One string; (x, y) is the top-left corner of its text in printer device units (one unit is
// one printer pixel of a 600 dpi page, x to the right, y downwards from the printable
// area's top-left corner). The text is drawn exactly as held, leading blanks included.
struct PlacedText {
    int x;
    int y;
    std::string text;

    bool operator==(const PlacedText&) const = default;
};

struct ReportPage {
    std::vector<PlacedText> texts;
};

struct ReportDocument {
    std::string jobName;  // the print job's document name
    std::vector<ReportPage> pages;
};

// A 16-channel plan gives two pages (channels, then options), a 4-channel plan one page.
// Strings that print empty (a cleared scan or priority flag) are left out.
ReportDocument BuildDataReport(const CKM42Doc& doc);

// The report as text, one string a line: page (from 1), x, y and the text, separated by tabs.
std::string FormatReportListing(const ReportDocument& report);
