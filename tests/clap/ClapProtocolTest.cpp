// SPDX-License-Identifier: MIT
// The built Skyrun.clap loaded as a CLAP host loads it and driven through
// its entry alone: factory, plug-in, audio ports and GUI, with the bad
// inputs a careless host passes.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <vector>

#include "clap/Clap.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>

#include "gui/platform/X11Display.h"
#endif

namespace {
const clap_plugin_entry& entry() {
#ifdef _WIN32
    static void* symbol =
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA(SKYRUN_CLAP_PATH), "clap_entry"));
#else
    static void* symbol = dlsym(dlopen(SKYRUN_CLAP_PATH, RTLD_NOW | RTLD_LOCAL), "clap_entry");
#endif
    if (!symbol) throw std::runtime_error("cannot load " SKYRUN_CLAP_PATH);
    return *static_cast<const clap_plugin_entry*>(symbol);
}

const clap_plugin_factory& factory() {
    return *static_cast<const clap_plugin_factory*>(entry().get_factory(kClapPluginFactoryId));
}

// A host recording the timers the plug-in registers; with timers off it
// offers no timer-support.
struct TestHost {
    bool timers = true;
    std::vector<uint32_t> periods;
    int unregistered = 0;
    clap_host_timer_support timerSupport = {
        [](const clap_host* host, uint32_t period, clap_id* id) {
            auto& self = *static_cast<TestHost*>(host->host_data);
            self.periods.push_back(period);
            *id = 7;
            return true;
        },
        [](const clap_host* host, clap_id id) {
            static_cast<TestHost*>(host->host_data)->unregistered += id == 7;
            return true;
        }};
    clap_host host = {kClapVersion,
                      this,
                      "test",
                      "",
                      "",
                      "1",
                      [](const clap_host* host, const char* id) -> const void* {
                          auto& self = *static_cast<TestHost*>(host->host_data);
                          return self.timers && !std::strcmp(id, kClapExtTimerSupport)
                                     ? &self.timerSupport
                                     : nullptr;
                      },
                      [](const clap_host*) {},
                      [](const clap_host*) {},
                      [](const clap_host*) {}};

    const clap_plugin* create(const char* id = "example.orvane.skyrun") {
        return factory().create_plugin(&factory(), &host, id);
    }
};

template <class Extension>
const Extension& extension(const clap_plugin* plugin, const char* id) {
    return *static_cast<const Extension*>(plugin->get_extension(plugin, id));
}

clap_process_status process(const clap_plugin* plugin, float** in, float** out, uint32_t frames) {
    clap_audio_buffer inputs = {in, nullptr, 2, 0, 0}, outputs = {out, nullptr, 2, 0, 0};
    clap_process block = {0, frames, nullptr, &inputs, &outputs, 1, 1, nullptr, nullptr};
    return plugin->process(plugin, &block);
}

// The host's window, holding a child of its own that the plug-in must never
// take for its editor's window, and the editor's window the plug-in made in it.
struct ParentWindow {
#ifdef _WIN32
    HWND handle = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800,
                                  600, nullptr, nullptr, nullptr, nullptr);
    HWND ownChild = CreateWindowExA(0, "STATIC", "own", WS_CHILD | WS_VISIBLE, 700, 500, 10, 10,
                                    handle, nullptr, nullptr, nullptr);
    ~ParentWindow() { DestroyWindow(handle); }
    clap_window window() const { return {kClapWindowApiWin32, {.win32 = handle}}; }
    HWND child() const {
        HWND found = GetWindow(handle, GW_CHILD);
        while (found == ownChild) found = GetWindow(found, GW_HWNDNEXT);
        return found;
    }
    bool visible(HWND window) const { return IsWindowVisible(window); }
    std::pair<int, int> childSize() const {
        RECT rect{};
        GetClientRect(child(), &rect);
        return {rect.right, rect.bottom};
    }
    // Whether a timer on the child came due within five seconds (a busy
    // machine may be slow); it runs then.
    bool childTimerRan() const {
        for (int tries = 0; tries < 500; ++tries, Sleep(10)) {
            MSG message;
            if (PeekMessageA(&message, child(), WM_TIMER, WM_TIMER, PM_REMOVE))
                return DispatchMessageA(&message), true;
        }
        return false;
    }
