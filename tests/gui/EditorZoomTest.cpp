// SPDX-License-Identifier: MIT
// The editor's zoom: where it comes from, the rectangle hosts read, and the
// host asked for room when the zoom must change under an open editor.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "gui/DisplayZoom.h"
#include "gui/EditorBase.h"
#include "gui/EditorOwner.h"
#include "gui/ViewFrame.h"
#include "gui/platform/testdesktop/TestDesktop.h"

using namespace platform;

namespace {
class ResizingOwner : public EditorOwner {
public:
    void setEditor(EditorBase*) override {}
    void hostIdle() override {}
    bool sizeWindow(int32_t width, int32_t height) override {
        ++asked;
        askedWidth = width;
        askedHeight = height;
        return allows;
    }
    bool allows = false;
    int asked = 0, askedWidth = 0, askedHeight = 0;
};

// 30 × 20, with a frame while open as the game's editor makes one.
class SizedEditor : public EditorBase {
public:
    explicit SizedEditor(EditorOwner* owner) : EditorBase(owner) { setEditorSize(30, 20); }
    ~SizedEditor() override { close(); }
    int32_t open(void* parent) override {
        EditorBase::open(parent);
        frame = new ViewFrame(Rect(0, 0, 30, 20), parent, this);
        return 1;
    }
    void close() override {
        delete frame;
        frame = nullptr;
    }
    Pt told() {
        EditorRect* rect = nullptr;
        editorRect(&rect);
        return {rect->right - rect->left, rect->bottom - rect->top};
    }
};

void setUserScale(const char* value) {
#ifdef _WIN32
    _putenv_s("GDK_SCALE", value ? value : "");
#else
    if (value) setenv("GDK_SCALE", value, 1);
    else unsetenv("GDK_SCALE");
#endif
}

class EditorZoom : public testing::Test {
protected:
    void TearDown() override {
        setUserScale(nullptr);
        desktop::setScreenScale(0.0);
    }
};
}  // namespace

TEST_F(EditorZoom, AScaleBecomesTheNearestWholeZoomFromOneToFour) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double scale;
        int32_t zoom;
    } cases[] = {{-2.0, 1}, {0.0, 1},  {0.5, 1}, {1.0, 1},  {1.25, 1}, {1.49, 1}, {1.5, 2},
                 {2.0, 2},  {2.5, 3},  {3.4, 3}, {3.6, 4},  {4.0, 4},  {9.0, 4},  {nan, 1},
                 {infinity, 1}};
    for (const auto& c : cases) EXPECT_EQ(DisplayZoom::ofScale(c.scale), c.zoom) << c.scale;
}

// GDK_SCALE is the software platform's; Windows windows follow their monitor.
TEST_F(EditorZoom, TheHostDecidesThenTheUserThenTheScreen) {
#ifdef _WIN32
    const bool userCounts = false;
#else
    const bool userCounts = true;
#endif
    const struct {
        double host;
        const char* user;
        double screen;
        int32_t zoom;
        int32_t zoomWithoutUser;
    } cases[] = {
        {0.0, nullptr, 1.0, 1, 1}, {0.0, nullptr, 2.0, 2, 2}, {0.0, "3", 2.0, 3, 2},
        {0.0, "oops", 1.75, 2, 2}, {1.0, "3", 2.0, 1, 1},     {2.5, nullptr, 1.0, 3, 3},
        {-1.0, "4", 1.0, 4, 1},
    };
    ResizingOwner owner;
    SizedEditor editor(&owner);
    for (const auto& c : cases) {
        setUserScale(c.user);
        desktop::setScreenScale(c.screen);
        editor.setHostScale(c.host);
        int32_t zoom = userCounts ? c.zoom : c.zoomWithoutUser;
        Pt told = editor.told();
        EXPECT_EQ(told.x, 30 * zoom) << c.host << " " << (c.user ? c.user : "-") << " " << c.screen;
        EXPECT_EQ(told.y, 20 * zoom);
        EXPECT_EQ(editor.getZoom(), zoom);
    }
    EXPECT_EQ(owner.asked, 0);  // a closed editor's size is only told
}

TEST_F(EditorZoom, AChangeUnderAnOpenEditorAsksTheHostForRoom) {
    Window host = desktop::createHostWindow(200, 200);
    ResizingOwner owner;
    SizedEditor editor(&owner);
    desktop::setScreenScale(1.0);
    EXPECT_EQ(editor.told().x, 30);
    // The parent turns out to be on a screen of twice the scale.
    desktop::setScreenScale(2.0);
    editor.open(host);
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(owner.askedWidth, 60);
    EXPECT_EQ(owner.askedHeight, 40);
    EXPECT_EQ(windowZoom(editor.getFrame()->window()), 1);  // refused: the size told stands
    EXPECT_EQ(editor.told().x, 30);
    editor.close();

    owner.allows = true;
    desktop::setScreenScale(1.0);
    EXPECT_EQ(editor.told().x, 30);
    desktop::setScreenScale(2.0);
    editor.open(host);
    EXPECT_EQ(windowZoom(editor.getFrame()->window()), 2);
    EXPECT_EQ(editor.told().x, 60);
    // The monitor's DPI changes while open.
    desktop::setScreenScale(3.0);
    desktop::postMessage(editor.getFrame()->window(), msgDpiChanged, 0, 0);
    EXPECT_EQ(owner.asked, 3);
    EXPECT_EQ(owner.askedHeight, 60);
    EXPECT_EQ(windowZoom(editor.getFrame()->window()), 3);
    EXPECT_EQ(editor.told().y, 60);
    // A change that leaves the zoom as it is asks nothing.
    desktop::setScreenScale(2.6);
    desktop::postMessage(editor.getFrame()->window(), msgDpiChanged, 0, 0);
    EXPECT_EQ(owner.asked, 3);
    // The host's own scale needs no asking: it sizes for what it set.
    editor.setHostScale(1.0);
    EXPECT_EQ(owner.asked, 3);
    EXPECT_EQ(windowZoom(editor.getFrame()->window()), 1);
    EXPECT_EQ(editor.told().x, 30);
    editor.close();
    desktop::destroyHostWindow(host);
}
