// The widget base: building from gui.xml records, the children's order and
// lookup, ownership on destruction, the frame and what reaches children.
#include <gtest/gtest.h>

#include <map>

#include "InteractionTestSupport.h"
#include "engine/hgesprite.h"
#include "resource/XmlReader.h"

using guitest::at;

namespace {

class GuiBaseTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start("", false));
        destroyed.clear();
    }

    // Counts its own destruction by name.
    struct Counted : GuiWindow {
        explicit Counted(const std::string& name, GuiBase* parent = nullptr)
            : GuiWindow(name, "gui_blank.png", hgeVector(0, 0), hgeVector(40, 40), parent, false) {
            if (parent) {
                parent->getController()->addChild(this);
            }
        }
        ~Counted() override { ++destroyed[getName()]; }
    };

    static std::map<std::string, int> destroyed;
};
std::map<std::string, int> GuiBaseTest::destroyed;

std::vector<std::string> childNames(GuiBase* widget) {
    std::vector<std::string> names;
    for (GuiBase* child : widget->getController()->getChildren()) {
        names.push_back(child->getName());
    }
    return names;
}

hgeVector hotSpot(const hgeSprite* sprite) {
    float x = -1, y = -1;
    sprite->GetHotSpot(&x, &y);
    return hgeVector(x, y);
}

}  // namespace

TEST_F(GuiBaseTest, RootRecordBuildsItsTreeRelativeToEachParentAndKindByKind) {
    GuiWindow root(record("Root"), true, nullptr);
    EXPECT_EQ(root.getName(), "Root");
    EXPECT_EQ(root.getImageName(), "blank");
    EXPECT_TRUE(at(root.getPosition(), 100, 50));
    EXPECT_TRUE(at(hgeVector(root.getRect().x2, root.getRect().y2), 400, 250));
    EXPECT_FLOAT_EQ(root.getDepth(), 0.85f);
    EXPECT_TRUE(root.movesWithCam());
    EXPECT_TRUE(root.childrenBuilt());
    // The button comes first in the file, but windows are built first.
    EXPECT_EQ(childNames(&root), (std::vector<std::string>{"Child", "Twin", "Early Button"}));
    // One picture; the image with an empty "gfx" adds nothing.
    EXPECT_EQ(root.getPictureCount(), 1u);
    EXPECT_EQ(logged("DD", "GuiWindow::addImage", "got empty string"), 1);

    GuiBase* child = root.findChild("Child");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->getParentWidget(), &root);
    EXPECT_EQ(child->getParent(), &root);
    EXPECT_TRUE(at(child->getPosition(), 110, 60));
    EXPECT_TRUE(at(child->getOffset(), 10, 10));
    EXPECT_FLOAT_EQ(child->getDepth(), 0.86f);
    EXPECT_FLOAT_EQ(child->getZ(), 0.86f);
    EXPECT_TRUE(at(hotSpot(child->getSprite()), 0, 0)) << "widgets draw from their top-left";
    // Depth first: the grandchild under the earlier child wins over the later
    // direct child of the same name.
    GuiBase* twin = root.findChild("Twin");
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->getParentWidget(), child);
    EXPECT_TRUE(at(twin->getPosition(), 111, 61));
    EXPECT_FLOAT_EQ(twin->getDepth(), 0.87f);
    EXPECT_NE(root.findChild("Early Button"), nullptr);
    EXPECT_EQ(root.findChild("Nope"), nullptr);
    EXPECT_EQ(root.findChild("Root"), nullptr);

    // Without built children the search stays on the first level.
    Counted codeRoot("Code Root");
    Counted* a = new Counted("A", &codeRoot);
    Counted* deep = new Counted("Deep", a);
    EXPECT_EQ(codeRoot.findChild("Deep"), nullptr);
    EXPECT_EQ(codeRoot.findChild("A"), a);
    EXPECT_EQ(a->findChild("Deep"), deep);
}

