#include "app/error_report.h"
#include "app/form1.h"
#include "app/picbox.h"
#include "app/qt_save_dialog.h"
#include "app/startup.h"
#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "paint/random.h"

#include "app_support.h"
#include "speech/numerals.h"
#include "support.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace qimbora;
using testing::CountingRandom;
using testing::RecordingReport;

namespace {

// Collects the rectangles that a widget repaints.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QStringList entries(const QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void startState();
    void tabOrderAndFocus();
    void leftPressPaintsAroundThePointer();
    void onlyTheChangedRectangleIsRepainted();
    void otherPressesPaintNothing();
    void doubleClickPaintsTwice();
    void flowerButtons();
    void newCanvasButton();
    void enteredTextIsNotAddedToTheList();
    void badTextIsReportedAndTheDrawingStays();
    void closingTheWindowEndsTheProgram();
    void releaseNumbersAndPraises();
    void scrollBarSetsTheAngleWhenLetGo();
    void accessibleNames_data();
    void accessibleNames();
    void comboBoxesFromTheKeyboard();
    void golden_data();
    void golden();
    void scrollBarClicks_data();
    void scrollBarClicks();
    void wheelTurnsOnlyTheBoxBeingTyped();
    void purpleButtonsArePaintedPurple();
    void qtTextsAreChinese();
    void longDrawingKeepsTheWindowAlive();
    void praiseIsSpoken();

private:
    template <typename T>
    T* control(const char* name) const
    {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }
    QImage canvasImage() const { return m_form->pic().canvas().image(); }
    void perform(const QString& action);

    CountingRandom* m_random = nullptr;
    RecordingReport* m_report = nullptr;
    QtFontService* m_fonts = nullptr;
    QtSaveDialog* m_dialog = nullptr;
    testing::RecordingSpeaker m_speaker;
    Form1* m_form = nullptr;
};

void TestForm1::initTestCase() { QVERIFY(installChineseTranslations(*qApp)); }

void TestForm1::init()
{
    m_speaker.said.clear();
    m_random = new CountingRandom;
    m_report = new RecordingReport;
    m_fonts = new QtFontService;
    m_dialog = new QtSaveDialog;
    m_form = new Form1({*m_random, *m_report, *m_fonts, *m_dialog, m_speaker});
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    // An active window does not repaint everything on the first press.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void TestForm1::cleanup()
{
    delete m_form;
    delete m_dialog;
    delete m_fonts;
    delete m_report;
    delete m_random;
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("Pic") << "Pic" << QRect(0, 0, 1126, 697) << "";
    QTest::newRow("Label1") << "Label1" << QRect(786, 6, 333, 41) << ""; // inside the 2-pixel frame
    QTest::newRow("Command1 0") << "Command1_0" << QRect(0, 640, 74, 27) << "一朵花";
    QTest::newRow("Command1 1") << "Command1_1" << QRect(80, 640, 74, 27) << "十朵花";
    QTest::newRow("HScroll1") << "HScroll1" << QRect(328, 632, 161, 21) << "";
    QTest::newRow("Label2") << "Label2" << QRect(4, 708, 77, 25) << "花瓣数量";
    QTest::newRow("Combo1") << "Combo1" << QRect(76, 704, 65, 24) << "22";
    QTest::newRow("Label3") << "Label3" << QRect(144, 708, 53, 21) << "花样";
    QTest::newRow("Combo2") << "Combo2" << QRect(180, 704, 65, 24) << "6";
    QTest::newRow("Label4") << "Label4" << QRect(328, 708, 153, 17) << "点画布画花学数字";
    QTest::newRow("Command2") << "Command2" << QRect(684, 704, 91, 27) << "重 画";
    QTest::newRow("Command3") << "Command3" << QRect(812, 704, 93, 27) << "保 存";
    QTest::newRow("Label5") << "Label5" << QRect(972, 708, 149, 41) << "";
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (text.isEmpty())
        return;
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        QCOMPARE(combo->currentText(), text);
}

void TestForm1::startState()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Qimbora1.0"));
    QCOMPARE(m_form->size(), QSize(1125, 756));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);

    auto* combo1 = control<QComboBox>("Combo1");
    QCOMPARE(combo1->count(), 29);
    QCOMPARE(combo1->itemText(0), QStringLiteral("3"));
    QCOMPARE(combo1->itemText(28), QStringLiteral("31"));
    QCOMPARE(combo1->currentText(), QStringLiteral("22"));
    auto* combo2 = control<QComboBox>("Combo2");
    QCOMPARE(entries(combo2), (QStringList{"2", "6", "12"}));
    QCOMPARE(combo2->currentText(), QStringLiteral("6"));
    QVERIFY(combo1->isEditable() && combo2->isEditable());

    QCOMPARE(control<QLabel>("Label1")->text(), QString());
    auto* scroll = control<QScrollBar>("HScroll1");
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(scroll->minimum(), 0);
    QCOMPARE(scroll->maximum(), 32767);
    QCOMPARE(scroll->singleStep(), 1);
    QCOMPARE(scroll->pageStep(), 1);
    QCOMPARE(m_form->flowerCount(), std::int16_t(0));

    // The drawing area is the inside of the sunken frame, in the canvas's dark blue.
    QCOMPARE(canvasImage().size(), QSize(1122, 693));
    QCOMPARE(m_form->pic().contentsRect(), QRect(2, 2, 1122, 693));
    QImage blue(1122, 693, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 64));
    QCOMPARE(canvasImage(), blue);

    QCOMPARE(control<QPushButton>("Command2")->palette().color(QPalette::Button), QColor(177, 48, 129));
    QCOMPARE(control<QComboBox>("Combo1")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(control<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(251, 158, 4));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(63, 103, 29));
    QCOMPARE(control<QLabel>("Label1")->font().family(), QStringLiteral("宋体"));
    QCOMPARE(control<QLabel>("Label1")->font().pointSizeF(), 21.75);
    QCOMPARE(m_form->pic().font().weight(), QFont::Bold);
}

