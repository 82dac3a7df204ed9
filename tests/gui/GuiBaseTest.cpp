// The widget base: building from gui.xml records, the children's order and
// lookup, ownership on destruction, the frame and what reaches children; then
// windows: depth offsets of children, pictures and frame, the "border"
// attribute and the frame as part of the clickable area.
#include "InteractionTestSupport.h"
#include "resource/XmlReader.h"

using guitest::tree;
using guitest::xy;

class GuiBaseTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start("", false));
        destroyed.clear();
    }

    // A plain widget on gui_blank.png, listed under its parent, that counts
    // its own destruction by name.
    struct Widget : GuiBase {
        explicit Widget(const std::string& name, GuiBase* parent = nullptr)
            : GuiBase(name, parent) {
            createGui("gui_blank.png");
            if (parent) {
                parent->getController()->addChild(this);
            }
        }
        ~Widget() override { ++destroyed[getName()]; }
    };

    static std::map<std::string, int> destroyed;
};
std::map<std::string, int> GuiBaseTest::destroyed;

TEST_F(GuiBaseTest, RootRecordBuildsItsTreeRelativeToEachParentAndKindByKind) {
    GuiWindow root(record("Root"), true, nullptr);
    // The button comes first in the file, but windows are built first; each
    // child is placed from its parent and sits 0.01 above it (a button 0.001).
    EXPECT_EQ(tree(&root),
              "Root 100,50..400,250 z0.85 [Child 110,60..210,120 z0.86 [Twin 111,61..131,81 "
              "z0.87], Twin 250,60..280,90 z0.86, Early Button 105,55..123,73 z0.851]");
    EXPECT_EQ(root.getImageName(), "blank");
    // One picture on the window; the image with an empty "gfx" adds nothing.
    ASSERT_EQ(root.getPictureCount(), 1u);
    EXPECT_EQ(logged("DD", "GuiWindow::addImage", "got empty string"), 1);
    const Sprite& picture = *root.getPictures()[0];
    EXPECT_EQ(guitest::describe(picture), "300,70 26x36 hot0,0 flip00 r0 z0.86 cam");
    GuiBase* child = root.findChild("Child");
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->getParentWidget() == &root && child->getParent() == &root);
    EXPECT_EQ(xy(child->getOffset()), "10,10");
    EXPECT_EQ(guitest::describe(*child), "110,60 98x58 hot0,0 flip00 r0 z0.86 cam");
    // Depth first: the grandchild under the earlier child wins over the later
    // direct child of the same name.
    EXPECT_EQ(root.findChild("Twin")->getParentWidget(), child);
    EXPECT_TRUE(root.findChild("Early Button") && !root.findChild("Nope") &&
                !root.findChild("Root"));
    // Without built children the search stays on the first level.
    Widget codeRoot("Code Root");
    Widget* a = new Widget("A", &codeRoot);
    Widget* deep = new Widget("Deep", a);
    EXPECT_TRUE(!codeRoot.findChild("Deep") && codeRoot.findChild("A") == a &&
                a->findChild("Deep") == deep);
    // Images only go to windows.
    codeRoot.createChildren(record("Root"));
    EXPECT_EQ(logged("WW", "GuiBase::createChildren",
                     "tried to add image to something else than a window"),
              2);
    EXPECT_EQ(codeRoot.getController()->getCount(), 4u);

    // Pictures follow the window's visibility; one added to a hidden window
    // stays hidden with it; one without a file is not added.
    root.setVisible(false);
    root.addImage("sprite_dot.png", hgeVector(5, 5), hgeVector(28, 38));
    EXPECT_FALSE(picture.isVisible() || root.getPictures()[1]->isVisible());
    root.setVisible(true);
    EXPECT_TRUE(picture.isVisible() && root.getPictures()[1]->isVisible());
    log.take();
    root.addImage("", hgeVector(0, 0));
    TiXmlElement noGfx("image");
    root.addImage(&noGfx);
    EXPECT_EQ(root.getPictureCount(), 2u);
    EXPECT_EQ(logged("DD", "GuiWindow::addImage", "got empty string"), 2);
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute gfx"), 1);
}

