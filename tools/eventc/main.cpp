// eventc: compiles one readable event source (art/events/p1.events ...) into
// an event table ("p1_events.bin" ...) of fixed-size records, through the
// same EventRecord the game reads them with.
//
//     eventc <source.events> <table.bin>
//
// The source is UTF-8. An event is a block of "key: value" lines; blocks are
// separated by blank lines; a line starting with "#" is a comment. Keys:
//
//   id            whole number, unique in the file (required)
//   title         heading of the report, at most 31 bytes in Windows-1252
//   type          BASE, BONUS, HEALTH, ... INCOME, BILL, COLLECTOR, THIEF
//                 (the names of EventType; default BASE)
//   note          free text for the writers, at most 511 bytes (never shown)
//   value, max    kronor (negative: the player pays); max 0 = fixed amount,
//                 otherwise a range of whole hundreds from value up to, not
//                 including, max (a cost of 300..700: value -700, max -200)
//   day, month    day of the month a dated event fires on (0 = not dated;
//                 also the day delay of its follow-ups) and its month
//                 (0 = every month)
//   yes, no       the two answers, at most 127 bytes; "$" is the amount;
//                 an empty "no" hides the second answer
//   weight        chance in the monthly draw (0 = never drawn)
//   requires, excludes        a flag (FiscoraFlags name) that must be raised,
//                             or must not be
//   on_yes, on_yes_months     follow-up event on yes, and its delay in months
//   on_no, on_no_months       the same on no
//   raise, lower, raise2, lower2   flags changed when the player says yes
//   cooldown      months before the event can come again
//   image         report picture "event_" + image + ".png", one of IMAGES
//   enabled       yes or no (default yes)
//
// A bad source is refused: every fault is written to stderr as
// "file:line: reason", no table is written and the exit status is 1.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "resource/Encoding.h"
#include "sim/EventRecord.h"
#include "sim/FiscoraFlags.h"

namespace {

// The report pictures that exist.
const char* const IMAGES[] = {
    "party",   "concert",  "birthday",    "friend",  "visitor",   "phone_broken", "laptop",
    "bike",    "sale",     "clothes",     "hygiene", "food",      "sick",         "dentist",
    "gym",     "burglary", "water_leak",  "parking", "fine",      "bonus",        "tax_refund",
    "lottery", "job_lost", "study_books", "mail",    "collector", "achievement6"};

// A follow-up to check once every id of the file is known.
struct FollowUp {
    int id;
    int line;
};

class Compiler {
public:
    explicit Compiler(const std::string& file) : m_file(file) {}

    bool compile(std::istream& in);
    const std::vector<EventRecord>& records() const { return m_records; }

private:
    void fail(int line, const std::string& reason) {
        std::cerr << m_file << ":" << line << ": " << reason << "\n";
        m_ok = false;
    }
    void startBlock(int line);
    void endBlock();
    void setKey(int line, const std::string& key, const std::string& value);
    bool number(int line, const std::string& key, const std::string& value, int32_t& out);
    void flag(int line, const std::string& key, const std::string& value, int32_t& out);
    void text(int line, const std::string& key, const std::string& value, std::size_t field,
              std::string& out);

    std::string m_file;
    bool m_ok = true;
    std::vector<EventRecord> m_records;
    // The open block: its record, first line and keys seen.
    bool m_inBlock = false;
    int m_blockLine = 0;
    EventRecord m_record;
    std::map<std::string, int> m_keys;
    std::map<int32_t, int> m_idLines;
    std::vector<FollowUp> m_followUps;
};

std::string trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool Compiler::compile(std::istream& in) {
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::string content = trim(raw);
        if (content.empty()) {
            endBlock();
            continue;
        }
        if (content[0] == '#') {
            continue;
        }
        if (!m_inBlock) {
            startBlock(line);
        }
        const std::size_t colon = content.find(':');
        if (colon == std::string::npos) {
            fail(line, "expected \"key: value\"");
            continue;
        }
        const std::string key = trim(content.substr(0, colon));
        const auto seen = m_keys.find(key);
        if (seen != m_keys.end()) {
            fail(line, "repeated key \"" + key + "\" (first at line " +
                           std::to_string(seen->second) + ")");
            continue;
        }
        m_keys[key] = line;
        setKey(line, key, trim(content.substr(colon + 1)));
    }
    endBlock();
    for (const FollowUp& followUp : m_followUps) {
        if (followUp.id != 0 && m_idLines.count(followUp.id) == 0) {
            fail(followUp.line,
                 "follow-up event " + std::to_string(followUp.id) + " does not exist in this file");
        }
    }
    if (m_records.empty() && m_ok) {
        fail(line, "no events");
    }
    return m_ok;
}

void Compiler::startBlock(int line) {
    m_inBlock = true;
    m_blockLine = line;
    m_record = EventRecord();
    m_record.type = EventType::BASE;
    m_keys.clear();
}

