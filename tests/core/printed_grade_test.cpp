#include "averages.h"
#include "entry.h"
#include "gradebook.h"
#include "printed_grade.h"
#include "real_list.h"
#include "text.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {

struct Tables {
    TRealList ToNumber;
    TRealList ToLetter;
    Tables() {
        ToNumber.Add("B", 85);
        ToNumber.Add("A", 95);
        ToLetter.Add("A", 90);
        ToLetter.Add("B", 80);
    }
    TPrintedGrade Format(std::string_view s, const TGrade& g, TPrintGrade mode) const {
        return FormatPrintedGrade(s, g, mode, ToNumber, ToLetter);
    }
};

TGrade Grade(double points, double curve = 0) {
    TGrade g;
    g.Points = points;
    g.Curve = curve != 0;
    g.CurveAmount = curve;
    return g;
}

} // namespace

TEST(FormatPrintedGrade, CurvedNumbersAddTheCurveUnlessSlashed) {
    Tables t;
    TGrade g = Grade(100, 5);
    TPrintedGrade p = t.Format("80", g, TPrintGrade::NumbersOnly);
    EXPECT_EQ(p.Text, "85");
    EXPECT_TRUE(p.Shade);
    p = t.Format("/80", g, TPrintGrade::NumbersOnly);
    EXPECT_EQ(p.Text, "80");
    EXPECT_FALSE(p.Shade);
    // As entered, both print as typed and neither is shaded.
    for (const char* s : {"80", "/80", "80 late"}) {
        p = t.Format(s, g, TPrintGrade::ExactlyAsEntered);
        EXPECT_EQ(p.Text, s);
        EXPECT_FALSE(p.Shade);
    }
    EXPECT_EQ(t.Format("80", g, TPrintGrade::NumbersAndLetters).Text, "85=B");
    EXPECT_EQ(t.Format("88 retake", g, TPrintGrade::LettersOnly).Text, "A");
}

TEST(FormatPrintedGrade, LetterEntriesInEveryMode) {
    Tables t;
    TGrade g = Grade(50);
    // A letter prints as the points it counts for: 85 % of 50 points.
    EXPECT_EQ(t.Format("B", g, TPrintGrade::NumbersOnly).Text, "42.5");
    EXPECT_EQ(t.Format("B", g, TPrintGrade::LettersOnly).Text, "B");
    EXPECT_EQ(t.Format("b", g, TPrintGrade::NumbersAndLetters).Text, "42.5=B");
    EXPECT_EQ(t.Format("B", Grade(100), TPrintGrade::NumbersOnly).Text, "85");
    EXPECT_EQ(t.Format("B", g, TPrintGrade::ExactlyAsEntered).Text, "B");
    EXPECT_FALSE(t.Format("B", g, TPrintGrade::NumbersOnly).Shade);
    // A curved letter takes the curve's share of the points: 85 + 5 * 100 / 50 = 95 is an A.
    TGrade curved = Grade(50, 5);
    TPrintedGrade p = t.Format("B", curved, TPrintGrade::LettersOnly);
    EXPECT_EQ(p.Text, "A");
    EXPECT_TRUE(p.Shade);
    // ... and in points the curve adds its points: 42.5 + 5.
    EXPECT_EQ(t.Format("B", curved, TPrintGrade::NumbersAndLetters).Text, "47.5=A");
    EXPECT_EQ(t.Format("/B", curved, TPrintGrade::NumbersAndLetters).Text, "42.5=B");
}

TEST(FormatPrintedGrade, LettersPrintThePointsTheAveragesCount) {
    Tables t;
    t.ToNumber.Add("B+", 88);
    t.ToNumber.Add("A-", 91);
    TGrade homework = Grade(10);
    TGrade quiz = Grade(20);
    EXPECT_EQ(t.Format("B+", homework, TPrintGrade::NumbersOnly).Text, "8.8");
    EXPECT_EQ(t.Format("B+ late", homework, TPrintGrade::NumbersAndLetters).Text, "8.8=B");
    EXPECT_EQ(t.Format("A-", quiz, TPrintGrade::NumbersOnly).Text, "18.2");
    EXPECT_EQ(t.Format("A-", quiz, TPrintGrade::NumbersAndLetters).Text, "18.2=A");
    EXPECT_EQ(t.Format("A-", quiz, TPrintGrade::ExactlyAsEntered).Text, "A-");
    // The printed points are the ones the averages and the LMS export use.
    for (const char* s : {"B+", "A-", "B"}) {
        TEntry e = ReadEntry(s, t.ToNumber);
        for (const TGrade& g : {homework, quiz, Grade(37, 2.5)}) {
            std::optional<double> points = EntryPoints(g, e);
            ASSERT_TRUE(points.has_value());
            EXPECT_EQ(t.Format(s, g, TPrintGrade::NumbersOnly).Text, FormatNumber(*points)) << s;
        }
    }
}