TEST_F(GuiBaseTest, ThePointerIsMadeOnceAndARootDestroysEachOwnedDescendantOnce) {
    // Not made at the start here: made on first use, once, for the engine.
    FiscoraCursor* pointer = cursor();
    EXPECT_TRUE(cursor() == pointer && Engine::instance()->getCursor() == pointer);
    EXPECT_EQ(logged("II", "InteractionalObject::getCursor", "no cursor, creating one now"), 1);
    EXPECT_EQ(log.countPrefix("[WW] [Engine::setCursor]"), 0);
    EXPECT_FLOAT_EQ(pointer->getZ(), 50.0f);
    const std::size_t registered = pointer->size();
    auto* root = new Widget("root");
    new Widget("a2", new Widget("a1", new Widget("a", root)));
    auto* kept = new Widget("kept", root);
    kept->setOwnedByParent(false);
    new Widget("keptChild", kept);
    auto* early = new Widget("early", root);
    auto* removed = new Widget("removed", root);
    new Widget("b", root);
    // Deleted on its own first: the root must not destroy it again.
    delete early;
    // Removed: unlinked, not destroyed, and only once.
    EXPECT_TRUE(root->getController()->removeChild(removed) == removed &&
                !root->getController()->removeChild(removed));
    EXPECT_EQ(root->getController()->getCount(), 3u);
    // Made under the root but never added to its list.
    auto* loose = new GuiBase("Loose", root);
    EXPECT_EQ(loose->getParentWidget(), root);

    delete root;
    EXPECT_EQ(destroyed, (std::map<std::string, int>{
                             {"a", 1}, {"a1", 1}, {"a2", 1}, {"b", 1}, {"early", 1}, {"root", 1}}));
    // The survivors live on, no longer pointing at the root.
    for (GuiBase* survivor : std::vector<GuiBase*>{kept, loose, removed}) {
        EXPECT_TRUE(!survivor->getParentWidget() && !survivor->getParent()) << survivor->getName();
    }
    EXPECT_EQ(cursor()->size(), registered + 4);
    EXPECT_EQ(kept->getController()->getCount(), 1u);
    delete loose;  // must not reach back into the freed root
    delete removed;
    delete kept;
    EXPECT_EQ(destroyed["kept"] + destroyed["keptChild"] + destroyed["removed"], 3);
    EXPECT_EQ(cursor()->size(), registered);
}

TEST_F(GuiBaseTest, RecordsWithMissingValuesOrNoFileGetDefaultsAndTheirLines) {
    GuiWindow noName(record("NoName"), false, nullptr);
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute name"), 1);
    EXPECT_EQ(noName.getSprite()->GetTexture(), 0u);  // the blank sprite
    EXPECT_EQ(xy(noName.getSize()), "50,40");
    GuiWindow noId(record(""), false, nullptr);
    EXPECT_EQ(noId.getName(), "");
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute guiId"), 1);
    for (const std::string id : {"NoSize", "ZeroSize"}) {
        log.take();
        GuiWindow sized(record(id), false, nullptr);
        EXPECT_EQ(logged("DD", "GuiBase::createGui", "Got no size for " + id), 1) << id;
        // gui_window.png is 32 x 32: the cut sprite is 30 x 30.
        EXPECT_EQ(xy(sized.getSize()) + " " + xy(hgeVector(sized.getRect().x2, 0)), "30,30 30,0");
    }

    log.take();
    XmlReader reader("no_such_gui_file.xml");
    GuiWindow window(reader.getRootChildElement("testGui", "guiId", "Root"), true, nullptr);
    EXPECT_EQ(logged("EE", "GuiBase::createGui", "got null element"), 1);
    EXPECT_TRUE(window.getSprite() == nullptr && window.getController()->getCount() == 0);
    // Without a sprite there is no box: the pointer never hits it.
    EXPECT_EQ(cursor()->hitTest(hgeVector(0, 0)), nullptr);
}