TEST_F(GuiBaseTest, DestroyingARootDestroysEachOwnedDescendantOnce) {
    const std::size_t registered = cursor()->size();
    auto* root = new Counted("root");
    auto* a = new Counted("a", root);
    new Counted("a2", new Counted("a1", a));
    auto* kept = new Counted("kept", root);
    kept->setOwnedByParent(false);
    new Counted("keptChild", kept);
    auto* early = new Counted("early", root);
    auto* removed = new Counted("removed", root);
    new Counted("b", root);
    // Deleted on its own first: the root must not destroy it again.
    delete early;
    // Removed: unlinked, not destroyed, and only once.
    EXPECT_EQ(root->getController()->removeChild(removed), removed);
    EXPECT_EQ(root->getController()->removeChild(removed), nullptr);
    EXPECT_EQ(childNames(root), (std::vector<std::string>{"a", "kept", "b"}));
    // Made under the root but never added to its list.
    auto* loose =
        new GuiWindow("Loose", "gui_blank.png", hgeVector(5, 5), hgeVector(20, 20), root, false);
    EXPECT_EQ(loose->getParentWidget(), root);

    delete root;
    EXPECT_EQ(destroyed, (std::map<std::string, int>{
                             {"a", 1}, {"a1", 1}, {"a2", 1}, {"b", 1}, {"early", 1}, {"root", 1}}));
    // The survivors live on, no longer pointing at the root.
    for (GuiBase* survivor : std::vector<GuiBase*>{kept, loose, removed}) {
        EXPECT_EQ(survivor->getParentWidget(), nullptr) << survivor->getName();
        EXPECT_EQ(survivor->getParent(), nullptr) << survivor->getName();
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
    EXPECT_TRUE(at(noName.getSize(), 50, 40));
    GuiWindow noId(record(""), false, nullptr);
    EXPECT_EQ(noId.getName(), "");
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute guiId"), 1);
    for (const std::string id : {"NoSize", "ZeroSize"}) {
        log.take();
        GuiWindow sized(record(id), false, nullptr);
        EXPECT_EQ(logged("DD", "GuiBase::createGui", "Got no size for " + id), 1) << id;
        // gui_window.png is 32 x 32: the cut sprite is 30 x 30.
        EXPECT_TRUE(at(sized.getSize(), 30, 30)) << id;
        EXPECT_FLOAT_EQ(sized.getRect().x2, 30) << id;
    }

    log.take();
    XmlReader reader("no_such_gui_file.xml");
    TiXmlElement* element = reader.getRootChildElement("testGui", "guiId", "Root");
    EXPECT_EQ(element, nullptr);
    auto* window = new GuiWindow(element, true, nullptr);
    EXPECT_EQ(logged("EE", "GuiBase::createGui", "got null element"), 1);
    EXPECT_EQ(window->getSprite(), nullptr);
    EXPECT_EQ(window->getController()->getCount(), 0u);
    // Without a sprite there is no box: the pointer never hits it.
    EXPECT_EQ(cursor()->hitTest(hgeVector(0, 0)), nullptr);
    delete window;
}

TEST_F(GuiBaseTest, ImagesOnlyGoToWindows) {
    GuiBase plain("Plain", nullptr);
    plain.createGui("gui_blank.png");
    plain.createChildren(record("Root"));
    EXPECT_EQ(logged("WW", "GuiBase::createChildren",
                     "tried to add image to something else than a window"),
              2);
    EXPECT_EQ(childNames(&plain), (std::vector<std::string>{"Child", "Twin", "Early Button"}));
}

TEST_F(GuiBaseTest, AddTextColoursAreCombinedUnclamped) {
    EXPECT_EQ(GuiBase::textColor(record("Red", "addText")), 0xFFFF0000u);
    // A missing colour is 1 in every channel: nearly transparent.
    EXPECT_EQ(GuiBase::textColor(record("Plain", "addText")), 0x01010101u);
    // Not clamped: red 300 spills into the alpha byte.
    EXPECT_EQ(GuiBase::textColor(record("Spill", "addText")), 0x01000000u + 300u * 0x10000u);
}

TEST_F(GuiBaseTest, CreateGuiFormsLogTheirLinesAndSitAboveTheParent) {
    GuiBase blank("Blank", nullptr);
    blank.createGui();
    EXPECT_EQ(log.from("GuiBase::createGui"),
              (std::vector<std::string>{
                  test::logLine("DD", "GuiBase::createGui", "Creating GUI with no sprite"),
                  test::logLine("DD", "GuiBase::createGui", "Set texture to NULL"),
                  test::logLine("DD", "GuiBase::createGui", "Created the blanktexture"),
                  test::logLine("DD", "GuiBase::createGui", "Got no size for Blank")}));
    EXPECT_FLOAT_EQ(blank.getSize().x, 32);

    GuiBase parent("Parent", nullptr);
    parent.createGui("gui_blank.png");
    GuiBase empty("Empty", &parent);
    empty.createGui(std::string());
    EXPECT_EQ(logged("EE", "GuiBase::createGui", "USING BLANK TEXTURE"), 1);
    EXPECT_EQ(empty.getSprite()->GetTexture(), 0u);
    // The file-name form sits 0.1 above its parent.
    EXPECT_FLOAT_EQ(empty.getDepth(), parent.getDepth() + 0.1f);
}

TEST_F(GuiBaseTest, CreateBorderBuildsEightFramePieces) {
    GuiBase widget("Framed", nullptr);
    widget.setSize(hgeVector(200, 100));
    widget.setPosition(100, 100);
    widget.createGui("gui_blank.png");
    ASSERT_FLOAT_EQ(widget.getSprite()->GetHeight(), 98);  // the cut sprite
    widget.createBorder(hgeVector(0, 0));
    const auto& pieces = widget.getImages();
    ASSERT_EQ(pieces.size(), 8u);
    struct Expected {
        float x, y, width, height;
        bool flipX, flipY;
        float rotation;
    };
    const Expected expected[8] = {
        {68, 68, 32, 32, false, false, 0},     {300, 68, 32, 32, true, false, 0},
        {68, 199, 32, 32, false, true, 0},     {300, 199, 32, 32, true, true, 0},
        {100, 68, 200, 32, false, false, 0},   {100, 199, 200, 32, false, true, 0},
        {100, 100, 99, 32, true, true, 1.57f}, {332, 100, 99, 32, false, false, 1.57f},
    };
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("piece " + std::to_string(i));
        const Sprite& piece = *pieces[i];
        const hgeSprite* sprite = piece.getSprite();
        ASSERT_NE(sprite, nullptr);
        EXPECT_TRUE(at(piece.getPosition(), expected[i].x, expected[i].y));
        EXPECT_TRUE(at(hgeVector(sprite->GetWidth(), sprite->GetHeight()), expected[i].width,
                       expected[i].height));
        bool fx = false, fy = false;
        sprite->GetFlip(&fx, &fy);
        EXPECT_EQ(std::make_pair(fx, fy), std::make_pair(expected[i].flipX, expected[i].flipY));
        EXPECT_FLOAT_EQ(piece.getRotation(), expected[i].rotation);
        EXPECT_TRUE(piece.movesWithCam());
        EXPECT_FLOAT_EQ(piece.getZ(), widget.getDepth());
        EXPECT_TRUE(at(hotSpot(sprite), 0, 0));
    }
    // The picture gets back the margin the cut left out.
    float tx, ty, tw, th;
    widget.getSprite()->GetTextureRect(&tx, &ty, &tw, &th);
    EXPECT_TRUE(at(hgeVector(tx, ty), 1, 1));
    EXPECT_TRUE(at(hgeVector(tw, th), 200, 99));

    // A second frame replaces the first, and a size replaces the widget's.
    widget.createBorder(hgeVector(150, 60));
    EXPECT_EQ(widget.getImages().size(), 8u);
    EXPECT_FLOAT_EQ(widget.getSize().x, 150);
    EXPECT_FLOAT_EQ(widget.getImages()[4]->getSprite()->GetWidth(), 150);

    GuiBase bare("Bare", nullptr);
    bare.createBorder(hgeVector(10, 10));
    EXPECT_EQ(logged("EE", "GuiBase::createBorder", "m_sprite is null, cant create border"), 1);
    EXPECT_TRUE(bare.getImages().empty());
}

TEST_F(GuiBaseTest, VisibilityAlphaAndDepthReachImagesAndChildren) {
    GuiBase root("Root", nullptr);
    root.setSize(hgeVector(100, 100));
    root.createGui("gui_blank.png");
    root.createBorder(hgeVector(0, 0));
    auto* child = new GuiBase("Child", &root);
    child->createGui("gui_blank.png");
    root.getController()->addChild(child);
    auto* grandChild = new GuiBase("Grand", child);
    grandChild->createGui("gui_blank.png");
    child->getController()->addChild(grandChild);

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
    EXPECT_FALSE(root.isInteractive());
    EXPECT_FALSE(grandChild->isInteractive());
    root.setVisible(true);
    EXPECT_TRUE(grandChild->isVisible());
    EXPECT_TRUE(grandChild->isInteractive());

    // Moving a widget leaves its children where they are.
    root.setPosition(300, 200);
    EXPECT_TRUE(at(hgeVector(root.getRect().x1, root.getRect().x2), 300, 400));
    EXPECT_FLOAT_EQ(child->getPosition().x, 0);
}
