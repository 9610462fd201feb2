// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an image read from a radio: decoding must never fault, and neither may the
// check and the encoding of whatever plan comes out. Bytes beyond the image, when present,
// are read as a data file holding the plan the image is decoded onto, so encoding also meets
// every value a damaged file can hold.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "codec/ImageCodec.h"
#include "model/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image{};
    const std::size_t taken = std::min(size, image.size());
    std::copy_n(data, taken, image.begin());
    CKM42Doc doc;
    if (size > taken) datafile::DeserializeDocument(data + taken, size - taken, doc);

    RadioImage written{};
    volatile bool accepted = !CheckEncodable(doc);
    EncodeImage(doc, written);  // refused plans too: cut to their fields, never a fault

    DecodeImage(image, doc);
    accepted = !CheckEncodable(doc);
    EncodeImage(doc, written);
    if (accepted) {
        CKM42Doc back = doc;
        DecodeImage(written, back);
    }
    return 0;
}
