#pragma once

#include <QElapsedTimer>

namespace qimbora {

// Thrown out of a long handler when the window was closed while it ran.
struct HandlerAbandoned {};

// Keeps the window alive through a handler that draws for long. After half a
// second of one, it shows the busy pointer and, a few times a second, lets the
// window repaint and hear its close button; mouse and keyboard input waits
// until the handler ends, so no other handler runs in between.
class LongDrawing {
public:
    // One handler's run.
    class Scope {
    public:
        explicit Scope(LongDrawing& drawing);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        LongDrawing& m_drawing;
    };

    // Called now and then by long drawing (the paint context's stillDrawing).
    // Throws HandlerAbandoned once the window has been closed.
    void stillDrawing();
    // The window's close button was pressed: a running handler stops at its next breath.
    void closeRequested();

private:
    QElapsedTimer m_running;
    QElapsedTimer m_lastBreath;
    bool m_busyPointer = false;
    bool m_closing = false;
};

} // namespace qimbora
