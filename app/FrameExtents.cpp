#include "FrameExtents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#ifdef PELMORA_HAVE_XCB
#include <algorithm>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef PELMORA_HAVE_XCB
xcb_connection_t* connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

// True when the running window manager lists `wanted` among the hints it supports.
bool supported(xcb_connection_t* c, xcb_window_t root, xcb_atom_t wanted) {
    const xcb_atom_t list = atom(c, "_NET_SUPPORTED");
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, list, XCB_ATOM_ATOM, 0, 4096),
                               nullptr),
        &free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}
#endif

} // namespace

FrameExtents::FrameExtents(QWidget* window) : QObject(window), m_window(window) {
#ifdef PELMORA_HAVE_XCB
    if (xcb_connection_t* c = connection()) {
        m_frameAtom = atom(c, "_NET_FRAME_EXTENTS");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
#endif
}

FrameExtents::~FrameExtents() {
    if (m_frameAtom)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void FrameExtents::requestBeforeMapping() {
#ifdef PELMORA_HAVE_XCB
    xcb_connection_t* c = connection();
    if (!c || !m_frameAtom)
        return;
    const auto window = xcb_window_t(m_window->winId());
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!screen || !supported(c, screen->root, request)) {
        read();
        return;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // The window manager answers at once by setting the property; a busy one gets a moment.
    QElapsedTimer waited;
    waited.start();
    while (!read() && waited.elapsed() < 250)
        QThread::msleep(2);
#endif
}

bool FrameExtents::read() {
#ifdef PELMORA_HAVE_XCB
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, xcb_window_t(m_window->winId()), m_frameAtom,
                                                XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return false;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    const QMargins margins{int(v[0]), int(v[2]), int(v[1]), int(v[3])};
    if (m_margins != margins) {
        m_margins = margins;
        emit changed();
    }
    return true;
#else
    return false;
#endif
}

bool FrameExtents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef PELMORA_HAVE_XCB
    if (eventType != "xcb_generic_event_t" || !m_window->internalWinId())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    if (notify->window == xcb_window_t(m_window->internalWinId()) && notify->atom == m_frameAtom)
        read();
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}
