#pragma once

#include "app/long_drawing.h"
#include "common/language.h"
#include "paint/context.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace qimbora {

class CLogFont;
class ErrorReport;
class PicBox;
class QtFontService;
class Pcg32;
class SaveDialog;
class Speaker;

// What the platform supplies to the window; tests hand in their own report,
// dialog and speaker. The language chooses the numerals the praise is spoken in.
struct Form1Services {
    Pcg32& random;
    ErrorReport& errors;
    QtFontService& fonts;
    SaveDialog& saveDialog;
    Speaker& speaker;
    Language language;
};

// The toy's one window. It builds its controls from the stored layout, runs
// Form_Load before it is shown, and routes each user event to its handler.
// Controls carry their names as object names (Pic, Combo1, Command1_0, ...).
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    PicBox& pic() { return *Pic; }
    const CLogFont& numberFont() const { return *NumberFont; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void useRegionalShapes();
    void nameForAssistiveTechnology();
    void setTabOrder();
    void Form_Load();
    void Form_Resize();

    void Pic_MouseDown(Qt::MouseButton button, float x, float y);
    void Pic_MouseUp(float x, float y);
    void HScroll1_Change();
    void Command1_Click(std::int16_t index);
    void Command2_Click();
    void Command3_Click();

    PaintContext paintContext();
    // The event boundary: a handler that raises an error stops where it was,
    // what it drew stays, and the user is told.
    void runHandler(const std::function<void()>& handler);

    Form1Services Services;
    LongDrawing Drawing;
    PicBox* Pic = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 2> Command1{};
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label5 = nullptr;

    std::int16_t FlowerCount = 0;
    std::unique_ptr<CLogFont> NumberFont;
};

} // namespace qimbora
