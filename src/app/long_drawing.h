#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

class QWidget;
class QWindow;

namespace qimbora {

// Thrown out of a long handler when the window was closed while it ran.
struct HandlerAbandoned {};

// Keeps the window alive through a handler that draws for long. After a tenth
// of a second of one, it shows the busy pointer and, a few times a second,
// lets the window repaint and hear a close request; mouse and keyboard input
// waits until the handler ends, so no other handler runs in between.
class LongDrawing : public QObject {
public:
    // `guarded` is the widget whose input waits; a title bar of the program's
    // own around it stays live, so that its close box is heard.
    explicit LongDrawing(QWidget& guarded);

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

protected:
    // Holds back input while the handler breathes. The toolkit's own way of
    // excluding input would also hold back an X11 window manager's close request.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_guarded;
    QElapsedTimer m_running;
    QElapsedTimer m_lastBreath;
    bool m_busyPointer = false;
    bool m_closing = false;
    bool m_breathing = false;
    std::vector<std::pair<QPointer<QWindow>, std::unique_ptr<QEvent>>> m_heldInput;
};

} // namespace qimbora
