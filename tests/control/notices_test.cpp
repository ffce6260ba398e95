#include "control/notices.h"

#include <gtest/gtest.h>

#include "control/program_variant.h"
#include "support/memory_console.h"

namespace kvarn {
namespace {

struct NoticesTest : ::testing::Test {};

TEST_F(NoticesTest, UsageNoticeWaitsForOneLine) {
    MemoryConsole con;
    con.type("egal");
    con.type(keys::Enter);
    con.type("x");
    selectVariant(kvarn7t);
    showNotice();
    EXPECT_EQ(con.keysLeft(), 1u); // only the first line was read
    auto rows = con.rows();
    EXPECT_EQ(rows[0], "");
    EXPECT_EQ(rows[1], "Dieses Programmes ist:");
    EXPECT_EQ(rows[3], "- im Amateurfunk frei verwendbar");
    EXPECT_EQ(rows[5], "- fuer kommerzielle Anwendungen wird eine Spende zu Gunsten");
    EXPECT_EQ(rows[6].substr(0, 2), "  ");
    EXPECT_EQ(rows[6].substr(rows[6].size() - 8), "erwartet");
    EXPECT_EQ(rows[7].substr(0, 8), "  IBAN: ");
    EXPECT_EQ(rows[8], "");
    EXPECT_EQ(rows[9], "");
    EXPECT_FALSE(rows[10].empty());
    EXPECT_EQ(rows[11], "");
    EXPECT_EQ(con.row(13).substr(0, 27), "Zur Kenntnis genommen: egal");
}

TEST_F(NoticesTest, SpecialVersionNeedsASecondEnter) {
    MemoryConsole con;
    con.type(keys::Enter);
    selectVariant(kvarn7k);
    EXPECT_THROW(showNotice(), ScriptEnded); // still waiting at the second screen
    auto rows = con.rows();
    EXPECT_EQ(rows[1], "A C H T U N G :  Dies ist eine Spezialversion des Programms kvarn-7t.");
    EXPECT_EQ(rows[4], "Wellenlaengen, fuer die die Gesamtlaee der Antenne zu kurz ist.");
    EXPECT_EQ(rows[8], "Bei den Eckpunkten auf die richtige Antennenlaenge achten!");
    EXPECT_EQ(con.row(11).substr(0, 8), "weiter: ");
    EXPECT_EQ(rows[12], ""); // the first screen was cleared

    con.type(keys::Enter);
    con.type(keys::Enter);
    showNotice();
    EXPECT_EQ(con.keysLeft(), 0u);
}

} // namespace
} // namespace kvarn
