#include "paint/numbering.h"

#include "common/runtime_error.h"
#include "font/clogfont.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include <limits>

namespace qimbora {

namespace {

// Keeps a font selected into the canvas for one scope and selects the one
// before back however the scope ends, so the number font is never left there.
class FontSelection {
public:
    FontSelection(Canvas& canvas, FontHandle font)
        : m_canvas(canvas)
        , m_previous(canvas.selectObject(font))
    {
    }
    ~FontSelection() { m_canvas.selectObject(m_previous); }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    Canvas& m_canvas;
    FontHandle m_previous;
};

} // namespace

std::unique_ptr<CLogFont> NumberingSetup(FontService& fonts, const StdFontRef& canvasFont)
{
    auto numberFont = std::make_unique<CLogFont>(fonts);
    numberFont->SetLogFont(canvasFont);
    return numberFont;
}

Praise Pic_MouseUp(Canvas& canvas, Pcg32& random, CLogFont& numberFont, std::int16_t& flowerCount, float x,
                   float y)
{
    if (flowerCount == std::numeric_limits<std::int16_t>::max()) {
        RuntimeError full(ErrorKind::Overflow);
        full.setSubject(ErrorSubject::FlowerCount);
        throw full;
    }
    ++flowerCount;
    {
        const FontSelection selection(canvas, numberFont.Handle());
        canvas.setCurrentX(x - 22.0f);
        canvas.setCurrentY(y - 8.0f);
        canvas.print(flowerCount);
    }
    Praise praise;
    praise.count = flowerCount;
    praise.color = RandomDimColor(random);
    return praise;
}

void Command2_Click(Canvas& canvas, Pcg32& random, std::int16_t& flowerCount)
{
    flowerCount = 0;
    canvas.setBackColor(RandomDimColor(random));
}

void HScroll1_Change(CLogFont& numberFont, std::int16_t value) { numberFont.SetRotation(float(value)); }

} // namespace qimbora
