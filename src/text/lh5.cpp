#include "lh5.h"

#include <lhasa.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <queue>
#include <vector>

namespace lyrasta {

namespace {

// The method's constants: 510 literal-and-length codes (256 literals, then match
// lengths 3 to 256), 14 position codes (the bit length of the distance), 19 codes for
// the code lengths of the literal table; code lengths never exceed 16 bits.
constexpr int kLiteralCodes = 510, kPositionCodes = 14, kLengthCodes = 19;
constexpr int kMinMatch = 3, kMaxMatch = 256, kWindow = 8192, kMaxBits = 16;
constexpr size_t kBlockSymbols = 0x4000;

struct Input {
    std::string_view bytes;
    size_t at = 0;
};

size_t ReadInput(void* buf, size_t len, void* data) {
    auto* in = static_cast<Input*>(data);
    const size_t n = std::min(len, in->bytes.size() - in->at);
    std::copy_n(in->bytes.data() + in->at, n, static_cast<char*>(buf));
    in->at += n;
    return n;
}

class BitWriter {
public:
    void Put(int bits, uint32_t value) {
        for (int i = bits - 1; i >= 0; --i) {
            acc_ = static_cast<uint8_t>((acc_ << 1) | ((value >> i) & 1));
            if (++count_ == 8) {
                out_.push_back(static_cast<char>(acc_));
                acc_ = 0;
                count_ = 0;
            }
        }
    }
    std::string Finish() {
        if (count_) out_.push_back(static_cast<char>(acc_ << (8 - count_)));
        return std::move(out_);
    }

private:
    std::string out_;
    uint8_t acc_ = 0;
    int count_ = 0;
};

// Huffman code lengths for the frequencies, none longer than kMaxBits. Unused symbols
// get 0; a lone used symbol gets 0 too (the table is then sent in its one-code form).
std::vector<int> CodeLengths(std::vector<uint32_t> freq) {
    const size_t n = freq.size();
    for (;;) {
        struct Node {
            uint64_t weight;
            int left, right;
        };
        std::vector<Node> nodes;
        using Item = std::pair<uint64_t, int>;
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
        for (size_t s = 0; s < n; ++s) {
            if (!freq[s]) continue;
            queue.push({freq[s], static_cast<int>(nodes.size())});
            nodes.push_back({freq[s], -1, static_cast<int>(s)});
        }
        std::vector<int> lengths(n, 0);
        if (nodes.size() < 2) return lengths;
        while (queue.size() > 1) {
            const auto [wa, a] = queue.top();
            queue.pop();
            const auto [wb, b] = queue.top();
            queue.pop();
            queue.push({wa + wb, static_cast<int>(nodes.size())});
            nodes.push_back({wa + wb, a, b});
        }
        int longest = 0;
        std::vector<std::pair<int, int>> stack{{queue.top().second, 0}};
        while (!stack.empty()) {
            const auto [node, depth] = stack.back();
            stack.pop_back();
            if (nodes[node].left < 0) {
                lengths[nodes[node].right] = depth;
                longest = std::max(longest, depth);
            } else {
                stack.push_back({nodes[node].left, depth + 1});
                stack.push_back({nodes[node].right, depth + 1});
            }
        }
        if (longest <= kMaxBits) return lengths;
        // Too deep: flatten the frequencies and build again.
        for (uint32_t& f : freq) f = f ? (f + 1) / 2 : 0;
    }
}

// Canonical codes: shorter codes first, equal lengths in symbol order (as the decoder
// builds its trees).
std::vector<uint32_t> Codes(const std::vector<int>& lengths) {
    std::array<uint32_t, kMaxBits + 2> count{}, next{};
    for (int l : lengths) ++count[l];
    count[0] = 0;
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxBits; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::vector<uint32_t> codes(lengths.size(), 0);
    for (size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s]) codes[s] = next[lengths[s]]++;
    return codes;
}

struct Table {
    std::vector<int> lengths;
    std::vector<uint32_t> codes;
    int single = -1;  // the one used symbol of a one-code table
};

Table MakeTable(const std::vector<uint32_t>& freq) {
    Table t{CodeLengths(freq), {}, -1};
    t.codes = Codes(t.lengths);
    if (std::count_if(freq.begin(), freq.end(), [](uint32_t f) { return f != 0; }) <= 1) {
        const auto used = std::find_if(freq.begin(), freq.end(), [](uint32_t f) { return f != 0; });
        t.single = used == freq.end() ? 0 : static_cast<int>(used - freq.begin());
    }
    return t;
}

void PutSymbol(BitWriter& w, const Table& t, int s) {
    if (t.single < 0) w.Put(t.lengths[s], t.codes[s]);
}

// A match position: its code is the bit length of distance - 1, followed by the bits
// below the top one.
int PositionCode(uint32_t offset) {
    int bits = 0;
    while (offset >> bits) ++bits;
    return bits;
}

struct Symbol {
    uint16_t code;    // literal byte, or 256 + length - 3
    uint16_t offset;  // distance - 1 of a match
};

// The code lengths of a literal table are sent as codes of the small table: 0 one zero,
// 1 and four bits 3 to 18 zeros, 2 and nine bits 20 or more zeros, n + 2 a length n.
template <typename Emit>
void WalkLiteralLengths(const std::vector<int>& lengths, int n, Emit emit) {
    for (int i = 0; i < n;) {
        const int k = lengths[i++];
        if (k != 0) {
            emit(k + 2, 0, 0);
            continue;
        }
        int run = 1;
        while (i < n && lengths[i] == 0) ++i, ++run;
        if (run <= 2) {
            for (int j = 0; j < run; ++j) emit(0, 0, 0);
        } else if (run <= 18) {
            emit(1, 4, run - 3);
        } else if (run == 19) {
            emit(0, 0, 0);
            emit(1, 4, 15);
        } else {
            emit(2, 9, run - 20);
        }
    }
}

int UsedCount(const std::vector<int>& lengths) {
    int n = static_cast<int>(lengths.size());
    while (n > 0 && lengths[n - 1] == 0) --n;
    return n;
}

// A table of lengths sent directly: a count, then three bits a length (7 and more
// continue in ones ended by a zero); after the third length of the small table, two
// bits of zeros that follow.
void PutLengths(BitWriter& w, const std::vector<int>& lengths, int countBits, int special) {
    const int n = UsedCount(lengths);
    w.Put(countBits, n);
    for (int i = 0; i < n;) {
        const int k = lengths[i++];
        if (k <= 6) {
            w.Put(3, k);
        } else {
            w.Put(3, 7);
            for (int j = 7; j < k; ++j) w.Put(1, 1);
            w.Put(1, 0);
        }
        if (i == special) {
            int zeros = 0;
            while (i < n && zeros < 3 && lengths[i] == 0) ++i, ++zeros;
            w.Put(2, zeros);
        }
    }
}

void PutBlock(BitWriter& w, const std::vector<Symbol>& symbols) {
    std::vector<uint32_t> literalFreq(kLiteralCodes), positionFreq(kPositionCodes);
    for (const Symbol& s : symbols) {
        ++literalFreq[s.code];
        if (s.code >= 256) ++positionFreq[PositionCode(s.offset)];
    }
    const Table literal = MakeTable(literalFreq);
    const Table position = MakeTable(positionFreq);
    w.Put(16, static_cast<uint32_t>(symbols.size()));

    if (literal.single >= 0) {
        w.Put(5, 0);
        w.Put(5, 0);
        w.Put(9, 0);
        w.Put(9, literal.single);
    } else {
        const int n = UsedCount(literal.lengths);
        std::vector<uint32_t> lengthFreq(kLengthCodes);
        WalkLiteralLengths(literal.lengths, n, [&](int code, int, int) { ++lengthFreq[code]; });
        const Table small = MakeTable(lengthFreq);
        if (small.single >= 0) {
            w.Put(5, 0);
            w.Put(5, small.single);
        } else {
            PutLengths(w, small.lengths, 5, 3);
        }
        w.Put(9, n);
        WalkLiteralLengths(literal.lengths, n, [&](int code, int bits, int value) {
            PutSymbol(w, small, code);
            if (bits) w.Put(bits, value);
        });
    }
    if (position.single >= 0) {
        w.Put(4, 0);
        w.Put(4, position.single);
    } else {
        PutLengths(w, position.lengths, 4, -1);
    }

    for (const Symbol& s : symbols) {
        PutSymbol(w, literal, s.code);
        if (s.code < 256) continue;
        const int p = PositionCode(s.offset);
        PutSymbol(w, position, p);
        if (p > 1) w.Put(p - 1, s.offset & ((1u << (p - 1)) - 1));
    }
}

// Greedy matching over hash chains of three-byte prefixes.
std::vector<Symbol> FindSymbols(std::string_view data) {
    constexpr int kHashSize = 1 << 14, kChain = 64;
    std::vector<int> head(kHashSize, -1), prev(data.size(), -1);
    auto hash = [&](size_t i) {
        return ((static_cast<uint8_t>(data[i]) << 8) ^ (static_cast<uint8_t>(data[i + 1]) << 4) ^
                static_cast<uint8_t>(data[i + 2])) & (kHashSize - 1);
    };
    auto insert = [&](size_t i) {
        if (i + kMinMatch > data.size()) return;
        const int h = hash(i);
        prev[i] = head[h];
        head[h] = static_cast<int>(i);
    };
    std::vector<Symbol> symbols;
    for (size_t i = 0; i < data.size();) {
        size_t bestLength = 0, bestDistance = 0;
        if (i + kMinMatch <= data.size()) {
            const size_t limit = std::min<size_t>(kMaxMatch, data.size() - i);
            int tries = kChain;
            for (int c = head[hash(i)]; c >= 0 && tries-- > 0; c = prev[c]) {
                const size_t distance = i - static_cast<size_t>(c);
                if (distance >= kWindow) break;
                size_t len = 0;
                while (len < limit && data[c + len] == data[i + len]) ++len;
                if (len > bestLength) {
                    bestLength = len;
                    bestDistance = distance;
                    if (len == limit) break;
                }
            }
        }
        if (bestLength >= static_cast<size_t>(kMinMatch)) {
            symbols.push_back({static_cast<uint16_t>(256 + bestLength - kMinMatch),
                               static_cast<uint16_t>(bestDistance - 1)});
            for (size_t j = 0; j < bestLength; ++j) insert(i + j);
            i += bestLength;
        } else {
            symbols.push_back({static_cast<uint8_t>(data[i]), 0});
            insert(i++);
        }
    }
    return symbols;
}

}  // namespace

std::optional<std::string> Lh5Decode(std::string_view packed, size_t length) {
    Input in{packed, 0};
    char method[] = "-lh5-";
    std::unique_ptr<LHADecoder, decltype(&lha_decoder_free)> decoder(
        lha_decoder_new(lha_decoder_for_name(method), ReadInput, &in, length), lha_decoder_free);
    if (!decoder) return std::nullopt;
    std::string out;
    std::array<uint8_t, 16384> chunk;
    while (out.size() < length) {
        const size_t n = lha_decoder_read(decoder.get(), chunk.data(), std::min(chunk.size(), length - out.size()));
        if (n == 0) return std::nullopt;
        out.append(reinterpret_cast<const char*>(chunk.data()), n);
    }
    return out;
}

std::string Lh5Encode(std::string_view data) {
    const std::vector<Symbol> symbols = FindSymbols(data);
    BitWriter w;
    for (size_t at = 0; at < symbols.size(); at += kBlockSymbols) {
        const size_t end = std::min(symbols.size(), at + kBlockSymbols);
        PutBlock(w, std::vector<Symbol>(symbols.begin() + static_cast<long>(at), symbols.begin() + static_cast<long>(end)));
    }
    return w.Finish();
}

}  // namespace lyrasta
