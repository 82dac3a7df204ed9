#include "sim/FiscoraFlags.h"

#include "core/EnumNames.h"

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
    return enumnames::toString(NAMES, flag);
}

FiscoraFlags::_enum FiscoraFlags::fromString(const std::string& name) {
    return static_cast<_enum>(enumnames::fromString(NAMES, name));
}
