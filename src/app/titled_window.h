#pragma once

#include <QWidget>

namespace qimbora {

// The window as a desktop that leaves the title bar to the program (Wayland)
// shows it: a title bar of our own above the contents, with the icon, the
// title and a close box alone, since the window has one size and no task-bar
// entry to come back from. Dragging the bar moves the window.
class TitledWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTitleBarHeight = 30;

    // Takes `contents` (a window until now) in below the title bar, with its
    // title and icon; closing this window closes `contents` first.
    explicit TitledWindow(QWidget& contents);
    // Gives `contents` back, unparented, to its owner.
    ~TitledWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& m_contents;
};

// Whether the platform leaves the title bar to the program.
bool titleBarIsOurs();

} // namespace qimbora
