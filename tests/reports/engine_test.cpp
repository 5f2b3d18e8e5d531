#include "angled_label.h"
#include "page_source.h"
#include "painter.h"
#include "report_pages.h"
#include "report_run.h"
#include "report_test_app.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

using namespace marklow;
using namespace marklow::testing;

namespace {

// Letter portrait, 20 mm margins: a page header of 10, a title of 15, a column header of 8,
// records of 10 and a footer of 10 mm.
class ToyReport {
public:
    explicit ToyReport(int records) : records_(records) {
        TQRBand& header = q.MakeBand(TBandKind::PageHeader, 10);
        Label(header, "Header");
        TQRBand& title = q.MakeBand(TBandKind::Title, 15);
        Label(title, "Title");
        TQRBand& columns = q.MakeBand(TBandKind::ColumnHeader, 8);
        Label(columns, "Col");
        TQRBand& detail = q.MakeBand(TBandKind::Detail, 10);
        row = &Label(detail, "");
        TQRBand& footer = q.MakeBand(TBandKind::PageFooter, 10);
        Label(footer, "Footer");
        q.BeforePrint = [this] {
            ++beforePrints;
            next = 1;
        };
        q.OnNeedData = [this](bool& more) {
            if (next > records_) {
                more = false;
                return;
            }
            row->Caption = QString("Row %1").arg(next);
            if (onRecord) onRecord(next);
            ++next;
        };
        q.OnStartPage = [this] { ++startPages; };
        q.SaveState = [this] { return TFormState{next}; };
        q.RestoreState = [this](const TFormState& s) { next = s[0]; };
    }
    static TQRLabel& Label(TQRBand& band, const char* caption) {
        TQRLabel& l = band.Add<TQRLabel>();
        l.SetBounds(2, 1, 60, 5);
        l.Caption = caption;
        return l;
    }

    TQuickRep q;
    TQRLabel* row = nullptr;
    int next = 1;
    int beforePrints = 0;
    int startPages = 0;
    std::function<void(int record)> onRecord;

private:
    int records_;
};

class Engine : public ReportTest {};

double Y(const TReportPage& page, const char* text) {
    const TPlacedText* t = FindText(page, text);
    return t ? t->Pos.y() : -1;
}

} // namespace

TEST_F(Engine, BandsStackDownThePageAndTheFooterSitsAtTheBottom) {
    ToyReport r(3);
    auto pages = AllPages(r.q);
    ASSERT_EQ(pages.size(), 1u);
    const TReportPage& p = pages[0];
    EXPECT_NEAR(p.PaperMm.width(), 215.9, 0.01);
    EXPECT_NEAR(p.PaperMm.height(), 279.4, 0.01);
    EXPECT_NEAR(Y(p, "Header"), 21, 1e-6);
    EXPECT_NEAR(Y(p, "Title"), 31, 1e-6);
    EXPECT_NEAR(Y(p, "Col"), 46, 1e-6);
    EXPECT_NEAR(Y(p, "Row 1"), 54, 1e-6);
    EXPECT_NEAR(Y(p, "Row 3"), 74, 1e-6);
    EXPECT_NEAR(Y(p, "Footer"), 279.4 - 20 - 10 + 1, 1e-6);
    EXPECT_NEAR(FindText(p, "Row 1")->Pos.x(), 22, 1e-6);
    EXPECT_EQ(r.beforePrints, 1);
    EXPECT_EQ(r.startPages, 1);
}

TEST_F(Engine, APageBreaksOnlyWhenTheNextRecordDoesNotFit) {
    // Page 1 has 249.4 - 53 = 196.4 mm for records: 19 of 10 mm. Later pages lose the title:
    // 249.4 - 38 = 211.4 mm, 21 records.
    ToyReport r(19 + 21 + 1);
    auto pages = AllPages(r.q);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(FindText(pages[0], "Row 19"));
    EXPECT_FALSE(FindText(pages[0], "Row 20"));
    EXPECT_NEAR(Y(pages[1], "Row 20"), 39, 1e-6);
    EXPECT_TRUE(FindText(pages[1], "Row 40"));
    EXPECT_TRUE(FindText(pages[2], "Row 41"));
    // Every page repeats the page header, the column header and the footer; the title once.
    for (const auto& p : pages) {
        EXPECT_TRUE(FindText(p, "Header"));
        EXPECT_TRUE(FindText(p, "Col"));
        EXPECT_TRUE(FindText(p, "Footer"));
    }
    EXPECT_FALSE(FindText(pages[1], "Title"));
    EXPECT_EQ(pages[2].Number, 3);
    EXPECT_EQ(r.startPages, 3);
    // A record that ends exactly on the footer's edge still fits.
    r.q.Detail->Height = 196.4 / 2;
    EXPECT_EQ(AllPages(r.q).size(), 21u);
}

