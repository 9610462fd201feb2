// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a channel list, imported into each of the four models' new plans and pasted
// on one of their channels: reading must never fault, and since every row taken passed the
// channel editor's rules, the plan must stay one the radio's memory can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "codec/ImageCodec.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "model/RadioModel.h"

namespace {

CKM42Doc NewPlanOf(const RadioModel& model) {
    CKM42Doc doc;
    doc.m_nBand = model.band;
    doc.m_b16Channel = model.sixteenChannels ? 1 : 0;
    doc.SetDefaults();
    return doc;
}

void RequireEncodable(const CKM42Doc& doc) {
    if (CheckEncodable(doc)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const RadioModel& model : kRadioModels) {
        CKM42Doc doc = NewPlanOf(model);
        csv::ImportCsv(doc, text);
        RequireEncodable(doc);
        // What was taken goes out and back in again without a refusal.
        CKM42Doc again = NewPlanOf(model);
        if (!csv::ImportCsv(again, csv::ExportCsv(doc)).refused.empty()) std::abort();
        const int first = 1 + static_cast<int>(size % static_cast<std::size_t>(doc.ChannelCount()));
        csv::PasteRows(doc, text, first);
        RequireEncodable(doc);
    }
    return 0;
}