TEST_F(GuiBaseTest, AddTextColoursAreCombinedUnclamped) {
    EXPECT_EQ(GuiBase::textColor(record("Red", "addText")), 0xFFFF0000u);
    // A missing colour is 1 in every channel: nearly transparent.
    EXPECT_EQ(GuiBase::textColor(record("Plain", "addText")), 0x01010101u);
    // Not clamped: red 300 spills into the alpha byte.
    EXPECT_EQ(GuiBase::textColor(record("Spill", "addText")), 0x01000000u + 300u * 0x10000u);
}

TEST_F(GuiBaseTest, CreateGuiFormsAndTheEightFramePiecesOfCreateBorder) {
    // Without an image: the blank sprite's size.
    GuiBase blank("Blank", nullptr);
    blank.createGui();
    EXPECT_EQ(guitest::xy(blank.getSize()), "32,32");

    Widget parent("Parent");
    GuiBase empty("Empty", &parent);
    empty.createGui(std::string());
    EXPECT_EQ(logged("EE", "GuiBase::createGui", "USING BLANK TEXTURE"), 1);
    EXPECT_EQ(empty.getSprite()->GetTexture(), 0u);
    // The file-name form sits 0.1 above its parent.
    EXPECT_FLOAT_EQ(empty.getDepth(), parent.getDepth() + 0.1f);

    GuiBase widget("Framed", nullptr);
    widget.setSize(hgeVector(200, 100));
    widget.setPosition(100, 100);
    widget.createGui("gui_blank.png");
    ASSERT_FLOAT_EQ(widget.getSprite()->GetHeight(), 98);  // the cut sprite
    widget.createBorder(hgeVector(0, 0));
    // Four corners, the top and bottom edges, then the two sides turned on end.
    std::vector<std::string> pieces;
    for (const auto& piece : widget.getImages()) {
        pieces.push_back(guitest::describe(*piece));
    }
    const std::string rest = " hot0,0 flip";
    EXPECT_EQ(
        pieces,
        (std::vector<std::string>{
            "68,68 32x32" + rest + "00 r0 z0.85 cam", "300,68 32x32" + rest + "10 r0 z0.85 cam",
            "68,199 32x32" + rest + "01 r0 z0.85 cam", "300,199 32x32" + rest + "11 r0 z0.85 cam",
            "100,68 200x32" + rest + "00 r0 z0.85 cam", "100,199 200x32" + rest + "01 r0 z0.85 cam",
            "100,100 99x32" + rest + "11 r1.57 z0.85 cam",
            "332,100 99x32" + rest + "00 r1.57 z0.85 cam"}));
    // The picture gets back the margin the cut left out.
    float tx, ty, tw, th;
    widget.getSprite()->GetTextureRect(&tx, &ty, &tw, &th);
    EXPECT_EQ(xy(hgeVector(tx, ty)) + " " + xy(hgeVector(tw, th)), "1,1 200,99");
    // A second frame replaces the first, and a size replaces the widget's.
    widget.createBorder(hgeVector(150, 60));
    EXPECT_EQ(widget.getImages().size(), 8u);
    EXPECT_FLOAT_EQ(widget.getSize().x, 150);
    EXPECT_FLOAT_EQ(widget.getImages()[4]->getSprite()->GetWidth(), 150);

    GuiBase bare("Bare", nullptr);
    bare.createBorder(hgeVector(10, 10));
    EXPECT_EQ(logged("EE", "GuiBase::createBorder", "m_sprite is null, cant create border"), 1);
}

