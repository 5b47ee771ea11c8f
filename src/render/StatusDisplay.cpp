#include "render/StatusDisplay.h"

#include "render/MaskedDraw.h"

namespace krepogor {
namespace {

constexpr int NumbersY = 587;
constexpr int LevelY = 48;
constexpr int DigitW = 14, DigitH = 18, PercentW = 18;
constexpr int DigitStep = 13;

// Cells of the units, tens, hundreds and thousands digits.
constexpr int DigitCell[] = {2, 1, 0, 4};
constexpr int PercentCell = 3, DollarCell = 6, LevelCell = 7;

void FillCell(Game& g, int cell, int digit) {
    g.buf.PicLife(cell).Put(g.pics.ImgZifra(digit));
    g.buf.PicLifeM(cell).Put(g.pics.ImgZifraM(digit));
}

void DrawCell(Game& g, Canvas& c, int cell, int x, int y, int w = DigitW) {
    DrawMasked(c, x, y, w, DigitH, g.buf.PicLifeM(cell), g.buf.PicLife(cell));
}

// Up to four digits right-aligned on `unitsX`; nothing below 0 or from 10000 on.
void DrawNumber(Game& g, Canvas& c, int64_t value, int unitsX) {
    if (value < 0 || value >= 10000) return;
    int digits[4] = {};
    int count = 0;
    do {
        digits[count++] = static_cast<int>(value % 10);
        value /= 10;
    } while (value > 0);

    g.st.ZifraIdx = static_cast<int16_t>(count);
    g.st.Zifra1 = digits[0];
    g.st.Zifra2 = digits[1];
    g.st.Zifra3 = digits[2];
    for (int i = 0; i < count; ++i) FillCell(g, DigitCell[i], digits[i]);
    for (int i = 0; i < count; ++i) DrawCell(g, c, DigitCell[i], unitsX - i * DigitStep, NumbersY);
}

void DrawLife(Game& g, Canvas& c) {
    constexpr int UnitsX = 120;
    DrawCell(g, c, PercentCell, 133, NumbersY, PercentW);
    const int life = g.st.Life;
    if (life < 1 || life > 9) {
        DrawNumber(g, c, life, UnitsX);
        return;
    }
    // A low life warns in red.
    g.st.ZifraIdx = 1;
    g.st.Zifra1 = life;
    g.buf.PicLife(DigitCell[0]).Put(g.pics.ImgZifraRed(life));
    g.buf.PicLifeM(DigitCell[0]).Put(g.pics.ImgZifraM(life));
    DrawCell(g, c, DigitCell[0], UnitsX, NumbersY);
}

void DrawLevel(Game& g, Canvas& c) {
    if (g.st.Level != 10) {
        DrawCell(g, c, LevelCell, 75, LevelY);
        return;
    }
    FillCell(g, LevelCell, 0);
    DrawCell(g, c, LevelCell, 81, LevelY);
    FillCell(g, LevelCell, 1);
    DrawCell(g, c, LevelCell, 68, LevelY);
}

}  // namespace

void DrawStatus(Game& g, Canvas& c) {
    DrawLife(g, c);
    DrawNumber(g, c, g.st.DtLevel, 317);
    DrawNumber(g, c, g.st.ForceLevel, 497);
    DrawNumber(g, c, g.st.Kills, 678);
    DrawCell(g, c, DollarCell, 895, NumbersY);
    DrawNumber(g, c, g.st.ModPoints, 882);
    DrawLevel(g, c);
}

}  // namespace krepogor
