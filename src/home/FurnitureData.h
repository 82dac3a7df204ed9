#pragma once

#include <list>
#include <map>
#include <string>

#include "engine/hgevector.h"
#include "sim/FiscoraFlags.h"

class TiXmlElement;

// The furniture catalogue of "furnitures.xml", read once: every enabled piece
// by its id. Everything else here reads one piece's element; a null element
// reads as empty values.
class FurnitureData {
public:
    FurnitureData() = delete;

    // Fills the catalogue on the first call; later calls do nothing.
    static void createStaticData();
    // Null, with a warning, for an id that is unknown or disabled.
    static TiXmlElement* loadInfo(int id);

    static std::string getName(TiXmlElement* element, int id);
    static std::string getDescription(TiXmlElement* element, int id);
    static int getWidth(TiXmlElement* element);
    static int getDepth(TiXmlElement* element);
    static std::string getTexture(TiXmlElement* element);
    static std::string getPreviewTexture(TiXmlElement* element);
    // The size of one of the two views side by side in the texture.
    static hgeVector getViewSize(TiXmlElement* element);
    static float getValue(TiXmlElement* element);
    static float getSellValue(TiXmlElement* element);
    static FiscoraFlags::_enum getType(TiXmlElement* element);
    // The anchor of the first view, from its top-left corner.
    static hgeVector getFirstNail(TiXmlElement* element);
    // The anchor of the second view, from the texture's left edge.
    static hgeVector getSecondNail(TiXmlElement* element);

    // Appends the pieces of one kind, in ascending id order.
    static void getFurnituresOfType(FiscoraFlags::_enum type, std::list<TiXmlElement*>& pieces);

    static const std::map<int, TiXmlElement*>& getCatalogue();

private:
    static std::map<int, TiXmlElement*> s_catalogue;
    static bool s_loaded;
};
