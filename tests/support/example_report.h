#pragma once
// The example calculation of the report: mode E, "antenne", 100 W,
// 3.65 MHz, corners (0, 0, 10), (20, 0, 10), (40, 0, 10), height 2.0 m,
// x 0 to 2 by 1, y 0. Its file, byte for byte.

#include <string>

namespace kvarn::testing {

inline const std::string kExampleFileHeader = "\r\n"
                                              "Berechnet wird elektrische Feldstaerke, gesamt\r\n"
                                              "in V/m fuer antenne bei  100 W und   3.650 MHz\r\n"
                                              "\r\n"
                                              "Antennen-Eckpunkt-Koordinaten [m]:\r\n"
                                              "    0.0    0.0   10.0\r\n"
                                              "   20.0    0.0   10.0\r\n"
                                              "   40.0    0.0   10.0\r\n"
                                              "\r\n"
                                              "Berechnungshoehe:  2.0m\r\n"
                                              "\r\n"
                                              " y\\x      0     1     2 \r\n"
                                              "\r\n";

// The row and the summary that follow; an independent calculation of this
// antenna gives 6.37 V/m at x 2, y 0.
inline const std::string kExampleFileBody = "   0   5.74  6.08  6.37 \r\n"
                                            "Maximalwert bei x:  2.00 ; y:  0.00 :  6.37\r\n";

} // namespace kvarn::testing
