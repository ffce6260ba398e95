// The place where a real ground joins: its image factor and its
// correction reach the field of every segment, E alone on a wire and E
// with H at a point in space, and without one a perfect ground is the
// image of factor 1.
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
    void addEH(const SegmentInWavelengths&, Vec3, TermFields& e, TermFields& h) const override {
        e.constant.z += 1.0;
        h.sine.x += 2.0;
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
    const auto unit = std::make_shared<FakeGround>(1.0), half = std::make_shared<FakeGround>(0.5);
    const TermFields same = fieldE(s, p, 0, {Ground::Perfect, unit});
    const TermFields halved = fieldE(s, p, 0, {Ground::Perfect, half});
    EXPECT_EQ(unit->calls, 1);
    EXPECT_EQ(free.sine.x, direct.sine.x);
    EXPECT_EQ(perfect.sine.x, direct.sine.x - image.sine.x);
    EXPECT_EQ(same.sine.x, perfect.sine.x);
    EXPECT_EQ(same.constant.z, perfect.constant.z + 1.0);
    EXPECT_NEAR(std::abs(halved.cosine.y - (direct.cosine.y - 0.5 * image.cosine.y)), 0, 1e-15);

    // E and H at a point in space come with one call, the image's H scaled
    // by the same factor.
    const TermFields hImage = segmentH(imageOf(s), p, 0);
    const TermFieldsEH both = fieldEH(s, p, {Ground::Real, half});
    EXPECT_EQ(unit->calls, 1);
    EXPECT_EQ(half->calls, 2);
    EXPECT_EQ(both.e.constant.z, halved.constant.z);
    EXPECT_NEAR(std::abs(both.h.sine.x - (segmentH(s, p, 0).sine.x - 0.5 * hImage.sine.x + 2.0)), 0,
                1e-15);
}

} // namespace
} // namespace kvarn::mom
