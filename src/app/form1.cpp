#include "app/form1.h"

#include "app/controls.h"
#include "app/error_report.h"
#include "app/icon.h"
#include "app/layout.h"
#include "app/long_drawing.h"
#include "app/picbox.h"
#include "common/numeral.h"
#include "common/runtime_error.h"
#include "export/save.h"
#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "paint/numbering.h"
#include "paint/place.h"
#include "speech/speaker.h"
#include "surface/qt_color.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qimbora {

namespace {

QFont songFont(double points) { return toQFont(*makeSongFont(points)); }

template <typename W>
W* place(W* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

void setColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QLabel* makeCaption(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                    const QColor& color)
{
    auto* label = place(new QLabel(text, parent), name, geometry);
    label->setFont(songFont(layout::kControlFontPoints));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColor(label, QPalette::WindowText, color);
    return label;
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    auto* combo = place(new NumberBox(parent), name, geometry);
    combo->setEditable(true);
    // Typed text stays as typed: no completion from the list, and Enter adds nothing to it.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFont(songFont(layout::kControlFontPoints));
    setColor(combo, QPalette::Text, layout::kComboText);
    setColor(combo, QPalette::Base, layout::kComboBack);
    combo->setEditText(text);
    return combo;
}

QPushButton* makeTextButton(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    QPushButton* button = place(makeButton(parent), name, geometry);
    button->setText(text);
    return button;
}

QPushButton* makePurpleButton(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    QPushButton* button = place(new ColoredButton(layout::kButtonBack, parent), name, geometry);
    button->setText(text);
    button->setFont(songFont(layout::kControlFontPoints));
    return button;
}

// Appends to the list and leaves the text field alone; the toolkit would
// otherwise show the first entry appended to an empty list.
void AddItem(QComboBox* combo, const QString& entry)
{
    const QString text = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->addItem(entry);
    if (combo->count() == 1) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Services(services)
    , Drawing(*this)
{
    // An ordinary window, listed in the task bar and the window switcher, with a close box alone.
    installSongSubstitutes();
    setWindowTitle(QString::fromLatin1(layout::kTitle));
    setWindowIcon(flowerIcon());
    setFixedSize(layout::kClientSize);
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, layout::kWindowBack);
    createControls();
    useRegionalShapes();
    nameForAssistiveTechnology();
    setTabOrder();
    Command1[0]->setFocus();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const int frame = layout::kPicFrameWidth;
    Pic = place(new PicBox(layout::kPic.size() - QSize(2 * frame, 2 * frame), fromQColor(layout::kPicBack),
                           &Services.fonts, this),
                "Pic", layout::kPic);
    Pic->setFocusPolicy(Qt::StrongFocus);
    Pic->setFont(songFont(layout::kPicFontPoints));
    Pic->canvas().setFont(makeSongFont(layout::kPicFontPoints));
    connect(Pic, &PicBox::mouseDown, this, &Form1::Pic_MouseDown);
    connect(Pic, &PicBox::mouseUp, this, [this](Qt::MouseButton, float x, float y) { Pic_MouseUp(x, y); });

    // A press on the praise label paints nothing, and its release numbers nothing.
    Label1 = place(new QLabel(Pic), "Label1", layout::kLabel1.translated(frame, frame));
    Label1->setAttribute(Qt::WA_NoMousePropagation);
    Label1->setFont(songFont(layout::kLabel1FontPoints));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // These lie over the canvas's lower edge, so they are made after it and stack above it.
    const QString flowerTexts[2] = {tr("一朵花"), tr("十朵花")};
    for (std::int16_t index = 0; index < 2; ++index) {
        const QByteArray name = "Command1_" + QByteArray::number(index);
        Command1[index]
            = makeTextButton(this, name.constData(), layout::kCommand1[index], flowerTexts[index]);
        connect(Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    }
    HScroll1 = place(new StepScrollBar(this), "HScroll1", layout::kHScroll1);
    HScroll1->setRange(0, 32767);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    // The change comes once, when a dragged thumb is let go.
    HScroll1->setTracking(false);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);

    Label2 = makeCaption(this, "Label2", layout::kLabel2, tr("花瓣数量"), layout::kCaptionText);
    Combo1 = makeCombo(this, "Combo1", layout::kCombo1, QString::fromLatin1(layout::kCombo1Text));
    Label3 = makeCaption(this, "Label3", layout::kLabel3, tr("花样"), layout::kCaptionText);
    Combo2 = makeCombo(this, "Combo2", layout::kCombo2, QString::fromLatin1(layout::kCombo2Text));
    Label4 = makeCaption(this, "Label4", layout::kLabel4, tr("点画布画花学数字"), layout::kCaptionText);
    Command2 = makePurpleButton(this, "Command2", layout::kCommand2, tr("重 画"));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    Command3 = makePurpleButton(this, "Command3", layout::kCommand3, tr("保 存"));
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    Label5 = makeCaption(this, "Label5", layout::kLabel5, QStringLiteral("© 2026 Qimbora\nqimbora.example"),
                         layout::kNoticeText);
}

// Traditional texts take the Taiwan or Hong Kong cut of the Song face, which
// gives some characters that place's shapes. The canvas keeps its own font.
void Form1::useRegionalShapes()
{
    if (Services.language == Language::Simplified)
        return;
    const QString cut = Services.language == Language::Taiwan ? QStringLiteral("AR PL UMing TW")
                                                              : QStringLiteral("AR PL UMing HK");
    for (QWidget* control : findChildren<QWidget*>()) {
        QFont font = control->font();
        font.setFamilies({cut, font.family()});
        control->setFont(font);
    }
}

void Form1::nameForAssistiveTechnology()
{
    Pic->setAccessibleName(tr("画布：按一下画一朵花，松开数一数"));
    Pic->setAccessibleDescription(tr("用方向键移动十字，按空格键或回车键画一朵花"));
    Label1->setAccessibleName(tr("表扬"));
    Command1[0]->setAccessibleName(tr("画一朵花"));
    Command1[1]->setAccessibleName(tr("画十朵花"));
    HScroll1->setAccessibleName(tr("数字的角度"));
    Combo1->setAccessibleName(tr("花瓣数量"));
    Combo2->setAccessibleName(tr("花样"));
    Command2->setAccessibleName(tr("重画：换一张新画布"));
    Command3->setAccessibleName(tr("保存：把画存成图片"));
    Label2->setBuddy(Combo1);
    Label3->setBuddy(Combo2);
}

void Form1::setTabOrder()
{
    QWidget* const order[] = {Command1[0], Pic, Command1[1], Command2, Combo1, Command3, HScroll1, Combo2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void Form1::Form_Load()
{
    FlowerCount = 0;
    NumberFont = NumberingSetup(Services.fonts, Pic->canvas().font());
    HScroll1->setValue(0);
    for (int n = 3; n <= 31; ++n)
        AddItem(Combo1, QString::number(n));
    for (const char* entry : {"2", "6", "12"})
        AddItem(Combo2, QString::fromLatin1(entry));
}

// Both moves, though the fixed window never moves the canvas: a resize puts it back at the top-left.
void Form1::Form_Resize()
{
    Pic->move(Pic->x(), 0);
    Pic->move(0, Pic->y());
}

void Form1::closeEvent(QCloseEvent* event)
{
    Drawing.closeRequested();
    QWidget::closeEvent(event);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

PaintContext Form1::paintContext()
{
    return {Pic->canvas(), Services.random, Combo1->currentText().toStdString(),
            Combo2->currentText().toStdString(), [this] { Drawing.stillDrawing(); }};
}

void Form1::runHandler(const std::function<void()>& handler)
{
    const LongDrawing::Scope running(Drawing);
    try {
        handler();
    } catch (const HandlerAbandoned&) {
        // The window is closing: the program ends.
    } catch (const RuntimeError& error) {
        Services.errors.report(this, errorMessage(error));
    } catch (const std::bad_alloc&) {
        Services.errors.report(this, unexpectedErrorMessage(tr("内存不够用了")));
    } catch (const std::exception& other) {
        Services.errors.report(this, unexpectedErrorMessage(QString::fromLocal8Bit(other.what())));
    } catch (...) {
        Services.errors.report(this, unexpectedErrorMessage(tr("原因不明")));
    }
}

void Form1::Pic_MouseDown(Qt::MouseButton button, float x, float y)
{
    runHandler([&] { qimbora::Pic_MouseDown(paintContext(), button, x, y); });
}

void Form1::Pic_MouseUp(float x, float y)
{
    runHandler([&] {
        const Praise praise
            = qimbora::Pic_MouseUp(Pic->canvas(), Services.random, *NumberFont, FlowerCount, x, y);
        //: The praise label: %1 is the count in digits.
        Label1->setText(tr("真聪明!共画了%1朵花").arg(praise.count));
        // The new name reaches a screen reader as an event, and so the count is heard.
        Label1->setAccessibleName(tr("表扬：") + Label1->text());
        setColor(Label1, QPalette::WindowText, toQColor(praise.color));
        // Numerals, not digits: a speech engine reads long digit strings wrongly.
        //: Spoken aloud, in Cantonese for Hong Kong: %1 is the count in Chinese numerals.
        const QString spoken = tr("真聪明！共画了%1朵花");
        Services.speaker.say(
            spoken.arg(QString::fromStdString(chineseNumeral(praise.count, Services.language)))
                .toStdString());
    });
}

void Form1::HScroll1_Change()
{
    runHandler([&] { qimbora::HScroll1_Change(*NumberFont, std::int16_t(HScroll1->value())); });
}

void Form1::Command1_Click(std::int16_t index)
{
    runHandler([&] { qimbora::Command1_Click(paintContext(), index); });
}

void Form1::Command2_Click()
{
    runHandler([&] { qimbora::Command2_Click(Pic->canvas(), Services.random, FlowerCount); });
}

void Form1::Command3_Click()
{
    runHandler([&] { qimbora::Command3_Click(Services.saveDialog, Pic->canvas()); });
}

} // namespace qimbora
