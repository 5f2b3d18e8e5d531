#include "text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

using namespace marklow;

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheShortestDecimal) {
    EXPECT_EQ(FormatNumber(85.25), "85.3");
    EXPECT_EQ(FormatNumber(84.35), "84.4");
    EXPECT_EQ(FormatNumber(-84.35), "-84.4");
    EXPECT_EQ(FormatNumber(99.96), "100");
    EXPECT_EQ(FormatNumber(0.125), "0.125");
    EXPECT_EQ(FormatNumber(85.333), "85.3");
    EXPECT_EQ(FormatNumber(7.25), "7.25");
    EXPECT_EQ(FormatNumber(2.675), "2.68");
    EXPECT_EQ(FormatNumber(1.0005), "1");
}

TEST(FormatNumber, FixedNotationDropsTrailingZeros) {
    EXPECT_EQ(FormatNumber(100), "100");
    EXPECT_EQ(FormatNumber(0.5), "0.5");
    EXPECT_EQ(FormatNumber(0), "0");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(90.0), "90");
    EXPECT_EQ(FormatNumber(12.345), "12.3");
    EXPECT_EQ(FormatNumber(-2), "-2");
    EXPECT_EQ(FormatNumber(999.4), "999");
}

TEST(FormatNumber, ScientificBeyondThreeIntegerDigitsAndBelowTheSmallest) {
    EXPECT_EQ(FormatNumber(999.5), "1E3");
    EXPECT_EQ(FormatNumber(1234.5), "1.23E3");
    EXPECT_EQ(FormatNumber(0.00001), "0.00001");
    EXPECT_EQ(FormatNumber(0.000012345), "0.0000123");
    EXPECT_EQ(FormatNumber(0.0000099), "9.9E-6");
    EXPECT_EQ(FormatNumber(-150000), "-1.5E5");
}

TEST(FormatNumber, SurvivesValuesThatAreNotFinite) {
    EXPECT_EQ(FormatNumber(NAN), "NAN");
    EXPECT_EQ(FormatNumber(INFINITY), "INF");
}

TEST(ShownNumber, IsTheNumberFormatNumberShows) {
    EXPECT_EQ(ShownNumber(12.345), 12.3);
    EXPECT_EQ(ShownNumber(2.345), 2.35);
    EXPECT_EQ(ShownNumber(-84.35), -84.4);
    EXPECT_EQ(ShownNumber(100.0 / 3), 33.3);
    EXPECT_EQ(ShownNumber(99.96), 100);
    EXPECT_EQ(ShownNumber(0.125), 0.125);
    EXPECT_EQ(ShownNumber(0), 0);
    // In scientific notation too: what is shown is what is kept.
    EXPECT_EQ(ShownNumber(1234.5), 1230);
    EXPECT_EQ(ShownNumber(0.0000012345), 0.00000123);
    EXPECT_TRUE(std::isnan(ShownNumber(std::nan(""))));
    EXPECT_EQ(ShownNumber(-HUGE_VAL), -HUGE_VAL);
}

TEST(ParseNumber, AcceptsOnlyWholeDecimalNumbers) {
    EXPECT_EQ(ParseNumber("85"), 85);
    EXPECT_EQ(ParseNumber("-2.5"), -2.5);
    EXPECT_EQ(ParseNumber("+3"), 3);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5);
    EXPECT_EQ(ParseNumber("1e2"), 100);
    EXPECT_EQ(ParseNumber("1E-1"), 0.1);
    EXPECT_EQ(ParseNumber(" 12 "), 12);
    for (const char* bad : {"", " ", "abc", "0x10", "1e", "8,5", "85%", "inf", "nan", "-", ".",
                            "1e999", "1 2", "--1"})
        EXPECT_EQ(ParseNumber(bad), 0) << bad;
}

TEST(TextRules, BlankAndNormalisedLetters) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_EQ(NormalizeLetter("  b+ "), "B+");
    EXPECT_EQ(NormalizeLetter("\xC3\xA9" "a"), "\xC3\xA9" "A"); // only a-z change case
}

