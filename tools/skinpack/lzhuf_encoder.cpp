#include "lzhuf_encoder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "skin/store/lzhuf_model.h"

namespace skinpack {
namespace {

using namespace skin::store::lzhuf;

class BitWriter {
public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  // Appends the low `length` bits of `code`, most significant first.
  void Put(std::uint32_t code, int length) {
    acc_ = (acc_ << length) | (code & ((std::uint64_t{1} << length) - 1));
    bits_ += length;
    while (bits_ >= 8) {
      bits_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(acc_ >> bits_));
    }
  }

  // Pads the last byte with zero bits.
  void Finish() {
    if (bits_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - bits_)));
    bits_ = 0;
  }

private:
  std::vector<std::uint8_t>& out_;
  std::uint64_t acc_ = 0;
  int bits_ = 0;
};

class SymbolCoder {
public:
  explicit SymbolCoder(BitWriter& bits) : bits_(bits) { tree_.Start(); }

  void EncodeChar(int symbol) {
    // The path from leaf to root, one bit per level: an odd node is the second child.
    std::uint32_t code = 0;
    int length = 0;
    int k = tree_.prnt[symbol + T];
    do {
      code |= static_cast<std::uint32_t>(k & 1) << length;
      ++length;
      k = tree_.prnt[k];
    } while (k != R);
    if (length > 32) throw std::logic_error("LZHUF code longer than 32 bits");
    bits_.Put(code, length);
    tree_.Update(symbol);
  }

  void EncodePosition(unsigned position) {
    const unsigned upper = position >> 6;
    const int len = kPositionTables.p_len[upper];
    bits_.Put(kPositionTables.p_code[upper] >> (8 - len), len);
    bits_.Put(position & 0x3F, 6);
  }

private:
  BitWriter& bits_;
  AdaptiveTree tree_;
};

// Longest-match search over hash chains of 3-byte prefixes. Positions index a
// virtual text: the decoder's preset blanks followed by the input, so that
// window position = text position mod N.
class MatchFinder {
public:
  MatchFinder(const std::vector<std::uint8_t>& text, int chainLimit) : text_(text), chainLimit_(chainLimit) {
    head_.fill(-1);
    prev_.fill(-1);
  }

  void Insert(std::int64_t pos) {
    if (pos + 2 >= static_cast<std::int64_t>(text_.size())) return;
    const unsigned h = Hash(pos);
    prev_[pos & (N - 1)] = head_[h];
    head_[h] = pos;
  }

  // Longest earlier match for `pos`, at most `limit` long; length 0 if none.
  int Find(std::int64_t pos, int limit, std::int64_t& source) const {
    if (limit <= THRESHOLD) return 0;
    const std::int64_t oldest = std::max<std::int64_t>(0, pos - N);
    const std::uint8_t* cur = text_.data() + pos;
    int best = 0;
    int chain = chainLimit_;
    for (std::int64_t cand = head_[Hash(pos)]; cand >= oldest && cand < pos && chain-- > 0;) {
      const std::uint8_t* s = text_.data() + cand;
      if (s[best] == cur[best]) {
        int len = 0;
        while (len < limit && s[len] == cur[len]) ++len;
        if (len > best) {
          best = len;
          source = cand;
          if (len == limit) break;
        }
      }
      const std::int64_t next = prev_[cand & (N - 1)];
      if (next >= cand) break;  // slot reused by a newer position
      cand = next;
    }
    return best > THRESHOLD ? best : 0;
  }

private:
  static constexpr int kHashBits = 15;
  unsigned Hash(std::int64_t pos) const {
    const std::uint8_t* p = text_.data() + pos;
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  const std::vector<std::uint8_t>& text_;
  int chainLimit_;
  std::array<std::int64_t, 1u << kHashBits> head_;
  std::array<std::int64_t, N> prev_;
};

}  // namespace

std::vector<std::uint8_t> Compress(std::span<const std::uint8_t> input, const EncoderOptions& options) {
  if (input.size() > 0xFFFFFFFFu) throw std::length_error("input larger than 4 GiB");
  const auto size = static_cast<std::uint32_t>(input.size());
  std::vector<std::uint8_t> out{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  if (input.empty()) return out;
  out.reserve(out.size() + input.size() / 2);

  std::vector<std::uint8_t> text(START_POSITION + input.size(), BLANK);
  std::copy(input.begin(), input.end(), text.begin() + START_POSITION);
  const auto end = static_cast<std::int64_t>(text.size());

  BitWriter bits(out);
  auto coder = std::make_unique<SymbolCoder>(bits);
  auto finder = std::make_unique<MatchFinder>(text, std::max(1, options.chainLimit));
  for (std::int64_t p = 0; p < START_POSITION; ++p) finder->Insert(p);

  auto limitAt = [&](std::int64_t p) { return static_cast<int>(std::min<std::int64_t>(F, end - p)); };
  std::int64_t pos = START_POSITION;
  std::int64_t source = 0;
  int length = finder->Find(pos, limitAt(pos), source);
  while (pos < end) {
    finder->Insert(pos);
    std::int64_t nextSource = 0;
    int nextLength = 0;
    if (pos + 1 < end && (length == 0 || options.lazy)) {
      nextLength = finder->Find(pos + 1, limitAt(pos + 1), nextSource);
    }
    if (length == 0 || (options.lazy && nextLength > length)) {
      coder->EncodeChar(text[pos]);
      ++pos;
    } else {
      coder->EncodeChar(255 - THRESHOLD + length);
      coder->EncodePosition(static_cast<unsigned>(pos - source - 1));
      for (std::int64_t q = pos + 1; q < pos + length; ++q) finder->Insert(q);
      pos += length;
      if (pos < end) nextLength = finder->Find(pos, limitAt(pos), nextSource);
    }
    length = nextLength;
    source = nextSource;
  }
  bits.Finish();
  return out;
}

}  // namespace skinpack
