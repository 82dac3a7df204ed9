// The side file "<program>.info": its prefix and mode word set up the search
// path of resource::Manager, which then reads a text and an XML file.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::get();
    fuzz::writeFile(sandbox.content("xml") / "date.xml", fuzz::shipped("xml/date.xml"));
    fuzz::writeFile(sandbox.content("txt") / "note.txt", "Hej\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::get();
    fuzz::writeFile(sandbox.sideFile(), data, size);
    sandbox.remount();
    resource::Manager* manager = resource::Manager::instance();
    std::string text;
    manager->getTxt("note.txt", text);
    TiXmlDocument document;
    manager->getXml("date.xml", document);
    manager->getProgramName();
    resource::Manager::destroy();
    return 0;
}