void Compiler::endBlock() {
    if (!m_inBlock) {
        return;
    }
    m_inBlock = false;
    if (m_keys.count("id") == 0) {
        fail(m_blockLine, "event without an id");
        return;
    }
    const auto first = m_idLines.find(m_record.id);
    if (first != m_idLines.end()) {
        fail(m_keys["id"], "duplicate id " + std::to_string(m_record.id) + " (first at line " +
                               std::to_string(first->second) + ")");
        return;
    }
    // The game draws a range in whole hundreds below max.
    const EventRecord& r = m_record;
    if (r.maxValue != 0 && (r.maxValue <= r.value || r.value % 100 != 0 || r.maxValue % 100 != 0)) {
        fail(m_keys["max"], "a range needs whole hundreds and max above value");
    }
    m_idLines[m_record.id] = m_keys["id"];
    m_records.push_back(m_record);
}

void Compiler::setKey(int line, const std::string& key, const std::string& value) {
    EventRecord& r = m_record;
    // clang-format off
    const std::map<std::string, int32_t*> numbers = {
        {"id", &r.id}, {"value", &r.value}, {"max", &r.maxValue}, {"day", &r.day},
        {"month", &r.month}, {"weight", &r.weight}, {"on_yes", &r.acceptId},
        {"on_yes_months", &r.acceptDelay}, {"on_no", &r.rejectId},
        {"on_no_months", &r.rejectDelay}, {"cooldown", &r.cooldown}};
    const std::map<std::string, int32_t*> flags = {
        {"requires", &r.requiredFlag}, {"excludes", &r.excludingFlag}, {"raise", &r.acceptFlag},
        {"lower", &r.acceptLowered}, {"raise2", &r.secondFlag}, {"lower2", &r.secondLowered}};
    const std::map<std::string, std::pair<std::string*, std::size_t>> texts = {
        {"title", {&r.title, EventRecord::TITLE_SIZE}},
        {"note", {&r.note, EventRecord::NOTE_SIZE}},
        {"yes", {&r.textA, EventRecord::TEXT_SIZE}},
        {"no", {&r.textB, EventRecord::TEXT_SIZE}},
        {"image", {&r.image, EventRecord::IMAGE_SIZE}}};
    // clang-format on
    if (numbers.count(key)) {
        if (number(line, key, value, *numbers.at(key)) && (key == "on_yes" || key == "on_no")) {
            m_followUps.push_back({*numbers.at(key), line});
        }
    } else if (flags.count(key)) {
        flag(line, key, value, *flags.at(key));
    } else if (texts.count(key)) {
        text(line, key, value, texts.at(key).second, *texts.at(key).first);
        if (key == "image" && !value.empty()) {
            bool known = false;
            for (const char* image : IMAGES) {
                known = known || value == image;
            }
            if (!known) {
                fail(line, "unknown image \"" + value + "\"");
            }
        }
    } else if (key == "type") {
        r.type = EventType::fromString(value);
        if (r.type == EventType::UNDEFINED) {
            fail(line, "unknown type \"" + value + "\"");
        }
    } else if (key == "enabled") {
        if (value != "yes" && value != "no") {
            fail(line, "enabled must be yes or no");
        }
        r.enabled = value != "no";
    } else {
        fail(line, "unknown key \"" + key + "\"");
    }
}

bool Compiler::number(int line, const std::string& key, const std::string& value, int32_t& out) {
    std::istringstream in(value);
    long long parsed = 0;
    if (!(in >> parsed) || !in.eof() || parsed < std::numeric_limits<int32_t>::min() ||
        parsed > std::numeric_limits<int32_t>::max()) {
        fail(line, key + " is not a whole number: \"" + value + "\"");
        return false;
    }
    out = static_cast<int32_t>(parsed);
    return true;
}

void Compiler::flag(int line, const std::string& key, const std::string& value, int32_t& out) {
    out = value.empty() ? 0 : FiscoraFlags::fromString(value);
    if (!value.empty() && (out == FiscoraFlags::UNDEFINED || out == FiscoraFlags::END)) {
        fail(line, "unknown flag \"" + value + "\" in " + key);
    }
}

void Compiler::text(int line, const std::string& key, const std::string& value, std::size_t field,
                    std::string& out) {
    std::string problem;
    if (!text::isConvertible(value, &problem)) {
        fail(line, "character outside Windows-1252 in " + key + ": " + problem);
        return;
    }
    out = text::toWindows1252(value);
    if (out.size() >= field) {
        fail(line, key + " too long: " + std::to_string(out.size()) + " bytes, at most " +
                       std::to_string(field - 1));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: eventc <source.events> <table.bin>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ":0: cannot open\n";
        return 1;
    }
    Compiler compiler(argv[1]);
    if (!compiler.compile(in)) {
        return 1;
    }
    std::string table(compiler.records().size() * EventRecord::SIZE, '\0');
    for (std::size_t i = 0; i < compiler.records().size(); ++i) {
        compiler.records()[i].encode(
            reinterpret_cast<unsigned char*>(&table[i * EventRecord::SIZE]));
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
    if (!out.flush()) {
        std::cerr << argv[2] << ":0: cannot write\n";
        return 1;
    }
    return 0;
}
