#include "app/error_report.h"
#include "app/normal_state.h"
#include "app/picbox.h"
#include "app/planting_aids.h"
#include "app/qt_save_dialog.h"
#include "app/titled_window.h"
#include "app/translations.h"
#include "app/window_fit.h"
#include "common/runtime_error.h"
#include "export/picture.h"
#include "export/save.h"
#include "font/clogfont.h"

#include "app_support.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace qimbora;

using Window = testing::Window<QtSaveDialog, testing::RecordingSpeaker>;

#ifdef Q_OS_WIN
const QString kSongFace = QStringLiteral("AR PL UMing CN"); // the bundled copy, not Windows' own 宋体
#else
const QString kSongFace = QStringLiteral("宋体");
#endif

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_simplified.install());
        m_touchScreen.reset(QTest::createTouchDevice());
    }
    void cleanupTestCase() { m_touchScreen.reset(); }
    void init()
    {
        m_window = std::make_unique<Window>();
        m_window->form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window->form));
    }
    void cleanup()
    {
        m_fingers.reset();
        m_held.clear();
        m_window.reset();
    }
    // Each control as a person meets it: where it is, what it says, its font
    // size, its name for assistive technology, and a colour as painted on screen.
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points"); // 0: the toolkit's own font
        QTest::addColumn<QString>("accessible");
        QTest::addColumn<QPoint>("sampled");
        QTest::addColumn<QColor>("colour");
        const QColor purple(177, 48, 129), blue(0, 0, 64), green(192, 255, 192);
        const auto row = [](const char* name, QRect geometry, const char* text, double points,
                            const char* accessible, QPoint sampled = {}, QColor color = {}) {
            QTest::newRow(name) << QString::fromLatin1(name) << geometry << QString::fromUtf8(text) << points
                                << QString::fromUtf8(accessible) << sampled << color;
        };
        row("Pic", {0, 0, 1126, 697}, "", 15.75, "按一下画一朵花", {600, 300}, blue);
        row("Label1", {786, 6, 333, 41}, "", 21.75, "表扬");
        row("Command1_0", {0, 640, 74, 27}, "一朵花", 0, "画一朵花");
        row("Command1_1", {80, 640, 74, 27}, "十朵花", 0, "画十朵花");
        row("HScroll1", {328, 632, 161, 21}, "", 0, "数字的角度");
        row("Label2", {4, 708, 77, 25}, "花瓣数量", 12, "");
        row("Combo1", {76, 704, 65, 24}, "22", 12, "花瓣数量", {40, 12}, green);
        row("Label3", {144, 708, 53, 21}, "花样", 12, "");
        row("Combo2", {180, 704, 65, 24}, "6", 12, "花样", {40, 12}, green);
        row("Label4", {328, 708, 153, 17}, "点画布画花学数字", 12, "");
        row("Command2", {684, 704, 91, 27}, "重 画", 12, "重画", {6, 13}, purple);
        row("Command3", {812, 704, 93, 27}, "保 存", 12, "保存", {6, 13}, purple);
        row("Label5", {972, 708, 149, 41}, "© 2026 Qimbora\nqimbora.example", 12, "");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(QPoint, sampled);
        auto* widget = control<QWidget>(qPrintable(name));
        QTEST(widget->geometry(), "geometry");
        QCOMPARE(widget->property(qobject_cast<QComboBox*>(widget) ? "currentText" : "text").toString(),
                 text);
        if (points > 0)
            QCOMPARE(QList<QVariant>(
                         {widget->font().family(), widget->font().pointSizeF(), widget->font().weight()}),
                     QList<QVariant>({kSongFace, points, QFont::Bold}));
        QFETCH(QString, accessible);
        QCOMPARE(widget->accessibleName().isEmpty(), accessible.isEmpty());
        QVERIFY(widget->accessibleName().contains(accessible));
        if (!sampled.isNull())
            QTEST(widget->grab().toImage().pixelColor(sampled * widget->devicePixelRatio()), "colour");
    }
    void startState()
    {
        Form1& form = m_window->form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Qimbora1.0"));
        QCOMPARE(form.grab().toImage().pixelColor(QPoint(600, 740) * form.devicePixelRatio()),
                 QColor(63, 103, 29));
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto* petals = control<QComboBox>("Combo1");
        auto* pattern = control<QComboBox>("Combo2");
        QCOMPARE(QList<int>({petals->count(), petals->itemText(0).toInt(), petals->itemText(28).toInt()}),
                 QList<int>({29, 3, 31}));
        QCOMPARE(QStringList({pattern->itemText(0), pattern->itemText(1), pattern->itemText(2)}),
                 QStringList({"2", "6", "12"}));
        QCOMPARE(pattern->count(), 3);
        auto* scroll = control<QScrollBar>("HScroll1");
        QCOMPARE(QList<int>({scroll->value(), scroll->minimum(), scroll->maximum()}),
                 QList<int>({0, 0, 32767}));
        // The tab order, from the focus at start; typed text stays as typed.
        for (const char* name :
             {"Command1_0", "Pic", "Command1_1", "Command2", "Combo1", "Command3", "HScroll1", "Combo2"}) {
            QWidget* focus = QApplication::focusWidget();
            QCOMPARE((qobject_cast<QLineEdit*>(focus) ? focus->parentWidget() : focus)->objectName(),
                     QString(name));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QTest::keyClicks(pattern->lineEdit(), QStringLiteral("1"));
        QTest::keyClick(pattern->lineEdit(), Qt::Key_Return);
        QCOMPARE(QList<QVariant>({pattern->currentText(), pattern->count()}), QList<QVariant>({"61", 3}));
    }
    // Each canvas pixel is shown as one sharp block of the screen's scale; the
    // program runs this test at scale 1 and 2.
    void canvasIsShownSharp()
    {
        const int scale = std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
        QCOMPARE(m_window->form.devicePixelRatio(), scale);
        QTest::mouseClick(pic(), Qt::LeftButton, {}, QPoint(400, 300));
        const QImage image = canvasImage();
        // The keyboard cursor shows over the canvas while it has the focus, never in the picture.
        QCOMPARE(pic()->grab().toImage().pixelColor(scale * QPoint(400, 300)), QColor(Qt::white));
        control<QWidget>("Command1_0")->setFocus();
        QCOMPARE(canvasImage(), image);
        const QImage shown = pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), scale * QSize(1126, 697));
        const QRect flower(220, 120, 360, 360); // clear of the praise label above the canvas
        QVERIFY(shown.copy(QRect(scale * (flower.topLeft() + QPoint(2, 2)), scale * flower.size()))
                == image.copy(flower).scaled(scale * flower.size()));
    }
    // Actions from the generator's fixed start -> the first 16 hex digits of the
    // SHA-1 of the canvas's pixels. perform() reads the actions; positions are in
    // the canvas control, frame included. A row that changes on purpose: check
    // the image the failure writes, then copy the printed hash into the row.
    void golden_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("hash"); // "unchanged": the canvas as it started
        QTest::addColumn<QString>("says"); // what the one message says, if any
        const auto row = [](const char* what, const char* actions, const char* hash, const char* says = "") {
            QTest::newRow(what) << QString::fromLatin1(actions) << QString::fromLatin1(hash)
                                << QString::fromUtf8(says);
        };
        row("22 petals, pattern 6", "click(400,300)", "65a5e5cb69ea3ec5");
        row("pattern 2 fills the flower", "pattern=2 click(400,300)", "57951c3147ff2b70");
        row("spoke: 3 petals, pattern 6", "petals=3 click(400,300)", "a9e9492a624e2d04");
        row("0 petals paints 9", "petals=0 click(400,300)", "64e9cc754b6fbbcb");
        row("1 petal paints 9", "petals=1 click(400,300)", "64e9cc754b6fbbcb");
        row("2 petals", "petals=2 pattern=2 click(400,300)", "603378ca56412659");
        // A fused multiply-add moves pixels of this flower.
        row("29 petals at the left", "petals=29 click(202,302)", "8c9a3aa12dd9c4cd");
        row("number at 45 degrees", "angle=45 down(300,300) up(600,400)", "defc4ffd83302106");
        row("number at 180 degrees", "angle=180 down(300,300) up(600,400)", "45e1c25de9c1e99b");
        row("number where released", "down(300,300) up(600,400)", "13fce21b62d263a1");
        row("a double click paints twice", "click(300,300) double(300,300) up(300,300)", "57fefae38db30883");
        row("a click on the praise label", "label(100,20)", "unchanged");
        row("number before any flower", "right(500,300)", "c284f3378cec40dc");
        row("the back button counts nothing", "back(500,300)", "unchanged");
        row("counts on: 1, 2, 3", "click(200,200) click(500,300) click(800,500)", "9edc70eb4cdb05bc");
        row("flowers on the canvas edge", "click(2,2) click(1123,694)", "9e552eb448401f52");
        // Angles too large to search: the flower its steps find, the same on every processor.
        row("the most petals at pattern 1e16", "click(200,200) petals=2147483646 pattern=1e16 click(500,350)",
            "422d21cb0afc34c2");
        row("one flower", "one", "8c85b7ddbc06509d");
        row("ten flowers", "ten", "21c1d13b439f5c29");
        row("Enter on 一朵花", "enter:one", "8c85b7ddbc06509d");
        row("new canvas, numbering from 1", "click(300,300) new click(600,300)", "0804e43e1996f917");
        row("Enter on 重 画", "click(300,300) enter:new click(600,300)", "0804e43e1996f917");
        // The sunken frame is not the drawing area: nothing is painted or counted.
        row("presses on the frame", "click(0,300) click(1,300) click(300,695) click(1125,2) right(0,1)",
            "unchanged");
        // Text that is not a number: the message names the box, the handler stops
        // after the draws it takes first, the release still numbers, and the
        // drawing stays; the last flower shows that the draws went on in step.
        row("petals abc", "click(300,300) petals=abc click(600,300) petals=22 click(600,500)",
            "7100dd5cc026a949", "“花瓣数量”框里要填一个数字");
        row("pattern empty", "click(300,300) pattern= click(600,300) pattern=6 click(600,500)",
            "4afbd31796cfb989", "“花样”框里要填一个数字");
        row("petals 1e10", "click(300,300) petals=1e10 click(600,300) petals=22 click(600,500)",
            "7100dd5cc026a949", "“花瓣数量”框里的数字太大了");
        row("pattern 1e308", "pattern=1e308 click(300,300) pattern=6 click(600,500)", "6d4f5ddc7e8baa57",
            "算不出来");
        row("ten, petals empty", "petals= ten petals=22 click(600,500)", "e90fee1303d75573",
            "“花瓣数量”框里要填一个数字");
        // Each finger is a left button of its own; the lifts number in their order.
        // The tap has the hash of click(300,300). Touches start within 400 x 300,
        // the offscreen screen's size at scale 2.
        row("a tap is a click", "touch(300,300,1) lift(300,300,1)", "599d6bd3cf0c8beb");
        row("two fingers, the second lifted first",
            "touch(300,300,1) touch(600,300,2) lift(600,300,2) lift(300,300,1)", "bffcf4aa2fe42716");
        row("a touch on the frame", "touch(0,200,1) lift(0,200,1)", "unchanged");
        // The keyboard plants where its cursor is as the mouse does there: it
        // starts at the canvas's centre, (561, 346), and stays off the picture.
        row("a click at the centre", "click(563,348)", "31e454e33bedde70");
        row("Space at the centre", "key:Space", "31e454e33bedde70");
        row("Space held down plants once", "keydown:Space keyheld:Space keyheld:Space keyup:Space",
            "31e454e33bedde70");
        row("a click at (566, 386)", "click(568,388)", "11766e5facc285c6");
        row("Right, Shift+Down, Enter", "key:Right key:Shift+Down key:Return", "11766e5facc285c6");
        row("two clicks, 5 apart", "click(300,200) click(295,200)", "da540c10ba6e5c11");
        row("a click moves the cursor", "click(300,200) key:Left key:Return", "da540c10ba6e5c11");
        row("a tap moves it too", "touch(300,200,1) lift(300,200,1) key:Left key:Return", "da540c10ba6e5c11");
    }
    void golden()
    {
        QFETCH(QString, actions);
        QFETCH(QString, hash);
        if (hash == "unchanged")
            hash = hashOf(canvasImage());
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            perform(action);
            if (QTest::currentTestFailed())
                return;
        }
        QFETCH(QString, says);
        const QStringList& messages = m_window->report.messages;
        QCOMPARE(messages.size(), says.isEmpty() ? 0 : 1);
        QVERIFY2(messages.isEmpty() || messages[0].contains(says), qPrintable(messages.join("")));
        const QImage image = canvasImage();
        const QString actual = hashOf(image);
        if (actual == hash)
            return;
        QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString saved = QCoreApplication::applicationDirPath() + "/golden-"
            + tag.replace(QRegularExpression("\\W+"), "-") + ".png";
        image.save(saved);
        QFAIL(qPrintable(
            QStringLiteral("canvas hash %1, expected %2; the canvas is in %3").arg(actual, hash, saved)));
    }
    // One switch: Space on one button and a mouse button on another are the
    // switch; the second press plants where the lines cross, as a click there
    // does. Escape gives the window back to an adult.
    void scanPlantsAtTheCrossing()
    {
        testing::TestClock clock;
        auto* scan = new ScanAid(*pic(), m_window->form, clock, 6000);
        clock.now = 3000; // the line across at 3000 / 6000 of 1121: column 560
        scan->tick();
        QTest::keyClick(control<QWidget>("Command1_0"), Qt::Key_Space);
        clock.now = 4500; // the line down at 1500 / 6000 of 692: row 173
        scan->tick();
        const qreal scale = pic()->devicePixelRatio();
        QCOMPARE(pic()->grab().toImage().pixelColor(QPoint(562, 175) * scale), QColor(Qt::yellow));
        QTest::mouseClick(control<QWidget>("Command2"), Qt::LeftButton);
        QCOMPARE(hashOf(canvasImage()), clickedAt({{562, 175}}));
        QTest::keyClick(control<QWidget>("Command1_0"), Qt::Key_Escape);
        QTest::mouseClick(control<QWidget>("Command2"), Qt::LeftButton);
        QVERIFY(scan->paused() && hashOf(canvasImage()) != clickedAt({{562, 175}}));
    }
    // Resting the pointer plants once where it came to rest, a ring closing
    // around it meanwhile; it must move away before the next; a moving pointer
    // never plants.
    void dwellPlantsOncePerRest()
    {
        testing::TestClock clock;
        auto* dwell = new DwellAid(*pic(), clock, 1500);
        const auto move = [&](QPoint at, std::int64_t now) {
            clock.now = now;
            QMouseEvent event(QEvent::MouseMove, at, pic()->mapToGlobal(at), Qt::NoButton, {}, {});
            QApplication::sendEvent(pic(), &event);
            dwell->tick();
        };
        auto* praise = control<QLabel>("Label1");
        move({402, 302}, 0);
        move({406, 305}, 1499);
        QCOMPARE(praise->text(), QString());
        QVERIFY(pic()->grab().toImage().pixelColor(QPoint(402, 280) * pic()->devicePixelRatio())
                != QColor(0, 0, 64));
        move({406, 305}, 1500);
        move({407, 305}, 1600);
        move({407, 305}, 9000);
        QVERIFY(praise->text().endsWith("1朵花"));
        for (std::int64_t t = 9000; t <= 12000; t += 500)
            move(QPoint(int(t / 50), 350), t);
        QVERIFY(praise->text().endsWith("1朵花"));
        move({240, 350}, 13500);
        QCOMPARE(hashOf(canvasImage()), clickedAt({{402, 302}, {240, 350}}));
    }
    // Each control that takes the focus shows that it has it.
    void focusIsShown_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"Pic", "HScroll1", "Command1_0", "Command1_1", "Command2", "Command3", "Combo1", "Combo2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void focusIsShown()
    {
        QFETCH(QString, name);
        auto* widget = control<QWidget>(qPrintable(name));
        control<QWidget>(name == "Combo2" ? "Combo1" : "Combo2")->setFocus(Qt::TabFocusReason);
        const QImage unfocused = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QVERIFY(widget->hasFocus() || widget->focusProxy()->hasFocus());
        QVERIFY(widget->grab().toImage() != unfocused);
    }
    // The count's end says how to go on; every message ends with the drawing kept.
    void countOverflowSaysWhatToDo()
    {
        RuntimeError error(ErrorKind::Overflow);
        error.setSubject(ErrorSubject::FlowerCount);
        const QString message = errorMessage(error);
        QVERIFY2(message.contains("32767") && message.contains("按“重 画”")
                     && message.contains("画好的画都还在"),
                 qPrintable(message));
    }
    void scrollBarClicks_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("value");
        QTest::newRow("left arrow at 0") << Qt::LeftButton << 5 << 0;
        QTest::newRow("right arrow") << Qt::LeftButton << 156 << 1;
        QTest::newRow("trough, right of the thumb") << Qt::LeftButton << 120 << 1;
        QTest::newRow("middle button in the trough") << Qt::MiddleButton << 120 << 0;
        QTest::newRow("right button in the trough") << Qt::RightButton << 120 << 0;
    }
    void scrollBarClicks()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, x);
        auto* scroll = control<QScrollBar>("HScroll1");
        QTest::mouseClick(scroll, button, {}, QPoint(x, scroll->height() / 2));
        QTEST(scroll->value(), "value");
        QCOMPARE(QApplication::activePopupWidget(), nullptr); // no "Scroll here" menu
        QTEST(int(m_window->form.numberFont().Rotation()), "value");
    }
    // A dragged thumb turns the numbers once, when it is let go.
    void scrollBarDragTurnsOnRelease()
    {
        auto* scroll = control<QScrollBar>("HScroll1");
        const QPoint thumb(20, scroll->height() / 2);
        QTest::mousePress(scroll, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(scroll, thumb + QPoint(60, 0));
        QCOMPARE(int(m_window->form.numberFont().Rotation()), 0);
        QTest::mouseRelease(scroll, Qt::LeftButton, {}, thumb + QPoint(60, 0));
        QVERIFY(scroll->value() > 0);
        QCOMPARE(int(m_window->form.numberFont().Rotation()), scroll->value());
    }
    // The wheel over a box the child is not typing in changes no number.
    void wheelOverAnUnfocusedBox()
    {
        auto* petals = control<QComboBox>("Combo1");
        control<QPushButton>("Command1_0")->setFocus();
        const QPoint center = petals->rect().center();
        QWheelEvent wheel(center, petals->mapToGlobal(center), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(petals, &wheel);
        QCOMPARE(petals->currentText(), QStringLiteral("22"));
    }
    // A drawing that takes seconds shows the busy pointer, and the close button ends it.
    void longDrawingKeepsTheWindowAlive()
    {
        // The most petals at angles this large are drawn petal by petal: a second or more.
        control<QComboBox>("Combo1")->setEditText(QStringLiteral("2147483646"));
        control<QComboBox>("Combo2")->setEditText(QStringLiteral("1e16"));
        bool busy = false;
        // Runs at the first events the drawing lets through: the pointer says it is busy.
        QTimer::singleShot(0, &m_window->form, [&] {
            busy
                = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
            m_window->form.close();
        });
        QTest::mousePress(pic(), Qt::LeftButton, {}, QPoint(402, 302));
        QVERIFY(busy && !m_window->form.isVisible());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(canvasImage().pixelColor(400, 300), QColor(0, 0, 64)); // abandoned before the fill
    }
    // Each praise is said in Chinese numerals; the number font stays the only font.
    void praiseIsSpokenAndFontsKept()
    {
        for (int count = 1; count <= 50; ++count)
            QTest::mouseClick(pic(), count % 2 ? Qt::LeftButton : Qt::RightButton, {},
                              QPoint(2 + (count * 37) % 1120, 2 + (count * 53) % 690));
        const std::vector<std::string>& said = m_window->speaker.said;
        QCOMPARE(
            QStringList({QString::number(said.size()), QString::fromStdString(said.front()),
                         QString::fromStdString(said.back()), control<QLabel>("Label1")->text()}),
            QStringList({"50", "真聪明！共画了一朵花", "真聪明！共画了五十朵花", "真聪明!共画了50朵花"}));
        QCOMPARE(m_window->fonts.liveFonts(), std::size_t(1));
        QVERIFY(m_window->report.messages.isEmpty());
    }
    void closingTheWindowEndsTheProgram()
    {
        // Should the loop not end, the test's own time limit fails it.
        QTimer::singleShot(0, &m_window->form, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }
    // A desktop scale and a screen's free area in device pixels -> the scale the
    // window takes: its own, else a whole one below that fits with the frame, else 1.
    void fittingScale_data()
    {
        QTest::addColumn<double>("desktop");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<double>("scale");
        QTest::newRow("150 %, room for the window but not its frame") << 1.5 << QSize(1920, 1200) << 1.0;
        QTest::newRow("300 % on 3840 x 2160") << 3.0 << QSize(3840, 2160) << 2.0;
    }
    void fittingScale()
    {
        QFETCH(double, desktop);
        QFETCH(QSize, room);
        QTEST(qimbora::fittingScale(desktop, room), "scale");
    }
    // Where the toy draws its own title bar: the window below it as it was, one
    // button, the close box, which closes the window. A desktop's full screen or
    // minimise is undone, and the drawing stays.
    void ownTitleBarHasTheCloseBoxAlone()
    {
        TitledWindow titled(m_window->form);
        keepWindowNormal(titled);
        titled.show();
        QTest::mouseClick(pic(), Qt::LeftButton, {}, QPoint(400, 300));
        const QImage drawn = canvasImage();
        for (const Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMinimized}) {
            titled.setWindowState(state);
            QCoreApplication::sendPostedEvents(&titled);
            QVERIFY2(titled.windowState() == Qt::WindowNoState && titled.size() == QSize(1125, 786),
                     qPrintable(QStringLiteral("after a request for state %1").arg(int(state))));
        }
        QCOMPARE(canvasImage(), drawn);
        const QList<QAbstractButton*> buttons
            = titled.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(QList<QVariant>({m_window->form.pos(), buttons.size(), buttons[0]->accessibleName(),
                                  titled.windowFlags().testFlag(Qt::FramelessWindowHint)}),
                 QList<QVariant>({QPoint(0, 30), 1, "关闭", true}));
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QVERIFY(!titled.isVisible() && !m_window->form.isVisible());
    }

    // Each language as a family meets it: the controls' texts, each fitting its control, in that place's
    // cut of the Song face; the praise written and spoken; a box's message and a save's failure; the
    // save dialog's filters and Qt's own button; and the same canvas in every language.
    void languages_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("seen"); // each seen text, after a "|"
        QTest::newRow("zh_CN")
            << Language::Simplified
            << "|AR PL UMing CN|一朵花|十朵花|花瓣数量|花样|点画布画花学数字|重 画|保 存|真聪明!共画了2朵花"
               "|真聪明！共画了两朵花|“花样”框里要填一个数字，比如 6。\n画好的画都还在，可以接着画。"
               "|没能保存“/none/a.bmp”：文件夹不存在。请选一个已有的文件夹。\n画好的画都还在，可以接着画。"
               "|位图 (*.bmp)|所有文件 (*)|保存(&S)";
        QTest::newRow("zh_TW")
            << Language::Taiwan
            << "|AR PL UMing TW|一朵花|十朵花|花瓣數量|花樣|點畫布畫花學數字|重 畫|儲 存|真聰明!共畫了2朵花"
               "|真聰明！共畫了兩朵花|「花樣」框裡要填一個數字，例如 6。\n畫好的畫都還在，可以接著畫。"
               "|沒能儲存「/none/a.bmp」：資料夾不存在。請選一個已有的資料夾。\n畫好的畫都還在，可以接著畫。"
               "|點陣圖 (*.bmp)|所有檔案 (*)|儲存(&S)";
        QTest::newRow("zh_HK")
            << Language::HongKong
            << "|AR PL UMing HK|一朵花|十朵花|花瓣數量|花樣|點畫布畫花學數字|重 畫|儲 存|真聰明!共畫了2朵花"
               "|真聰明！一共畫咗兩朵花|「花樣」框裏要填一個數字，例如 6。\n畫好的畫都還在，可以接着畫。"
               "|未能儲存「/none/a.bmp」：資料夾不存在。請選一個已有的資料夾。\n畫好的畫都還在，可以接着畫。"
               "|點陣圖 (*.bmp)|所有檔案 (*)|儲存(&S)";
    }
    void languages()
    {
        QFETCH(Language, language);
        Translations translations(language);
        QVERIFY(translations.install());
        m_window = std::make_unique<Window>(language);
        for (const char* action : {"pattern=", "click(600,500)", "pattern=6", "click(300,300)"})
            perform(action);
        QString seen = "|" + QFontInfo(control<QLabel>("Label2")->font()).family();
        for (const char* name :
             {"Command1_0", "Command1_1", "Label2", "Label3", "Label4", "Command2", "Command3", "Label1"}) {
            auto* shown = control<QWidget>(name);
            const QString text = shown->property("text").toString();
            QVERIFY2(shown->fontMetrics().horizontalAdvance(text) <= shown->contentsRect().width(), name);
            seen += "|" + text;
        }
        seen += "|" + QString::fromStdString(m_window->speaker.said.back()) + "|"
            + m_window->report.messages.value(0);
        try {
            SavePicture(canvasImage(), "/none/a.bmp");
        } catch (const RuntimeError& error) {
            seen += "|" + errorMessage(error);
        }
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seen += "|" + (dialog->nameFilters() << dialog->labelText(QFileDialog::Accept)).join('|');
            dialog->reject();
        });
        QtSaveDialog dialog;
        dialog.setFilter(kBitmapFilter);
        dialog.ShowSave();
        QTEST(seen, "seen");
        QCOMPARE(dialog.fileName(), std::string()); // a cancel chooses no file
        QCOMPARE(hashOf(canvasImage()), "31d49df632196b7b");
    }