void TestForm1::tabOrderAndFocus()
{
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("Command1_0"));
    const char* order[]
        = {"Command1_0", "Pic", "Command1_1", "Command2", "Combo1", "Command3", "HScroll1", "Combo2"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // An editable combo box hands its focus to its line edit.
        if (focus && focus->parentWidget() && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        QCOMPARE(focus->objectName(), QString::fromLatin1(order[i]));
    }
}

void TestForm1::leftPressPaintsAroundThePointer()
{
    const QImage before = canvasImage();
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(302, 202));
    QCOMPARE(m_random->draws, 8);
    const QImage after = canvasImage();
    // The centre disc sits on the pointer's canvas position, (300, 200).
    QVERIFY(after.pixel(300, 200) != before.pixel(300, 200));
    // A flower is at most 170 pixels in radius: far corners stay as they were.
    QCOMPARE(after.pixel(0, 0), before.pixel(0, 0));
    QCOMPARE(after.pixel(1121, 692), before.pixel(1121, 692));
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(302, 202));
}

void TestForm1::onlyTheChangedRectangleIsRepainted()
{
    // The button that loses the focus lies over the canvas; let it repaint first.
    m_form->pic().setFocus();
    QTest::qWait(20);
    PaintSpy spy(&m_form->pic());
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(502, 302));
    QTRY_VERIFY(!spy.painted.isEmpty());
    const QRect bounds = spy.painted.boundingRect();
    QVERIFY(bounds.contains(QPoint(502, 302)));
    QVERIFY(bounds.width() <= 2 * 172 && bounds.height() <= 2 * 172);
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(502, 302));
}