TEST(FormatPrintedGrade, BlanksAndInvalidEntriesPrintAsTypedUnshaded) {
    Tables t;
    TGrade g = Grade(100, 5);
    for (TPrintGrade mode : {TPrintGrade::NumbersOnly, TPrintGrade::LettersOnly,
                             TPrintGrade::NumbersAndLetters, TPrintGrade::ExactlyAsEntered}) {
        for (const char* s : {"", " ", " 85", "abc", "85%", "/"}) {
            TPrintedGrade p = t.Format(s, g, mode);
            EXPECT_EQ(p.Text, s) << s;
            EXPECT_FALSE(p.Shade) << s;
        }
    }
}

TEST(FormatPrintedGrade, NoLetterLeavesTheNumberAlone) {
    Tables t;
    // Out of 0 points a number has no percentage, so no letter; it must not divide by zero.
    TGrade zero = Grade(0, 3);
    EXPECT_EQ(t.Format("7", zero, TPrintGrade::NumbersAndLetters).Text, "10");
    EXPECT_EQ(t.Format("7", zero, TPrintGrade::LettersOnly).Text, "10");
    EXPECT_EQ(t.Format("7", zero, TPrintGrade::NumbersOnly).Text, "10");
    // A letter keeps its own percentage even out of 0 points (the curve cannot apply).
    EXPECT_EQ(t.Format("B", zero, TPrintGrade::NumbersAndLetters).Text, "88=B");
}

TEST(FormatPrintedGrade, BelowEveryThresholdTheLetterIsEmpty) {
    Tables t;
    TGrade g = Grade(100);
    EXPECT_EQ(t.Format("58", g, TPrintGrade::NumbersAndLetters).Text, "58=");
    EXPECT_EQ(t.Format("58", g, TPrintGrade::LettersOnly).Text, "");
    EXPECT_EQ(t.Format("58", g, TPrintGrade::NumbersOnly).Text, "58");
    // The curve can lift an entry over the lowest threshold: 77 + 5 is a B.
    TGrade curved = Grade(100, 5);
    EXPECT_EQ(t.Format("77", curved, TPrintGrade::NumbersAndLetters).Text, "82=B");
    EXPECT_EQ(t.Format("/77", curved, TPrintGrade::NumbersAndLetters).Text, "77=");
}

TEST(FormatPrintedGrade, ExtraCreditPrintsNoLetter) {
    Tables t;
    t.ToLetter.Add("F", 0);
    TGrade g = Grade(10, 1);
    g.ExtraCredit = true;
    for (TPrintGrade mode :
         {TPrintGrade::NumbersOnly, TPrintGrade::LettersOnly, TPrintGrade::NumbersAndLetters}) {
        TPrintedGrade p = t.Format("5 bonus", g, mode);
        EXPECT_EQ(p.Text, "6");
        EXPECT_TRUE(p.Shade);
        EXPECT_EQ(t.Format("B", g, mode).Text, "9.5");
    }
    EXPECT_EQ(t.Format("5 bonus", g, TPrintGrade::ExactlyAsEntered).Text, "5 bonus");
    // The same entry in a regular grade does get its letter.
    g.ExtraCredit = false;
    EXPECT_EQ(t.Format("5", g, TPrintGrade::NumbersAndLetters).Text, "6=F");
}

TEST(FormatPrintedGrade, NumbersUseThreeSignificantDigits) {
    Tables t;
    TGrade g = Grade(30, 0.25);
    EXPECT_EQ(t.Format("27.333", g, TPrintGrade::NumbersOnly).Text, "27.6");
    EXPECT_EQ(t.Format("1e2", Grade(100), TPrintGrade::NumbersOnly).Text, "100");
}

TEST(FormatPrintedGrade, NumbersBeyondADoublePrintAsTyped) {
    Tables t;
    // The curve pushes the score past the largest double.
    TGrade curved = Grade(100, 1.7e308);
    for (TPrintGrade mode : {TPrintGrade::NumbersOnly, TPrintGrade::NumbersAndLetters}) {
        TPrintedGrade p = t.Format("1.7e308 late", curved, mode);
        EXPECT_EQ(p.Text, "1.7e308 late");
        EXPECT_FALSE(p.Shade);
    }
    // A finite score whose percentage is not.
    TGrade tiny = Grade(1e-10);
    EXPECT_EQ(t.Format("1e300", tiny, TPrintGrade::NumbersAndLetters).Text, "1e300");
}
