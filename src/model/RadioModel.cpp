// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RadioModel.h"

#include <cctype>

#include "model/BandTable.h"
#include "model/Messages.h"
#include "model/PlanText.h"

const RadioModel* FindRadioModel(std::string_view name) {
    for (const RadioModel& model : kRadioModels) {
        const std::string_view known = model.name;
        if (known.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < known.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(name[i])) == known[i];
        if (same) return &model;
    }
    return nullptr;
}

std::string ShortBandName(std::int32_t band) {
    const std::string name = BandName(band);
    return name.substr(0, name.find(" ("));
}

const RadioModel& ModelOf(const CKM42Doc& doc) {
    const bool sixteen = doc.m_b16Channel != 0;
    const bool vhf = IsVhfBand(doc.m_nBand);
    for (const RadioModel& model : kRadioModels)
        if (model.sixteenChannels == sixteen && IsVhfBand(model.band) == vhf) return model;
    return kRadioModels.front();  // not reached: the table holds every pairing
}

std::string DescribeRadio(const CKM42Doc& doc) {
    return FormatText(msg::kRadioDescription, ModelOf(doc).name, ShortBandName(doc.m_nBand).c_str(),
                      doc.ChannelCount());
}

std::optional<RadioMismatch> CompareRadio(const CKM42Doc& radio, const CKM42Doc& plan) {
    // A band outside the table reads as VHF 2 everywhere; it counts as that band here too.
    const bool sameBand = &BandOrDefault(radio.m_nBand) == &BandOrDefault(plan.m_nBand);
    if (sameBand && radio.ChannelCount() == plan.ChannelCount()) return std::nullopt;
    return RadioMismatch{DescribeRadio(radio), DescribeRadio(plan)};
}
