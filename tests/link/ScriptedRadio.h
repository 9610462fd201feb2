// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "FakeLine.h"
#include "link/LinkProtocol.h"
#include "link/VirtualRadio.h"

// A radio that follows the protocol on a FakeLine; tests bend single steps of it.
struct ScriptedRadio {
    explicit ScriptedRadio(FakeLine& fakeLine) : line(fakeLine) {
        for (std::size_t i = 0; i < memory.size(); ++i)
            memory[i] = static_cast<std::uint8_t>(i * 7 + i / 64 + 1);
        line.onSend = [this](std::uint8_t byte) { React(byte); };
    }

    FakeLine& line;
    radiolink::LineImage memory{};
    std::vector<std::uint8_t> readAnswer{radiolink::proto::kReadReady};
    std::vector<std::uint8_t> writeAnswer{radiolink::proto::kWriteReady};
    // Bytes sent for read block n (0-based); default: the block and its end byte.
    std::function<std::vector<std::uint8_t>(int)> blockBytes = [this](int n) { return Block(n); };
    int nextBlock = 0;

    std::vector<std::uint8_t> Block(int n) const {
        const auto from = memory.begin() + n * 64;
        std::vector<std::uint8_t> bytes(from, from + 64);
        bytes.push_back(radiolink::proto::kBlockEnd);
        return bytes;
    }

private:
    void React(std::uint8_t byte) {
        using namespace radiolink::proto;
        if (byte == kReadRequest && !readAnswer.empty()) line.Arrive(readAnswer);
        if (byte == kWriteRequest && !writeAnswer.empty()) line.Arrive(writeAnswer);
        if (byte == kStart && line.sent.front().byte == kReadRequest) SendBlock();
        if (byte == kBlockEnd && line.sent.front().byte == kReadRequest) SendBlock();
    }
    void SendBlock() {
        if (nextBlock < 33) line.Arrive(blockBytes(nextBlock++));
    }
};