#else
    Display* display = platform::openX11Display();
    Window handle =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 800, 600, 0, 0, 0);
    Window ownChild = XCreateSimpleWindow(display, handle, 700, 500, 10, 10, 0, 0, 0);
    ParentWindow() { XMapWindow(display, ownChild), XMapWindow(display, handle), XSync(display, False); }
    ~ParentWindow() { XDestroyWindow(display, handle), XCloseDisplay(display); }
    clap_window window() const { return {kClapWindowApiX11, {.x11 = handle}}; }
    Window child() const {
        Window root, parent, *children = nullptr, found = 0;
        unsigned int count = 0;
        XSync(display, False);
        if (XQueryTree(display, handle, &root, &parent, &children, &count))
            for (unsigned int i = 0; i < count && !found; ++i)
                if (children[i] != ownChild) found = children[i];
        if (children) XFree(children);
        return found;
    }
    XWindowAttributes attributes(Window window) const {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, window, &attributes);
        return attributes;
    }
    bool visible(Window window) const { return attributes(window).map_state == IsViewable; }
    std::pair<int, int> childSize() const {
        XWindowAttributes shown = attributes(child());
        return {shown.width, shown.height};
    }
#endif
};
}  // namespace

TEST(ClapEntry, InitsWithAnyPathAndHasOneFactoryOfOnePlugin) {
    EXPECT_EQ(entry().clap_version.major, 1u);
    for (const char* path : {"", "/nowhere/Skyrun.clap", static_cast<const char*>(nullptr)})
        EXPECT_TRUE(entry().init(path));
    EXPECT_EQ(entry().get_factory("clap.preset-discovery-factory/2"), nullptr);
    EXPECT_EQ(entry().get_factory(nullptr), nullptr);
    EXPECT_EQ(factory().get_plugin_count(&factory()), 1u);
    EXPECT_EQ(factory().get_plugin_descriptor(&factory(), 1), nullptr);
    const clap_plugin_descriptor* descriptor = factory().get_plugin_descriptor(&factory(), 0);
    EXPECT_STREQ(descriptor->id, "example.orvane.skyrun");
    EXPECT_STREQ(descriptor->features[0], "audio-effect");
    EXPECT_STREQ(descriptor->features[1], "stereo");
    EXPECT_EQ(descriptor->features[2], nullptr);
}

TEST(ClapEntry, CreatesNothingForAnUnknownIdOrAHostLackingFunctions) {
    TestHost host;
    EXPECT_EQ(host.create("example.orvane.other"), nullptr);
    EXPECT_EQ(host.create(nullptr), nullptr);
    EXPECT_EQ(factory().create_plugin(&factory(), nullptr, "example.orvane.skyrun"), nullptr);
    host.host.clap_version = {0, 9, 0};  // before the stable interface
    EXPECT_EQ(host.create(), nullptr);
    host.host.clap_version = kClapVersion;
    host.host.request_callback = nullptr;
    EXPECT_EQ(host.create(), nullptr);
}

TEST(ClapPlugin, ActivatesAtAPositiveRateAndProcessesInPlaceAsSeparately) {
    TestHost host;
    const clap_plugin *separate = host.create(), *inPlace = host.create();
    for (const clap_plugin* plugin : {separate, inPlace}) {
        ASSERT_TRUE(plugin && plugin->init(plugin));
        EXPECT_EQ(plugin->get_extension(plugin, "clap.params"), nullptr);
        for (double rate : {0.0, -44100.0, std::nan(""), std::numeric_limits<double>::infinity()})
            EXPECT_FALSE(plugin->activate(plugin, rate, 1, 4096)) << rate;
        ASSERT_TRUE(plugin->activate(plugin, 48000.0, 1, 4096));
    }
    for (uint32_t frames : {0u, 1u, 7u, 512u, 4096u}) {
        std::vector<float> left(frames), right(frames), outLeft(frames), outRight(frames);
        for (uint32_t i = 0; i < frames; ++i) left[i] = std::sin(i * 0.1f), right[i] = 0.5f - i % 3;
        const std::vector<float> signalLeft = left, signalRight = right;
        float *in[] = {left.data(), right.data()}, *out[] = {outLeft.data(), outRight.data()};
        EXPECT_EQ(process(separate, in, out, frames), kClapProcessContinue);
        EXPECT_EQ(process(inPlace, in, in, frames), kClapProcessContinue);
        for (auto& channel : {left, outLeft}) EXPECT_EQ(channel, signalLeft) << frames;
        for (auto& channel : {right, outRight}) EXPECT_EQ(channel, signalRight) << frames;
    }
    clap_process noPorts = {0, 16, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr};
    EXPECT_EQ(separate->process(separate, &noPorts), kClapProcessError);
    for (const clap_plugin* plugin : {separate, inPlace})
        plugin->deactivate(plugin), plugin->destroy(plugin);
}

