#include "entry.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {
TRealList Letters() {
    TRealList l;
    l.Add("A", 95);
    l.Add(" B ", 85);
    l.Add("B+", 88);
    l.Add("X", -1);
    return l;
}
} // namespace

TEST(ReadEntry, NumbersCommentsAndTheCurveFlag) {
    TRealList letters = Letters();
    auto e = ReadEntry("85", letters);
    EXPECT_EQ(e.Kind, EntryKind::Number);
    EXPECT_EQ(e.Value, 85);
    EXPECT_TRUE(e.Curve);
    e = ReadEntry("/85", letters);
    EXPECT_EQ(e.Kind, EntryKind::Number);
    EXPECT_FALSE(e.Curve);
    EXPECT_EQ(ReadEntry("92 retake", letters).Value, 92);
    EXPECT_EQ(ReadEntry("-2", letters).Value, -2);
    EXPECT_EQ(ReadEntry("+4", letters).Value, 4);
    EXPECT_EQ(ReadEntry(".5", letters).Value, 0.5);
    EXPECT_EQ(ReadEntry("1e2", letters).Value, 100);
    for (const char* bad : {"85%", "8,5", "85-", "0x10", "1e", "-", "+.", "1e999", "--5"})
        EXPECT_EQ(ReadEntry(bad, letters).Kind, EntryKind::Invalid) << bad;
}

TEST(ReadEntry, BlanksAndTheLoneSlash) {
    TRealList letters = Letters();
    EXPECT_EQ(ReadEntry("", letters).Kind, EntryKind::Blank);
    EXPECT_EQ(ReadEntry(" 85", letters).Kind, EntryKind::Blank);
    EXPECT_EQ(ReadEntry("   ", letters).Kind, EntryKind::Blank);
    EXPECT_EQ(ReadEntry("/ 85", letters).Kind, EntryKind::Blank);
    EXPECT_EQ(ReadEntry("/", letters).Kind, EntryKind::Invalid);
    letters.Add("", 42);
    auto e = ReadEntry("/", letters);
    EXPECT_EQ(e.Kind, EntryKind::Letter);
    EXPECT_EQ(e.Value, 42);
    EXPECT_FALSE(e.Curve);
}

TEST(ReadEntry, LettersMatchNormalised) {
    TRealList letters = Letters();
    EXPECT_EQ(ReadEntry("b", letters).Value, 85);
    EXPECT_EQ(ReadEntry("B late", letters).Value, 85);
    EXPECT_EQ(ReadEntry("b+", letters).Value, 88);
    EXPECT_EQ(ReadEntry("B-", letters).Kind, EntryKind::Invalid);
    EXPECT_EQ(ReadEntry("X", letters).Kind, EntryKind::Invalid); // value -1
    EXPECT_EQ(ReadEntry("/a", letters).Kind, EntryKind::Letter);
    EXPECT_FALSE(ReadEntry("/a", letters).Curve);
    EXPECT_EQ(ReadEntry("A", TRealList()).Kind, EntryKind::Invalid);
}

TEST(LetterTables, LookupsBothWays) {
    TRealList l = Letters();
    l.Add("a", 99);
    EXPECT_EQ(LetterValue(l, "A"), 99); // the last duplicate wins
    EXPECT_EQ(LetterValue(l, "  b"), 85);
    EXPECT_EQ(LetterValue(l, "Q"), -1);
    TRealList t;
    for (auto [s, v] : {std::pair{"A", 90.0}, {"B", 80.0}, {"C", 70.0}, {"D", 60.0}, {"F", 0.0}})
        t.Add(s, v);
    EXPECT_EQ(LetterOf(t, 89.99), "B");
    EXPECT_EQ(LetterOf(t, 90), "A");
    EXPECT_EQ(LetterOf(t, 100), "A");
    EXPECT_EQ(LetterOf(t, -5), "");
    EXPECT_EQ(LetterIndex(t, 75), 2);
    EXPECT_EQ(LetterIndex(t, -5), 0);
    TRealList ab;
    ab.Add("A", 90);
    ab.Add("B", 80);
    EXPECT_EQ(LetterOf(ab, 80), "B");
    EXPECT_EQ(LetterOf(ab, 79.999), "");
    EXPECT_EQ(LetterOf(TRealList(), 50), "");
}

TEST(CurvedText, AddsTheCurveAndKeepsTheComment) {
    TRealList l = Letters();
    EXPECT_EQ(CurvedText("85", 5, l), "90");
    EXPECT_EQ(CurvedText("85 late", 5, l), "90 late");
    EXPECT_EQ(CurvedText("/85", 5, l), "85");
    EXPECT_EQ(CurvedText("A", 2, l), "97");
    EXPECT_EQ(CurvedText("abc", 2, l), "abc");
    EXPECT_EQ(CurvedText("", 2, l), "");
    EXPECT_EQ(CurvedText("7.5", 0.25, l), "7.75");
}

TEST(InvalidEntryMessage, NamesGradeEntryAndStudent) {
    TGradebook gb;
    AddStudent(gb, "Ann Lee");
    gb.SetCell(2, 2, "abc");
    EXPECT_EQ(InvalidEntryMessage(gb, 2, 2), " entry of \"abc\" for student Ann Lee is invalid");
    // The grade is named by its name, not by its class average in the row above.
    gb.SetCell(2, 1, "Quiz 2");
    gb.SetCell(2, 0, "85.3");
    EXPECT_EQ(InvalidEntryMessage(gb, 2, 2),
              "Quiz 2 entry of \"abc\" for student Ann Lee is invalid");
}
