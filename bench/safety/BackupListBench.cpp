// SPDX-License-Identifier: GPL-3.0-or-later
// How long listing the backup folder takes with hundreds of backups in it (File > Open Backup
// and `prg715-cli backups` list it each time), against decoding every image instead of reading
// the plans beside them.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "codec/ImageCodec.h"
#include "model/FileAccess.h"
#include "safety/Backups.h"

namespace {

// A folder of `count` backups of a full 16-channel plan, one a minute, made once per size.
std::string FolderWith(int count) {
    std::string pattern = (std::filesystem::temp_directory_path() / "prg715-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    CKM42Doc plan;
    plan.m_nBand = 4;
    plan.m_b16Channel = 1;
    plan.SetDefaults();
    for (int n = 1; n <= 16; ++n) {
        plan.Channel(n).m_dRxFreq = 450.0 + 0.025 * n;
        plan.Channel(n).m_nStepCode = kStep6250;
    }
    RadioImage image{};
    EncodeImage(plan, image);
    const auto start = std::chrono::system_clock::now();
    for (int i = 0; i < count; ++i)
        backup::KeepBackup(i % 2 ? backup::Direction::Read : backup::Direction::Write, image, plan,
                           pattern, start - std::chrono::minutes(i));
    return pattern;
}

void BM_ListBackups(benchmark::State& state) {
    const std::string folder = FolderWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const backup::BackupList list = backup::ListBackups(folder);
        benchmark::DoNotOptimize(list.entries.data());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListBackups)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

// The alternative: every image read and decoded.
void BM_DecodeEveryImage(benchmark::State& state) {
    const std::string folder = FolderWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int inUse = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != backup::kImageExtension) continue;
            std::vector<std::uint8_t> bytes;
            if (fileio::ReadFileStart(entry.path().string(), image::kLineSize, bytes)) continue;
            RadioImage image{};
            std::copy(bytes.begin(), bytes.end(), image.begin());
            CKM42Doc doc;
            DecodeImage(image, doc);
            inUse += doc.Channel(1).InUse();
        }
        benchmark::DoNotOptimize(inUse);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DecodeEveryImage)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
