#pragma once
// The commented example station files that `kvarn example` prints: the
// method of moments (to file an assessment with), and with --exact the
// exact standing-wave model of the interactive programs, and with --site a
// site of two antennas.

namespace kvarn {

inline constexpr const char* kExactExampleStation =
    R"(# kvarn station file: one wire antenna, the bands it is used on, and the
# grid of points where people can be. Lengths in metres, frequencies in MHz.
# Run:  kvarn assess station.toml --out results --csv

title = "antenne"          # report title and stem of the output names (1 to 12
                           # letters, digits, - . _)
language = "en"            # of the table, the maps and the printed report: "en",
                           # or "de" (the default with the 26. BImSchV)
model = "standing-wave"    # "standing-wave", or "short" for a wire between a
                           # quarter and a little under half a wavelength
corners = [[0, 0, 7], [20, 0, 7], [40, 0, 4]]   # 2 to 10 corners, x y z;
                           # the wire counts 1 to 800 m in whole metres
modes = ["E", "M"]         # report files to write, any of R T E M Z

[grid]                     # a horizontal rectangle of points, at each height
x = [-10, 50]              # first and last column
y = [-10, 10]              # lowest and highest row
step = 1                   # spacing in x and y
heights = [0.5, 2.0]       # one or more heights above the ground

[[band]]                   # one table per band
frequency = 3.65
power = 750                # W at the transmitter
mode_factor = 1.0          # peak to mean power of the mode, 0 < f <= 1 (e.g. 0.5)
transmit_share = 1.0       # share of any 6 minutes the transmitter sends, 0 < s <= 1
loss_db = 0.0              # feed line, connector and tuner loss in dB

[[band]]
frequency = 7.1
power = 100
loss_db = 0.5

[[band]]
frequency = 14.2
power = 100
mode_factor = 0.5
loss_db = 1.0

[limits]
set = "26bimschv"          # "26bimschv", "icnirp2020" or "fcc"
)";

inline constexpr const char* kExampleStation =
    R"(# kvarn station file: one wire antenna, the bands it is used on, and the
# grid of points where people can be. Lengths in metres, frequencies in MHz.
# Run:  kvarn assess station.toml --out results --csv

title = "antenne"          # report title and stem of the output names (1 to 12
                           # letters, digits, - . _)
language = "en"            # of the table, the maps and the printed report: "en",
                           # or "de" (the default with the 26. BImSchV)
model = "mom"              # the method of moments: the wire's own currents from
                           # where it is fed, over the ground below it
corners = [[0, 0, 7], [20, 0, 7], [40, 0, 4]]   # 2 to 10 corners, x y z; 1 to 800 m
feed = 20.0                # m along the wire from its first corner to the feed
wire_diameter_mm = 2.0     # the wire's diameter

[ground]                   # what lies under the wire
kind = "real"              # "real" soil, "perfect" ground or "free" space
soil = "average"           # "poor", "average", "good", "sea" or "city", or
                           # permittivity = 13 and conductivity = 0.005 (S/m)

[grid]                     # a horizontal rectangle of points, at each height
x = [-10, 50]              # first and last column
y = [-10, 10]              # lowest and highest row
step = 1                   # spacing in x and y
heights = [0.5, 2.0]       # one or more heights above the ground

[[band]]                   # one table per band
frequency = 3.65
power = 750                # W at the transmitter
mode_factor = 1.0          # peak to mean power of the mode, 0 < f <= 1 (e.g. 0.5)
transmit_share = 1.0       # share of any 6 minutes the transmitter sends, 0 < s <= 1
loss_db = 0.0              # feed line, connector and tuner loss in dB

[[band]]
frequency = 7.1
power = 100
loss_db = 0.5

[[band]]
frequency = 14.2
power = 100
mode_factor = 0.5
loss_db = 1.0

[limits]
set = "26bimschv"          # "26bimschv", "icnirp2020" or "fcc"
)";

inline constexpr const char* kSiteExampleStation =
    R"(# kvarn station file of a whole site: two wire antennas on one plot, the
# bands each is used on, the plot and the places where people are.
# Lengths in metres, frequencies in MHz.
# Run:  kvarn assess site.toml --out site --maps --pdf

title = "standort"         # report title and stem of the output names
language = "de"            # "de" or "en": the table, the maps and the printed report
                           # (default "de" with the 26. BImSchV, otherwise "en")

[site]                     # the own plot and who files the record
operator = "Erika Mustermann"
callsign = "DL0XYZ"
address = "Musterweg 1, 12345 Musterstadt"
boundary = [[-12, -14], [52, -14], [52, 14], [-12, 14]]   # corners of the plot, x y
public_height = 2.0        # from this height up, everyone outside the plot may be
north = 0                  # degrees from the y axis to north, clockwise
simultaneous = false       # true when the antennas send at the same time: their
                           # exposures then add up

[[place]]                  # a place where people are, named in the record
name = "Terrasse"
at = [30, 10, 1.5]

[[place]]
name = "Nachbargarten"
at = [20, 16, 1.5]

[ground]                   # what lies under the wires
kind = "real"
soil = "average"

[[antenna]]                # one table per antenna
name = "Dipol 80/40"       # 1 to 40 characters, names the antenna in every output
model = "mom"
corners = [[0, 0, 10], [40, 0, 10]]
feed = 20.0
wire_diameter_mm = 2.0

  [[antenna.band]]
  frequency = 3.65
  power = 750
  mode_factor = 0.5        # SSB
  transmit_share = 0.5     # sends at most half of any 6 minutes
  loss_db = 0.5

  [[antenna.band]]
  frequency = 7.1
  power = 400
  mode_factor = 0.5
  loss_db = 0.5

[[antenna]]
name = "Dipol 20"
model = "mom"
corners = [[10, -8, 8], [20, -8, 8]]
feed = 5.0

  [[antenna.band]]
  frequency = 14.2
  power = 400
  mode_factor = 0.5
  loss_db = 1.0

[limits]
set = "26bimschv"
)";

} // namespace kvarn
