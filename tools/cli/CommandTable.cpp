// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSupport.h"

namespace cli {

void DeclareNew(CCommandSet& commands);
void DeclareShow(CCommandSet& commands);
void DeclareReport(CCommandSet& commands);
void DeclareSet(CCommandSet& commands);
void DeclareEncode(CCommandSet& commands);
void DeclareDecode(CCommandSet& commands);
void DeclareDump(CCommandSet& commands);
void DeclareRead(CCommandSet& commands);
void DeclareWrite(CCommandSet& commands);
void DeclareExport(CCommandSet& commands);
void DeclareImport(CCommandSet& commands);
void DeclareDiff(CCommandSet& commands);
void DeclareBackups(CCommandSet& commands);
void DeclareFleet(CCommandSet& commands);
void DeclareHistory(CCommandSet& commands);
void DeclareDiagnostics(CCommandSet& commands);
void DeclareTrace(CCommandSet& commands);

void DeclareCommands(CCommandSet& commands) {
    for (void (*declare)(CCommandSet&) :
         {DeclareNew, DeclareShow, DeclareReport, DeclareSet, DeclareEncode, DeclareDecode,
          DeclareDump, DeclareRead, DeclareWrite, DeclareFleet, DeclareHistory, DeclareBackups,
          DeclareTrace, DeclareExport, DeclareImport, DeclareDiff, DeclareDiagnostics})
        declare(commands);
}

}  // namespace cli
