#pragma once
// The field model's tests' own antenna and pass: an element table laid by
// the discretisation, the wavelength and angular frequency of a frequency,
// and the height of the field points, handed to the element loop as the
// inputs of a pass. The interactive programs' state is never touched, so
// these tests see the field model as any caller of it does.

#include <cstdint>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "field/antenna.h"
#include "field/discretize.h"
#include "field/frequency.h"
#include "field/point_work.h"
#include "field/wire_length.h"

namespace kvarn::test {

class FieldFixture : public ::testing::Test {
  protected:
    // lambda and omega of freq (MHz), as the forms derive them.
    void setFrequency(double freq) {
        lambda = wavelength(freq);
        omega = angularFrequency(freq);
    }

    // The standing wave of lambda and power on the wire through these
    // corners, its length counted in whole metres as the forms count it.
    void layWire(std::vector<CornerPoint> wire) {
        corners = std::move(wire);
        count = discretizeWire(AntennaModel::standingWave, corners, wireLength(corners), lambda,
                               power, table);
    }

    // One element of 1 m with the given centre, direction and current as the
    // whole antenna.
    void setSingleElement(CornerPoint centre, CornerPoint direction, double current) {
        table[1] = AntennaElement{centre.x,    centre.y,    centre.z, direction.x,
                                  direction.y, direction.z, current,  1.0};
        count = 1;
    }

    // What every point of a pass in this mode reads.
    PointInputs inputs(char mode = 'E') const {
        return {&table, count, lambda, omega, height, mode};
    }

    // The element loop over the point (x, y) at the height in the mode; the
    // work record afterwards.
    PointWork sumAt(double x, double y, char mode) const {
        PointWork work;
        startPoint(work, x, y);
        sumElements(inputs(mode), work);
        return work;
    }
    // The point's value in the mode.
    double valueAt(double x, double y, char mode) const {
        return pointValue(mode, sumAt(x, y, mode));
    }
    // The value as if the point were not too close (for the near field).
    double rawValueAt(double x, double y, char mode) const {
        PointWork work = sumAt(x, y, mode);
        work.tooclose = false;
        return pointValue(mode, work);
    }

    ElementTable table;               // the antenna's elements
    std::uint16_t count = 0;          // valid entries of table
    std::vector<CornerPoint> corners; // the wire last laid, m
    double lambda = 0;                // m
    double omega = 0;                 // rad/s
    double power = 100;               // W
    double height = 0;                // m, z of every field point
};

} // namespace kvarn::test
