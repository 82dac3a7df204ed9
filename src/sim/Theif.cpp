#include "sim/Theif.h"

#include "core/Log.h"
#include "home/Room.h"
#include "sim/FiscoraFlags.h"
#include "sim/FlagSystem.h"

void Theif::accept() {
    if (FlagSystem::instance()->isRaised(FiscoraFlags::HOMEINS)) {
        RandomEvent::accept();
    } else {
        stealFurniture();
    }
}

void Theif::reject() {
    stealFurniture();
}

void Theif::stealFurniture() const {
    if (!Room::exists() || Room::instance()->getFurniture().empty()) {
        Log::debug("Theif::stealFurniture") << "the thief found nothing to take";
        return;
    }
    Room::instance()->removeRandomFurniture();
    Log::debug("Theif::stealFurniture") << "the thief took a piece of furniture";
}