void TestForm1::otherPressesPaintNothing()
{
    const QImage before = canvasImage();
    QTest::mousePress(&m_form->pic(), Qt::RightButton, {}, QPoint(300, 300));
    QTest::mousePress(&m_form->pic(), Qt::MiddleButton, {}, QPoint(300, 300));
    QCOMPARE(m_random->draws, 0);
    QCOMPARE(canvasImage(), before);
    QTest::mouseRelease(&m_form->pic(), Qt::RightButton, {}, QPoint(300, 300));
    QTest::mouseRelease(&m_form->pic(), Qt::MiddleButton, {}, QPoint(300, 300));
    const QImage numbered = canvasImage();
    // A press and release on the praise label belong to the label.
    QTest::mouseClick(control<QWidget>("Label1"), Qt::LeftButton, {}, QPoint(100, 20));
    QCOMPARE(canvasImage(), numbered);
    QCOMPARE(m_form->flowerCount(), std::int16_t(2));
}

void TestForm1::doubleClickPaintsTwice()
{
    // The toolkit reports the second press of a quick pair as a double click.
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseDClick(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(m_random->draws, 8 + 3 + 8);
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(m_form->flowerCount(), std::int16_t(2));
}

void TestForm1::flowerButtons()
{
    QTest::mouseClick(control<QPushButton>("Command1_0"), Qt::LeftButton);
    QCOMPARE(m_random->draws, 10);
    QTest::mouseClick(control<QPushButton>("Command1_1"), Qt::LeftButton);
    QCOMPARE(m_random->draws, 110);
    QCOMPARE(m_form->flowerCount(), std::int16_t(0));
    QCOMPARE(control<QLabel>("Label1")->text(), QString());
}

void TestForm1::newCanvasButton()
{
    QTest::mouseClick(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(m_form->flowerCount(), std::int16_t(1));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m_random->draws, 8 + 3 + 3);
    QCOMPARE(m_form->flowerCount(), std::int16_t(0));
    const QImage image = canvasImage();
    QImage uniform(image.size(), QImage::Format_RGB32);
    uniform.fill(image.pixel(0, 0));
    QCOMPARE(image, uniform);
}

void TestForm1::enteredTextIsNotAddedToTheList()
{
    auto* combo = control<QComboBox>("Combo1");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("40"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), 29);
    QCOMPARE(combo->currentText(), QStringLiteral("40"));
    // A typed prefix of an entry is not completed to it.
    auto* pattern = control<QComboBox>("Combo2");
    pattern->lineEdit()->selectAll();
    QTest::keyClicks(pattern->lineEdit(), QStringLiteral("1"));
    QCOMPARE(pattern->currentText(), QStringLiteral("1"));
}

void TestForm1::badTextIsReportedAndTheDrawingStays()
{
    QTest::mouseClick(&m_form->pic(), Qt::LeftButton, {}, QPoint(300, 300));
    const QImage drawn = canvasImage();
    control<QComboBox>("Combo1")->setEditText(QStringLiteral("abc"));
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(600, 300));
    QCOMPARE(m_report->messages.size(), 1);
    QVERIFY(m_report->messages[0].contains(QStringLiteral("“花瓣数量”框里要填一个数字")));
    QCOMPARE(m_random->draws, 8 + 3 + 8);
    QCOMPARE(canvasImage(), drawn);
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(600, 300));

    // The program goes on: a good count paints again.
    control<QComboBox>("Combo1")->setEditText(QStringLiteral("5"));
    QTest::mouseClick(&m_form->pic(), Qt::LeftButton, {}, QPoint(600, 300));
    QCOMPARE(m_report->messages.size(), 1);
    QVERIFY(canvasImage() != drawn);
}

void TestForm1::closingTheWindowEndsTheProgram()
{
    QVERIFY(m_form->windowFlags().testFlag(Qt::Tool)); // kept out of the task bar
    QTimer::singleShot(0, m_form, &QWidget::close);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // the event loop did not end
    QCOMPARE(QApplication::exec(), 0);
}

