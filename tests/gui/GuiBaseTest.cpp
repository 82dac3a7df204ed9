// The widget base: building from gui.xml records, the children's order and
// lookup, ownership on destruction, the frame and what reaches children.
#include <gtest/gtest.h>

#include <map>

#include "InteractionTestSupport.h"
#include "core/Log.h"
#include "engine/hgesprite.h"
#include "gui/GuiController.h"
#include "resource/XmlReader.h"

using guitest::GuiRecords;

namespace {

class GuiBaseTest : public guitest::RecordsTest {};

std::vector<std::string> childNames(GuiBase* widget) {
    std::vector<std::string> names;
    for (GuiBase* child : widget->getController()->getChildren()) {
        names.push_back(child->getName());
    }
    return names;
}

// Counts its own destruction by name.
std::map<std::string, int>& destroyed() {
    static std::map<std::string, int> counts;
    return counts;
}

class Counted : public GuiWindow {
public:
    Counted(const std::string& name, GuiBase* parent, float x = 0, float y = 0)
        : GuiWindow(name, "gui_blank.png", hgeVector(x, y), hgeVector(40, 40), parent, false) {
        if (parent) {
            parent->getController()->addChild(this);
        }
    }
    ~Counted() override { ++destroyed()[getName()]; }
};

}  // namespace

TEST_F(GuiBaseTest, RecordPlacesChildrenRelativeToTheParentAndAboveIt) {
    GuiWindow root(record("Root"), true, nullptr);
    EXPECT_EQ(root.getName(), "Root");
    EXPECT_EQ(root.getImageName(), "blank");
    EXPECT_FLOAT_EQ(root.getPosition().x, 100);
    EXPECT_FLOAT_EQ(root.getPosition().y, 50);
    EXPECT_FLOAT_EQ(root.getDepth(), 0.85f);
    EXPECT_TRUE(root.movesWithCam());
    EXPECT_FLOAT_EQ(root.getRect().x2, 400);
    EXPECT_FLOAT_EQ(root.getRect().y2, 250);

    GuiBase* child = root.findChild("Child");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->getParentWidget(), &root);
    EXPECT_EQ(child->getParent(), &root);
    EXPECT_FLOAT_EQ(child->getPosition().x, 110);
    EXPECT_FLOAT_EQ(child->getPosition().y, 60);
    EXPECT_FLOAT_EQ(child->getOffset().x, 10);
    EXPECT_FLOAT_EQ(child->getDepth(), 0.86f);
    EXPECT_FLOAT_EQ(child->getZ(), 0.86f);
    // Widgets draw from their top-left corner.
    float hx = -1, hy = -1;
    child->getSprite()->GetHotSpot(&hx, &hy);
    EXPECT_FLOAT_EQ(hx, 0);
    EXPECT_FLOAT_EQ(hy, 0);

    GuiBase* grandChild = child->findChild("Twin");
    ASSERT_NE(grandChild, nullptr);
    EXPECT_FLOAT_EQ(grandChild->getPosition().x, 111);
    EXPECT_FLOAT_EQ(grandChild->getPosition().y, 61);
    EXPECT_FLOAT_EQ(grandChild->getDepth(), 0.87f);
}

TEST_F(GuiBaseTest, ChildrenAreBuiltKindByKindEachInDocumentOrder) {
    test::LogCapture log;
    GuiWindow root(record("Root"), true, nullptr);
    EXPECT_TRUE(root.childrenBuilt());
    // The button comes first in the file, but windows are built first.
    EXPECT_EQ(childNames(&root), (std::vector<std::string>{"Child", "Twin", "Early Button"}));
    // One picture; the image with an empty "gfx" adds nothing.
    EXPECT_EQ(root.getPictureCount(), 1u);
    EXPECT_EQ(log.count(test::logLine("DD", "GuiWindow::addImage", "got empty string")), 1);
}