TEST_F(GuiBaseTest, VisibilityAlphaAndDepthReachImagesAndChildren) {
    Widget root("Root");
    root.createBorder(hgeVector(0, 0));
    auto* child = new Widget("Child", &root);
    auto* grandChild = new Widget("Grand", child);
    root.setDepth(0.5f);
    root.setAlpha(0x80);
    root.setVisible(false);
    std::vector<const Sprite*> parts = {&root, child, grandChild};
    for (const auto& image : root.getImages()) {
        parts.push_back(image.get());
    }
    for (const Sprite* part : parts) {
        EXPECT_FLOAT_EQ(part->getZ(), 0.5f);
        EXPECT_EQ(part->getSprite()->GetColor(), 0x80FFFFFFu);
        EXPECT_FALSE(part->isVisible());
    }
    EXPECT_FALSE(root.isInteractive() || grandChild->isInteractive());
    root.setVisible(true);
    EXPECT_TRUE(grandChild->isVisible() && grandChild->isInteractive());
    // Moving a widget leaves its children where they are.
    root.setPosition(300, 200);
    EXPECT_EQ(xy(hgeVector(root.getRect().x1, root.getRect().x2)), "300,1102");
    EXPECT_FLOAT_EQ(child->getPosition().x, 0);
}

class GuiWindowTest : public guitest::GuiTest {};

TEST_F(GuiWindowTest, DepthOffsetsTheBorderAttributeAndTheValueConstructor) {
    ASSERT_TRUE(start());
    GuiWindow window(record("Layered"), true, nullptr);
    // "z" gives the window's depth; what is built in it sits 0.01 above.
    EXPECT_EQ(tree(&window), "Layered 100,100..300,200 z0.4 [Inner 110,110..160,160 z0.41]");
    ASSERT_EQ(window.getPictureCount(), 1u);
    const Sprite& picture = *window.getPictures()[0];
    window.createBorder(hgeVector(0, 0));
    window.setDepth(0.6f);
    EXPECT_EQ(tree(&window), "Layered 100,100..300,200 z0.6 [Inner 110,110..160,160 z0.601]");
    EXPECT_FLOAT_EQ(picture.getZ(), 0.602f);
    ASSERT_EQ(window.getImages().size(), 8u);
    for (const auto& piece : window.getImages()) {
        EXPECT_FLOAT_EQ(piece->getZ(), 0.599f);
    }

    // A missing "border" builds the frame hidden; "1" shows it; "0" and "no"
    // build none.
    // "<id>:<pieces>/<shown>", then "w" when the missing attribute was warned of.
    std::string seen;
    for (const std::string id : {"BorderMissing", "BorderOne", "BorderZero", "BorderNo"}) {
        log.take();
        GuiWindow window(record(id), false, nullptr);
        const auto& pieces = window.getImages();
        seen +=
            id + ":" + std::to_string(pieces.size()) + "/" +
            std::to_string(std::count_if(pieces.begin(), pieces.end(),
                                         [](const auto& piece) { return piece->isVisible(); })) +
            (logged("WW", "xml::findAttribute", "element doesnt have attribute border") ? "w "
                                                                                        : " ");
    }
    EXPECT_EQ(seen, "BorderMissing:8/0w BorderOne:8/8 BorderZero:0/0 BorderNo:0/0 ");
    GuiWindow parent("Parent", "gui_blank.png", hgeVector(100, 100), hgeVector(300, 200), nullptr,
                     true);
    EXPECT_EQ(parent.getImages().size(), 8u);
    EXPECT_EQ(xy(parent.getOffset()), "0,0");
    GuiWindow* child = guitest::recWindow(events, "Child", 20, 30, 50, 50, &parent);
    EXPECT_TRUE(child->getImages().empty());
    EXPECT_EQ(xy(child->getOffset()), "20,30");
    EXPECT_EQ(tree(&parent), "Parent 100,100..400,300 z0.85 [Child 120,130..170,180 z0.95]");
}

// The frame is 32 pixels wide on every side, whatever the window's height.
TEST_F(GuiWindowTest, FrameIsPartOfTheClickableAreaAndNoMore) {
    ASSERT_TRUE(
        start("1 move 180 180\n2 move 320 240\n3 move 250 300\n4 move 340 240\n5 move 150 240\n"));
    // At (200, 200); its sprite is 98 x 78, so the frame spans 168..330 x 168..310.
    guitest::RecWindow window(events, "W", record("BorderOne"), false, nullptr);
    EXPECT_EQ(frames(5), "W:in | W:on | W:on | W:out |");
}
