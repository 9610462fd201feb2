// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plans and images the backup tests keep: a few channels on the raster of the band.
#include "../support/RandomPlan.h"
#include "codec/ImageCodec.h"
#include "model/BandTable.h"
#include "model/KM42Doc.h"

inline RadioImage ImageOf(const CKM42Doc& plan) {
    RadioImage image{};
    EncodeImage(plan, image);
    return image;
}

inline CKM42Doc PlanWithChannels(int band, bool sixteen, int inUse) {
    CKM42Doc plan = NewPlan(band, sixteen);
    const double base = band == kBandUhf2 ? 450.0 : 150.0;
    for (int n = 1; n <= inUse; ++n) {
        plan.Channel(n).m_dRxFreq = base + 0.025 * n;
        plan.Channel(n).m_nStepCode = kStep6250;
    }
    return plan;
}
