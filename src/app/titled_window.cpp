#include "app/titled_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QWindow>

namespace qimbora {

namespace {

constexpr int kMargin = 4;
constexpr int kIconSize = 22;

// A cross as wide as a finger tip can hit.
QIcon crossIcon(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2));
    painter.drawLine(QPointF(3, 3), QPointF(13, 13));
    painter.drawLine(QPointF(3, 13), QPointF(13, 3));
    return QIcon(pixmap);
}

} // namespace

TitledWindow::TitledWindow(QWidget& contents)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_contents(contents)
{
    setWindowTitle(contents.windowTitle());
    setWindowIcon(contents.windowIcon());
    setAttribute(Qt::WA_QuitOnClose);
    contents.setParent(this, Qt::Widget);
    contents.move(0, kTitleBarHeight);
    setFixedSize(contents.width(), contents.height() + kTitleBarHeight);

    auto* closeBox = new QToolButton(this);
    closeBox->setObjectName(QStringLiteral("closeBox"));
    closeBox->setAutoRaise(true);
    closeBox->setFocusPolicy(Qt::NoFocus);
    closeBox->setIcon(crossIcon(palette().windowText().color()));
    closeBox->setIconSize(QSize(16, 16));
    closeBox->setAccessibleName(tr("关闭"));
    closeBox->setToolTip(tr("关闭"));
    const int box = kTitleBarHeight - 2 * kMargin;
    closeBox->setGeometry(width() - kMargin - box, kMargin, box, box);
    connect(closeBox, &QToolButton::clicked, this, &QWidget::close);
}

TitledWindow::~TitledWindow() { m_contents.setParent(nullptr); }

void TitledWindow::closeEvent(QCloseEvent* event)
{
    if (!m_contents.close())
        event->ignore();
}

void TitledWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < kTitleBarHeight && windowHandle())
        windowHandle()->startSystemMove();
}

void TitledWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bar(0, 0, width(), kTitleBarHeight);
    painter.fillRect(bar, palette().window());
    const int iconTop = (kTitleBarHeight - kIconSize) / 2;
    windowIcon().paint(&painter, QRect(kMargin, iconTop, kIconSize, kIconSize));
    painter.setPen(palette().windowText().color());
    painter.drawText(bar, Qt::AlignCenter, windowTitle());
}

bool titleBarIsOurs() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace qimbora
