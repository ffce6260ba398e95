#include "console/line_input.h"

#include <gtest/gtest.h>

#include <string>

#include "console/text_out.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

TEST(LineInput, EchoEraseClearAndEnter) {
    MemoryConsole con;
    writeText(output, "? ");
    con.type("jx\bn");
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), "jn");
    EXPECT_EQ(con.row(1).substr(0, 5), "? jn ");
    EXPECT_EQ(screen.cursorX(), 1);
    EXPECT_EQ(screen.cursorY(), 2);

    con.type("abc");
    con.type(keys::Esc);
    con.type("d");
    con.type(keys::Right); // a cursor key types nothing
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), "d");
    EXPECT_EQ(con.row(2).substr(0, 4), "d   ");

    con.type("\b\b");
    con.type(keys::Enter);
    EXPECT_EQ(readLineText(), ""); // Backspace on an empty line changes nothing
}

TEST(LineInput, HoldsAtMost254Characters) {
    MemoryConsole con;
    con.type(std::string(300, 'a'));
    con.type(keys::Enter);
    EXPECT_EQ(readLineText().size(), 254u);
}

TEST(LineInput, FirstCharacterOfTheReply) {
    MemoryConsole con;
    struct Case {
        const char* typed;
        char first;
    } cases[] = {{"j", 'j'}, {"Ja", 'J'}, {"nein", 'n'}, {"", '\r'}, {" j", ' '}};
    for (auto c : cases) {
        con.type(c.typed);
        con.type(keys::Enter);
        EXPECT_EQ(readFirstChar(), c.first) << c.typed;
    }
}

} // namespace
} // namespace kvarn
