// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzers' seed corpus (fuzz/corpus, scripts/fuzz-corpus.sh) must start them inside the
// formats: every seed plan and image of a model is one the radio's memory can hold and that
// comes back byte for byte, so fuzzing begins from the deep paths and not at byte 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "codec/ImageCodec.h"
#include "model/DataFile.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kCorpus = fs::path(PRG715_SOURCE_DIR) / "fuzz" / "corpus";

TEST(FuzzSeeds, ModelImagesDecodeToPlansThatEncodeBackToTheSameBytes) {
    int seen = 0;
    for (const char* kind : {"new-", "demo-"}) {
        for (const char* model : {"KM41", "KM42", "KM161", "KM162"}) {
            const fs::path path = kCorpus / "fuzz_image" / (std::string(kind) + model + ".img");
            const std::vector<std::uint8_t> bytes = FileBytes(path);
            ASSERT_EQ(bytes.size(), image::kLineSize) << path;
            RadioImage read{};
            std::copy(bytes.begin(), bytes.end(), read.begin());
            CKM42Doc doc;
            DecodeImage(read, doc);
            EXPECT_EQ(CheckEncodable(doc), std::nullopt) << path;
            RadioImage written{};
            EncodeImage(doc, written);
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), written.begin())) << path;
            ++seen;
        }
    }
    EXPECT_EQ(seen, 8);
}

TEST(FuzzSeeds, ModelPlansLoadAndSaveToTheSameBytes) {
    for (const char* kind : {"new-", "demo-"}) {
        for (const char* model : {"KM41", "KM42", "KM161", "KM162"}) {
            const fs::path path = kCorpus / "fuzz_datafile" / (std::string(kind) + model);
            const std::vector<std::uint8_t> bytes = FileBytes(path);
            CKM42Doc doc;
            ASSERT_TRUE(datafile::DeserializeDocument(bytes.data(), bytes.size(), doc)) << path;
            EXPECT_EQ(datafile::SerializeDocument(doc), bytes) << path;
            EXPECT_EQ(CheckEncodable(doc), std::nullopt) << path;
        }
    }
}

}  // namespace
