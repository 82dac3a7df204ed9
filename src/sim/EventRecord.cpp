#include "sim/EventRecord.h"

#include <algorithm>
#include <cstring>

#include "core/EnumNames.h"

namespace {

const char* const TYPE_NAMES[] = {"UNDEFINED",   "BASE",      "BONUS",  "HEALTH",   "VISITOR",
                                  "CAUTION",     "CRITICAL",  "PHONE",  "INTERNET", "PAPER",
                                  "ACHIEVEMENT", "EXPENSE",   "INCOME", "INFO",     "MAIL",
                                  "BILL",        "COLLECTOR", "THIEF"};
static_assert(sizeof(TYPE_NAMES) / sizeof(TYPE_NAMES[0]) == EventType::COUNT);

// Offsets of the record's fields.
enum Offset : std::size_t {
    ID = 0,
    TITLE = 4,
    TYPE = 36,
    NOTE = 40,
    VALUE = 552,
    MAX_VALUE = 556,
    DAY = 560,
    MONTH = 564,
    TEXT_A = 568,
    TEXT_B = 696,
    WEIGHT = 824,
    REQUIRED_FLAG = 828,
    EXCLUDING_FLAG = 832,
    ACCEPT_ID = 836,
    ACCEPT_DELAY = 840,
    ACCEPT_FLAG = 844,
    ACCEPT_LOWERED = 848,
    REJECT_ID = 852,
    REJECT_DELAY = 856,
    SECOND_FLAG = 860,
    SECOND_LOWERED = 864,
    COOLDOWN = 868,
    IMAGE = 872,
    ENABLED = 945,
};
static_assert(ENABLED + 3 == EventRecord::SIZE);

int32_t readInt(const unsigned char* bytes, std::size_t at) {
    const uint32_t value =
        static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
        static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
    return static_cast<int32_t>(value);
}

void writeInt(unsigned char* bytes, std::size_t at, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

std::string readText(const unsigned char* bytes, std::size_t at, std::size_t size) {
    const char* start = reinterpret_cast<const char*>(bytes + at);
    const void* end = std::memchr(start, 0, size);
    return std::string(start, end ? static_cast<const char*>(end) - start : size);
}

void writeText(unsigned char* bytes, std::size_t at, std::size_t size, const std::string& text) {
    std::memset(bytes + at, 0, size);
    std::memcpy(bytes + at, text.data(), std::min(text.size(), size - 1));
}

}  // namespace

std::string EventType::toString(int type) {
    return enumnames::toString(TYPE_NAMES, type);
}

EventType::_enum EventType::fromString(const std::string& name) {
    return static_cast<_enum>(enumnames::fromString(TYPE_NAMES, name));
}

EventRecord EventRecord::decode(const unsigned char* bytes) {
    EventRecord record;
    record.id = readInt(bytes, ID);
    record.title = readText(bytes, TITLE, TITLE_SIZE);
    record.type = readInt(bytes, TYPE);
    record.note = readText(bytes, NOTE, NOTE_SIZE);
    record.value = readInt(bytes, VALUE);
    record.maxValue = readInt(bytes, MAX_VALUE);
    record.day = readInt(bytes, DAY);
    record.month = readInt(bytes, MONTH);
    record.textA = readText(bytes, TEXT_A, TEXT_SIZE);
    record.textB = readText(bytes, TEXT_B, TEXT_SIZE);
    record.weight = readInt(bytes, WEIGHT);
    record.requiredFlag = readInt(bytes, REQUIRED_FLAG);
    record.excludingFlag = readInt(bytes, EXCLUDING_FLAG);
    record.acceptId = readInt(bytes, ACCEPT_ID);
    record.acceptDelay = readInt(bytes, ACCEPT_DELAY);
    record.acceptFlag = readInt(bytes, ACCEPT_FLAG);
    record.acceptLowered = readInt(bytes, ACCEPT_LOWERED);
    record.rejectId = readInt(bytes, REJECT_ID);
    record.rejectDelay = readInt(bytes, REJECT_DELAY);
    record.secondFlag = readInt(bytes, SECOND_FLAG);
    record.secondLowered = readInt(bytes, SECOND_LOWERED);
    record.cooldown = readInt(bytes, COOLDOWN);
    record.image = readText(bytes, IMAGE, IMAGE_SIZE);
    record.enabled = bytes[ENABLED] != 0;
    return record;
}

void EventRecord::encode(unsigned char* bytes) const {
    std::memset(bytes, 0, SIZE);
    writeInt(bytes, ID, id);
    writeText(bytes, TITLE, TITLE_SIZE, title);
    writeInt(bytes, TYPE, type);
    writeText(bytes, NOTE, NOTE_SIZE, note);
    writeInt(bytes, VALUE, value);
    writeInt(bytes, MAX_VALUE, maxValue);
    writeInt(bytes, DAY, day);
    writeInt(bytes, MONTH, month);
    writeText(bytes, TEXT_A, TEXT_SIZE, textA);
    writeText(bytes, TEXT_B, TEXT_SIZE, textB);
    writeInt(bytes, WEIGHT, weight);
    writeInt(bytes, REQUIRED_FLAG, requiredFlag);
    writeInt(bytes, EXCLUDING_FLAG, excludingFlag);
    writeInt(bytes, ACCEPT_ID, acceptId);
    writeInt(bytes, ACCEPT_DELAY, acceptDelay);
    writeInt(bytes, ACCEPT_FLAG, acceptFlag);
    writeInt(bytes, ACCEPT_LOWERED, acceptLowered);
    writeInt(bytes, REJECT_ID, rejectId);
    writeInt(bytes, REJECT_DELAY, rejectDelay);
    writeInt(bytes, SECOND_FLAG, secondFlag);
    writeInt(bytes, SECOND_LOWERED, secondLowered);
    writeInt(bytes, COOLDOWN, cooldown);
    writeText(bytes, IMAGE, IMAGE_SIZE, image);
    bytes[ENABLED] = enabled ? 1 : 0;
}