TEST_F(GuiBaseTest, FindChildSearchesDepthFirst) {
    GuiWindow root(record("Root"), true, nullptr);
    GuiBase* child = root.findChild("Child");
    ASSERT_NE(child, nullptr);
    // The grandchild under the earlier child wins over the later direct child.
    GuiBase* twin = root.findChild("Twin");
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->getParentWidget(), child);
    EXPECT_NE(root.findChild("Early Button"), nullptr);
    EXPECT_EQ(root.findChild("Nope"), nullptr);
    EXPECT_EQ(root.findChild("Root"), nullptr);

    // Without built children the search stays on the first level.
    Counted codeRoot("Code Root", nullptr);
    Counted* a = new Counted("A", &codeRoot);
    Counted* deep = new Counted("Deep", a);
    EXPECT_EQ(codeRoot.findChild("Deep"), nullptr);
    EXPECT_EQ(codeRoot.findChild("A"), a);
    EXPECT_EQ(a->findChild("Deep"), deep);
}

TEST_F(GuiBaseTest, DestroyingARootDestroysEachOwnedDescendantOnce) {
    destroyed().clear();
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    const std::size_t registered = cursor->size();

    auto* root = new Counted("root", nullptr);
    auto* a = new Counted("a", root);
    auto* a1 = new Counted("a1", a);
    new Counted("a2", a1);
    auto* kept = new Counted("kept", root);
    kept->setOwnedByParent(false);
    new Counted("keptChild", kept);
    auto* early = new Counted("early", root);
    new Counted("b", root);
    // Deleted on its own first: the root must not destroy it again.
    delete early;
    EXPECT_EQ(root->getController()->getCount(), 3u);

    delete root;
    EXPECT_EQ(destroyed(),
              (std::map<std::string, int>{
                  {"a", 1}, {"a1", 1}, {"a2", 1}, {"b", 1}, {"early", 1}, {"root", 1}}));
    // The survivor and its own child live on, no longer pointing at the root.
    EXPECT_EQ(kept->getParentWidget(), nullptr);
    EXPECT_EQ(kept->getParent(), nullptr);
    EXPECT_EQ(cursor->size(), registered + 2);
    EXPECT_EQ(kept->getController()->getCount(), 1u);

    delete kept;
    EXPECT_EQ(destroyed()["kept"], 1);
    EXPECT_EQ(destroyed()["keptChild"], 1);
    EXPECT_EQ(cursor->size(), registered);
}

TEST_F(GuiBaseTest, UnlistedChildOutlivesItsParentSafely) {
    auto* parent = new GuiWindow("Parent", "gui_blank.png", hgeVector(10, 10), hgeVector(50, 50),
                                 nullptr, false);
    // Made under the parent but never added to its list.
    auto* loose =
        new GuiWindow("Loose", "gui_blank.png", hgeVector(5, 5), hgeVector(20, 20), parent, false);
    EXPECT_EQ(loose->getParentWidget(), parent);
    delete parent;
    EXPECT_EQ(loose->getParentWidget(), nullptr);
    EXPECT_EQ(loose->getParent(), nullptr);
    delete loose;  // must not reach back into the freed parent
}

TEST_F(GuiBaseTest, RemovedChildIsUnlinkedNotDestroyed) {
    destroyed().clear();
    auto* root = new Counted("root", nullptr);
    auto* a = new Counted("a", root);
    new Counted("b", root);
    EXPECT_EQ(root->getController()->removeChild(a), a);
    EXPECT_EQ(root->getController()->removeChild(a), nullptr);
    EXPECT_EQ(childNames(root), (std::vector<std::string>{"b"}));
    delete root;
    EXPECT_EQ(destroyed().count("a"), 0u);
    delete a;
    EXPECT_EQ(destroyed()["a"], 1);
}

TEST_F(GuiBaseTest, RecordsWithMissingValuesGetDefaultsAndTheirLines) {
    {
        test::LogCapture log;
        GuiWindow noName(record("NoName"), false, nullptr);
        EXPECT_EQ(log.count(test::logLine("WW", "xml::findAttribute",
                                          "element doesnt have attribute name")),
                  1);
        ASSERT_NE(noName.getSprite(), nullptr);
        EXPECT_EQ(noName.getSprite()->GetTexture(), 0u);  // the blank sprite
        EXPECT_FLOAT_EQ(noName.getSize().x, 50);
        EXPECT_FLOAT_EQ(noName.getSize().y, 40);
    }
    {
        test::LogCapture log;
        GuiWindow noId(record(""), false, nullptr);
        EXPECT_EQ(noId.getName(), "");
        EXPECT_EQ(log.count(test::logLine("WW", "xml::findAttribute",
                                          "element doesnt have attribute guiId")),
                  1);
    }
    for (const std::string id : {"NoSize", "ZeroSize"}) {
        test::LogCapture log;
        GuiWindow sized(record(id), false, nullptr);
        EXPECT_EQ(log.count(test::logLine("DD", "GuiBase::createGui", "Got no size for " + id)), 1)
            << id;
        // gui_window.png is 32 x 32: the cut sprite is 30 x 30.
        EXPECT_FLOAT_EQ(sized.getSize().x, 30) << id;
        EXPECT_FLOAT_EQ(sized.getSize().y, 30) << id;
        EXPECT_FLOAT_EQ(sized.getRect().x2, 30) << id;
    }
}

