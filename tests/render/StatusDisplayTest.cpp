#include "SceneFixture.h"
#include "render/StatusDisplay.h"

namespace krepogor {
namespace {

constexpr uint32_t Digit(int d) {
    return 0x00100000u + d;
}  // ImgZifra(0..9)
constexpr uint32_t Red(int item) {
    return 0x00200000u + item;
}  // ImgZifraRed(1..10)
constexpr uint32_t Dollar = 0x0030000A, Percent = 0x0030000B;
constexpr int Y = 587;

// Every glyph a solid colour of its own, and the numbers of a battle under way.
class StatusDisplayTest : public SceneFixture {
protected:
    StatusDisplayTest() {
        PictureSet& p = g.pics;
        for (int d = 0; d <= 9; ++d) Opaque(p.ImgZifra(d), p.ImgZifraM(d), Digit(d));
        for (int i = 1; i <= 10; ++i) Solid(p.ImgZifraRed(i), Red(i));
        Opaque(p.ImgZifra(10), p.ImgZifraM(10), Dollar);
        Opaque(p.ImgZifra(11), p.ImgZifraM(11), Percent);
        // What the battle window's load and the countdown put in.
        g.buf.PicLife(3).Put(p.ImgZifra(11));
        g.buf.PicLifeM(3).Put(p.ImgZifraM(11));
        g.buf.PicLife(6).Put(p.ImgZifra(10));
        g.buf.PicLifeM(6).Put(p.ImgZifraM(10));
        g.buf.PicLife(7).Put(p.ImgZifra(1));
        g.buf.PicLifeM(7).Put(p.ImgZifraM(1));
        g.st.Life = 100;
        g.st.DtLevel = g.st.ForceLevel = g.st.Level = 1;
    }

    // What stands at the glyph cells starting at x: the colour of each
    // cell's first column, or 0 for the background.
    std::vector<uint32_t> Cells(std::initializer_list<int> xs, int y = Y) {
        view.RedrawScene();
        std::vector<uint32_t> out;
        for (int x : xs) out.push_back(At(x, y) == Background ? 0u : At(x, y));
        return out;
    }
    using V = std::vector<uint32_t>;
};

TEST_F(StatusDisplayTest, LifeBelowTenIsOneRedDigit) {
    g.st.Life = 9;
    EXPECT_EQ(Cells({94, 107, 120, 133}), (V{0, 0, Red(9), Percent}));
    EXPECT_EQ(At(133 + 17, Y + 17), Percent);
    EXPECT_EQ(At(133 + 18, Y), Background);
    g.st.Life = 1;
    EXPECT_EQ(Cells({107, 120}), (V{0, Red(1)}));
}

TEST_F(StatusDisplayTest, LifeFromTenIsInOrdinaryDigits) {
    g.st.Life = 10;
    EXPECT_EQ(Cells({94, 107, 120, 133}), (V{0, Digit(1), Digit(0), Percent}));
    g.st.Life = 100;
    EXPECT_EQ(Cells({81, 94, 107, 120, 133}), (V{0, Digit(1), Digit(0), Digit(0), Percent}));
}

TEST_F(StatusDisplayTest, GlyphsFillTheLeftTwelveColumnsOfTheirCells) {
    g.st.Life = 55;
    view.RedrawScene();
    EXPECT_EQ(At(120 + 11, Y + 17), Digit(5));
    EXPECT_EQ(At(120 + 12, Y), Background);
    EXPECT_EQ(At(107 + 12, Y), Background);
    EXPECT_EQ(At(120, Y + 18), Background);
    EXPECT_EQ(At(120, Y - 1), Background);
}

TEST_F(StatusDisplayTest, KillsTakeUpToFourDigits) {
    g.st.Kills = 1234;
    EXPECT_EQ(Cells({626, 639, 652, 665, 678}), (V{0, Digit(1), Digit(2), Digit(3), Digit(4)}));
    g.st.Kills = 0;
    EXPECT_EQ(Cells({665, 678}), (V{0, Digit(0)}));
    g.st.Kills = 10000;
    EXPECT_EQ(Cells({639, 652, 665, 678}), (V{0, 0, 0, 0}));
}

TEST_F(StatusDisplayTest, MoneyAlwaysShowsTheDollarSign) {
    g.st.ModPoints = 0;
    EXPECT_EQ(Cells({869, 882, 895}), (V{0, Digit(0), Dollar}));
    g.st.ModPoints = 9999;
    EXPECT_EQ(Cells({830, 843, 856, 869, 882, 895}),
              (V{0, Digit(9), Digit(9), Digit(9), Digit(9), Dollar}));
    g.st.ModPoints = 10000;
    EXPECT_EQ(Cells({843, 856, 869, 882, 895}), (V{0, 0, 0, 0, Dollar}));
    g.st.ModPoints = 987654;
    EXPECT_EQ(Cells({843, 882, 895}), (V{0, 0, Dollar}));
}

TEST_F(StatusDisplayTest, UpgradeLevelsOfTenTakeTwoDigits) {
    g.st.DtLevel = 10;
    g.st.ForceLevel = 3;
    EXPECT_EQ(Cells({291, 304, 317, 484, 497}), (V{0, Digit(1), Digit(0), 0, Digit(3)}));
    g.st.DtLevel = 9;
    g.st.ForceLevel = 10;
    EXPECT_EQ(Cells({304, 317, 471, 484, 497}), (V{0, Digit(9), 0, Digit(1), Digit(0)}));
}

TEST_F(StatusDisplayTest, LevelStandsOnTheScroll) {
    g.buf.PicLife(7).Put(g.pics.ImgZifra(4));
    g.buf.PicLifeM(7).Put(g.pics.ImgZifraM(4));
    g.st.Level = 4;
    EXPECT_EQ(Cells({68, 75, 81}, 48), (V{0, Digit(4), Digit(4)}));
    EXPECT_EQ(At(74, 48), Background);
    EXPECT_EQ(At(86, 48), Digit(4));
    EXPECT_EQ(At(87, 48), Background);

    g.st.Level = 10;
    EXPECT_EQ(Cells({67, 68, 79, 81}, 48), (V{0, Digit(1), Digit(1), Digit(0)}));
    EXPECT_EQ(At(92, 48), Digit(0));
    EXPECT_EQ(At(93, 48), Background);
    EXPECT_EQ(g.buf.PicLife(7).Held(), &g.pics.ImgZifra(1));
    EXPECT_EQ(g.buf.PicLifeM(7).Held(), &g.pics.ImgZifraM(1));
}

TEST_F(StatusDisplayTest, DigitMasksCutThroughTheBackground) {
    // The red digits keep the ordinary digit's mask: only its hole shows red.
    Solid(g.pics.ImgZifraM(3), 0x00FFFFFF);
    g.pics.ImgZifraM(3).Pixels[0] = 0;
    g.st.Life = 3;
    view.RedrawScene();
    EXPECT_EQ(At(120, Y), Red(3));
    EXPECT_EQ(At(121, Y), Background | Red(3));
}

}  // namespace
}  // namespace krepogor
