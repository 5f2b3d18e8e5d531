#include "clipboard.h"
#include "gradebook_file.h"
#include "prompts.h"
#include "sample_builder.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

using namespace marklow;

namespace {

const QString kStudent = "application/x-qt-windows-mime;value=\"Marklow Student\"";
const QString kAverage = "application/x-qt-windows-mime;value=\"Marklow Average\"";

// What reaches another process: every format's bytes, nothing of the sender's object.
std::unique_ptr<QMimeData> AcrossProcesses(const QMimeData& sent) {
    auto received = std::make_unique<QMimeData>();
    const QStringList formats = sent.formats();
    for (const QString& format : formats)
        received->setData(format, sent.data(format));
    return received;
}

std::vector<std::string> Names(const TGradebook& gb) {
    std::vector<std::string> names;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    return names;
}

// Applies what Paste read, as the paste command does.
void Apply(TGradebook& gb, const TPasteRequest& request) {
    ASSERT_TRUE(std::holds_alternative<TPastePlan>(request));
    ApplyPaste(gb, std::get<TPastePlan>(request));
}

struct ClipboardTest : ::testing::Test {
    ClipboardTest() { TestApp(); }
};

} // namespace

TEST_F(ClipboardTest, TwoProgramsExchangeAClassAndItsAverages) {
    // Program one: a class with IDs, notes and scores.
    TGradebook one;
    one.SetEditMode(false);
    AddGrade(one, "Quiz", 10);
    int ann = AddStudent(one, "Ann Lee", "A1");
    AddStudent(one, "Ben Roy");
    AddStudent(one, "Zoë Brontë", "Z9");
    one.StudentAt(ann)->Notes = "Moved from period 2.";
    one.SetCell(2, 2, "9");
    one.SetCell(2, 3, "7");
    one.SetEditMode(true);
    TMemoryClipboard clipboardOne, clipboardTwo;
    EXPECT_FALSE(CopyClipboard(one, TClipboardFormat::Students, clipboardOne));

    // Program two, a new gradebook, pastes the class.
    TGradebook two;
    auto received = AcrossProcesses(*clipboardOne.MimeData());
    Apply(two, ReadPaste(received.get(), two));
    EXPECT_EQ(Names(two), (std::vector<std::string>{"Ann Lee", "Ben Roy", "Zoë Brontë"}));
    EXPECT_EQ(two.StudentAt(2)->Notes, "Moved from period 2.");
    EXPECT_EQ(two.StudentAt(4)->ID, "Z9");
    EXPECT_EQ(two.GradeCount(), 0);

    // Program two renames a student; program one pastes two's averages back: by ID and by
    // name everyone is found, and the averages become a grade.
    two.SetCell(1, 2, "Ann Lee-Smith");
    AddGrade(two, "Essay", 20);
    two.SetEditMode(false);
    two.SetCell(2, 2, "19");
    two.SetCell(2, 3, "10");
    EXPECT_FALSE(CopyClipboard(two, TClipboardFormat::Averages, clipboardTwo));
    received = AcrossProcesses(*clipboardTwo.MimeData());
    EXPECT_TRUE(received->hasFormat(kAverage));
    EXPECT_FALSE(received->hasFormat(kStudent));
    Apply(one, ReadPaste(received.get(), one));
    EXPECT_EQ(one.StudentCount(), 3);
    EXPECT_EQ(one.Cell(3, 1), "Averages");
    EXPECT_EQ(one.Cell(3, 2), "95");
    EXPECT_EQ(one.Cell(3, 3), "50");
    EXPECT_EQ(one.Cell(3, 4), "");
    EXPECT_EQ(one.RowCount(), one.LastStudentRow() + 2) << "the spare row stays last";
}

TEST_F(ClipboardTest, EachCopyOffersItsFormatAndText) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann", "7");
    TMemoryClipboard clipboard;
    CopyClipboard(gb, TClipboardFormat::Students, clipboard);
    EXPECT_EQ(clipboard.MimeData()->formats(), (QStringList{kStudent, "text/plain"}));
    EXPECT_EQ(clipboard.MimeData()->text(), "Name\tID\nAnn\t7\n");
    CopyClipboard(gb, TClipboardFormat::Averages, clipboard);
    EXPECT_EQ(clipboard.MimeData()->formats(), (QStringList{kAverage, "text/plain"}));
    EXPECT_EQ(ClipboardMimeType(TClipboardFormat::Students), kStudent);
    // The block is the student block, byte for byte.
    QByteArray block = clipboard.MimeData()->data(kAverage);
    EXPECT_EQ(std::string(block.constData(), static_cast<size_t>(block.size())),
              BuildClipboardCopy(gb, TClipboardFormat::Averages)->Block);
}

