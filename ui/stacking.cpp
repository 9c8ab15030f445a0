#include "ui/stacking.h"

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>

// The build links xcb where it finds it, as Qt's own X11 platform does.
#if defined(BRINDLEMARK_WITH_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#define BRINDLEMARK_HAS_XCB 1
#endif

namespace ui {

#ifdef BRINDLEMARK_HAS_XCB

namespace {

xcb_connection_t* x11Connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The atoms of the names, asked for together: one round trip.
template <size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* c, const std::array<const char*, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(names[i])), names[i]);
    std::array<xcb_atom_t, N> out{};
    for (size_t i = 0; i < N; ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        out[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
    }
    return out;
}

struct TreePlace {
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t parent = XCB_WINDOW_NONE;
};

std::optional<TreePlace> placeOf(xcb_connection_t* c, xcb_window_t w) {
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    if (!reply) return std::nullopt;
    const TreePlace place{reply->root, reply->parent};
    free(reply);
    return place;
}

// The window's ancestor among the root's children: itself, or the frame a window manager
// put it in.
xcb_window_t topLevelOf(xcb_connection_t* c, xcb_window_t w) {
    for (int depth = 0; depth < 16; ++depth) {
        const std::optional<TreePlace> place = placeOf(c, w);
        if (!place) return XCB_WINDOW_NONE;
        if (place->parent == place->root || place->parent == XCB_WINDOW_NONE) return w;
        w = place->parent;
    }
    return XCB_WINDOW_NONE;
}

}  // namespace

void keepOffTaskbar(QWidget& window) {
    xcb_connection_t* c = x11Connection();
    if (!c) return;
    const auto w = static_cast<xcb_window_t>(window.winId());
    const auto [state, skipTaskbar, skipPager] =
        atoms<3>(c, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    const xcb_atom_t skip[] = {skipTaskbar, skipPager};
    if (!window.isVisible()) {
        // Qt adds its own states to these when it maps the window.
        xcb_change_property(c, XCB_PROP_MODE_APPEND, w, state, XCB_ATOM_ATOM, 32, 2, skip);
    } else if (const std::optional<TreePlace> place = placeOf(c, w)) {
        // A mapped window asks the window manager instead.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = state;
        event.data.data32[0] = 1;  // add
        event.data.data32[1] = skip[0];
        event.data.data32[2] = skip[1];
        event.data.data32[3] = 1;  // asked by an application
        xcb_send_event(c, 0, place->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(c);
}

bool fillOnServer(QWidget& window, QColor colour) {
    xcb_connection_t* c = x11Connection();
    if (!c) return false;
    // The colour's pixel value in the window's own colour map, whatever the display's depth.
    const auto w = static_cast<xcb_window_t>(window.winId());
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    if (!attributes) return false;
    const auto channel = [](int value) { return static_cast<uint16_t>(value * 257); };
    xcb_alloc_color_reply_t* allocated =
        xcb_alloc_color_reply(c,
                              xcb_alloc_color(c, attributes->colormap, channel(colour.red()),
                                              channel(colour.green()), channel(colour.blue())),
                              nullptr);
    free(attributes);
    if (!allocated) return false;
    const uint32_t pixel = allocated->pixel;
    free(allocated);
    xcb_change_window_attributes(c, w, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(c, 0, w, 0, 0, 0, 0);
    xcb_flush(c);
    return true;
}

std::optional<std::vector<QWidget*>> stackedBottomToTop(const std::vector<QWidget*>& windows) {
    xcb_connection_t* c = x11Connection();
    if (!c || windows.empty()) return std::nullopt;
    std::map<xcb_window_t, std::vector<QWidget*>> byTopLevel;
    xcb_window_t root = XCB_WINDOW_NONE;
    for (QWidget* w : windows) {
        const auto id = static_cast<xcb_window_t>(w->winId());
        const xcb_window_t top = topLevelOf(c, id);
        if (top == XCB_WINDOW_NONE) return std::nullopt;
        if (root == XCB_WINDOW_NONE)
            if (const std::optional<TreePlace> place = placeOf(c, id)) root = place->root;
        byTopLevel[top].push_back(w);
    }
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree) return std::nullopt;
    std::vector<QWidget*> out;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        const auto found = byTopLevel.find(children[i]);
        if (found != byTopLevel.end())
            out.insert(out.end(), found->second.begin(), found->second.end());
    }
    free(tree);
    if (out.size() != windows.size()) return std::nullopt;
    return out;
}

#else

void keepOffTaskbar(QWidget&) {}

bool fillOnServer(QWidget&, QColor) {
    return false;
}

std::optional<std::vector<QWidget*>> stackedBottomToTop(const std::vector<QWidget*>&) {
    return std::nullopt;
}

#endif

}  // namespace ui
