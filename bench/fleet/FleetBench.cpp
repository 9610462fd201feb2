// SPDX-License-Identifier: GPL-3.0-or-later
// prg715_bench_fleet: a fleet job against a virtual radio in a child process.
//  1. At the radio's real pace, per radio: the time from the radio's first answer to its log
//     line on the disk, against the floor of the exchanges alone (a read, a write and a read
//     back; see bench/link for each floor). Target: at most 1.02 x the floor.
//  2. 50 radios in a row with the line's pauses shortened: 50 log lines, none lost or damaged.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "../common/RadioProcess.h"
#include "fleet/FleetJob.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/LinkProtocol.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr double kTargetOverFloor = 0.02;
constexpr int kPacedRadios = 3;
constexpr int kRowOfRadios = 50;

// The dealer who has the next radio ready at once; notes when each radio first answered.
class CBench final : public fleet::FleetUi, public session::ExchangeUi {
public:
    CBench(std::string device, bool shortPauses, int radios)
        : m_device(std::move(device)), m_bShortPauses(shortPauses), m_nRadios(radios) {}

    std::optional<Clock::time_point> firstAnswer;
    std::vector<double> overFloor;  // seconds from the first answer to the log line
    int unlogged = 0;

    std::optional<std::string> NextRadio(int number) override {
        firstAnswer.reset();
        if (number > m_nRadios) return std::nullopt;
        return "R" + std::to_string(number);
    }
    void RadioDone(const fleet::RadioOutcome& outcome) override {
        if (outcome.logFailure) ++unlogged;
        if (firstAnswer) overFloor.push_back(Seconds(Clock::now() - *firstAnswer).count());
    }
    Choice AfterFailure(const fleet::RadioOutcome&) override { return Choice::Stop; }

    std::optional<Outcome> OpenLine() override {
        if (m_port.OpenPort(m_device, radiolink::proto::kBaud, 0, radiolink::kParityNone,
                            radiolink::kOneStopBit) == 1)
            return std::nullopt;
        return Failed(m_port.LastOpenFailure().reason);
    }
    radiolink::RadioLine& Line() override { return m_port; }
    void StepStarted(session::Step, int, int) override {}
    radiolink::ExchangeOptions ExchangeOptions() override {
        radiolink::ExchangeOptions options;
        options.onAnswered = [this] {
            if (!firstAnswer) firstAnswer = Clock::now();
        };
        if (m_bShortPauses) {
            options.timing.readStartPause = options.timing.writeStartPause = 1ms;
            options.timing.byteGap = 0ms;
            options.timing.blockEndPause = 1ms;
        }
        return options;
    }
    void StepEnded(session::Step, const radiolink::ExchangeResult&) override {}
    void BackupKept(backup::Direction, const backup::KeepOutcome&) override {}

private:
    std::string m_device;
    bool m_bShortPauses;
    int m_nRadios;
    CCommPort m_port;
};

fleet::Tally RunFleet(CBench& bench, const std::string& log) {
    fleet::CJob job(radiolink::DemoPlan(*FindRadioModel("KM162")), {"bench.kmd16", log});
    return fleet::RunJob(job, bench, bench);
}

}  // namespace

int main() {
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("prg715-bench-fleet-" + std::to_string(::getpid())))
            .string();
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    const radiolink::LineImage memory = radiolink::DemoImage(*FindRadioModel("KM162"));
    radiolink::CVirtualRadio::Options unpaced;
    unpaced.paced = false;
    RadioProcess paced = StartRadioProcess(memory);
    RadioProcess fast = StartRadioProcess(memory, unpaced);
    if (paced.device.empty() || fast.device.empty()) {
        std::fprintf(stderr, "prg715_bench_fleet: the virtual radio did not start\n");
        return 1;
    }

    const double byteTime = Seconds(radiolink::proto::kByteTime).count();
    const double readFloor = 0.100 + 2180 * byteTime;
    const double writeFloor = 0.100 + 33 * (64 * 0.008 + 0.050) + 2 * byteTime;
    // From the first answer on, the first read's request and answer are behind.
    const double floor = 2 * readFloor + writeFloor - 2 * byteTime;

    CBench atPace(paced.device, false, kPacedRadios);
    const fleet::Tally pacedTally = RunFleet(atPace, folder + "/paced.csv");
    bool met = pacedTally.verified == kPacedRadios;
    for (std::size_t i = 0; i < atPace.overFloor.size(); ++i) {
        const double ratio = atPace.overFloor[i] / floor;
        met = met && ratio <= 1.0 + kTargetOverFloor;
        std::printf("radio %zu: first answer to log line %7.3f s   floor %7.3f s   %.4f x\n", i + 1,
                    atPace.overFloor[i], floor, ratio);
    }

    const auto before = Clock::now();
    CBench inARow(fast.device, true, kRowOfRadios);
    const fleet::Tally row = RunFleet(inARow, folder + "/row.csv");
    const fleet::History history = fleet::ReadHistory(folder + "/row.csv");
    std::printf("%d radios in a row in %.1f s: %s; log: %zu lines, %d left out, %d unlogged\n",
                kRowOfRadios, Seconds(Clock::now() - before).count(), fleet::SummaryText(row).c_str(),
                history.lines.size(), history.linesLeftOut, inARow.unlogged);
    met = met && row.verified == kRowOfRadios && history.lines.size() == kRowOfRadios &&
          history.linesLeftOut == 0;
    std::printf("targets: at most %.2f x the floor a radio, %d of %d lines: %s\n",
                1.0 + kTargetOverFloor, kRowOfRadios, kRowOfRadios, met ? "met" : "MISSED");

    // The second radio holds the first one's stop pipe too: it goes first.
    StopRadioProcess(fast);
    StopRadioProcess(paced);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return met ? 0 : 1;
}