TEST_F(Engine, FirstHeaderLastFooterAndDisabledPartsAreLeftOut) {
    ToyReport r(2);
    r.q.FirstPageHeader = false;
    r.q.LastPageFooter = false;
    auto pages = AllPages(r.q);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_FALSE(FindText(pages[0], "Header"));
    EXPECT_FALSE(FindText(pages[0], "Footer"));
    EXPECT_NEAR(Y(pages[0], "Title"), 21, 1e-6);
    r.q.ColumnHeader->Enabled = false;
    r.row->Enabled = false;
    pages = AllPages(r.q);
    EXPECT_FALSE(FindText(pages[0], "Col"));
    EXPECT_FALSE(FindText(pages[0], "Row 1"));
}

TEST_F(Engine, ChildBandsFollowTheirBandAndMoveWithIt) {
    ToyReport r(25);
    TQRBand& child = r.q.Detail->AddChild(5);
    ToyReport::Label(child, "Note");
    auto pages = AllPages(r.q);
    // 15 mm per record: 13 on the first page (196.4 mm), 14 on the next.
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(FindText(pages[0], "Row 13"));
    EXPECT_FALSE(FindText(pages[0], "Row 14"));
    EXPECT_NEAR(Y(pages[0], "Note"), 54 + 10, 1e-6);
    EXPECT_NEAR(Y(pages[1], "Row 14"), 39, 1e-6);
    // A disabled child takes no room.
    child.Enabled = false;
    EXPECT_EQ(AllPages(r.q).size(), 2u); // 25 records of 10 mm: 19 + 6
    EXPECT_FALSE(FindText(AllPages(r.q)[0], "Note"));
}

TEST_F(Engine, AnEmptyReportPrintsNothing) {
    ToyReport r(0);
    EXPECT_TRUE(AllPages(r.q).empty());
    TReportPages pages(r.q);
    EXPECT_EQ(pages.Page(0), nullptr);
    EXPECT_TRUE(pages.CountComplete());
    EXPECT_EQ(pages.Counted(), 0);
}

TEST_F(Engine, ColumnsFillSideBySideWithTheirHeaders) {
    ToyReport r(50);
    r.q.Columns = 3;
    r.q.ColumnSpace = 5;
    auto pages = AllPages(r.q);
    // Column width (175.9 - 10) / 3 = 55.3; 19 records per column on page 1.
    ASSERT_GE(pages.size(), 1u);
    EXPECT_NEAR(FindText(pages[0], "Row 1")->Pos.x(), 22, 1e-6);
    EXPECT_NEAR(FindText(pages[0], "Row 20")->Pos.x(), 22 + 55.3 + 5, 1e-6);
    EXPECT_NEAR(Y(pages[0], "Row 20"), 54, 1e-6);
    EXPECT_NEAR(FindText(pages[0], "Row 39")->Pos.x(), 22 + 2 * 60.3, 1e-6);
    int headers = 0;
    for (const auto& t : Texts(pages[0]))
        headers += t.Text == "Col";
    EXPECT_EQ(headers, 3);
    ASSERT_EQ(pages.size(), 1u);
}

TEST_F(Engine, NewColumnFromAnEventEndsTheColumnOrThePage) {
    ToyReport r(6);
    r.onRecord = [&](int record) {
        if (record == 3 || record == 5) r.q.NewColumn();
    };
    auto pages = AllPages(r.q);
    // One column per page: records 3 and 5 start new pages, under new headers.
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Strings(pages[0]),
              (std::vector<std::string>{"Header", "Title", "Col", "Row 1", "Row 2", "Footer"}));
    EXPECT_EQ(Strings(pages[1]),
              (std::vector<std::string>{"Header", "Col", "Row 3", "Row 4", "Footer"}));
    EXPECT_NEAR(Y(pages[2], "Row 5"), 39, 1e-6);
    // With two columns the first break moves to the second column, the next to a new page.
    r.q.Columns = 2;
    pages = AllPages(r.q);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GT(FindText(pages[0], "Row 3")->Pos.x(), 60);
    EXPECT_NEAR(Y(pages[0], "Row 3"), 54, 1e-6);
    EXPECT_NEAR(FindText(pages[1], "Row 5")->Pos.x(), 22, 1e-6);
}

