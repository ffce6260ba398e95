#include "console/key_decoder.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kvarn {
namespace {

using Codes = std::vector<int>;

// Feeds the bytes at once, then lets the escape wait run out.
Codes decode(std::string_view bytes) {
    KeyDecoder d;
    d.feed(bytes);
    d.elapse(KeyDecoder::kEscapeWaitMs);
    Codes codes;
    while (d.hasKey())
        codes.push_back(d.takeKey());
    return codes;
}

std::string printable(std::string_view bytes) {
    std::string s;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f) {
            s += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            s += hex;
        }
    }
    return s;
}

struct Row {
    std::string_view bytes;
    Codes codes;
};

void expectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows)
        EXPECT_EQ(decode(row.bytes), row.codes) << "bytes: " << printable(row.bytes);
}

TEST(KeyDecoder, SingleBytes) {
    expectRows({
        {"a", {'a'}},
        {"Z", {'Z'}},
        {" ", {' '}},
        {"~", {'~'}},
        {"\x7f", {8}},                       // Backspace as DEL
        {"\x08", {8}},                       // Backspace as BS
        {"\t", {9}},                         // Tab
        {"\r", {13}},                        // Enter
        {"\n", {13}},                        // Enter as LF
        {"\x01", {1}},                       // Ctrl+A: its control code
        {std::string_view("\0", 1), {0, 3}}, // Ctrl+@: never a lone 0
    });
}

TEST(KeyDecoder, CursorAndFunctionKeysByFinalByte) {
    expectRows({
        {"\x1b[A", {0, 72}},    // Up
        {"\x1bOB", {0, 80}},    // Down, application mode
        {"\x1b[1;5C", {0, 77}}, // Ctrl+Right
        {"\x1b[D", {0, 75}},    // Left
        {"\x1b[E", {0, 76}},    // keypad 5
        {"\x1bOH", {0, 71}},    // Home
        {"\x1b[1;2F", {0, 79}}, // Shift+End
        {"\x1bOP", {0, 59}},    // F1
        {"\x1b[1;3Q", {0, 60}}, // Alt+F2
        {"\x1bO5R", {0, 61}},   // Ctrl+F3, old xterm
        {"\x1bOS", {0, 62}},    // F4
    });
}

TEST(KeyDecoder, KeysNumberedWithTilde) {
    expectRows({
        {"\x1b[1~", {0, 71}},     // Home
        {"\x1b[2~", {0, 82}},     // Insert
        {"\x1b[3;5~", {0, 83}},   // Ctrl+Delete
        {"\x1b[4~", {0, 79}},     // End
        {"\x1b[5~", {0, 73}},     // Page Up
        {"\x1b[6~", {0, 81}},     // Page Down
        {"\x1b[7~", {0, 71}},     // Home, rxvt
        {"\x1b[8~", {0, 79}},     // End, rxvt
        {"\x1b[11~", {0, 59}},    // F1
        {"\x1b[12~", {0, 60}},    // F2
        {"\x1b[13~", {0, 61}},    // F3
        {"\x1b[14~", {0, 62}},    // F4
        {"\x1b[15~", {0, 63}},    // F5
        {"\x1b[17~", {0, 64}},    // F6
        {"\x1b[18~", {0, 65}},    // F7
        {"\x1b[19~", {0, 66}},    // F8
        {"\x1b[20~", {0, 67}},    // F9
        {"\x1b[21~", {0, 68}},    // F10
        {"\x1b[23~", {0, 133}},   // F11
        {"\x1b[24;2~", {0, 134}}, // Shift+F12
    });
}

TEST(KeyDecoder, LinuxConsoleFunctionKeys) {
    expectRows({
        {"\x1b[[A", {0, 59}},
        {"\x1b[[B", {0, 60}},
        {"\x1b[[C", {0, 61}},
        {"\x1b[[D", {0, 62}},
        {"\x1b[[E", {0, 63}},
    });
}

TEST(KeyDecoder, ShiftTabAndKeypadEnter) {
    expectRows({
        {"\x1b[Z", {0, 15}}, // Backtab
        {"\x1bOM", {13}},    // keypad Enter, application mode
    });
}

TEST(KeyDecoder, AltWithACharacterGivesThePlaceOnTheKeyboard) {
    expectRows({
        {"\x1bq", {0, 16}}, // first row
        {"\x1b]", {0, 27}},
        {"\x1b"
         "A",
         {0, 30}}, // second row; upper case is the same key
        {"\x1b`", {0, 41}},
        {"\x1b\\", {0, 43}},
        {"\x1bz", {0, 44}}, // third row
        {"\x1b/", {0, 53}},
        {"\x1b"
         "1",
         {0, 120}}, // digit row
        {"\x1b=", {0, 131}},
        {"\x1b!", {0, 255}},        // no place of its own
        {"\x1b\xc3\xa4", {0, 255}}, // Alt+a-umlaut, whole
    });
}

TEST(KeyDecoder, EscAloneAndEscBeforeAControlKey) {
    expectRows({
        {"\x1b", {27}},
        {"\x1b\r", {27, 13}},
        {"\x1b\t", {27, 9}},
        {"\x1b\x7f", {27, 8}},
        {"\x1b\x1b", {27, 27}},
        {"\x1b\x1b[A", {27, 0, 72}},
    });
}