void TestForm1::releaseNumbersAndPraises()
{
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(302, 202));
    const QImage flower = canvasImage();
    QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, QPoint(302, 202));
    QCOMPARE(m_form->flowerCount(), std::int16_t(1));
    auto* label = control<QLabel>("Label1");
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了1朵花"));
    // The number is printed in the petal colour, left of and above the pointer.
    const QImage numbered = canvasImage();
    QVERIFY(numbered != flower);
    for (int y = 0; y < numbered.height(); ++y) {
        for (int x = 0; x < numbered.width(); ++x) {
            if (numbered.pixel(x, y) != flower.pixel(x, y))
                QVERIFY(QRect(278, 192, 80, 40).contains(x, y));
        }
    }
    const QColor color = label->palette().color(QPalette::WindowText);
    QVERIFY(color.red() <= 234 && color.green() <= 234 && color.blue() <= 234);

    // A right-button release counts too, though its press painted nothing.
    QTest::mouseClick(&m_form->pic(), Qt::RightButton, {}, QPoint(700, 400));
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了2朵花"));
    // The new canvas leaves the label until the next release, which shows 1.
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了2朵花"));
    QTest::mouseClick(&m_form->pic(), Qt::LeftButton, {}, QPoint(700, 400));
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了1朵花"));
}

void TestForm1::scrollBarSetsTheAngleWhenLetGo()
{
    auto* scroll = control<QScrollBar>("HScroll1");
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 5, scroll->height() / 2));
    QCOMPARE(scroll->value(), 1);
    QCOMPARE(m_form->numberFont().rotation(), 1.0f);
    // During a drag the angle holds; it changes once, when the thumb is let go.
    scroll->setSliderDown(true);
    scroll->setSliderPosition(90);
    scroll->setSliderPosition(120);
    QCOMPARE(m_form->numberFont().rotation(), 1.0f);
    scroll->setSliderDown(false);
    QCOMPARE(m_form->numberFont().rotation(), 120.0f);
}

void TestForm1::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("says");
    QTest::newRow("canvas") << "Pic"
                            << "按一下画一朵花";
    QTest::newRow("scroll bar") << "HScroll1"
                                << "数字的角度";
    QTest::newRow("petal count") << "Combo1"
                                 << "花瓣数量";
    QTest::newRow("pattern") << "Combo2"
                             << "花样";
    QTest::newRow("one flower") << "Command1_0"
                                << "一朵花";
    QTest::newRow("ten flowers") << "Command1_1"
                                 << "十朵花";
    QTest::newRow("new canvas") << "Command2"
                                << "重画";
    QTest::newRow("save") << "Command3"
                          << "保存";
    QTest::newRow("praise") << "Label1"
                            << "表扬";
}

void TestForm1::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, says);
    QVERIFY(control<QWidget>(name.toLatin1().constData())->accessibleName().contains(says));
}

void TestForm1::comboBoxesFromTheKeyboard()
{
    // Tab from the new-canvas button into the petal count, type over it; then on
    // to the pattern, whose text is selected on arrival too.
    control<QWidget>("Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("7"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(control<QComboBox>("Combo2")->currentText(), QStringLiteral("12"));
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(402, 302));
    QCOMPARE(m_random->draws, 8);
    QVERIFY(m_report->messages.isEmpty());
}

