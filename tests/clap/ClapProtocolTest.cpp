// SPDX-License-Identifier: MIT
// The built Skyrun.clap loaded as a CLAP host loads it and driven through
// its entry alone: factory, plug-in, audio ports and GUI, with the bad
// inputs a careless host passes.

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "clap/Clap.h"
#include "host/formats/clap/ClapHost.h"

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

const clap_plugin* create(const ClapHost& host, const char* id = "example.orvane.skyrun") {
    return factory().create_plugin(&factory(), host.table(), id);
}

template <class Extension>
const Extension& extension(const clap_plugin* plugin, const char* id) {
    return *static_cast<const Extension*>(plugin->get_extension(plugin, id));
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
    void* nativeHandle() const { return handle; }
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
    void* nativeHandle() const { return reinterpret_cast<void*>(uintptr_t(handle)); }
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
    const ClapHost host("test");
    EXPECT_EQ(create(host, "example.orvane.other"), nullptr);
    EXPECT_EQ(create(host, nullptr), nullptr);
    EXPECT_EQ(factory().create_plugin(&factory(), nullptr, "example.orvane.skyrun"), nullptr);
    clap_host early = *host.table(), lacking = *host.table();
    early.clap_version = {0, 9, 0};  // before the stable interface
    lacking.request_callback = nullptr;
    for (const clap_host* bad : {&early, &lacking})
        EXPECT_EQ(factory().create_plugin(&factory(), bad, "example.orvane.skyrun"), nullptr);
}

TEST(ClapPlugin, HasOneStereoMainInputAndOutputPairedInPlace) {
    const ClapHost host("test");
    const clap_plugin* plugin = create(host);
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
        const ClapHost host("test", hostTimers);
        ParentWindow parent;
        const clap_plugin* plugin = create(host);
        auto& gui = extension<clap_plugin_gui>(plugin, kClapExtGui);
        EXPECT_TRUE(gui.is_api_supported(plugin, api, false));
        EXPECT_FALSE(gui.is_api_supported(plugin, api, true));
        EXPECT_FALSE(gui.create(plugin, otherApi, false));
        EXPECT_FALSE(gui.create(plugin, api, true));
        clap_window window = ClapHost::windowOf(parent.nativeHandle()), otherWindow = {otherApi, {.ptr = window.ptr}},
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
        EXPECT_EQ(host.periodsAsked(), hostTimers ? std::vector<uint32_t>{33} : std::vector<uint32_t>{});
        host.runTimers(plugin);
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
        EXPECT_EQ(host.unregisteredCount(), hostTimers ? 1 : 0);
        EXPECT_TRUE(host.timers().empty());
        ASSERT_TRUE(gui.create(plugin, api, false));  // again, after destroy
        plugin->destroy(plugin);
    }
}
