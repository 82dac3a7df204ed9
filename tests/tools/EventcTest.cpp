// The event-table compiler (build/eventc): the committed tables are what their
// sources compile to, every key of a source lands in its field, and a bad
// source is refused with its file, line and reason and leaves no table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "sim/EventRecord.h"
#include "sim/FiscoraFlags.h"

namespace fs = std::filesystem;

namespace {

struct Compiled {
    int status = 0;
    std::string errors;
    std::vector<EventRecord> records;
    bool wroteTable = false;
};

// Compiles `source` from a file "<dir>/in.events".
Compiled compile(const test::TempDir& dir, const std::string& source) {
    const std::string in = dir.path() + "/in.events";
    const std::string out = dir.path() + "/out.bin";
    const std::string err = dir.path() + "/err.txt";
    test::writeFile(in, source);
    fs::remove(out);
    Compiled run;
    run.status = std::system(
        (std::string(FISCORA_BINARY_DIR) + "/eventc " + in + " " + out + " 2>" + err).c_str());
    run.errors = test::readFile(err);
    run.wroteTable = fs::exists(out);
    const std::string table = run.wroteTable ? test::readFile(out) : "";
    for (std::size_t at = 0; at + EventRecord::SIZE <= table.size(); at += EventRecord::SIZE) {
        run.records.push_back(
            EventRecord::decode(reinterpret_cast<const unsigned char*>(table.data() + at)));
    }
    return run;
}

}  // namespace

TEST(Eventc, CommittedTablesEqualAFreshCompile) {
    for (int level = 1; level <= 3; ++level) {
        const std::string name = "p" + std::to_string(level) + "_events.bin";
        SCOPED_TRACE(name);
        const std::string fresh =
            test::readFile(std::string(FISCORA_BINARY_DIR) + "/events/" + name);
        EXPECT_GE(fresh.size(), 25 * EventRecord::SIZE);
        EXPECT_TRUE(fresh == test::readFile(std::string(FISCORA_SOURCE_DIR) + "/data/bin/" + name))
            << "data/bin/" << name << " is stale: cmake --build build --target event_tables_update";
    }
}

TEST(Eventc, EveryKeyLandsInItsField) {
    test::TempDir dir;
    // A title of 31 letters that take two bytes in UTF-8 and one in the table.
    std::string title;
    for (int i = 0; i < 31; ++i) {
        title += u8"å";
    }
    const Compiled run =
        compile(dir, "# a comment\n\nid: 7\ntitle: " + title +
                         "\ntype: THIEF\nnote: n\nvalue: -700\nmax: -200\nday: 3\n"
                         "month: 4\nyes: Ja $\nno: Nej\nweight: 5\nrequires: LONA\n"
                         "excludes: LONB\non_yes: 8\non_yes_months: 1\nraise: PARTY\n"
                         "lower: SICK\non_no: 7\non_no_months: 2\nraise2: TV\n"
                         "lower2: MAT\ncooldown: 6\nimage: burglary\n\n"
                         "  id: 8  \nenabled: no\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.records.size(), 2u);
    const EventRecord& r = run.records[0];
    EXPECT_EQ(r.title, std::string(31, '\xE5'));
    EXPECT_EQ(std::vector<int>({r.id, r.type, r.value, r.maxValue, r.day, r.month, r.weight}),
              std::vector<int>({7, EventType::THIEF, -700, -200, 3, 4, 5}));
    EXPECT_EQ(std::vector<int>({r.requiredFlag, r.excludingFlag, r.acceptId, r.acceptDelay,
                                r.acceptFlag, r.acceptLowered, r.rejectId, r.rejectDelay,
                                r.secondFlag, r.secondLowered, r.cooldown}),
              std::vector<int>({FiscoraFlags::LONA, FiscoraFlags::LONB, 8, 1, FiscoraFlags::PARTY,
                                FiscoraFlags::SICK, 7, 2, FiscoraFlags::TV, FiscoraFlags::MAT, 6}));
    EXPECT_EQ(r.note + "|" + r.textA + "|" + r.textB + "|" + r.image, "n|Ja $|Nej|burglary");
    EXPECT_TRUE(r.enabled);
    EXPECT_EQ(run.records[1].id, 8);
    EXPECT_EQ(run.records[1].type, EventType::BASE);
    EXPECT_FALSE(run.records[1].enabled);
}

TEST(Eventc, RefusesABadSourceNamingFileLineAndReason) {
    struct Case {
        const char* source;
        int line;
        const char* reason;
    };
    const std::string longTitle = "id: 1\ntitle: " + std::string(32, 'x') + "\n";
    const std::string longAnswer = "id: 1\n\nid: 2\nno: " + std::string(128, 'x') + "\n";
    const Case cases[] = {
        {"id: 1\ntitle: a\n\nid: 1\n", 4, "duplicate id 1 (first at line 1)"},
        {longTitle.c_str(), 2, "title too long: 32 bytes, at most 31"},
        {longAnswer.c_str(), 4, "no too long: 128 bytes, at most 127"},
        {"id: 1\ntype: PARTY\n", 2, "unknown type \"PARTY\""},
        {"id: 1\n\nid: 2\nrequires: LON\n", 4, "unknown flag \"LON\" in requires"},
        {"id: 1\nlower2: END\n", 2, "unknown flag \"END\" in lower2"},
        {"id: 1\ncolour: red\n", 2, "unknown key \"colour\""},
        {"id: 1\non_no: 3\n\nid: 2\n", 2, "follow-up event 3 does not exist in this file"},
        {"id: 1\nyes: Gr\xC5\x91t\n", 2, "character outside Windows-1252 in yes"},
        {"id: 1\nimage: dragon\n", 2, "unknown image \"dragon\""},
        {"id: 1\nvalue: 250\nmax: 1000\n", 3, "a range needs whole hundreds"},
        {"id: 1\nvalue: -200\nmax: -700\n", 3, "a range needs whole hundreds and max above value"},
        {"id: 1\nweight: many\n", 2, "weight is not a whole number: \"many\""},
        {"id: 1\nid: 2\n", 2, "repeated key \"id\" (first at line 1)"},
        {"title: a\n", 1, "event without an id"},
        {"id: 1\nyes Betala\n", 2, "expected \"key: value\""},
    };
    test::TempDir dir;
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.source);
        const Compiled run = compile(dir, bad.source);
        EXPECT_NE(run.status, 0);
        EXPECT_FALSE(run.wroteTable);
        const std::string expected =
            dir.path() + "/in.events:" + std::to_string(bad.line) + ": " + bad.reason;
        EXPECT_NE(run.errors.find(expected), std::string::npos) << run.errors;
    }
}