// A sequence of actions from the generator's fixed start -> the first 16 hex
// digits of the SHA-1 of the canvas's pixels. Actions, separated by blanks:
// petals=T and pattern=T type into the combo boxes, angle=N sets the scroll
// bar, click(x,y) is a left press and release, down(x,y) and up(x,y) left
// press and release alone, right(x,y) a right click, one, ten and new the
// buttons. Positions are in the canvas control, frame included.
// A row that changes on purpose: check the image the failure writes, then copy
// the printed hash into the row.
void TestForm1::golden_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("hash");
    QTest::newRow("22 petals, pattern 6") << "click(400,300)"
                                          << "65a5e5cb69ea3ec5";
    QTest::newRow("pattern 2 fills the flower") << "pattern=2 click(400,300)"
                                                << "57951c3147ff2b70";
    QTest::newRow("pattern 12") << "pattern=12 click(400,300)"
                                << "259fbdda44ffd584";
    QTest::newRow("spoke: 3 petals, pattern 6") << "petals=3 click(400,300)"
                                                << "a9e9492a624e2d04";
    QTest::newRow("three positions: 9 petals") << "petals=9 click(400,300)"
                                               << "64e9cc754b6fbbcb";
    QTest::newRow("0 petals paints 9") << "petals=0 click(400,300)"
                                       << "64e9cc754b6fbbcb";
    QTest::newRow("1 petal paints 9") << "petals=1 click(400,300)"
                                      << "64e9cc754b6fbbcb";
    QTest::newRow("2 petals") << "petals=2 pattern=2 click(400,300)"
                              << "2aceb6a3bb0c8228";
    QTest::newRow("100 petals") << "petals=100 click(400,300)"
                                << "7f7d618f6070614b";
    QTest::newRow("pattern 0: a spoke") << "pattern=0 click(400,300)"
                                        << "a9e9492a624e2d04";
    QTest::newRow("number at 45 degrees") << "angle=45 down(300,300) up(600,400)"
                                          << "81ae2d0852889043";
    QTest::newRow("number at 90 degrees") << "angle=90 down(300,300) up(600,400)"
                                          << "379f547213b7175a";
    QTest::newRow("number at 180 degrees") << "angle=180 down(300,300) up(600,400)"
                                           << "dc48ac97894a4379";
    QTest::newRow("number where released") << "down(300,300) up(600,400)"
                                           << "23fe7ff79d8f7eab";
    QTest::newRow("number before any flower") << "right(500,300)"
                                              << "65386c7dfa6f50c7";
    QTest::newRow("counts on: 1, 2, 3") << "click(200,200) click(500,300) click(800,500)"
                                        << "87531799b0eadd87";
    QTest::newRow("flowers on the canvas edge") << "click(2,2) click(1123,694)"
                                                << "bf4057f16fcef66b";
    QTest::newRow("one flower") << "one"
                                << "8c85b7ddbc06509d";
    QTest::newRow("ten flowers") << "ten"
                                 << "21c1d13b439f5c29";
    QTest::newRow("new canvas, numbering from 1") << "click(300,300) new click(600,300)"
                                                  << "73c040e889703f22";
    // The sunken frame is not the drawing area: nothing is painted or counted.
    QTest::newRow("presses on the frame")
        << "click(0,300) click(1,300) click(300,695) click(1125,2) right(0,1)"
        << "c1290025ee854701";
}

void TestForm1::perform(const QString& action)
{
    QWidget* pic = &m_form->pic();
    const qsizetype open = action.indexOf(QLatin1Char('('));
    if (open > 0) {
        const QStringList xy = action.mid(open + 1).chopped(1).split(QLatin1Char(','));
        const QPoint at(xy[0].toInt(), xy[1].toInt());
        const QString verb = action.left(open);
        if (verb == QLatin1String("click"))
            QTest::mouseClick(pic, Qt::LeftButton, {}, at);
        else if (verb == QLatin1String("down"))
            QTest::mousePress(pic, Qt::LeftButton, {}, at);
        else if (verb == QLatin1String("up"))
            QTest::mouseRelease(pic, Qt::LeftButton, {}, at);
        else if (verb == QLatin1String("right"))
            QTest::mouseClick(pic, Qt::RightButton, {}, at);
        else
            QFAIL(qPrintable(action));
        return;
    }
    const QStringList setting = action.split(QLatin1Char('='));
    if (setting.size() == 2) {
        if (setting[0] == QLatin1String("petals"))
            control<QComboBox>("Combo1")->setEditText(setting[1]);
        else if (setting[0] == QLatin1String("pattern"))
            control<QComboBox>("Combo2")->setEditText(setting[1]);
        else if (setting[0] == QLatin1String("angle"))
            control<QScrollBar>("HScroll1")->setValue(setting[1].toInt());
        else
            QFAIL(qPrintable(action));
        return;
    }
    const char* button = action == QLatin1String("one") ? "Command1_0"
        : action == QLatin1String("ten")                ? "Command1_1"
        : action == QLatin1String("new")                ? "Command2"
                                                        : nullptr;
    QVERIFY2(button, qPrintable(action));
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void TestForm1::golden()
{
    QFETCH(QString, actions);
    QFETCH(QString, hash);
    for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        perform(action);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(m_report->messages.isEmpty());
    const QImage image = canvasImage();
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    const QString actual
        = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
    if (actual == hash)
        return;
    const QString saved = QCoreApplication::applicationDirPath() + QStringLiteral("/golden-")
        + QString::fromLatin1(QTest::currentDataTag())
              .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"))
        + QStringLiteral(".png");
    image.save(saved);
    QFAIL(qPrintable(
        QStringLiteral("canvas hash %1, expected %2; the canvas is in %3").arg(actual, hash, saved)));
}

void TestForm1::scrollBarClicks_data()
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

void TestForm1::scrollBarClicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, x);
    QFETCH(int, value);
    auto* scroll = control<QScrollBar>("HScroll1");
    QTest::mouseClick(scroll, button, {}, QPoint(x, scroll->height() / 2));
    QCOMPARE(scroll->value(), value);
    QCOMPARE(QApplication::activePopupWidget(), nullptr); // no "Scroll here" menu
}

