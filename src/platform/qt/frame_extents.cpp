#include "platform/qt/frame_extents.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

namespace shiftpad {
namespace {

using namespace std::chrono_literals;

// openbox and xfwm4 answer within a few milliseconds; a window manager that says it
// supports the request but does not answer costs at most this much start-up time.
constexpr auto kAnswerTimeout = 100ms;
constexpr auto kPollInterval = 1ms;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> own(Reply* reply) {
  return {reply, &std::free};
}

struct Atoms {
  xcb_atom_t supported = XCB_ATOM_NONE;
  xcb_atom_t request = XCB_ATOM_NONE;
  xcb_atom_t extents = XCB_ATOM_NONE;
};

Atoms intern_atoms(xcb_connection_t* connection) {
  const std::array<std::string_view, 3> names{"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
                                              "_NET_FRAME_EXTENTS"};
  std::array<xcb_intern_atom_cookie_t, 3> cookies{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    cookies.at(i) = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names.at(i).size()),
                                    names.at(i).data());
  }
  std::array<xcb_atom_t, 3> atoms{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto reply = own(xcb_intern_atom_reply(connection, cookies.at(i), nullptr));
    atoms.at(i) = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }
  return {atoms[0], atoms[1], atoms[2]};
}

// The 32-bit items of a window property, empty when it is not set.
std::vector<std::uint32_t> read_cardinals(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type) {
  const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 1024);
  const auto reply = own(xcb_get_property_reply(connection, cookie, nullptr));
  if (!reply || reply->format != 32) {
    return {};
  }
  const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  const auto count = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4;
  return {items, items + count};
}

xcb_window_t root_of(xcb_connection_t* connection, xcb_window_t window) {
  const auto reply =
      own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

bool window_manager_answers(xcb_connection_t* connection, xcb_window_t root, const Atoms& atoms) {
  const auto supported = read_cardinals(connection, root, atoms.supported, XCB_ATOM_ATOM);
  return std::find(supported.begin(), supported.end(), atoms.request) != supported.end();
}

void send_request(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                  const Atoms& atoms) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = atoms.request;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

std::optional<FrameExtents> await_extents(xcb_connection_t* connection, xcb_window_t window,
                                          const Atoms& atoms) {
  const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
  do {
    // Left, right, top, bottom.
    const auto extents = read_cardinals(connection, window, atoms.extents, XCB_ATOM_CARDINAL);
    if (extents.size() == 4) {
      return FrameExtents{static_cast<int>(extents[0]), static_cast<int>(extents[1]),
                          static_cast<int>(extents[2]), static_cast<int>(extents[3])};
    }
    std::this_thread::sleep_for(kPollInterval);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

}  // namespace

FrameExtents request_frame_extents(QWidget& window) {
  // The offscreen platform may offer the interface too, without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
    return {};
  }
  const auto native = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = root_of(connection, native);
  const Atoms atoms = intern_atoms(connection);
  if (root == XCB_WINDOW_NONE || !window_manager_answers(connection, root, atoms)) {
    return {};
  }
  send_request(connection, root, native, atoms);
  return await_extents(connection, native, atoms).value_or(FrameExtents{});
}

}  // namespace shiftpad
