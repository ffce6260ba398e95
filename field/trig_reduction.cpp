#include "field/trig_reduction.h"

#include <cmath>
#include <cstdint>

namespace kvarn {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

constexpr int kWindowWords = 5;
constexpr int kWords = kWindowWords + 1; // of the product, most significant first

// 64 bits of 2/pi starting at bit i (1-based: bit 1 has weight 1/2).
u64 twoOverPiWord(int i) {
    const int word = (i - 1) / 64, shift = (i - 1) % 64;
    const u64 first = trig::kTwoOverPiBits[word];
    return shift == 0 ? first : first << shift | trig::kTwoOverPiBits[word + 1] >> (64 - shift);
}

// Bit n (0 = least significant) of a number of kWords words.
unsigned bitAt(const u64* words, int n) {
    return static_cast<unsigned>(words[kWords - 1 - n / 64] >> (n % 64)) & 1u;
}

// Clears every bit from bit n upwards.
void keepBitsBelow(u64* words, int n) {
    for (int k = 0; k < kWords; ++k) {
        const int low = 64 * (kWords - 1 - k); // weight of the word's last bit
        if (low >= n)
            words[k] = 0;
        else if (low + 64 > n)
            words[k] &= (u64{1} << (n - low)) - 1;
    }
}

// The leading 128 bits of a nonzero number, and the position of its top bit.
struct Leading {
    u128 bits;
    int top;
};
Leading leading128(const u64* words) {
    int w = 0;
    while (words[w] == 0)
        ++w;
    const int zeros = __builtin_clzll(words[w]);
    const u64 next = w + 1 < kWords ? words[w + 1] : 0;
    const u64 after = w + 2 < kWords ? words[w + 2] : 0;
    u128 bits = static_cast<u128>(words[w]) << 64 | next;
    if (zeros > 0) bits = bits << zeros | after >> (64 - zeros);
    return {bits, (kWords - w) * 64 - 1 - zeros};
}

// The upper 128 bits of a 128 x 128-bit product, and the next 64.
struct Product256 {
    u128 high;
    u64 next;
};
Product256 multiply(u128 a, u128 b) {
    const u64 aHi = static_cast<u64>(a >> 64), aLo = static_cast<u64>(a);
    const u64 bHi = static_cast<u64>(b >> 64), bLo = static_cast<u64>(b);
    const u128 p0 = static_cast<u128>(aLo) * bLo, p1 = static_cast<u128>(aLo) * bHi;
    const u128 p2 = static_cast<u128>(aHi) * bLo, p3 = static_cast<u128>(aHi) * bHi;
    const u128 t1 = (p0 >> 64) + static_cast<u64>(p1) + static_cast<u64>(p2);
    const u128 t2 = (t1 >> 64) + (p1 >> 64) + (p2 >> 64) + static_cast<u64>(p3);
    return {(p3 >> 64 << 64) + t2, static_cast<u64>(t1)};
}

} // namespace

ReducedAngle reduceFar(long double x) {
    const ExtendedBits b = bitsOf(x);
    const u64 m = b.significand;
    const int exp2 = (b.signExponent & 0x7fff) - 16383 - 63; // x = m 2^exp2

    // x 2/pi = m sum b_i 2^(exp2 - i) over the bits b_i of 2/pi. The bits
    // i <= exp2 - 2 add multiples of 4, which leave the quadrant alone; the
    // window starts after them and is long enough that the bits after it
    // change the sum by less than 2^-254.
    const int first = exp2 >= 2 ? exp2 - 1 : 1;
    const int fractionBits = first + 64 * kWindowWords - 1 - exp2;
    u64 product[kWords];
    u128 carry = 0;
    for (int k = kWindowWords - 1; k >= 0; --k) {
        carry += static_cast<u128>(m) * twoOverPiWord(first + 64 * k);
        product[k + 1] = static_cast<u64>(carry);
        carry >>= 64;
    }
    product[0] = static_cast<u64>(carry);

    // k mod 4 is the two bits above the fraction; a fraction of a half or
    // more rounds k up and leaves fraction - 1, negative.
    unsigned quadrant = bitAt(product, fractionBits) | bitAt(product, fractionBits + 1) << 1;
    const bool roundUp = bitAt(product, fractionBits - 1) != 0;
    keepBitsBelow(product, fractionBits);
    if (roundUp) {
        ++quadrant;
        u128 sum = 1; // two's complement: 2^fractionBits - fraction
        for (int k = kWords - 1; k >= 0; --k) {
            sum += static_cast<u64>(~product[k]);
            product[k] = static_cast<u64>(sum);
            sum >>= 64;
        }
        keepBitsBelow(product, fractionBits);
    }

    long double hi = 0, lo = 0;
    bool zero = true; // cannot happen for pi is irrational, but keeps the scan below in bounds
    for (const u64 w : product)
        zero = zero && w == 0;
    if (!zero) {
        // r = fraction * pi/2 from the leading 128 bits of each, truncated:
        // relative error below 2^-125.
        const Leading f = leading128(product);
        const Product256 p =
            multiply(f.bits, static_cast<u128>(trig::kPio2FixedHigh) << 64 | trig::kPio2FixedLow);
        // The factors have their top bits at 127 and 126, so the product has
        // it at 253 or 254: bit 125 or 126 of p.high, the bits from 128 on.
        const int top = (p.high >> 126) != 0 ? 126 : 125;
        const int shift = top - 63;
        const u64 upper = static_cast<u64>(p.high >> shift);
        const u64 lower = static_cast<u64>(p.high << (64 - shift)) | p.next >> shift;
        // value = (p.high 2^128 + ...) 2^(f.top - 127 - 126 - fractionBits)
        const int scale = 128 + f.top - 127 - 126 - fractionBits;
        hi = std::ldexp(static_cast<long double>(upper), scale + shift);
        lo = std::ldexp(static_cast<long double>(lower), scale + shift - 64);
        if (roundUp) hi = -hi, lo = -lo;
    }
    if (b.signExponent & 0x8000) {
        hi = -hi, lo = -lo;
        quadrant = 0u - quadrant;
    }
    return {hi, lo, quadrant & 3u};
}

} // namespace kvarn
