#include "home/ResultsPage.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/Engine.h"
#include "core/Log.h"
#include "core/Money.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/NewGameState.h"
#include "engine/hge.h"
#include "home/EndGui.h"
#include "resource/Encoding.h"
#include "sim/Achievement.h"
#include "sim/AchievementManager.h"
#include "sim/Scenario.h"
#include "sim/Statistics.h"

// Text from the game (month names, achievement titles) is Windows-1252 in
// memory and goes through text::toUtf8; the literals here are UTF-8 source
// and go onto the page as they are.

namespace {

const char* const FILE_NAME = "fiscora-resultat.html";
const char* const TITLE = u8"Ditt år med Fiscora";
// Below this a month's health or hygiene counts as low.
const int LOW_CONDITION = 50;
const size_t MOST_ADVICE = 5, LEAST_ADVICE = 3;

// Kronor toward zero; not-a-number and amounts beyond any purse are held.
int64_t whole(double amount) {
    if (!std::isfinite(amount)) {
        return 0;
    }
    return static_cast<int64_t>(std::clamp(amount, -1e15, 1e15));
}

std::string kr(double amount) {
    return money::kr(whole(amount));
}

std::string escape(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Game text (Windows-1252) made safe for the page.
std::string gameText(const std::string& windows1252) {
    return escape(text::toUtf8(windows1252));
}

// The new-game screen's name of the level, or its number.
std::string levelName(const ResultsPage::Content& content) {
    return content.levelTitle.empty() ? std::to_string(content.level)
                                      : text::toUtf8(content.levelTitle);
}

// What the page and the advice call each kind of spending.
const char* const SPENT_HEADINGS[SpendingKind::END] = {"Mat", u8"Kläder", "Hygien", u8"Räkningar",
                                                       u8"Händelser"};
const char* const SPENT_WORDS[SpendingKind::END] = {"mat", u8"kläder", "hygien", u8"räkningar",
                                                    u8"händelser"};

bool severalYears(const std::vector<MonthFigures>& months) {
    return !months.empty() && months.front().year != months.back().year;
}

// "Mars", or "Mars år 2" in a game of more than one year.
std::string monthLabel(const MonthFigures& month, bool withYear) {
    std::string label = text::toUtf8(month.name);
    if (label.empty()) {
        label = u8"Månad " + std::to_string(month.number);
    }
    return withYear ? label + u8" år " + std::to_string(month.year) : label;
}

// Swedish writes month names in lower case inside a sentence: "i mars år 2".
std::string monthInSentence(const MonthFigures& month, bool withYear) {
    std::string label = monthLabel(month, withYear);
    if (!label.empty() && label[0] >= 'A' && label[0] <= 'Z') {
        label[0] = static_cast<char>(label[0] - 'A' + 'a');
    }
    return label;
}

std::string shortLabel(const MonthFigures& month) {
    return month.shortName.empty() ? std::to_string(month.number) : text::toUtf8(month.shortName);
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

const char* const STYLE = R"(
body { margin: 0; background: #f3efe6; color: #26323a;
  font-family: "DejaVu Sans", "Segoe UI", Arial, sans-serif; font-size: 15px; }
main { max-width: 920px; margin: 0 auto; padding: 24px 20px 40px; }
header { background: #2f5d62; color: #fff; border-radius: 10px; padding: 18px 24px; }
h1 { margin: 0 0 6px; font-size: 30px; }
header p { margin: 2px 0; color: #f2e6cf; }
section { background: #fff; border-radius: 10px; padding: 14px 22px 18px; margin-top: 16px;
  box-shadow: 0 1px 3px rgba(0, 0, 0, 0.12); }
h2 { margin: 4px 0 10px; font-size: 20px; color: #2f5d62; }
table { border-collapse: collapse; }
td, th { padding: 4px 8px; }
.pair { display: flex; flex-wrap: wrap; gap: 0 16px; }
.pair section { flex: 1 1 300px; }
.sums { width: 100%; }
.sums td { border-bottom: 1px solid #eee; }
.sums .total td { border-top: 2px solid #f2a541; border-bottom: none; font-weight: bold; }
.num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
.neg { color: #b3261e; }
.months { width: 100%; font-size: 12.5px; }
.months th { background: #2f5d62; color: #fff; font-weight: normal; }
.months th.group { background: #4a7f84; }
.months tbody tr:nth-child(even) { background: #f6f3ec; }
.months td:first-child { white-space: nowrap; }
.months td:nth-child(6) { font-weight: bold; }
svg { display: block; width: 100%; height: auto; }
svg text { font-family: inherit; font-size: 12px; fill: #4b5a63; }
ul { margin: 0; padding-left: 22px; }
li { margin: 5px 0; }
.quiet { color: #5d6b73; }
footer { margin-top: 18px; text-align: center; color: #7b868c; font-size: 13px; }
)";

// The chart's frame in SVG units.
const double CHART_W = 860, CHART_H = 330, LEFT = 86, RIGHT = 16, TOP = 16, BOTTOM = 52;

// A step of 1, 2 or 5 times a power of ten giving about five grid lines;
// at least 100 kr, so that a flat year still has a scale.
double roundStep(double span) {
    const double raw = std::max(span / 5, 100.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw) {
            return factor * magnitude;
        }
    }
    return 10 * magnitude;
}

void chart(std::ostringstream& out, const std::vector<MonthFigures>& months) {
    if (months.empty()) {
        out << "<p class=\"quiet\">" << u8"Inga hela månader att visa ännu." << "</p>\n";
        return;
    }
    std::vector<double> values;
    for (const MonthFigures& month : months) {
        values.push_back(static_cast<double>(whole(month.netWorth())));
    }
    // Zero always shows, so that a fall below it stands out.
    const double lowest = std::min(0.0, *std::min_element(values.begin(), values.end()));
    const double highest = std::max(0.0, *std::max_element(values.begin(), values.end()));
    const double step = roundStep(highest - lowest);
    const double bottom = std::floor(lowest / step) * step;
    double top = std::ceil(highest / step) * step;
    if (top <= bottom) {
        top = bottom + step;
    }
    const double plotW = CHART_W - LEFT - RIGHT, plotH = CHART_H - TOP - BOTTOM;
    auto yOf = [&](double value) { return TOP + (top - value) / (top - bottom) * plotH; };
    auto xOf = [&](size_t i) { return LEFT + (i + 0.5) * plotW / months.size(); };

    out << "<svg viewBox=\"0 0 " << CHART_W << ' ' << CHART_H
        << "\" xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" aria-label=\""
        << u8"Det du äger, månad för månad" << "\">\n";
    if (bottom < 0) {
        out << "<rect x=\"" << LEFT << "\" y=\"" << number(yOf(0)) << "\" width=\"" << plotW
            << "\" height=\"" << number(yOf(bottom) - yOf(0)) << "\" fill=\"#fbe9e7\"/>\n";
    }
    const int lines = static_cast<int>(std::lround((top - bottom) / step));
    for (int i = 0; i <= lines; ++i) {
        const double value = bottom + i * step;
        const std::string y = number(yOf(value));
        out << "<line x1=\"" << LEFT << "\" y1=\"" << y << "\" x2=\"" << CHART_W - RIGHT
            << "\" y2=\"" << y << "\" stroke=\"" << (value == 0 ? "#8a949a" : "#e3e0d8")
            << "\"/>\n<text x=\"" << LEFT - 8 << "\" y=\"" << number(yOf(value) + 4)
            << "\" text-anchor=\"end\">" << escape(kr(value)) << "</text>\n";
    }
    out << "<line x1=\"" << LEFT << "\" y1=\"" << TOP << "\" x2=\"" << LEFT << "\" y2=\""
        << CHART_H - BOTTOM << "\" stroke=\"#8a949a\"/>\n";
    // Month names under the axis, and the year under the first month of each.
    const bool withYear = severalYears(months);
    for (size_t i = 0; i < months.size(); ++i) {
        out << "<text x=\"" << number(xOf(i)) << "\" y=\"" << CHART_H - BOTTOM + 18
            << "\" text-anchor=\"middle\">" << escape(shortLabel(months[i])) << "</text>\n";
        if (withYear && (i == 0 || months[i].year != months[i - 1].year)) {
            out << "<text x=\"" << number(xOf(i)) << "\" y=\"" << CHART_H - BOTTOM + 36
                << "\" text-anchor=\"middle\" font-weight=\"bold\">" << u8"År " << months[i].year
                << "</text>\n";
        }
    }
    out << "<polyline fill=\"none\" stroke=\"#2f5d62\" stroke-width=\"3\" "
           "stroke-linejoin=\"round\" points=\"";
    for (size_t i = 0; i < months.size(); ++i) {
        out << (i ? " " : "") << number(xOf(i)) << ',' << number(yOf(values[i]));
    }
    out << "\"/>\n";
    for (size_t i = 0; i < months.size(); ++i) {
        out << "<circle cx=\"" << number(xOf(i)) << "\" cy=\"" << number(yOf(values[i]))
            << "\" r=\"5\" fill=\"" << (values[i] < 0 ? "#b3261e" : "#f2a541")
            << "\" stroke=\"#2f5d62\" stroke-width=\"2\"><title>"
            << escape(monthLabel(months[i], withYear) + ": " + kr(values[i]))
            << "</title></circle>\n";
    }
    out << "</svg>\n";
}

// An amount in a table cell, red below zero.
std::string cell(double amount) {
    const int64_t kronor = whole(amount);
    return std::string("<td class=\"num") + (kronor < 0 ? " neg" : "") + "\">" +
           escape(money::kr(kronor)) + "</td>";
}

void monthTable(std::ostringstream& out, const std::vector<MonthFigures>& months) {
    if (months.empty()) {
        out << "<p class=\"quiet\">" << u8"Tabellen fylls på när en månad är slut." << "</p>\n";
        return;
    }
    out << "<table class=\"months\">\n<thead><tr><th></th>"
        << u8"<th class=\"group\" colspan=\"5\">När månaden var slut</th>"
        << u8"<th class=\"group\" colspan=\"5\">Det här gick pengarna till</th></tr>\n<tr>"
        << u8"<th>Månad</th><th>Kassan</th><th>Sparkonto</th><th>Aktier och fonder</th>"
        << u8"<th>Möbler</th><th>Totalt</th>";
    for (const char* heading : SPENT_HEADINGS) {
        out << "<th>" << heading << "</th>";
    }
    out << "</tr></thead>\n<tbody>\n";
    const bool withYear = severalYears(months);
    for (const MonthFigures& month : months) {
        out << "<tr><td>" << escape(monthLabel(month, withYear)) << "</td>" << cell(month.cash)
            << cell(month.savings) << cell(month.holdings) << cell(month.furniture)
            << cell(month.netWorth());
        for (double spent : month.spent) {
            out << cell(spent);
        }
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n";
}

// "Mars", "Mars och April", "Mars, April och Maj", or "5 månader".
std::string monthList(const std::vector<const MonthFigures*>& months, bool withYear) {
    if (months.size() > 3) {
        return std::to_string(months.size()) + u8" månader";
    }
    std::string list;
    for (size_t i = 0; i < months.size(); ++i) {
        if (i > 0) {
            list += i + 1 == months.size() ? " och " : ", ";
        }
        list += monthInSentence(*months[i], withYear);
    }
    return list;
}

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

ResultsPage::Content ResultsPage::gather() {
    Content content;
    const EndGui::MoneyFigures figures = EndGui::recordMoney();
    content.cash = figures.cash;
    content.savings = figures.savings;
    content.stocks = figures.stocks;
    content.funds = figures.funds;
    content.furniture = figures.furniture;
    content.level = DifficultyLevel::value();
    content.levelTitle = GameState::NewGameState::levelTitle(content.level);
    content.scenario = Scenario::number();
    content.playTime =
        EndGui::formatPlayTime(whole(Statistics::instance()->get(StatisticType::PLAY_TIME)));
    content.months = YearRecord::instance()->months();
    // The manager only exists where achievements were ever looked at.
    if (AchievementManager::exists()) {
        for (const auto& achievement : AchievementManager::instance()->getAchievements()) {
            if (achievement->isCompleted()) {
                content.achievements.push_back(achievement->getTitle());
            }
        }
    }
    return content;
}

std::vector<std::string> ResultsPage::advice(const Content& content) {
    std::vector<std::string> lines;
    const std::vector<MonthFigures>& months = content.months;
    const bool withYear = severalYears(months);
    if (months.empty()) {
        lines.push_back(u8"Spela minst en hel månad, så får du tips om hur det gick.");
    }

    std::vector<const MonthFigures*> lowHealth, lowHygiene;
    int reminders = 0, collectors = 0;
    double spent[SpendingKind::END] = {};
    const MonthFigures* worstFall = nullptr;
    double fall = 0;
    for (size_t i = 0; i < months.size(); ++i) {
        const MonthFigures& month = months[i];
        if (month.health < LOW_CONDITION) {
            lowHealth.push_back(&month);
        }
        if (month.hygiene < LOW_CONDITION) {
            lowHygiene.push_back(&month);
        }
        reminders += std::max(month.reminders, 0);
        collectors += std::max(month.collectorVisits, 0);
        for (int kind = 0; kind < SpendingKind::END; ++kind) {
            if (std::isfinite(month.spent[kind]) && month.spent[kind] > 0) {
                spent[kind] += month.spent[kind];
            }
        }
        const double drop = i > 0 ? static_cast<double>(whole(months[i - 1].netWorth())) -
                                        static_cast<double>(whole(month.netWorth()))
                                  : 0;
        if (drop > fall) {
            fall = drop;
            worstFall = &month;
        }
    }

    // What went wrong first: that is what the player can mend next time.
    if (!lowHealth.empty()) {
        lines.push_back(u8"Hälsan var låg i " + monthList(lowHealth, withYear) +
                        u8". Köp tillräckligt med mat varje månad, så håller du dig frisk.");
    }
    if (!lowHygiene.empty()) {
        lines.push_back(u8"Hygienen var låg i " + monthList(lowHygiene, withYear) +
                        u8". Glöm inte tvål, schampo och tandkräm i budgeten.");
    }
    if (reminders > 0) {
        lines.push_back(u8"Du betalade " + counted(reminders, u8"påminnelse", u8"påminnelser") +
                        u8". Betala räkningarna i tid, så slipper du avgiften.");
    }
    if (collectors > 0) {
        lines.push_back(u8"Inkasso kom " + counted(collectors, u8"gång", u8"gånger") +
                        u8". Obetalda skulder blir snabbt dyra.");
    }
    if (worstFall) {
        lines.push_back(u8"Det du äger minskade mest i " + monthInSentence(*worstFall, withYear) +
                        ": " + kr(fall) + u8" mindre än månaden före. Vad hände då?");
    }
    const double* biggest = std::max_element(std::begin(spent), std::end(spent));
    if (*biggest > 0) {
        lines.push_back(u8"Mest pengar gick till " +
                        std::string(SPENT_WORDS[biggest - std::begin(spent)]) + ": " +
                        kr(*biggest) + u8" under hela spelet.");
    }
    if (!months.empty()) {
        lines.push_back(whole(content.savings) > 0
                            ? u8"Du hade " + kr(content.savings) +
                                  u8" på sparkontot till slut. Bra jobbat!"
                            : u8"Sparkontot var tomt till slut. Prova att spara en liten summa "
                              u8"varje månad – även 200 kr gör skillnad.");
    }
    lines.resize(std::min(lines.size(), MOST_ADVICE));
    const char* const general[] = {
        u8"Gör en budget innan du trycker på Spela, så vet du vad månaden kostar.",
        u8"Ha lite pengar kvar i kassan när månaden börjar – det kommer alltid något oväntat.",
        u8"Jämför ditt år med en kompis: med samma scenario får ni samma månader."};
    for (size_t i = 0; lines.size() < LEAST_ADVICE && i < std::size(general); ++i) {
        lines.push_back(general[i]);
    }
    return lines;
}

std::string ResultsPage::html(const Content& content) {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<title>" << TITLE << "</title>\n<style>" << STYLE << "</style>\n</head>\n<body>\n"
        << "<main>\n<header>\n<h1>" << TITLE << "</h1>\n<p>" << u8"Nivå: "
        << escape(levelName(content)) << "</p>\n<p>"
        << (content.scenario > 0 ? "Scenario " + std::to_string(content.scenario) +
                                       u8" – samma år som alla andra som spelar det."
                                 : std::string(u8"Ett eget år – inget scenario."))
        << "</p>\n</header>\n";

    // The sums and the advice side by side: what came of the year, and what
    // to try next time.
    out << "<div class=\"pair\">\n"
        << u8"<section>\n<h2>Det här hade du till slut</h2>\n<table class=\"sums\">\n";
    const std::pair<const char*, double> sums[] = {{"Pengar i kassan", content.cash},
                                                   {"Sparkonto", content.savings},
                                                   {"Aktier", content.stocks},
                                                   {"Fonder", content.funds},
                                                   {u8"Möbler", content.furniture}};
    int64_t total = 0;
    for (const auto& [label, amount] : sums) {
        out << "<tr><td>" << label << "</td>" << cell(amount) << "</tr>\n";
        total += whole(amount);
    }
    out << "<tr class=\"total\"><td>Totalt</td>" << cell(static_cast<double>(total))
        << "</tr>\n<tr><td>Speltid</td><td class=\"num\">" << escape(content.playTime)
        << "</td></tr>\n</table>\n</section>\n";
    out << u8"<section>\n<h2>Tips till nästa gång</h2>\n<ul>\n";
    for (const std::string& line : advice(content)) {
        out << "<li>" << escape(line) << "</li>\n";
    }
    out << "</ul>\n</section>\n";
    out << "</div>\n";

    out << u8"<section>\n<h2>Det du äger, månad för månad</h2>\n";
    chart(out, content.months);
    out << "</section>\n";

    out << "<section>\n<h2>Prestationer</h2>\n";
    if (!content.achievements.empty()) {
        out << "<ul>\n";
        for (const std::string& title : content.achievements) {
            out << "<li>" << gameText(title) << "</li>\n";
        }
        out << "</ul>\n";
    } else if (content.level < 3) {
        out << "<p class=\"quiet\">"
            << u8"Prestationer finns på nivån Svår. Prova den när du är redo!" << "</p>\n";
    } else {
        out << "<p class=\"quiet\">"
            << u8"Inga prestationer den här gången – nästa år kanske du når ett av målen!"
            << "</p>\n";
    }
    out << "</section>\n";

    out << u8"<section>\n<h2>Månad för månad</h2>\n";
    monthTable(out, content.months);
    out << "</section>\n";

    out << u8"<footer>Fiscora – ett spel om pengar och "
           u8"vardag</footer>\n</main>\n</body>\n</html>\n";
    return out.str();
}

std::string ResultsPage::write(const Content& content) {
    const char* context = "ResultsPage::write";
    // No organisation: on Linux that is "$XDG_DATA_HOME/fiscora" (else
    // "~/.local/share/fiscora"), the folder the game's other files use; with
    // one SDL would nest a "Fiscora" folder above it.
    char* folder = SDL_GetPrefPath("", "fiscora");
    if (!folder) {
        Log::error(context) << "no data folder for the results page: " << SDL_GetError();
        return "";
    }
    const std::string path = std::string(folder) + FILE_NAME;
    SDL_free(folder);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << html(content);
    file.close();
    if (!file) {
        Log::error(context) << "can't write the results page " << path;
        return "";
    }
    Log::info(context) << "wrote the results page " << path;
    return path;
}

void ResultsPage::publish() {
    const char* context = "ResultsPage::publish";
    const std::string path = write(gather());
    if (path.empty()) {
        return;
    }
    const char* headless = std::getenv("FISCORA_HEADLESS");
    HGE* hge = Engine::exists() ? Engine::instance()->getHge() : nullptr;
    if (!hge || (headless && std::strcmp(headless, "1") == 0)) {
        Log::info(context) << "headless, not opening the results page";
        return;
    }
    // An address keeps letters, digits and a few marks; the rest is escaped.
    std::string address = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            address += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            address += escaped;
        }
    }
    Log::info(context) << "opening " << address;
    hge->System_Launch(address.c_str());
}