TEST_F(GuiBaseTest, MissingGuiFileBuildsNothingAndDoesNotCrash) {
    test::LogCapture log;
    XmlReader reader("no_such_gui_file.xml");
    TiXmlElement* element = reader.getRootChildElement("testGui", "guiId", "Root");
    EXPECT_EQ(element, nullptr);
    auto* window = new GuiWindow(element, true, nullptr);
    EXPECT_EQ(log.count(test::logLine("EE", "GuiBase::createGui", "got null element")), 1);
    EXPECT_EQ(window->getSprite(), nullptr);
    EXPECT_EQ(window->getController()->getCount(), 0u);
    // Without a sprite there is no box: the pointer never hits it.
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    EXPECT_EQ(cursor->hitTest(hgeVector(0, 0)), nullptr);
    delete window;
}

TEST_F(GuiBaseTest, ImagesOnlyGoToWindows) {
    GuiBase plain("Plain", nullptr);
    plain.createGui("gui_blank.png");
    test::LogCapture log;
    plain.createChildren(record("Root"));
    EXPECT_EQ(log.count(test::logLine("WW", "GuiBase::createChildren",
                                      "tried to add image to something else than a window")),
              2);
    EXPECT_EQ(childNames(&plain), (std::vector<std::string>{"Child", "Twin", "Early Button"}));
}

TEST_F(GuiBaseTest, AddTextColourIsCombinedAsItStands) {
    EXPECT_EQ(GuiBase::textColor(m_records.record("Red", "addText")), 0xFFFF0000u);
    // A missing colour is 1 in every channel: nearly transparent.
    EXPECT_EQ(GuiBase::textColor(m_records.record("Plain", "addText")), 0x01010101u);
    // Not clamped: red 300 spills into the alpha byte.
    EXPECT_EQ(GuiBase::textColor(m_records.record("Spill", "addText")),
              0x01000000u + 300u * 0x10000u);
}

TEST_F(GuiBaseTest, CreateGuiFormsLogTheirLines) {
    {
        test::LogCapture log;
        GuiBase blank("Blank", nullptr);
        blank.createGui();
        const std::vector<std::string> lines = log.from("GuiBase::createGui");
        EXPECT_EQ(lines,
                  (std::vector<std::string>{
                      test::logLine("DD", "GuiBase::createGui", "Creating GUI with no sprite"),
                      test::logLine("DD", "GuiBase::createGui", "Set texture to NULL"),
                      test::logLine("DD", "GuiBase::createGui", "Created the blanktexture"),
                      test::logLine("DD", "GuiBase::createGui", "Got no size for Blank")}));
        EXPECT_FLOAT_EQ(blank.getSize().x, 32);
    }
    {
        test::LogCapture log;
        GuiBase parent("Parent", nullptr);
        parent.createGui("gui_blank.png");
        GuiBase empty("Empty", &parent);
        empty.createGui(std::string());
        EXPECT_EQ(log.count(test::logLine("EE", "GuiBase::createGui", "USING BLANK TEXTURE")), 1);
        ASSERT_NE(empty.getSprite(), nullptr);
        EXPECT_EQ(empty.getSprite()->GetTexture(), 0u);
        // The file-name form sits 0.1 above its parent.
        EXPECT_FLOAT_EQ(empty.getDepth(), parent.getDepth() + 0.1f);
    }
}

