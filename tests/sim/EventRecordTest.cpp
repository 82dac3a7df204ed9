// The event record: what the compiler writes the game reads back, texts that
// fill their fields are read within them, and the type names both ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/EventRecord.h"

TEST(EventRecord, EveryFieldSurvivesAWriteAndARead) {
    EventRecord record;
    record.id = 45;
    record.title = "F\xf6rlorat jobbet";
    record.type = EventType::CRITICAL;
    record.note = "kommentar";
    record.value = -1200;
    record.maxValue = -300;
    record.day = 25;
    record.month = 3;
    record.textA = "Betala $ kr";
    record.textB = "V\xe4nta";
    record.weight = 7;
    int next = 1;
    for (int32_t* field :
         {&record.requiredFlag, &record.excludingFlag, &record.acceptId, &record.acceptDelay,
          &record.acceptFlag, &record.acceptLowered, &record.rejectId, &record.rejectDelay,
          &record.secondFlag, &record.secondLowered, &record.cooldown}) {
        *field = 100 + next++;  // each field its own value, so a swap shows
    }
    record.image = "job_lost";
    record.enabled = false;

    std::vector<unsigned char> bytes(EventRecord::SIZE, 0xAB);
    record.encode(bytes.data());
    EXPECT_EQ(bytes[946], 0) << "the padding is cleared";
    const EventRecord back = EventRecord::decode(bytes.data());
    EXPECT_EQ(back.id, 45);
    EXPECT_EQ(back.title, record.title);
    EXPECT_EQ(back.type, EventType::CRITICAL);
    EXPECT_EQ(back.note, "kommentar");
    EXPECT_EQ(back.value, -1200);
    EXPECT_EQ(back.maxValue, -300);
    EXPECT_EQ(back.day, 25);
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.textA, record.textA);
    EXPECT_EQ(back.textB, record.textB);
    EXPECT_EQ(back.weight, 7);
    const std::vector<int32_t> fields = {back.requiredFlag,  back.excludingFlag, back.acceptId,
                                         back.acceptDelay,   back.acceptFlag,    back.acceptLowered,
                                         back.rejectId,      back.rejectDelay,   back.secondFlag,
                                         back.secondLowered, back.cooldown};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i], static_cast<int32_t>(101 + i)) << "field " << i;
    }
    EXPECT_EQ(back.image, "job_lost");
    EXPECT_FALSE(back.enabled);
    // The id sits little-endian at the start, the value at offset 552.
    EXPECT_EQ(bytes[0], 45);
    EXPECT_EQ(bytes[552], 0x50);  // -1200 = 0xFFFFFB50
    EXPECT_EQ(bytes[555], 0xFF);
}

TEST(EventRecord, TextsThatFillTheirFieldsAreReadWithinThem) {
    std::vector<unsigned char> bytes(EventRecord::SIZE, 'x');
    const EventRecord record = EventRecord::decode(bytes.data());
    EXPECT_EQ(record.title, std::string(EventRecord::TITLE_SIZE, 'x'));
    EXPECT_EQ(record.note.size(), EventRecord::NOTE_SIZE);
    EXPECT_EQ(record.textA, std::string(EventRecord::TEXT_SIZE, 'x'));
    EXPECT_EQ(record.textB, std::string(EventRecord::TEXT_SIZE, 'x'));
    EXPECT_EQ(record.image, std::string(EventRecord::IMAGE_SIZE, 'x'));
    // Written back, a too long text keeps its terminator.
    EventRecord longer;
    longer.title = std::string(40, 'y');
    longer.encode(bytes.data());
    EXPECT_EQ(EventRecord::decode(bytes.data()).title, std::string(31, 'y'));
}

TEST(EventRecord, TypeNamesGoBothWaysAndOddValuesAreUndefined) {
    for (int type = 0; type < EventType::COUNT; ++type) {
        EXPECT_EQ(EventType::fromString(EventType::toString(type)), type);
    }
    EXPECT_EQ(EventType::toString(EventType::COLLECTOR), "COLLECTOR");
    EXPECT_EQ(EventType::toString(18), "UNDEFINED");
    EXPECT_EQ(EventType::toString(-1), "UNDEFINED");
    EXPECT_EQ(EventType::fromString("RAIN"), EventType::UNDEFINED);
}
