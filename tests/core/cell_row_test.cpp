// The packed row against a plain vector of strings doing the same edits.

#include "cell_row.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace marklow;

namespace {

void ExpectSame(const TCellRow& row, const std::vector<std::string>& model, int step) {
    ASSERT_EQ(row.size(), model.size()) << "step " << step;
    for (size_t i = 0; i < model.size(); ++i)
        ASSERT_EQ(row[i], model[i]) << "cell " << i << " after step " << step;
    size_t bytes = 0;
    for (const std::string& s : model) bytes += s.size();
    ASSERT_EQ(row.Text().size(), bytes) << "step " << step;
    ASSERT_EQ(row.ToVector(), model);
}

std::string RandomText(std::mt19937& rng) {
    static const std::vector<std::string> pool = {"", "", "85", "92 late", "A-", "/", "Zoë",
                                                  std::string(300, 'x'), "100", "Ω"};
    return pool[rng() % pool.size()];
}

} // namespace

TEST(CellRow, EditsMatchAVectorOfStrings) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 20; ++trial) {
        std::vector<std::string> model(rng() % 6);
        TCellRow row(model.size());
        ExpectSame(row, model, -1);
        for (int step = 0; step < 300; ++step) {
            const size_t n = model.size();
            switch (rng() % 8) {
            case 0:
            case 1:
                if (n > 0) {
                    size_t i = rng() % n;
                    std::string t = RandomText(rng);
                    row.Set(i, t);
                    model[i] = t;
                }
                break;
            case 2: {
                std::string t = RandomText(rng);
                row.Append(t);
                model.push_back(t);
                break;
            }
            case 3: {
                size_t i = rng() % (n + 1);
                std::string t = RandomText(rng);
                row.Insert(i, t);
                model.insert(model.begin() + static_cast<long>(i), t);
                break;
            }
            case 4:
                if (n > 0) {
                    size_t i = rng() % n;
                    row.Erase(i);
                    model.erase(model.begin() + static_cast<long>(i));
                }
                break;
            case 5:
                if (n > 0) {
                    size_t from = rng() % n, to = rng() % n;
                    row.Move(from, to);
                    std::string moved = model[from];
                    model.erase(model.begin() + static_cast<long>(from));
                    model.insert(model.begin() + static_cast<long>(to), moved);
                }
                break;
            case 6: {
                size_t m = rng() % 9;
                row.Resize(m);
                model.resize(m);
                break;
            }
            case 7:
                if (rng() % 10 == 0) {
                    row.ClearTexts();
                    for (auto& s : model) s.clear();
                }
                break;
            }
            ExpectSame(row, model, step);
        }
        EXPECT_EQ(row, TCellRow(model)) << "equal rows compare equal";
    }
}

TEST(CellRow, TextsTakenFromTheSameRow) {
    // A cell copied from another cell of its own row: the source moves while the row changes.
    TCellRow row{"Name", "85", "92 late", ""};
    row.Set(3, row[2]);
    row.Set(0, row[2]);
    row.Insert(1, row[3]);
    EXPECT_EQ(row.ToVector(),
              (std::vector<std::string>{"92 late", "92 late", "85", "92 late", "92 late"}));
    row.Set(4, row[4]);
    EXPECT_EQ(row[4], "92 late");
}

TEST(CellRow, PartsMustDescribeTheText) {
    TCellRow row = TCellRow::FromParts("8592", {2, 2, 4});
    EXPECT_EQ(row.ToVector(), (std::vector<std::string>{"85", "", "92"}));
    EXPECT_THROW(TCellRow::FromParts("8592", {3, 2, 4}), std::invalid_argument);
    EXPECT_THROW(TCellRow::FromParts("8592", {2, 3}), std::invalid_argument);
    EXPECT_THROW(TCellRow::FromParts("85", {}), std::invalid_argument);
    EXPECT_EQ(TCellRow::FromParts("", {}).size(), 0u);
    EXPECT_NE(TCellRow({"a", "b"}), TCellRow({"ab", ""})) << "same text, other cells";
}
