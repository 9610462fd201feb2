// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "codec/RadioImage.h"
#include "model/KM42Doc.h"

// The translation between a channel plan and the radio's memory image. The read and write
// dialogs, the CLI and the virtual radio all go through these three.

// Builds the complete image from the plan: all 2739 bytes, nothing carried over from an
// earlier image. Run CheckEncodable first: a plan it refuses still encodes without fault, but
// its out-of-range values are cut to their bit fields.
void EncodeImage(const CKM42Doc& doc, RadioImage& image);

// Overwrites the plan's fields from an image read from a radio. Never fails and never reads
// outside the image, whatever the bytes hold. Fields the image does not carry (the port, the
// editor's last tone, step codes of unused channels, records beyond the channel count apart
// from their scan flag and empty receive frequency) keep their values.
void DecodeImage(const RadioImage& image, CKM42Doc& doc);

// nullopt when EncodeImage can store the plan exactly; otherwise why not, naming the channel
// or the option. Every path that sends a plan to a radio asks this first.
std::optional<std::string> CheckEncodable(const CKM42Doc& doc);
