// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "link/VirtualRadio.h"
#include "model/KM42Doc.h"
#include "model/RadioModel.h"

// What a virtual radio holds when it is not given an image: a plan a dealer might have
// programmed, with every kind of squelch signalling, scan members, a priority channel,
// repeater offsets and both power levels, so every column of the grid shows something.
namespace radiolink {

CKM42Doc DemoPlan(const RadioModel& model);

// DemoPlan(model) encoded as the radio holds it.
LineImage DemoImage(const RadioModel& model);

}  // namespace radiolink