TEST(Cp1252, RoundTripsEveryCharacterItCanHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    bool lost = true;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lost), all);
    EXPECT_FALSE(lost);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // the euro sign
    EXPECT_EQ(Utf8ToCp1252("Zo\xC3\xAB"), "Zo\xEB");
}

TEST(Cp1252, ReportsCharactersThatAreLost) {
    bool lost = false;
    EXPECT_EQ(Utf8ToCp1252("\xE6\x9D\x8E Li", &lost), "? Li");
    EXPECT_TRUE(lost);
    lost = false;
    EXPECT_EQ(Utf8ToCp1252("a\xFFz", &lost), "a?z"); // malformed UTF-8
    EXPECT_TRUE(lost);
}

TEST(ParseNumber, ShortDecimalsAgreeWithTheFullConversion) {
    // Short entries take a quicker route; it must round exactly as strtod does.
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {
        int digits = 1 + static_cast<int>(rng() % 15);
        std::string s = rng() % 4 == 0 ? "-" : "";
        int point = static_cast<int>(rng() % static_cast<unsigned>(digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0) s += '.';
            s += static_cast<char>('0' + rng() % 10);
        }
        EXPECT_EQ(ParseNumber(s), std::strtod(s.c_str(), nullptr)) << s;
    }
}

TEST(FileText, CutsBetweenCharactersAtTheFilesLength) {
    EXPECT_EQ(CutToFileText("abc", 255), "abc");
    EXPECT_EQ(CutToFileText(std::string(300, 'a'), 255).size(), 255u);
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "é";
    std::string_view cut = CutToFileText(accents, 255);
    EXPECT_EQ(cut.size(), 510u);
    EXPECT_EQ(Utf8ToCp1252(cut).size(), 255u) << "exactly what the file holds";
    EXPECT_EQ(CutToFileText("ab\U0001F600c", 3), "ab\U0001F600");
    // A malformed byte is one character, as the encoder takes it.
    EXPECT_EQ(CutToFileText("\xE2\x82x", 2), "\xE2\x82");
}

TEST(ExactNumberText, ReadsBackAsTheSameDouble) {
    EXPECT_EQ(ExactNumberText(99.04), "99.04");
    EXPECT_EQ(ExactNumberText(85), "85");
    EXPECT_EQ(ExactNumberText(2.6 * 100 / 3), "86.66666666666667");
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> any(-1e3, 1e3);
    for (double v : {0.1, 1e-7, 1e21, -3.25, 2.2250738585072014e-308, 1.7976931348623157e308}) {
        auto back = ConvertNumber(ExactNumberText(v));
        ASSERT_TRUE(back) << ExactNumberText(v);
        EXPECT_EQ(*back, v);
    }
    for (int i = 0; i < 10000; ++i) {
        double v = any(rng);
        ASSERT_EQ(ConvertNumber(ExactNumberText(v)), v) << ExactNumberText(v);
    }
}

TEST(ExactPlainNumberText, ShortestTextWithoutAnExponent) {
    EXPECT_EQ(ExactPlainNumberText(82.125), "82.125");
    EXPECT_EQ(ExactPlainNumberText(2.6 * 100 / 3), "86.66666666666667");
    EXPECT_EQ(ExactPlainNumberText(1e-5), "0.00001");
    EXPECT_EQ(ExactPlainNumberText(1.5e21), "1500000000000000000000");
    EXPECT_EQ(ExactPlainNumberText(-0.0), "0");
    EXPECT_EQ(ExactPlainNumberText(-7.25), "-7.25");
    EXPECT_EQ(ExactPlainNumberText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(ExactPlainNumberText(-std::numeric_limits<double>::infinity()), "");
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> any(-200, 200);
    for (int i = 0; i < 10000; ++i) {
        const double v = i == 0 ? 2.2250738585072014e-308 : i == 1 ? 1.7976931348623157e308 : any(rng);
        const std::string t = ExactPlainNumberText(v);
        ASSERT_EQ(t.find_first_of("eE"), std::string::npos) << t;
        ASSERT_EQ(ConvertNumber(t), v) << t;
        // No longer than the shortest text: the same digits, only placed without an exponent.
        if (std::fabs(v) >= 1e-4 && std::fabs(v) < 1e15) {
            ASSERT_EQ(t, ExactNumberText(v));
        }
    }
}
