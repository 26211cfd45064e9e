// How well captions read: contrast ratios of colour pairs, how they are
// written, and the colours a state's caption is judged in.
#include "core/Contrast.h"
#include "support/EngineFixture.h"

namespace {
// Stored colours hold red in the low byte.
constexpr uint32_t kStoredBrown = 0x13458B;  // #8B4513
constexpr uint32_t kStoredCream = 0xD0FDFF;  // #FFFDD0
constexpr uint32_t kStoredTan = 0x8CB4D2;    // #D2B48C
}  // namespace

TEST(Contrast, RatiosOfColourPairsAndHowTheyRead) {
  struct Row {
    uint32_t a, b;
    double ratio;
    const char* text;
  };
  const Row rows[] = {
      {0x000000, 0xFFFFFF, 21.0, "21.0:1"},
      {0xFFFFFF, 0x000000, 21.0, "21.0:1"},  // either order
      {0x8B4513, 0x8B4513, 1.0, "1.0:1"},
      {0x767676, 0xFFFFFF, 4.542, "4.5:1"},  // the lightest grey that reads on white
      {0x777777, 0xFFFFFF, 4.478, "4.4:1"},  // just below: never shown as 4.5
      {0x808080, 0xFFFFFF, 3.949, "3.9:1"},
      {0x8B4513, 0xFFFDD0, 6.832, "6.8:1"},  // brown on cream
      {0xFFFDD0, 0xA0522D, 5.405, "5.4:1"},  // cream on sienna
      {0xFFFDD0, 0xD2B48C, 1.898, "1.8:1"},  // cream on tan: hard to read
      {0xC0C0C0, 0x000000, 11.542, "11.5:1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << r.a << " on " << r.b);
    const double ratio = contrast::Ratio(r.a, r.b);
    EXPECT_NEAR(ratio, r.ratio, 0.001);
    EXPECT_EQ(contrast::RatioText(ratio), r.text);
  }
  EXPECT_EQ(contrast::Luminance(0x000000), 0.0);
  EXPECT_EQ(contrast::Luminance(0xFFFFFF), 1.0);
  EXPECT_EQ(contrast::Warning(contrast::Ratio(0xFFFDD0, 0xD2B48C)),
            "Contrast 1.8:1 \xE2\x80\x94 hard to read; 4.5:1 or more reads well");
}

using ContrastOfStates = NewProject;

// A state is judged as the page draws it: its own caption colour on its
// colour, on the page's background where it is transparent, and not at all
// where nothing can be read or an image covers the colour.
TEST_F(ContrastOfStates, CaptionsAreJudgedOnWhatTheyAreDrawnOn) {
  for (PropState* s : {&up(), &over(), &down()}) {
    s->color = kStoredBrown;
    s->text->textColor = kStoredCream;
  }
  over().color = kStoredTan;
  down().transparent = 1;
  project().backgroundColor = kStoredCream;

  contrast::Caption c[3];
  for (int s = 0; s < 3; ++s) ASSERT_TRUE(contrast::StateCaption(button(), project(), s, c[s]));
  EXPECT_EQ(c[0].text, 0xFFFDD0u);
  EXPECT_EQ(c[0].background, 0x8B4513u);
  EXPECT_TRUE(c[0].readable());
  EXPECT_EQ(c[1].background, 0xD2B48Cu);
  EXPECT_FALSE(c[1].readable());
  EXPECT_EQ(c[2].background, 0xFFFDD0u);  // the page's cream shows through
  EXPECT_DOUBLE_EQ(c[2].ratio, 1.0);

  contrast::Caption none;
  over().text->text = " \r\n";
  EXPECT_FALSE(contrast::StateCaption(button(), project(), 1, none));
  down().image->file = "bread.png";
  down().image->style = PropImage::kScale;
  EXPECT_FALSE(contrast::StateCaption(button(), project(), 2, none));
  down().image->style = PropImage::kNormal;  // drawn once, the colour around it
  EXPECT_TRUE(contrast::StateCaption(button(), project(), 2, none));
  EXPECT_FALSE(contrast::StateCaption(button(), project(), 3, none));
}