#ifdef Q_OS_WIN
    // In Windows' own title bar the close box alone, and a window the taskbar lists.
    void nativeStyle()
    {
        if (QGuiApplication::platformName() != "windows")
            QSKIP("run on the Windows platform only");
        m_window->form.show();
        const auto window = reinterpret_cast<HWND>(m_window->form.winId());
        QCOMPARE(GetWindowLongPtrW(window, GWL_STYLE)
                     & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                 WS_CAPTION | WS_SYSMENU);
        QCOMPARE(GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), 0);
    }
#endif

private:
    // The canvas of a window of its own after clicks at these points.
    static QString clickedAt(std::initializer_list<QPoint> points)
    {
        Window reference;
        reference.form.show();
        for (const QPoint at : points)
            QTest::mouseClick(&reference.form.pic(), Qt::LeftButton, {}, at);
        return hashOf(reference.form.pic().canvas().image());
    }
    static QString hashOf(const QImage& image)
    {
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        return QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().left(16);
    }
    template <typename T>
    T* control(const char* name) const
    {
        return m_window->form.findChild<T*>(QString::fromLatin1(name));
    }
    PicBox* pic() const { return &m_window->form.pic(); }
    QImage canvasImage() const { return pic()->canvas().image(); }
    // petals=T and pattern=T type into the boxes, angle=N sets the scroll bar,
    // one, ten and new click the buttons; click, down, up, double (a second
    // press), right and back (x,y) are mouse actions, label(x,y) a click on the
    // praise label, touch(x,y,n) and lift(x,y,n) finger n down and up.
    void perform(const QString& action)
    {
        const QStringList setting = action.split(QLatin1Char('='));
        if (setting[0] == "angle")
            return control<QScrollBar>("HScroll1")->setValue(setting[1].toInt());
        if (setting.size() == 2)
            return control<QComboBox>(setting[0] == "petals" ? "Combo1" : "Combo2")->setEditText(setting[1]);
        const QStringList buttons{"one", "ten", "new"};
        const char* names[] = {"Command1_0", "Command1_1", "Command2"};
        if (buttons.contains(action))
            return QTest::mouseClick(control<QPushButton>(names[buttons.indexOf(action)]), Qt::LeftButton);
        if (action.startsWith("enter:")) {
            auto* button = control<QPushButton>(names[buttons.indexOf(action.mid(6))]);
            button->setFocus(Qt::TabFocusReason);
            return QTest::keyClick(button, Qt::Key_Return);
        }
        if (action.startsWith("key"))
            return pressKey(action.section(':', 0, 0), QKeySequence(action.section(':', 1))[0]);
        const QRegularExpressionMatch at
            = QRegularExpression("^(\\w+)\\((\\d+),(\\d+)(?:,(\\d+))?\\)$").match(action);
        const QString what = at.captured(1);
        const QPoint position(at.captured(2).toInt(), at.captured(3).toInt());
        if (what == "touch" || what == "lift") {
            if (!m_fingers)
                m_fingers.emplace(QTest::touchEvent(pic(), m_touchScreen.get(), false));
            // Fingers still down stay in every touch event, as a screen reports them.
            const int finger = at.captured(4).toInt();
            for (const int held : std::as_const(m_held))
                m_fingers->stationary(held);
            if (what == "touch") {
                m_fingers->press(finger, position);
                m_held.insert(finger);
            } else {
                m_fingers->release(finger, position);
                m_held.remove(finger);
            }
            m_fingers->commit();
            return;
        }
        QTest::mouseEvent(what == "down"         ? QTest::MousePress
                              : what == "up"     ? QTest::MouseRelease
                              : what == "double" ? QTest::MouseDClick
                                                 : QTest::MouseClick,
                          what == "label" ? static_cast<QWidget*>(control<QLabel>("Label1")) : pic(),
                          what == "right"      ? Qt::RightButton
                              : what == "back" ? Qt::BackButton
                                               : Qt::LeftButton,
                          {}, position);
    }

    // On the canvas: key (down and up), keydown, keyheld (a held key's repeat,
    // which X11 sends as an up and a down), keyup.
    void pressKey(const QString& how, QKeyCombination key)
    {
        if (!pic()->hasFocus())
            pic()->setFocus(Qt::TabFocusReason);
        const auto send = [&](QEvent::Type type, bool repeated) {
            QKeyEvent event(type, key.key(), key.keyboardModifiers(), QString(), repeated);
            QApplication::sendEvent(pic(), &event);
        };
        if (how == "keyheld")
            send(QEvent::KeyRelease, true);
        if (how != "keyup")
            send(QEvent::KeyPress, how == "keyheld");
        if (how == "key" || how == "keyup")
            send(QEvent::KeyRelease, false);
    }

    Translations m_simplified{Language::Simplified};
    std::unique_ptr<Window> m_window;
    std::unique_ptr<QPointingDevice> m_touchScreen;
    std::optional<QTest::QTouchEventWidgetSequence> m_fingers;
    QSet<int> m_held;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
