// SPDX-License-Identifier: GPL-3.0-or-later
// prg715_bench_link: a read and a write at the radio's real pace, against the virtual radio
// in a child process, so the figures below are this process's alone. Prints the wall time
// of each exchange against its floor and the processor time the exchange used, without and
// with the transfer trace that every session records.
//
// Floors, with T = one byte on a 2400-baud 8N1 line (10 bits, 4.167 ms):
//   read:  the radio's answer and its 33 blocks of 65 bytes, each block started by an
//          acknowledgement that itself takes T to arrive: 2180 T, plus the 100 ms pause
//          before the start byte.
//   write: the protocol's pauses, 100 ms + 33 x (64 x 8 ms + 50 ms) = 18.646 s, plus 2 T
//          for the request and the radio's answer.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "../common/RadioProcess.h"
#include "link/CommPort.h"
#include "link/Exchange.h"
#include "link/TraceRecorder.h"
#include "link/VirtualRadio.h"

namespace {

using namespace radiolink;
using Seconds = std::chrono::duration<double>;

constexpr double kTargetOverFloor = 0.02;
constexpr double kTargetCpuShare = 0.02;

double ProcessCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

LineImage SampleMemory() {
    LineImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(i * 37 + i / 64);
    return memory;
}

struct Figures {
    double wall = 0;
    double cpu = 0;
};

template <typename Exchange>
Figures Measure(Exchange exchange) {
    const double cpuBefore = ProcessCpuSeconds();
    const auto before = std::chrono::steady_clock::now();
    exchange();
    Figures f;
    f.wall = Seconds(std::chrono::steady_clock::now() - before).count();
    f.cpu = ProcessCpuSeconds() - cpuBefore;
    return f;
}

bool Report(const char* name, const Figures& f, double floor) {
    const double over = f.wall / floor - 1.0;
    const double share = f.cpu / f.wall;
    std::printf(
        "%-12s wall %7.3f s   floor %7.3f s   over floor %+6.2f %%   CPU %6.1f ms = %5.2f %% of a "
        "core\n",
        name, f.wall, floor, over * 100.0, f.cpu * 1000.0, share * 100.0);
    return over <= kTargetOverFloor && share <= kTargetCpuShare;
}

}  // namespace

int main() {
    const double byteTime = Seconds(proto::kByteTime).count();
    const double readFloor = 0.100 + 2180 * byteTime;
    const double writeFloor = 0.100 + 33 * (64 * 0.008 + 0.050) + 2 * byteTime;

    const LineImage memory = SampleMemory();
    RadioProcess radio = StartRadioProcess(memory);
    if (radio.device.empty()) {
        std::fprintf(stderr, "prg715_bench_link: the virtual radio did not start\n");
        return 1;
    }
    std::printf("virtual radio on %s, paced at 2400 baud\n", radio.device.c_str());

    CCommPort port;
    RadioImage writeImage{};
    std::copy(memory.rbegin(), memory.rend(), writeImage.begin());
    bool good = true;
    bool onTarget = true;
    LineImage held = memory;  // what the radio holds
    radiolink::TraceRecorder recorder;
    for (const bool traced : {false, true}) {
        ExchangeOptions options;
        if (traced) options.trace = &recorder;
        RadioImage readImage{};
        ExchangeResult readResult;
        const Figures read = Measure([&] {
            if (port.OpenPort(radio.device, proto::kBaud, 0, kParityNone, kOneStopBit) == 1)
                readResult = ReadRadio(port, readImage, options);
        });
        ExchangeResult writeResult;
        const Figures write = Measure([&] {
            if (port.OpenPort(radio.device, proto::kBaud, 0, kParityNone, kOneStopBit) == 1)
                writeResult = WriteRadio(port, writeImage, options);
        });
        const bool readGood = readResult.outcome == ExchangeOutcome::Complete &&
                              std::equal(held.begin(), held.end(), readImage.begin());
        const bool writeGood = writeResult.outcome == ExchangeOutcome::Complete;
        const char* how = traced ? " traced" : "";
        std::printf("read%s   %s\nwrite%s  %s\n", how,
                    readGood ? "complete, image as sent" : "FAILED", how,
                    writeGood ? "complete, confirmed" : "FAILED");
        onTarget = Report(traced ? "read traced" : "read", read, readFloor) && onTarget;
        onTarget = Report(traced ? "write traced" : "write", write, writeFloor) && onTarget;
        good = good && readGood && writeGood;
        // The next round reads what this one wrote.
        std::copy_n(writeImage.begin(), held.size(), held.begin());
    }

    ::close(radio.stopPipe);
    int status = 0;
    ::waitpid(radio.pid, &status, 0);

    std::printf("targets: within %.0f %% of the floor, under %.0f %% of one core: %s\n",
                kTargetOverFloor * 100, kTargetCpuShare * 100, onTarget ? "met" : "MISSED");
    return good ? 0 : 1;
}
