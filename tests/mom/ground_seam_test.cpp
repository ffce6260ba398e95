// The place where a real ground will join: its image factor and its
// correction reach the field of every segment, and without one a perfect
// ground is the image of factor 1.
#include <gtest/gtest.h>

#include "mom/segment_field.h"

namespace kvarn::mom {
namespace {

// A stand-in for a real ground: a chosen image factor and a fixed field
// added to the constant term, counting its calls.
class FakeGround : public GroundCorrection {
  public:
    explicit FakeGround(Complex factor) : factor_(factor) {}
    Complex imageFactor() const override { return factor_; }
    void addE(const SegmentInWavelengths&, Vec3, double, TermFields& field) const override {
        field.constant.z += 1.0;
        ++calls;
    }
    mutable int calls = 0;

  private:
    Complex factor_;
};

TEST(MomGroundSeam, ImageFactorAndCorrectionReachTheSegmentField) {
    const SegmentInWavelengths s{{0.1, 0, 0.2}, {0.6, 0, 0.8}, 0.02};
    const Vec3 p{0.3, 0.1, 0.05};
    const TermFields direct = segmentE(s, p, 0), image = segmentE(imageOf(s), p, 0);
    EXPECT_EQ(imageOf(s).centre.z, -0.2);
    EXPECT_EQ(imageOf(s).direction.x, 0.6);
    EXPECT_EQ(imageOf(s).direction.z, -0.8);

    const TermFields free = fieldE(s, p, 0, {Ground::FreeSpace});
    const TermFields perfect = fieldE(s, p, 0, {Ground::Perfect});
    FakeGround unit(1.0), half(0.5);
    const TermFields same = fieldE(s, p, 0, {Ground::Perfect, &unit});
    const TermFields halved = fieldE(s, p, 0, {Ground::Perfect, &half});
    EXPECT_EQ(unit.calls, 1);
    EXPECT_EQ(free.sine.x, direct.sine.x);
    EXPECT_EQ(perfect.sine.x, direct.sine.x - image.sine.x);
    EXPECT_EQ(same.sine.x, perfect.sine.x);
    EXPECT_EQ(same.constant.z, perfect.constant.z + 1.0);
    EXPECT_NEAR(std::abs(halved.cosine.y - (direct.cosine.y - 0.5 * image.cosine.y)), 0, 1e-15);
}

} // namespace
} // namespace kvarn::mom