TEST_F(ClipboardTest, CopyLeavesTheClipboardAloneWithoutStudentsOrBeyondTheCount) {
    TMemoryClipboard clipboard;
    auto before = std::make_unique<QMimeData>();
    before->setText("kept");
    clipboard.SetMimeData(std::move(before));
    TGradebook empty;
    EXPECT_FALSE(CopyClipboard(empty, TClipboardFormat::Students, clipboard));
    EXPECT_EQ(clipboard.MimeData()->text(), "kept");

    TGradebook big;
    big.SetEditMode(false);
    for (int i = 0; i <= kMaxClipboardStudents; ++i)
        AddStudent(big, "S");
    ScopedPrompts prompts;
    CopyClipboardClick(big, TClipboardFormat::Averages, clipboard);
    EXPECT_EQ(clipboard.MimeData()->text(), "kept");
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(prompts.Script.Messages[0].Text.contains("at most 65534"));
}

TEST_F(ClipboardTest, TextsBeyondWindows1252AreCopiedWithoutAWarning) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann ✓");
    TMemoryClipboard clipboard;
    // The block's trailer keeps the name whole, so there is nothing to warn about.
    auto notice = CopyClipboard(gb, TClipboardFormat::Students, clipboard);
    EXPECT_FALSE(notice);
    ASSERT_NE(clipboard.MimeData(), nullptr);
    EXPECT_EQ(clipboard.MimeData()->text(), "Name\tID\nAnn ✓\t\n") << "the text loses nothing";
}

TEST_F(ClipboardTest, PasteReadsTheFormatsThenText) {
    TGradebook gb;
    EXPECT_TRUE(std::holds_alternative<TNothingToPaste>(ReadPaste(nullptr, gb)));
    QMimeData empty;
    EXPECT_TRUE(std::holds_alternative<TNothingToPaste>(ReadPaste(&empty, gb)));
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(std::holds_alternative<TNothingToPaste>(ReadPaste(&picture, gb)));

    QMimeData one;
    one.setText("Ann Lee");
    auto request = ReadPaste(&one, gb);
    ASSERT_TRUE(std::holds_alternative<TEditorPaste>(request));
    EXPECT_EQ(std::get<TEditorPaste>(request).Text, "Ann Lee");

    QMimeData list;
    list.setText("Ann\nBen\tB+\n\nCy\r\n");
    Apply(gb, ReadPaste(&list, gb));
    EXPECT_EQ(Names(gb), (std::vector<std::string>{"Ann", "Ben", "Cy"}));

    // Both formats: the student format is taken, and the text is not.
    TGradebook source;
    source.SetEditMode(false);
    AddStudent(source, "Di");
    QMimeData both;
    both.setData(kAverage, QByteArray::fromStdString(
                               BuildClipboardCopy(source, TClipboardFormat::Averages)->Block));
    both.setData(kStudent, QByteArray::fromStdString(
                               BuildClipboardCopy(source, TClipboardFormat::Students)->Block));
    both.setText("X\nY\n");
    request = ReadPaste(&both, gb);
    ASSERT_TRUE(std::holds_alternative<TPastePlan>(request));
    const TPastePlan& plan = std::get<TPastePlan>(request);
    EXPECT_FALSE(plan.AveragesGrade);
    ASSERT_EQ(plan.NewStudents.size(), 1u);
    EXPECT_EQ(plan.NewStudents[0].Name, "Di");
}

TEST_F(ClipboardTest, ACutBlockIsPlannedWithItsError) {
    TGradebook source;
    source.SetEditMode(false);
    AddStudent(source, "Ann");
    AddStudent(source, "Ben");
    std::string block = BuildClipboardCopy(source, TClipboardFormat::Students)->Block;
    QMimeData data;
    data.setData(kStudent, QByteArray::fromStdString(block.substr(0, block.size() - 3)));
    TGradebook gb;
    auto request = ReadPaste(&data, gb);
    ASSERT_TRUE(std::holds_alternative<TPastePlan>(request));
    const TPastePlan& plan = std::get<TPastePlan>(request);
    EXPECT_EQ(plan.Error, "File Read Error");
    EXPECT_TRUE(plan.Changes());
    EXPECT_EQ(plan.NewStudents.size(), 1u);
}

TEST_F(ClipboardTest, TheSystemClipboardCarriesTheFormats) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann");
    TSystemClipboard clipboard;
    CopyClipboard(gb, TClipboardFormat::Students, clipboard);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(kStudent));
    TGradebook other;
    Apply(other, ReadPaste(clipboard.MimeData(), other));
    EXPECT_EQ(Names(other), std::vector<std::string>{"Ann"});
}