TEST_F(Engine, ATitleLongerThanAPageRunsOn) {
    ToyReport r(2);
    for (int i = 0; i < 30; ++i)
        ToyReport::Label(r.q.Title->AddChild(10), "Line");
    auto pages = AllPages(r.q);
    // 15 + 300 mm of title: the records follow on the second page after the rest of it.
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(FindText(pages[0], "Col"));
    EXPECT_TRUE(FindText(pages[1], "Line"));
    EXPECT_TRUE(FindText(pages[1], "Row 1"));
    EXPECT_LT(Y(pages[1], "Line"), Y(pages[1], "Col"));
}

// Any page laid out again from its checkpoint, in any order, equals the page laid out in
// one pass; counting without placing finds the same number of pages.
TEST_F(Engine, PagesLaidOutAgainFromCheckpointsAreTheSame) {
    ToyReport r(200);
    r.q.Columns = 2;
    r.onRecord = [&](int record) {
        if (record % 37 == 0) r.q.NewColumn();
    };
    std::vector<std::string> expected;
    for (const auto& p : AllPages(r.q))
        expected.push_back(Describe(p));
    ASSERT_GT(expected.size(), 4u);

    TReportPages pages(r.q, 2);
    pages.CountAll();
    EXPECT_EQ(pages.Counted(), static_cast<int>(expected.size()));
    EXPECT_EQ(pages.LayoutsMade(), 0);
    for (int i : {3, 0, static_cast<int>(expected.size()) - 1, 1, 3, 2}) {
        auto page = pages.Page(i);
        ASSERT_TRUE(page) << i;
        EXPECT_EQ(Describe(*page), expected[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(pages.Page(static_cast<int>(expected.size())), nullptr);
    EXPECT_EQ(pages.Page(-1), nullptr);
}

TEST_F(Engine, APreviewLaysOutOnlyThePagesAskedFor) {
    ToyReport r(10000);
    TReportPages pages(r.q, 3);
    auto first = pages.Page(0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(FindText(*first, "Row 1"));
    EXPECT_EQ(pages.LayoutsMade(), 1);
    EXPECT_FALSE(pages.CountComplete());
    // Jumping ahead counts up to the page without laying out the ones between.
    auto later = pages.Page(100);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->Number, 101);
    EXPECT_EQ(pages.LayoutsMade(), 2);
    // The cache keeps a few pages: asking again lays out nothing.
    pages.Page(0);
    EXPECT_EQ(pages.LayoutsMade(), 2);
    pages.CountAll();
    EXPECT_EQ(pages.Counted(), 1 + (10000 - 19 + 20) / 21);
}

TEST_F(Engine, LabelsKeepTheirTextInsideTheirBox) {
    TQuickRep q;
    TQRBand& detail = q.MakeBand(TBandKind::Detail, 20);
    TQRLabel& one = detail.Add<TQRLabel>();
    one.SetBounds(0, 0, 20, 5);
    one.Caption = "A name far too long for this narrow box";
    TQRLabel& wrapped = detail.Add<TQRLabel>();
    wrapped.SetBounds(30, 0, 30, 9);
    wrapped.WordWrap = true;
    wrapped.Caption = "Several words that wrap onto more lines than the box can hold";
    TQRLabel& right = detail.Add<TQRLabel>();
    right.SetBounds(70, 0, 40, 5);
    right.Alignment = TAlignment::Right;
    right.Caption = "Short";
    TQRLabel& autoSized = detail.Add<TQRLabel>();
    autoSized.SetBounds(120, 0, 0, 5);
    autoSized.AutoSize = true;
    autoSized.Transparent = false;
    autoSized.Caption = "Wide enough";
    bool once = true;
    q.OnNeedData = [&](bool& more) {
        more = once;
        once = false;
    };
    auto pages = AllPages(q);
    ASSERT_EQ(pages.size(), 1u);
    TTextMeasurer m;
    auto texts = Texts(pages[0]);
    ASSERT_EQ(texts.size(), 5u);
    // Cut with an ellipsis within its width.
    EXPECT_TRUE(texts[0].Text.endsWith(QChar(0x2026)));
    EXPECT_LE(m.Width(texts[0].Font, texts[0].Text), 20.0001);
    EXPECT_FALSE(texts[0].Clipped);
    // Two lines fit in 9 mm; the second ends the text with an ellipsis.
    EXPECT_NEAR(texts[2].Pos.y() - texts[1].Pos.y(), m.Metrics(texts[1].Font).Height, 1e-9);
    EXPECT_TRUE(texts[2].Text.endsWith(QChar(0x2026)));
    for (int i : {1, 2})
        EXPECT_LE(m.Width(texts[i].Font, texts[i].Text), 30.0001);
    // Right-aligned text ends at the box's right edge.
    EXPECT_NEAR(texts[3].Pos.x() + m.Width(texts[3].Font, "Short") - 20, 110, 1e-6);
    // Auto-size: the background is as wide as the text.
    auto shapes = Shapes(pages[0]);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_NEAR(shapes[0].Rect.width(), m.Width(texts[4].Font, "Wide enough"), 1e-9);
    EXPECT_EQ(shapes[0].Fill, QColor(Qt::white));
}

TEST_F(Engine, ShapesAndFrames) {
    TQuickRep q;
    TQRBand& detail = q.MakeBand(TBandKind::Detail, 20);
    detail.Frame.All(true);
    detail.Frame.PenWidth = 2;
    TQRShape& box = detail.Add<TQRShape>();
    box.SetBounds(10, 2, 30, 10);
    box.PenWidth = 2;
    TQRShape& line = detail.Add<TQRShape>();
    line.SetBounds(50, 0, 2, 20);
    line.Shape = TQRShape::TShapeKind::VertLine;
    bool once = true;
    q.OnNeedData = [&](bool& more) {
        more = once;
        once = false;
    };
    auto shapes = Shapes(AllPages(q)[0]);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].Rect, QRectF(30, 22, 30, 10));
    EXPECT_NEAR(shapes[0].PenWidth, 2 * 25.4 / 96, 1e-9);
    EXPECT_EQ(shapes[1].Kind, TPlacedShape::TKind::Line);
    EXPECT_EQ(shapes[1].Line, QLineF(71, 20, 71, 40));
    // The band's frame around the printable width: one rectangle for four sides.
    EXPECT_EQ(shapes[2].Kind, TPlacedShape::TKind::Rectangle);
    EXPECT_EQ(shapes[2].Rect, QRectF(20, 20, 175.9, 20));
    EXPECT_FALSE(shapes[2].Fill.isValid());
    // Some sides only: lines.
    detail.Frame.Left = false;
    once = true;
    shapes = Shapes(AllPages(q)[0]);
    ASSERT_EQ(shapes.size(), 5u);
    EXPECT_EQ(shapes[2].Line, QLineF(20, 20, 195.9, 20));
    EXPECT_EQ(shapes[4].Line, QLineF(195.9, 20, 195.9, 40));
}

TEST_F(Engine, PicturesMemosAndAngledLabelsPlaceTheirItems) {
    TQuickRep q;
    TQRBand& detail = q.MakeBand(TBandKind::Detail, 40);
    TQRImage& image = detail.Add<TQRImage>();
    image.SetBounds(0, 0, 30, 20);
    QSizeF drawnAt;
    image.Drawing = [&](QPainter&, const QSizeF& size) { drawnAt = size; };
    TQRMemo& memo = detail.Add<TQRMemo>();
    memo.SetBounds(40, 0, 60, 30);
    memo.Lines = {"First line", "Second line"};
    TQRAngledLabel& angled = detail.Add<TQRAngledLabel>();
    angled.SetBounds(110, 0, 10, 30);
    angled.SetAngle(90);
    angled.AutoSize = false;
    angled.AnchorStyle = TAnchorStyle::asTextLeft;
    angled.Caption = "Heading";
    angled.OnPrint = [](const TQRAngledLabel&, QString& text) { text = "Printed"; };
    bool once = true;
    q.OnNeedData = [&](bool& more) {
        more = once;
        once = false;
    };
    auto pages = AllPages(q);
    ASSERT_EQ(pages.size(), 1u);
    const TReportPage& page = pages[0];
    const TPlacedPicture* picture = nullptr;
    for (const TPlacedItem& item : page.Items)
        if (auto p = std::get_if<TPlacedPicture>(&item)) picture = p;
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Rect, QRectF(20, 20, 30, 20));
    QImage canvas(10, 10, QImage::Format_RGB32);
    QPainter painter(&canvas);
    PaintPage(painter, page, QRectF(0, 0, 10, 10));
    EXPECT_EQ(drawnAt, QSizeF(30, 20));
    // The memo's lines one under the other; the angled label prints the replaced text once.
    ASSERT_TRUE(FindText(page, "First line"));
    EXPECT_GT(FindText(page, "Second line")->Pos.y(), FindText(page, "First line")->Pos.y());
    const TPlacedText* printed = FindText(page, "Printed");
    ASSERT_TRUE(printed);
    EXPECT_EQ(printed->Angle, 90);
    EXPECT_EQ(angled.Caption, "Heading");
    // Not transparent: the label's rectangle is filled before its text.
    bool filled = false;
    for (const TPlacedShape& s : Shapes(page))
        filled = filled || (s.Fill.isValid() && std::abs(s.Rect.left() - 130) < 0.01 &&
                            std::abs(s.Rect.height() - 30) < 0.01);
    EXPECT_TRUE(filled);
}
