#pragma once
// The model shared by the LZHUF decoder and encoder: window constants, the
// fixed position-code tables and the adaptive Huffman tree of literals and
// match lengths. Both sides must update the tree identically.
#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin::store::lzhuf {

inline constexpr int N = 4096;            // window size
inline constexpr int F = 60;              // longest match
inline constexpr int THRESHOLD = 2;       // shorter matches are sent as literals
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;  // 627 tree nodes
inline constexpr int R = T - 1;           // root
inline constexpr unsigned MAX_FREQ = 0x8000;
inline constexpr int START_POSITION = N - F;  // first window position written
inline constexpr std::uint8_t BLANK = 0x20;   // preset window content

// Position codes: the upper 6 bits of a position are coded by the first byte
// of its code; lower first bytes give the shorter codes of the near positions.
struct PositionTables {
  std::array<std::uint8_t, 256> d_code{};  // first byte -> upper 6 bits
  std::array<std::uint8_t, 256> d_len{};   // first byte -> bits of it that are code
  std::array<std::uint8_t, 64> p_code{};   // upper 6 bits -> first byte
  std::array<std::uint8_t, 64> p_len{};    // upper 6 bits -> bits of the first byte that are code
};

constexpr PositionTables MakePositionTables() {
  struct Group { int codes, bytesPerCode, len; };
  constexpr Group groups[] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5}, {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
  PositionTables t;
  int byte = 0, code = 0;
  for (const Group& g : groups) {
    for (int c = 0; c < g.codes; ++c, ++code) {
      t.p_code[code] = static_cast<std::uint8_t>(byte);
      t.p_len[code] = static_cast<std::uint8_t>(g.len);
      for (int b = 0; b < g.bytesPerCode; ++b, ++byte) {
        t.d_code[byte] = static_cast<std::uint8_t>(code);
        t.d_len[byte] = static_cast<std::uint8_t>(g.len);
      }
    }
  }
  return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();
static_assert(kPositionTables.d_code[0xFF] == 63 && kPositionTables.d_len[0xFF] == 8);
static_assert(kPositionTables.d_code[0x50] == 4 && kPositionTables.d_len[0x4F] == 4);

// Adaptive Huffman tree: nodes sorted by frequency, a sibling pair always at an
// even index followed by the odd one; leaves are T + symbol. Every value fits
// in 16 bits; the tables hold 32-bit entries because those update faster.
struct AdaptiveTree {
  using Count = std::uint32_t;
  using Node = std::int32_t;

  // + sentinel, and as many again as a scan of eight at a time reads past it.
  static constexpr int kScanPad = 7;
  std::array<Count, T + 1 + kScanPad> freq;
  std::array<Node, T + N_CHAR> prnt;
  std::array<Node, T> son;

  void Start() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = i + T;
      prnt[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = freq[i] + freq[i + 1];
      son[j] = i;
      prnt[i] = prnt[i + 1] = j;
    }
    for (int i = T; i < static_cast<int>(freq.size()); ++i) freq[i] = 0xFFFF;
    prnt[R] = 0;
  }

  // Halves all leaf counts and rebuilds the inner nodes.
  void Rebuild() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = (freq[i] + 1) / 2;
        son[j] = son[i];
        ++j;
      }
    }
    for (int i = 0, jj = N_CHAR; jj < T; i += 2, ++jj) {
      const unsigned f = freq[i] + freq[i + 1];
      int k = jj - 1;
      while (f < freq[k]) --k;
      ++k;
      for (int m = jj; m > k; --m) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[k] = f;
      son[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son[i];
      if (k >= T) {
        prnt[k] = i;
      } else {
        prnt[k] = prnt[k + 1] = i;
      }
    }
  }

  // Counts one more use of `symbol` on every node from its leaf up.
  void Update(int symbol) {
    if (freq[R] == MAX_FREQ) Rebuild();
    int c = prnt[symbol + T];
    do {
      c = prnt[Increment(c)];
    } while (c != 0);
  }

  // The same, given the nodes the decoder walked from the root's child down to
  // the symbol's leaf: they are the parents to visit until a node moves, which
  // saves chasing parent links.
  void Update(int symbol, const Node* path, int depth) {
    if (freq[R] == MAX_FREQ) return Update(symbol);
    for (int i = depth - 1; i >= 0; --i) {
      const int moved = Increment(path[i]);
      if (moved != path[i]) {
        for (int c = prnt[moved]; c != 0; c = prnt[Increment(c)]) {
        }
        return;
      }
    }
    ++freq[R];  // the root never moves
  }

private:
  // Counts one more on node c. When that puts it above the next node, it
  // changes places with the last node of a lower count, so the order holds;
  // returns where its count now is.
  int Increment(int c) {
    const unsigned k = ++freq[c];
    if (k <= freq[c + 1]) return c;
    const int l = FirstNotBelow(c + 2, k) - 1;
    freq[c] = freq[l];
    freq[l] = k;

    const int i = son[c];
    prnt[i] = l;
    if (i < T) prnt[i + 1] = l;

    const int j = son[l];
    son[l] = i;
    prnt[j] = c;
    if (j < T) prnt[j + 1] = c;
    son[c] = j;
    return l;
  }

  // The first node from `from` on whose count is k or more; the counts rise
  // along the nodes and the sentinel stops the scan. Runs of equal counts
  // are long, so eight are compared at a time where the processor can.
  int FirstNotBelow(int from, unsigned k) const {
#if defined(__SSE2__)
    const __m128i key = _mm_set1_epi32(static_cast<int>(k));
    const auto below = [&](int at) {
      const __m128i counts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[static_cast<std::size_t>(at)]));
      return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(key, counts))));
    };
    for (int l = from;; l += 8) {
      const unsigned mask = below(l) | below(l + 4) << 4;
      if (mask != 0xFFu) return l + __builtin_ctz(~mask);
    }
#else
    int l = from;
    while (k > freq[l]) ++l;
    return l;
#endif
  }
};

}  // namespace skin::store::lzhuf
