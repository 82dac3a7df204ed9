#pragma once

#include <string>

// The yes/no facts of a game: furniture kinds in the flat, owned electronics,
// services, incomes, the player's condition, achievements and event markers.
// The names are also element names in "flags.xml" and values in other data.
struct FiscoraFlags {
    enum _enum {
        UNDEFINED,
        // Furniture kinds.
        SOFA,
        BEDTABLE,
        BED,
        DRAWER,
        ARMCHAIR,
        CHAIR,
        OFFICECHAIR,
        DINNERTABLE,
        COUCHTABLE,
        BOOKCASE,
        TV,
        STEREO,
        COMPUTER,
        LAMP,
        MAT,
        FLOWER,
        PAINTING,
        POSTER,
        // Owned electronics.
        OWNTV,
        OWNSTEREO,
        OWNCOMP,
        // Services and insurances.
        TELEFON,
        INET,
        TIDNING,
        HOMEINS,
        SICKINS,
        TVLICENSE,
        AKASSA,
        // Incomes.
        STBIDRAG,
        INACK,
        UNDERHALL,
        SOMMARJOBB,
        BOBIDRAG,
        STUDIELAN,
        LONA,
        LONB,
        LONC,
        // Condition.
        LOWHEALTH,
        LOWHYGIENE,
        LOWAPPEARANCE,
        SICK,
        HIGHHEALTH,
        HIGHHYGIENE,
        HIGHAPPEARANCE,
        // Earned achievements.
        ACHIEVEMENT_A,
        ACHIEVEMENT_B,
        ACHIEVEMENT_C,
        ACHIEVEMENT_D,
        ACHIEVEMENT_E,
        ACHIEVEMENT_F,
        ACHIEVEMENT_G,
        ACHIEVEMENT_H,
        ACHIEVEMENT_I,
        // Event markers.
        BONUS_FURNITURE,
        THEIF,
        PARTY,
        END
    };

    // "UNDEFINED" for 0 and for anything outside 0..END.
    static std::string toString(int flag);
    // Exact, case-sensitive; any other text is UNDEFINED.
    static _enum fromString(const std::string& name);
};