TEST(KeyDecoder, StartedSequencesCutOffByTheWait) {
    expectRows({
        {"\x1b[", {0, 26}},     // Alt+[
        {"\x1bO", {0, 24}},     // Alt+O
        {"\x1b[1;5", {0, 255}}, // broken off: dropped as one key
        {"\x1b[[", {0, 255}},
        {"\xc3", {'?'}},
    });
}

TEST(KeyDecoder, UnknownSequencesNeverArriveAsCharacters) {
    expectRows({
        {"\x1b[99~", {0, 255}},
        {"\x1b[1;5X", {0, 255}},
        {"\x1b[<0;12;5M", {0, 255}}, // a mouse report
        {"\x1b[?1;2c", {0, 255}},    // a device report
        {"\x1b[1 q", {0, 255}},      // with an intermediate byte
        {"\x1bOx", {0, 255}},
        {"\x1b[[Z", {0, 255}},
        {"\x1b[2\r", {0, 255, 13}}, // cut by a control byte, which is a key
        {"\x1b[\r", {0, 26, 13}},   // Alt+[, then Enter
    });
}

// A sequence longer than any key's is skipped up to its final byte, however
// long, and never types its tail.
TEST(KeyDecoder, OverLongSequencesAreOneUnknownKey) {
    const std::string ones(40, '1');
    const std::string csi = "\x1b[" + ones;
    expectRows({
        {csi + "~", {0, 255}},
        {csi + "~5", {0, 255, '5'}},                       // the next key is its own
        {"\x1b[" + std::string(300, '2') + "A", {0, 255}}, // far beyond the cut
        {"\x1b[1;" + ones + " q", {0, 255}},               // parameters, an intermediate
        {"\x1bO" + ones + "P", {0, 255}},
        {csi + "\r7", {0, 255, 13, '7'}},  // cut by a control byte, which is a key
        {csi + "\x1b[B", {0, 255, 0, 80}}, // cut by the next sequence
    });

    // Its tail arriving after a pause is skipped all the same.
    KeyDecoder d;
    d.feed(csi);
    d.elapse(KeyDecoder::kEscapeWaitMs);
    d.feed("1111~x");
    Codes codes;
    while (d.hasKey())
        codes.push_back(d.takeKey());
    EXPECT_EQ(codes, (Codes{0, 255, 'x'}));
}

TEST(KeyDecoder, Utf8CharactersUpTo255AreOneByte) {
    expectRows({
        {"\xc3\xa4", {0xe4}},        // a-umlaut
        {"\xc3\x9f", {0xdf}},        // sharp s
        {"\xc2\xa0", {0xa0}},        // no-break space
        {"\xe2\x82\xac", {'?'}},     // euro sign: beyond one byte
        {"\xf0\x9f\x98\x80", {'?'}}, // emoji, taken whole
        {"\xc1\x81", {'?'}},         // overlong
        {"\x80", {'?'}},             // stray continuation byte
        {"\xc3"
         "a",
         {'?', 'a'}}, // broken: the next byte is a key of its own
    });
}

TEST(KeyDecoder, KeysTypedAheadComeInOrder) {
    EXPECT_EQ(decode("ab\x1b[A\tc\x1b[Z\r\x1b[6~x"),
              (Codes{'a', 'b', 0, 72, 9, 'c', 0, 15, 13, 0, 81, 'x'}));
}

TEST(KeyDecoder, TheWaitForTheRestOfASequence) {
    KeyDecoder d;
    EXPECT_EQ(d.waitLimit(), -1);
    d.feed('a');
    EXPECT_EQ(d.waitLimit(), -1);
    ASSERT_TRUE(d.hasKey());
    EXPECT_EQ(d.takeKey(), 'a');

    // A sequence arriving in pieces, each within the wait, is one key.
    d.feed(0x1b);
    EXPECT_FALSE(d.hasKey());
    EXPECT_EQ(d.waitLimit(), 25);
    d.elapse(20);
    EXPECT_EQ(d.waitLimit(), 5);
    d.feed('[');
    EXPECT_EQ(d.waitLimit(), 25); // every byte starts the wait anew
    d.elapse(24);
    d.feed('B');
    ASSERT_TRUE(d.hasKey());
    EXPECT_EQ(d.takeKey(), 0);
    EXPECT_EQ(d.takeKey(), 80);
    EXPECT_FALSE(d.hasKey());

    // Esc, then a pause as long as the wait: Esc alone, then a character.
    d.feed(0x1b);
    d.elapse(10);
    d.elapse(15);
    ASSERT_TRUE(d.hasKey());
    EXPECT_EQ(d.takeKey(), 27);
    EXPECT_EQ(d.waitLimit(), -1);
    d.feed('q');
    EXPECT_EQ(d.takeKey(), 'q');

    // Esc and a character within the wait: Alt with it.
    d.feed(0x1b);
    d.elapse(5);
    d.feed('q');
    EXPECT_EQ(d.takeKey(), 0);
    EXPECT_EQ(d.takeKey(), 16);
}

} // namespace
} // namespace kvarn
