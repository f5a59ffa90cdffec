#include "app/x11_shade.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace qimbora {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The toolkit keeps no shaded state, so the window's state property is watched here.
class ShadeUndoer final : public QObject, public QAbstractNativeEventFilter {
public:
    ShadeUndoer(QWidget& window, xcb_connection_t* connection)
        : QObject(&window)
        , m_window(window)
        , m_connection(connection)
        , m_state(atom(connection, "_NET_WM_STATE"))
        , m_shaded(atom(connection, "_NET_WM_STATE_SHADED"))
    {
        qApp->installNativeEventFilter(this);
    }
    ~ShadeUndoer() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (change->atom == m_state && change->window == m_window.winId() && isShaded())
            unshade();
        return false;
    }

private:
    bool isShaded() const
    {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 0, xcb_window_t(m_window.winId()), m_state,
                                                    XCB_ATOM_ATOM, 0, 64),
                                   nullptr),
            &std::free);
        if (!reply)
            return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        return std::find(atoms, atoms + count, m_shaded) != atoms + count;
    }

    // Asked of the window manager as the desktop's own tools ask it.
    void unshade()
    {
        constexpr std::uint32_t kRemove = 0;
        constexpr std::uint32_t kFromApplication = 1;
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = xcb_window_t(m_window.winId());
        request.type = m_state;
        request.data.data32[0] = kRemove;
        request.data.data32[1] = m_shaded;
        request.data.data32[3] = kFromApplication;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_send_event(m_connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(m_connection);
    }

    QWidget& m_window;
    xcb_connection_t* m_connection;
    xcb_atom_t m_state;
    xcb_atom_t m_shaded;
};

} // namespace

void keepUnshaded(QWidget& window)
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    new ShadeUndoer(window, x11->connection());
}

} // namespace qimbora
