#pragma once
// The second stage: the interaction matrix. Row i is the tangential E at
// the centre of segment i (on the wire's surface) for 1 A of every basis
// function; the boundary condition there is that it cancels the source's
// applied field (point matching at segment centres).

#include <Eigen/Dense>

#include "mom/basis.h"
#include "mom/segment_field.h"
#include "mom/wire.h"

namespace kvarn::mom {

using ComplexMatrix = Eigen::MatrixXcd;

// Fills the matrix in V/m per A, its rows spread over `threads` threads
// (0: momThreads()).
ComplexMatrix fillInteractionMatrix(const Segments& wire, const Expansion& expansion,
                                    const GroundModel& ground, unsigned threads = 0);

} // namespace kvarn::mom
