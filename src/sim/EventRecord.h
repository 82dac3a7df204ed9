#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The kinds of events; the names also build the report icons' file names.
struct EventType {
    enum _enum {
        UNDEFINED,
        BASE,
        BONUS,
        HEALTH,
        VISITOR,
        CAUTION,
        CRITICAL,
        PHONE,
        INTERNET,
        PAPER,
        ACHIEVEMENT,
        EXPENSE,
        INCOME,
        INFO,
        MAIL,
        BILL,
        COLLECTOR,
        THIEF,
        COUNT
    };
    // A value outside the table names "UNDEFINED".
    static std::string toString(int type);
    // UNDEFINED for an unknown name.
    static _enum fromString(const std::string& name);
};

// One event of the event tables ("p1_events.bin" ...): a fixed-size record of
// 948 bytes, little-endian, texts in Windows-1252. The game reads the tables
// and the table compiler writes them through this one definition.
struct EventRecord {
    static constexpr std::size_t SIZE = 948;
    // Field sizes in bytes, the terminating zero included.
    static constexpr std::size_t TITLE_SIZE = 32;
    static constexpr std::size_t NOTE_SIZE = 512;
    static constexpr std::size_t TEXT_SIZE = 128;
    static constexpr std::size_t IMAGE_SIZE = 73;

    int32_t id = 0;
    std::string title;
    int32_t type = EventType::UNDEFINED;
    // Never read by the game: the compiler keeps the source's note here.
    std::string note;
    // Kronor; negative = the player pays. With maxValue not 0, a range.
    int32_t value = 0;
    int32_t maxValue = 0;
    // Day of the month a dated event fires on; also the day delay of the
    // follow-ups and reminders it queues.
    int32_t day = 0;
    // 1-based month of a dated event; 0 = every month.
    int32_t month = 0;
    // The two answers; "$" stands for the amount.
    std::string textA;
    std::string textB;
    int32_t weight = 0;
    int32_t requiredFlag = 0;
    int32_t excludingFlag = 0;
    int32_t acceptId = 0;
    int32_t acceptDelay = 0;
    int32_t acceptFlag = 0;
    int32_t acceptLowered = 0;
    int32_t rejectId = 0;
    int32_t rejectDelay = 0;
    int32_t secondFlag = 0;
    int32_t secondLowered = 0;
    int32_t cooldown = 0;
    // The report picture is "event_" + image + ".png".
    std::string image;
    bool enabled = true;

    // Reads one record from SIZE bytes. A text that fills its field without
    // a terminating zero is read only within its field.
    static EventRecord decode(const unsigned char* bytes);
    // Writes SIZE bytes; a text longer than its field less one is cut (the
    // compiler refuses such texts before it gets here).
    void encode(unsigned char* bytes) const;
};
