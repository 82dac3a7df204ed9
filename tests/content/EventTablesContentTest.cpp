// The shipped event tables (data/bin/p1..p3_events.bin) as the game reads
// them: every income and expense of the budget's lists comes on a fixed day
// with the same amount and flag, the drawn events are many and not dated,
// the events the game queues itself are there, level 3 is harsher than
// level 1, and every title and answer draws in its font inside its window.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/EventRecord.h"
#include "sim/FiscoraFlags.h"

namespace {

std::vector<EventRecord> readTable(int level) {
    const std::string bytes = test::readFile(std::string(FISCORA_SOURCE_DIR) + "/data/bin/p" +
                                             std::to_string(level) + "_events.bin");
    std::vector<EventRecord> records;
    for (std::size_t at = 0; at + EventRecord::SIZE <= bytes.size(); at += EventRecord::SIZE) {
        records.push_back(
            EventRecord::decode(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    }
    return records;
}

bool isDated(const EventRecord& r) {
    return r.type == EventType::INCOME || r.type == EventType::BILL;
}

// What an answer shows with "$" replaced by the largest amount.
std::string shown(const std::string& text, const EventRecord& r) {
    const int32_t largest = std::max(std::abs(r.value), std::abs(r.maxValue));
    std::string out;
    for (char c : text) {
        out += c == '$' ? std::to_string(largest) : std::string(1, c);
    }
    return out;
}

// The expected money of one drawn event at the start of a game of `level`:
// the middle of each range, weighted, over the events ready with the flags
// that level starts with.
double expectedDraw(const std::vector<EventRecord>& table, const std::vector<int>& raised) {
    auto has = [&](int flag) {
        return std::find(raised.begin(), raised.end(), flag) != raised.end();
    };
    double sum = 0;
    int weights = 0;
    for (const EventRecord& r : table) {
        if (r.weight > 0 && (r.requiredFlag == 0 || has(r.requiredFlag)) &&
            (r.excludingFlag == 0 || !has(r.excludingFlag))) {
            sum += r.weight * (r.maxValue == 0 ? r.value : (r.value + r.maxValue - 100) / 2.0);
            weights += r.weight;
        }
    }
    return weights ? sum / weights : 0;
}

}  // namespace

TEST(EventTablesContent, EveryBudgetLineIsOneDatedEventAndEveryDatedEventABudgetLine) {
    XmlReader constants("fiscoraConstants.xml");
    ASSERT_NE(constants.getRootElement(), nullptr);
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const std::vector<EventRecord> table = readTable(level);
        int lines = 0;
        for (TiXmlElement* line = constants.getRootElement()->FirstChildElement(); line;
             line = line->NextSiblingElement()) {
            const std::string kind = line->Value();
            if (kind != "income" && kind != "expense") {
                continue;
            }
            ++lines;
            const std::string name = xml::getAttributeString(line, "name");
            const std::string flagName = xml::getAttributeString(line, "flag", false);
            const int flag = flagName == "ALWAYS" ? 0 : FiscoraFlags::fromString(flagName);
            const int amount = xml::getAttributeInt(line, "value" + std::to_string(level));
            int found = 0;
            for (const EventRecord& r : table) {
                found += isDated(r) && r.requiredFlag == flag &&
                         r.type == (kind == "income" ? EventType::INCOME : EventType::BILL) &&
                         r.value == (kind == "income" ? amount : -amount) && r.maxValue == 0;
            }
            EXPECT_EQ(found, 1) << name;
        }
        int dated = 0;
        for (const EventRecord& r : table) {
            if (isDated(r)) {
                ++dated;
                EXPECT_TRUE(r.day >= 1 && r.day <= 28 && r.month == 0 && r.weight == 0) << r.id;
                EXPECT_EQ(r.textB.empty(), r.type == EventType::INCOME) << r.id;
            }
        }
        EXPECT_EQ(dated, lines);
    }
}

TEST(EventTablesContent, DrawnEventsQueuedEventsAndTheLevelsHarshness) {
    const std::vector<std::vector<int>> startFlags = {
        {FiscoraFlags::LONA, FiscoraFlags::HOMEINS, FiscoraFlags::TELEFON},
        {FiscoraFlags::LONA, FiscoraFlags::TELEFON},
        {FiscoraFlags::STBIDRAG, FiscoraFlags::STUDIELAN, FiscoraFlags::LONB,
         FiscoraFlags::TELEFON}};
    std::vector<double> expected;
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const std::vector<EventRecord> table = readTable(level);
        std::map<int, const EventRecord*> byId;
        std::map<int, int> types;
        int drawn = 0;
        for (const EventRecord& r : table) {
            byId[r.id] = &r;
            ++types[r.type];
            if (r.weight > 0) {
                ++drawn;
                // A drawn event with a day would also come every month.
                EXPECT_TRUE(r.day == 0 && r.cooldown >= 2 && !r.image.empty()) << r.id;
            }
            // Its icon, and the report picture of every event but bills.
            const std::string gfx = std::string(FISCORA_SOURCE_DIR) + "/data/gfx/event_";
            EXPECT_TRUE(std::filesystem::exists(gfx + EventType::toString(r.type) + ".png"))
                << r.id;
            if (r.type != EventType::INCOME && r.type != EventType::BILL) {
                EXPECT_TRUE(std::filesystem::exists(gfx + r.image + ".png"))
                    << r.id << " " << r.image;
            }
        }
        EXPECT_GE(drawn, 25);
        EXPECT_EQ(types[EventType::COLLECTOR], 1);
        EXPECT_EQ(types[EventType::THIEF], 1);
        for (int id : {35, 40, 41, 42, 45}) {
            ASSERT_TRUE(byId.count(id)) << id;
            EXPECT_EQ(byId[id]->weight, 0) << id;
            EXPECT_EQ(byId[id]->cooldown, 0) << id << " must be ready when queued";
        }
        EXPECT_EQ(byId[35]->type, EventType::ACHIEVEMENT);
        expected.push_back(expectedDraw(table, startFlags[level - 1]));
    }
    EXPECT_LT(expected[2], expected[1]);
    EXPECT_LT(expected[1], expected[0]);
}

TEST(EventTablesContent, TitlesAndAnswersDrawInTheirFontsInsideTheirWindows) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    // The report window is 420 wide, the bill 340; an answer starts 20 past
    // its 52-wide button at x 24 and ends 16 before the edge. An event's
    // title is centred in the large font, a bill's written in the small one.
    const float eventAnswer = 420 - 24 - 52 - 20 - 16;
    const float billAnswer = 340 - 24 - 52 - 20 - 16;
    for (int level = 1; level <= 3; ++level) {
        for (const EventRecord& r : readTable(level)) {
            SCOPED_TRACE("level " + std::to_string(level) + " event " + std::to_string(r.id));
            const bool bill = isDated(r);
            const Text title(bill ? "font_tessaline_19_black.fnt" : "font_tessaline_28.fnt",
                             r.title);
            EXPECT_TRUE(title.hasFont() && !r.title.empty());
            EXPECT_LE(title.getWidth(), bill ? 340 - 24 - 16 : 382) << r.title;
            for (const std::string* answer : {&r.textA, &r.textB}) {
                const Text text(bill ? "font_tessaline_19_black.fnt" : "font_tessaline_19.fnt",
                                shown(*answer, r));
                EXPECT_TRUE(text.hasFont());
                EXPECT_LE(text.getWidth(), bill ? billAnswer : eventAnswer) << text.getText();
            }
            EXPECT_FALSE(r.textA.empty());
        }
    }
}
