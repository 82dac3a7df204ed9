#include "sim/FlagSystem.h"

#include <tinyxml.h>

#include <string>

#include "core/Log.h"
#include "core/states/DifficultyLevel.h"
#include "resource/Text.h"
#include "resource/XmlReader.h"

namespace {

const unsigned int RAISED_COLOR = 0xff00ff00;
const unsigned int LOWERED_COLOR = 0xffff0000;

}  // namespace

FlagSystem::FlagSystem() {
    for (int flag = FiscoraFlags::UNDEFINED; flag <= FiscoraFlags::END; ++flag) {
        m_flags[static_cast<FiscoraFlags::_enum>(flag)] = false;
    }
    if (!DebugDraw::Renderer::instance()->isEnabled()) {
        return;
    }
    const float lineHeight = Text("font.fnt", "X").getHeight();
    for (int flag = FiscoraFlags::UNDEFINED; flag <= FiscoraFlags::END; ++flag) {
        auto text = std::make_unique<FlagText>(hgeVector(0, flag * lineHeight));
        text->setText(FiscoraFlags::toString(flag));
        add(text.get());
        m_texts.push_back(std::move(text));
        lower(static_cast<FiscoraFlags::_enum>(flag));
    }
}

FlagSystem::~FlagSystem() = default;

void FlagSystem::raise(FiscoraFlags::_enum flag) {
    if (m_flags[flag]) {
        return;
    }
    m_flags[flag] = true;
    m_monthCounters[flag] = 0;
    colorText(flag, RAISED_COLOR);
}

void FlagSystem::lower(FiscoraFlags::_enum flag) {
    if (!m_flags[flag]) {
        return;
    }
    m_flags[flag] = false;
    m_monthCounters[flag] = 0;
    colorText(flag, LOWERED_COLOR);
}

bool FlagSystem::isRaised(FiscoraFlags::_enum flag) const {
    return m_flags.exists(flag) && m_flags.at(flag);
}

int& FlagSystem::monthCounter(FiscoraFlags::_enum flag) {
    return m_monthCounters[flag];
}

void FlagSystem::colorText(FiscoraFlags::_enum flag, unsigned int color) {
    if (flag >= 0 && flag < static_cast<int>(m_texts.size())) {
        m_texts[flag]->setColor(color);
    }
}

void FlagSystem::reset() {
    for (int flag = FiscoraFlags::UNDEFINED; flag <= FiscoraFlags::END; ++flag) {
        lower(static_cast<FiscoraFlags::_enum>(flag));
    }
}

void FlagSystem::load() {
    load(DifficultyLevel::value());
}

void FlagSystem::load(int level) {
    reset();
    // A missing file is reported by the reader; the flags stay lowered.
    XmlReader reader("flags.xml");
    TiXmlElement* root = reader.getRootElement();
    if (!root) {
        return;
    }
    const std::string name = "raised" + std::to_string(level);
    TiXmlElement* set = root->FirstChildElement(name.c_str());
    if (!set) {
        return;
    }
    for (TiXmlElement* element = set->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        raise(FiscoraFlags::fromString(element->Value()));
    }
}

void FlagSystem::monthChanged(const Date&) {
    for (auto& counter : m_monthCounters) {
        ++counter.second;
    }
}
