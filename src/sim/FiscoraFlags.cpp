#include "sim/FiscoraFlags.h"

namespace {

const char* const NAMES[] = {
    "UNDEFINED",
    "SOFA",
    "BEDTABLE",
    "BED",
    "DRAWER",
    "ARMCHAIR",
    "CHAIR",
    "OFFICECHAIR",
    "DINNERTABLE",
    "COUCHTABLE",
    "BOOKCASE",
    "TV",
    "STEREO",
    "COMPUTER",
    "LAMP",
    "MAT",
    "FLOWER",
    "PAINTING",
    "POSTER",
    "OWNTV",
    "OWNSTEREO",
    "OWNCOMP",
    "TELEFON",
    "INET",
    "TIDNING",
    "HOMEINS",
    "SICKINS",
    "TVLICENSE",
    "AKASSA",
    "STBIDRAG",
    "INACK",
    "UNDERHALL",
    "SOMMARJOBB",
    "BOBIDRAG",
    "STUDIELAN",
    "LONA",
    "LONB",
    "LONC",
    "LOWHEALTH",
    "LOWHYGIENE",
    "LOWAPPEARANCE",
    "SICK",
    "HIGHHEALTH",
    "HIGHHYGIENE",
    "HIGHAPPEARANCE",
    "ACHIEVEMENT_A",
    "ACHIEVEMENT_B",
    "ACHIEVEMENT_C",
    "ACHIEVEMENT_D",
    "ACHIEVEMENT_E",
    "ACHIEVEMENT_F",
    "ACHIEVEMENT_G",
    "ACHIEVEMENT_H",
    "ACHIEVEMENT_I",
    "BONUS_FURNITURE",
    "THEIF",
    "PARTY",
    "END",
};
static_assert(sizeof(NAMES) / sizeof(NAMES[0]) == FiscoraFlags::END + 1, "one name per flag");

}  // namespace

std::string FiscoraFlags::toString(int flag) {
    return flag >= 0 && flag <= END ? NAMES[flag] : NAMES[UNDEFINED];
}

FiscoraFlags::_enum FiscoraFlags::fromString(const std::string& name) {
    for (int flag = UNDEFINED + 1; flag <= END; ++flag) {
        if (name == NAMES[flag]) {
            return static_cast<_enum>(flag);
        }
    }
    return UNDEFINED;
}
