// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "link/VirtualRadio.h"

class CMainFrame;
class QCommandLineParser;

// What the command line sets for one run only, never kept: the devices behind COM1 and COM2,
// and the built-in virtual radio (`prg715 --virtual-radio [IMAGE]`), which takes COM1 so that
// Read and Write can be tried without a radio.
struct LinkRunOptions {
    std::optional<QString> com1;
    std::optional<QString> com2;
    bool virtualRadio = false;
    QString virtualRadioImage;  // empty: the demo plan
};

struct LinkOptionSet {
    QCommandLineOption com1;
    QCommandLineOption com2;
    QCommandLineOption virtualRadio;  // listed by --help; TakeVirtualRadioArgument reads it
};
LinkOptionSet AddLinkOptions(QCommandLineParser& parser);

// The command-line parser knows no option with an optional value, so "--virtual-radio [IMAGE]"
// and "--virtual-radio=IMAGE" are taken out of the arguments before it sees them. The word
// after --virtual-radio is its image unless it starts with "-".
QStringList TakeVirtualRadioArgument(const QStringList& arguments, LinkRunOptions& options);

// Reads --com1 and --com2 (a relative path is taken from the current folder); the text of a
// usage error.
std::optional<std::string> ReadLinkOptions(const QCommandLineParser& parser,
                                           const LinkOptionSet& set, LinkRunOptions& options);

// The virtual radio on a new pseudo-terminal, holding the demo plan of a KM162 or the radio
// memory in imagePath (2112 bytes). paced: at the speed of a real 2400-baud line. nullptr
// with `error` set when it cannot start.
std::unique_ptr<radiolink::CVirtualRadio> StartVirtualRadio(const QString& imagePath, bool paced,
                                                            std::string& error);

// Points COM1 and COM2 at this run's devices (the virtual radio's when there is one) and puts
// the virtual radio's device in the status bar. A job of several radios on the virtual radio
// meets a fresh demo radio for each radio after the first.
void ApplyLinkOptions(CMainFrame& frame, const LinkRunOptions& options,
                      radiolink::CVirtualRadio* radio);
