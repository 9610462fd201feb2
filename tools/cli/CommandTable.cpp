#include "CliSupport.h"

namespace cli {

int RunNew(ArgList& args);
int RunShow(ArgList& args);
int RunReport(ArgList& args);
int RunSet(ArgList& args);
const char* SetUsage();
int RunEncode(ArgList& args);
int RunDecode(ArgList& args);
int RunDump(ArgList& args);
int RunRead(ArgList& args);
int RunWrite(ArgList& args);
int RunExport(ArgList& args);
int RunImport(ArgList& args);
int RunDiff(ArgList& args);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"new", "write a new channel plan for a radio model",
         "new --model KM41|KM42|KM161|KM162 -o FILE", RunNew},
        {"show", "print a channel plan: model, channels and options", "show FILE", RunShow},
        {"report", "print the data report as a PDF or as positioned text",
         "report FILE [-o OUT.pdf [--paper A4|Letter]] [--text]", RunReport},
        {"set", "edit a channel plan in place with the editors' rules", SetUsage(), RunSet},
        {"encode", "write the radio image that Write to Radio would send for a plan",
         "encode FILE -o IMAGE", RunEncode},
        {"decode", "turn a radio image into a plan, as Read from Radio would",
         "decode IMAGE -o FILE", RunDecode},
        {"dump", "print a radio image in hexadecimal, 16 bytes a line", "dump IMAGE", RunDump},
        {"read", "read a radio's memory into a plan file, as Read from Radio does",
         "read --port DEVICE|COM1|COM2 -o FILE [--image IMAGE] [--timeout S]", RunRead},
        {"write", "write a plan file into a radio, as Write to Radio does",
         "write --port DEVICE|COM1|COM2 FILE [--image IMAGE] [--timeout S]", RunWrite},
        {"export", "write a plan's channels as a CSV channel list", "export FILE -o OUT.csv",
         RunExport},
        {"import", "read a CSV channel list into a plan with the channel editor's rules",
         "import IN.csv FILE [--all-or-nothing] | import IN.csv --model KM41|KM42|KM161|KM162 "
         "-o FILE [--all-or-nothing]",
         RunImport},
        {"diff", "compare two plans (data files or radio images) field by field",
         "diff A B\n\nA and B are data files or radio images, in any mix. One line per field that "
         "differs:\nchannel N or option, the field, the value in A, the value in B (tabs "
         "between).\n"
         "Exit status: 0 the same plan, 1 they differ, 2 bad usage or a file that cannot be read.",
         RunDiff},
    };
    return commands;
}

}  // namespace cli
