// SPDX-License-Identifier: MIT
// The bundle binary's UI in a real X11 window of the test's own, as an LV2
// host embeds it: it opens inside the host's window at the editor's size,
// steps on idle calls while audio runs, and goes with its window on
// cleanup. A host without the features it needs gets no UI, and the
// plug-in goes on working.

// Xlib's macros (None, Bool, Status) would break GoogleTest's headers.
#include <gtest/gtest.h>
#include <lv2/instance-access/instance-access.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "gui/platform/X11Display.h"
#include "tests/lv2/Lv2Binary.h"

namespace {
// The host's window, and the children the UI made in it.
struct TestHostWindow {
    Display* display = platform::openX11Display();
    Window window = display ? XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400,
                                                  300, 0, 0, 0)
                            : 0;
    // A child of the host's own, which the UI must never take for its window.
    Window ownChild = display ? XCreateSimpleWindow(display, window, 380, 280, 10, 10, 0, 0, 0) : 0;
    TestHostWindow() {
        if (!display) return;
        XMapWindow(display, ownChild);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~TestHostWindow() {
        if (!display) return;
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    std::vector<Window> children() const {
        Window root, parent, *list = nullptr;
        unsigned int count = 0;
        XSync(display, False);
        if (!XQueryTree(display, window, &root, &parent, &list, &count)) return {};
        std::vector<Window> found;
        for (unsigned int i = 0; i < count; ++i)
            if (list[i] != ownChild) found.push_back(list[i]);
        if (list) XFree(list);
        return found;
    }
    void* id() const { return reinterpret_cast<void*>(uintptr_t(window)); }
};

struct SizeHeard {
    int calls = 0, width = 0, height = 0;
    LV2UI_Resize feature{this, [](LV2UI_Feature_Handle self, int width, int height) {
                             auto* heard = static_cast<SizeHeard*>(self);
                             ++heard->calls;
                             heard->width = width;
                             heard->height = height;
                             return 0;
                         }};
};

LV2UI_Handle openUi(const LV2_Feature* const* features, LV2UI_Widget* widget,
                    const char* pluginUri = SKYRUN_LV2_URI) {
    const LV2UI_Descriptor* ui = bundleBinary().ui;
    return ui->instantiate(ui, pluginUri, SKYRUN_LV2_BUNDLE_PATH "/", nullptr, nullptr, widget,
                           features);
}

// Blocks run on a thread of their own for as long as it lives, as a host's
// audio thread runs while its interface thread opens and closes the UI.
class AudioThread {
public:
    explicit AudioThread(Lv2Instance& instance)
        : thread([this, &instance] {
              std::vector<float> left(256), right(256);
              while (!stop.load()) {
                  left = testSignal(256, 0);
                  right = testSignal(256, 1);
                  instance.run(left.data(), right.data(), left.data(), right.data(), 256);
              }
          }) {}
    ~AudioThread() {
        stop.store(true);
        thread.join();
    }

private:
    std::atomic<bool> stop{false};
    std::thread thread;
};

size_t coloursShown(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, unsigned(width), unsigned(height), AllPlanes,
                              ZPixmap);
    if (!image) return 0;
    std::set<unsigned long> colours;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size();
}

TEST(Lv2Ui, OpensInTheHostsWindowAtTheEditorsSizeAndClosesWithCleanup) {
    TestHostWindow host;
    ASSERT_NE(host.display, nullptr) << "no X display";
    ASSERT_NE(bundleBinary().ui, nullptr);
    Lv2Instance instance;
    ASSERT_NE(instance.handle(), nullptr);
    auto* idle = static_cast<const LV2UI_Idle_Interface*>(
        bundleBinary().ui->extension_data(LV2_UI__idleInterface));
    ASSERT_NE(idle, nullptr);
    {
        AudioThread audio(instance);
        // Shown and hidden many times while audio runs: the sanitizer build
        // sees any leak or use after close.
        for (int cycle = 0; cycle < 100; ++cycle) {
            SizeHeard size;
            LV2_Feature parent{LV2_UI__parent, host.id()};
            LV2_Feature access{LV2_INSTANCE_ACCESS_URI, instance.handle()};
            LV2_Feature resize{LV2_UI__resize, &size.feature};
            const LV2_Feature* features[] = {&parent, &access, &resize, nullptr};
            LV2UI_Widget widget = nullptr;
            LV2UI_Handle ui = openUi(features, &widget);
            ASSERT_NE(ui, nullptr) << "cycle " << cycle;
            EXPECT_EQ(size.calls, 1);
            EXPECT_EQ(size.width, 302);
            EXPECT_EQ(size.height, 214);
            std::vector<Window> children = host.children();
            ASSERT_EQ(children.size(), 1u);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(widget), uintptr_t(children[0]));
            XWindowAttributes attributes{};
            ASSERT_TRUE(XGetWindowAttributes(host.display, children[0], &attributes));
            EXPECT_EQ(attributes.width, 302);
            EXPECT_EQ(attributes.height, 214);
            for (int step = 0; step < 5; ++step) EXPECT_EQ(idle->idle(ui), 0);
            if (cycle == 0) {
                // The picture arrives once the editor has had the window's
                // first expose, which the server may deliver some idles later.
                size_t colours = 0;
                for (int wait = 0; wait < 200 && colours <= 8; ++wait) {
                    idle->idle(ui);
                    XSync(host.display, False);
                    colours = coloursShown(host.display, children[0], 302, 214);
                    if (colours <= 8) std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                EXPECT_GT(colours, 8u) << "the game's picture is not in the window";
            }
            bundleBinary().ui->cleanup(ui);
            ASSERT_TRUE(host.children().empty()) << "cycle " << cycle;
        }
    }
    // The effect still runs once its editor is gone. The game may have left
    // a sound of its own playing, so the output is the input plus at most that.
    std::vector<float> left = testSignal(64, 0), right = testSignal(64, 1);
    instance.run(left.data(), right.data(), left.data(), right.data(), 64);
    const std::vector<float> input = testSignal(64, 0);
    for (size_t i = 0; i < left.size(); ++i) {
        ASSERT_TRUE(std::isfinite(left[i])) << "frame " << i;
        EXPECT_LE(std::fabs(left[i] - input[i]), 1.0f) << "frame " << i;
    }
}

TEST(Lv2Ui, GivesNoUiToAHostWithoutTheFeaturesItNeeds) {
    TestHostWindow host;
    ASSERT_NE(host.display, nullptr) << "no X display";
    ASSERT_NE(bundleBinary().ui, nullptr);
    Lv2Instance instance;
    ASSERT_NE(instance.handle(), nullptr);
    LV2_Feature parent{LV2_UI__parent, host.id()};
    LV2_Feature nullParent{LV2_UI__parent, nullptr};
    LV2_Feature access{LV2_INSTANCE_ACCESS_URI, instance.handle()};
    LV2_Feature nullAccess{LV2_INSTANCE_ACCESS_URI, nullptr};
    const LV2_Feature* noParent[] = {&access, nullptr};
    const LV2_Feature* parentIsNull[] = {&nullParent, &access, nullptr};
    const LV2_Feature* noAccess[] = {&parent, nullptr};
    const LV2_Feature* accessIsNull[] = {&parent, &nullAccess, nullptr};
    const LV2_Feature* none[] = {nullptr};
    for (const LV2_Feature* const* features : {noParent, parentIsNull, noAccess, accessIsNull, none}) {
        LV2UI_Widget widget = nullptr;
        EXPECT_EQ(openUi(features, &widget), nullptr);
        EXPECT_TRUE(host.children().empty());
    }
    const LV2_Feature* complete[] = {&parent, &access, nullptr};
    LV2UI_Widget widget = nullptr;
    EXPECT_EQ(openUi(complete, &widget, "https://elsewhere.example/another-plugin"), nullptr);
    EXPECT_EQ(openUi(complete, nullptr), nullptr);
    EXPECT_TRUE(host.children().empty());
    std::vector<float> left = testSignal(64, 0), right = testSignal(64, 1);
    instance.run(left.data(), right.data(), left.data(), right.data(), 64);
    EXPECT_EQ(left, testSignal(64, 0));
    EXPECT_EQ(right, testSignal(64, 1));
}
}  // namespace