TEST_F(GuiBaseTest, CreateBorderBuildsEightFramePieces) {
    GuiBase widget("Framed", nullptr);
    widget.setSize(hgeVector(200, 100));
    widget.setPosition(100, 100);
    widget.createGui("gui_blank.png");
    ASSERT_NE(widget.getSprite(), nullptr);
    const float h = widget.getSprite()->GetHeight();  // the cut sprite: 98
    ASSERT_FLOAT_EQ(h, 98);
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
        const Sprite& piece = *pieces[i];
        ASSERT_NE(piece.getSprite(), nullptr) << i;
        EXPECT_FLOAT_EQ(piece.getPosition().x, expected[i].x) << i;
        EXPECT_FLOAT_EQ(piece.getPosition().y, expected[i].y) << i;
        EXPECT_FLOAT_EQ(piece.getSprite()->GetWidth(), expected[i].width) << i;
        EXPECT_FLOAT_EQ(piece.getSprite()->GetHeight(), expected[i].height) << i;
        bool fx = false, fy = false;
        piece.getSprite()->GetFlip(&fx, &fy);
        EXPECT_EQ(fx, expected[i].flipX) << i;
        EXPECT_EQ(fy, expected[i].flipY) << i;
        EXPECT_FLOAT_EQ(piece.getRotation(), expected[i].rotation) << i;
        EXPECT_TRUE(piece.movesWithCam()) << i;
        EXPECT_FLOAT_EQ(piece.getZ(), widget.getDepth()) << i;
        float hx = -1, hy = -1;
        piece.getSprite()->GetHotSpot(&hx, &hy);
        EXPECT_FLOAT_EQ(hx, 0) << i;
        EXPECT_FLOAT_EQ(hy, 0) << i;
    }
    // The picture gets back the margin the cut left out.
    float tx, ty, tw, th;
    widget.getSprite()->GetTextureRect(&tx, &ty, &tw, &th);
    EXPECT_FLOAT_EQ(tx, 1);
    EXPECT_FLOAT_EQ(ty, 1);
    EXPECT_FLOAT_EQ(tw, 200);
    EXPECT_FLOAT_EQ(th, 99);

    // A second frame replaces the first, and a size replaces the widget's.
    widget.createBorder(hgeVector(150, 60));
    EXPECT_EQ(widget.getImages().size(), 8u);
    EXPECT_FLOAT_EQ(widget.getSize().x, 150);
    EXPECT_FLOAT_EQ(widget.getImages()[4]->getSprite()->GetWidth(), 150);

    GuiBase bare("Bare", nullptr);
    test::LogCapture log;
    bare.createBorder(hgeVector(10, 10));
    EXPECT_EQ(log.count(test::logLine("EE", "GuiBase::createBorder",
                                      "m_sprite is null, cant create border")),
              1);
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
    EXPECT_FLOAT_EQ(root.getZ(), 0.5f);
    EXPECT_FLOAT_EQ(child->getDepth(), 0.5f);
    EXPECT_FLOAT_EQ(grandChild->getDepth(), 0.5f);
    for (const auto& image : root.getImages()) {
        EXPECT_FLOAT_EQ(image->getZ(), 0.5f);
    }

    root.setAlpha(0x80);
    EXPECT_EQ(root.getSprite()->GetColor(), 0x80FFFFFFu);
    EXPECT_EQ(grandChild->getSprite()->GetColor(), 0x80FFFFFFu);
    for (const auto& image : root.getImages()) {
        EXPECT_EQ(image->getSprite()->GetColor(), 0x80FFFFFFu);
    }

    root.setVisible(false);
    EXPECT_FALSE(root.isVisible());
    EXPECT_FALSE(root.isInteractive());
    EXPECT_FALSE(child->isVisible());
    EXPECT_FALSE(grandChild->isInteractive());
    for (const auto& image : root.getImages()) {
        EXPECT_FALSE(image->isVisible());
    }
    root.setVisible(true);
    EXPECT_TRUE(grandChild->isVisible());
    EXPECT_TRUE(grandChild->isInteractive());

    // Moving a widget leaves its children where they are.
    root.setPosition(300, 200);
    EXPECT_FLOAT_EQ(root.getRect().x1, 300);
    EXPECT_FLOAT_EQ(root.getRect().x2, 400);
    EXPECT_FLOAT_EQ(child->getPosition().x, 0);
}
