// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a data file: loading must never fault, and neither may anything that shows
// the loaded plan.
#include <cstddef>
#include <cstdint>

#include "model/BandTable.h"
#include "model/DataFile.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "model/ReportText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CKM42Doc doc;
    if (!datafile::DeserializeDocument(data, size, doc)) return 0;
    volatile std::size_t sink = 0;
    sink = sink + std::char_traits<char>::length(BandName(doc.m_nBand));
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        for (const auto& cell : ChannelRowTexts(doc.Channel(n))) sink = sink + (cell ? cell->size() : 0);
    }
    const OptionTexts options = ReportOptionTexts(doc);
    sink = sink + options.features[0].value.size() + ReportModelText(doc).size();
    sink = sink + FindingsText(FindOutOfRangeValues(doc), kFindingsShown).size();
    const auto bytes = datafile::SerializeDocument(doc);
    sink = sink + bytes.size();
    return 0;
}
