// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <string>

#include "report/ReportLayout.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPdfWriter;
class QPrinter;

// Draws the data report (ReportLayout.h) with QPainter: on a QPrinter from the print dialog,
// or into a PDF file. Needs a QGuiApplication (fonts); the offscreen platform will do.

// Device units the sheet's positions are laid out in: 600 per inch.
inline constexpr int kReportResolution = 600;

// The sheet's columns hold characters 40 units (1/15 inch) wide: the 108-hyphen ruler then
// spans exactly the channel table, and the widest entries ("250.3 (CTCSS)", "  Tx Time Out
// Time") end before the next column.
inline constexpr int kReportCharPitch = 40;

// The report's font: the system's fixed-pitch face sized in device pixels so that a
// character is at most kReportCharPitch units wide (about 8 pt at 600 dpi). A fixed pitch
// keeps the padded numbers ("%5.1f", "%8.4f") and the two-blank label indents lined up.
QFont ReportFont(const QPaintDevice& device);

// Draws every page, each string with the top-left corner of its text at (x, y) device
// units from the printable area's top-left corner, starting a new device page between
// report pages. False when painting on the device cannot begin or end (unwritable file,
// printer gone); the desktop may ignore it, as printers report their own errors.
bool PaintReport(const ReportDocument& report, QPagedPaintDevice& device);

// File > Print after the print dialog was accepted: names the job (report.jobName), sets
// the printer to kReportResolution and draws the report.
bool PrintReport(const ReportDocument& report, QPrinter& printer);

enum class ReportPaper { A4, Letter };

// The PDF page as a printer would print the sheet: kReportResolution, the paper, a 1/4 inch
// printable-area margin, and the job name as the document title.
void SetUpReportPdf(QPdfWriter& writer, const ReportDocument& report, ReportPaper paper);

// Writes the report as a PDF set up by SetUpReportPdf. The file is replaced only when it was
// written whole; on failure *error (if given) holds the reason and false is returned.
bool WriteReportPdf(const ReportDocument& report, const std::string& path, std::string* error,
                    ReportPaper paper = ReportPaper::A4);