TEST(ClapPlugin, HasOneStereoMainInputAndOutputPairedInPlace) {
    TestHost host;
    const clap_plugin* plugin = host.create();
    auto& ports = extension<clap_plugin_audio_ports>(plugin, kClapExtAudioPorts);
    for (bool input : {true, false}) {
        EXPECT_EQ(ports.count(plugin, input), 1u);
        clap_audio_port_info info{};
        ASSERT_TRUE(ports.get(plugin, 0, input, &info));
        EXPECT_EQ(info.flags, kClapAudioPortIsMain);
        EXPECT_EQ(info.channel_count, 2u);
        EXPECT_STREQ(info.port_type, kClapPortStereo);
        EXPECT_EQ(info.in_place_pair, info.id);
        EXPECT_FALSE(ports.get(plugin, 1, input, &info));
    }
    plugin->destroy(plugin);
}

TEST(ClapGui, OpensEmbeddedInTheHostsWindowAtTheScaledSize) {
#ifdef _WIN32
    const char *api = kClapWindowApiWin32, *otherApi = kClapWindowApiX11;
#else
    const char *api = kClapWindowApiX11, *otherApi = kClapWindowApiWin32;
#endif
    for (bool hostTimers : {true, false}) {
        TestHost host;
        host.timers = hostTimers;
        ParentWindow parent;
        const clap_plugin* plugin = host.create();
        auto& gui = extension<clap_plugin_gui>(plugin, kClapExtGui);
        EXPECT_TRUE(gui.is_api_supported(plugin, api, false));
        EXPECT_FALSE(gui.is_api_supported(plugin, api, true));
        EXPECT_FALSE(gui.create(plugin, otherApi, false));
        EXPECT_FALSE(gui.create(plugin, api, true));
        clap_window window = parent.window(), otherWindow = {otherApi, {.ptr = window.ptr}},
                    nullWindow = {api, {.ptr = nullptr}};
        EXPECT_FALSE(gui.set_parent(plugin, &window));  // before create
        ASSERT_TRUE(gui.create(plugin, api, false));
        EXPECT_FALSE(gui.create(plugin, api, false));
        for (const clap_window* bad :
             std::initializer_list<const clap_window*>{nullptr, &otherWindow, &nullWindow})
            EXPECT_FALSE(gui.set_parent(plugin, bad));
        EXPECT_FALSE(parent.child());
        uint32_t width = 0, height = 0, width2 = 0, height2 = 0;
        ASSERT_TRUE(gui.get_size(plugin, &width, &height));
        EXPECT_TRUE(gui.set_scale(plugin, 2.0));
        ASSERT_TRUE(gui.get_size(plugin, &width2, &height2));
        EXPECT_EQ(width2, 2 * width);
        EXPECT_EQ(height2, 2 * height);
        EXPECT_FALSE(gui.can_resize(plugin));
        clap_gui_resize_hints hints{true, true, true, 1, 1};
        EXPECT_TRUE(gui.get_resize_hints(plugin, &hints));
        EXPECT_FALSE(hints.can_resize_horizontally || hints.can_resize_vertically);

        ASSERT_TRUE(gui.set_parent(plugin, &window));
        EXPECT_FALSE(gui.set_parent(plugin, &window));
        EXPECT_EQ(parent.childSize(), std::make_pair(int(width2), int(height2)));
        EXPECT_EQ(host.periods, hostTimers ? std::vector<uint32_t>{33} : std::vector<uint32_t>{});
        extension<clap_plugin_timer_support>(plugin, kClapExtTimerSupport).on_timer(plugin, 7);
#ifdef _WIN32
        if (!hostTimers) {
            EXPECT_TRUE(parent.childTimerRan());  // the editor's own
        }
#endif
        EXPECT_TRUE(gui.hide(plugin));
        EXPECT_FALSE(parent.visible(parent.child()));
        EXPECT_TRUE(parent.visible(parent.ownChild));
        EXPECT_TRUE(gui.show(plugin));
        EXPECT_TRUE(parent.visible(parent.child()));
        gui.destroy(plugin);
        EXPECT_FALSE(parent.child());
        EXPECT_EQ(host.unregistered, hostTimers ? 1 : 0);
        ASSERT_TRUE(gui.create(plugin, api, false));  // again, after destroy
        plugin->destroy(plugin);
    }
}