void TestForm1::wheelTurnsOnlyTheBoxBeingTyped()
{
    auto* combo = control<QComboBox>("Combo1");
    auto turn = [combo] {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent wheel(at, combo->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    };
    turn();
    QCOMPARE(combo->currentText(), QStringLiteral("22"));
    combo->setFocus();
    turn();
    QVERIFY(combo->currentText() != QStringLiteral("22"));
}

void TestForm1::purpleButtonsArePaintedPurple()
{
    for (const char* name : {"Command2", "Command3"}) {
        auto* button = control<QPushButton>(name);
        // A point of the face clear of the text and the border.
        const QPoint face(6, button->height() / 2);
        QCOMPARE(button->grab().toImage().pixelColor(face), QColor(177, 48, 129));
        button->setDown(true);
        const QColor pressed = button->grab().toImage().pixelColor(face);
        button->setDown(false);
        QVERIFY(pressed.value() < 129);
        button->setFocus();
        QCOMPARE(button->grab().toImage().pixelColor(0, button->height() / 2), QColor(Qt::white));
    }
}

// Qt's own buttons and questions speak Chinese like the rest of the window.
void TestForm1::qtTextsAreChinese()
{
    QStringList seen;
    QTimer::singleShot(50, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->buttons())
                seen << button->text();
            box->accept();
        }
    });
    MessageBoxReport().report(m_form, QStringLiteral("?"));
    QCOMPARE(seen, QStringList{QStringLiteral("确定")});

    seen.clear();
    QTimer::singleShot(50, [&seen] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen << dialog->windowTitle();
            for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                seen << button->text();
            dialog->reject();
        }
    });
    m_dialog->ShowSave();
    QCOMPARE(seen,
             (QStringList{QStringLiteral("另存为"), QStringLiteral("保存(&S)"), QStringLiteral("取消")}));
}

// A drawing that takes seconds shows the busy pointer, and the close button
// ends it.
void TestForm1::longDrawingKeepsTheWindowAlive()
{
    // Angles this large are drawn petal by petal: seconds of work.
    control<QComboBox>("Combo1")->setEditText(QStringLiteral("5000000"));
    control<QComboBox>("Combo2")->setEditText(QStringLiteral("1e12"));
    bool busy = false;
    QTimer::singleShot(700, m_form, [this, &busy] {
        busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        m_form->close();
    });
    QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, QPoint(402, 302));
    QVERIFY(busy);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // Abandoned before the fill and the centre disc.
    QCOMPARE(canvasImage().pixelColor(400, 300), QColor(0, 0, 64));
}

// Each numbered flower's praise is said, counted in Chinese numerals.
void TestForm1::praiseIsSpoken()
{
    std::vector<std::string> expected;
    for (std::int16_t count = 1; count <= 10; ++count) {
        QTest::mouseClick(&m_form->pic(), count % 2 ? Qt::LeftButton : Qt::RightButton, {}, QPoint(300, 300));
        expected.push_back(spokenPraise(count));
        if (count == 1 || count == 3 || count == 10)
            QCOMPARE(m_speaker.said, expected);
    }
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
