#pragma once
// The LH5 method of LHA: an 8 KB sliding dictionary whose literals, match lengths and
// match positions are coded with static Huffman tables sent at the head of each block.
// Decoding goes through the lhasa library; the encoder is our own and writes what lhasa
// (and every LHA reader) decodes, so the archive tool can pack the data files.

#include <optional>
#include <string>
#include <string_view>

namespace lyrasta {

// The `length` bytes that the LH5 stream `packed` decodes to, or none when the stream
// ends or breaks down before giving that many.
std::optional<std::string> Lh5Decode(std::string_view packed, size_t length);

// `data` coded in LH5.
std::string Lh5Encode(std::string_view data);

}  // namespace lyrasta
