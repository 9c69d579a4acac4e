#include "ui/RowStore.h"
#include "ui/TextOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
const size_t kAll = static_cast<size_t>(-1);

// A row per key: "row<i>" in column 0, the key in column 1, data 1000 + i.
RowStore MakeRows(const std::vector<std::string>& keys)
{
    RowStore rows;
    for (size_t i = 0; i < keys.size(); ++i) {
        rows.Insert(rows.Count(), "row" + std::to_string(i));
        rows.SetText(i, 1, keys[i]);
        rows.SetData(i, 1000 + i);
    }
    return rows;
}

std::vector<std::string> Column(const RowStore& rows, size_t column)
{
    std::vector<std::string> texts;
    for (size_t i = 0; i < rows.Count(); ++i)
        texts.push_back(rows.Text(i, column));
    return texts;
}

// The insertion by exchange the list's sort must match: every row i takes its key once, and
// each earlier row j that the key should follow (ascending) or precede (descending) is
// exchanged with row i, the key never being read again.
void ExchangeSort(RowStore& rows, size_t column, bool ascending)
{
    for (size_t i = 0; i < rows.Count(); ++i) {
        const std::string key = rows.Text(i, column);
        for (size_t j = 0; j <= i; ++j) {
            const int order = std::strcmp(rows.Text(j, column).c_str(), key.c_str());
            if (ascending ? order > 0 : order < 0)
                rows.Swap(j, i);
        }
    }
}
} // namespace

// Byte order (upper case first, high bytes last), equal keys in a fixed order, both directions:
// all as the insertion by exchange has them, on random keys with many repeats.
TEST(RowStore, SortMatchesInsertionByExchangeExactly)
{
    RowStore rows = MakeRows({"beta", "Beta", "alpha", "\xB0\xA1", "Alpha"});
    ASSERT_TRUE(rows.Sort(1, true, 0, kAll));
    EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{"Alpha", "Beta", "alpha", "beta", "\xB0\xA1"}));
    EXPECT_EQ(rows.Text(0, 0), "row4") << "the other cells travel with their row";
    EXPECT_EQ(rows.Data(4), 1003u) << "item data travels with its row";

    std::mt19937 random(20240611);
    const char* pool[] = {"", "a", "A", "ab", "aB", "Ab", "b", "B", "ba", "\x80", "\xC4\xE3", "a b", "zz", "Z"};
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> keys(static_cast<size_t>(random() % 60));
        for (std::string& key : keys)
            key = pool[random() % (sizeof(pool) / sizeof(pool[0]))];
        for (bool ascending : {true, false}) {
            RowStore fast = MakeRows(keys);
            RowStore slow = MakeRows(keys);
            fast.Sort(1, ascending, 0, kAll);
            ExchangeSort(slow, 1, ascending);
            ASSERT_EQ(Column(fast, 0), Column(slow, 0)) << "round " << round << " ascending " << ascending;
        }
    }
}

TEST(RowStore, RangesAndCellsOutOfReachLeaveRowsAlone)
{
    EXPECT_FALSE(RowStore().Sort(0, true, 0, kAll));
    RowStore rows = MakeRows({"d", "c", "b", "a"});
    EXPECT_FALSE(rows.Sort(1, true, 4, 10));
    EXPECT_FALSE(rows.Sort(1, true, 2, 1));
    // A column no row has reads as empty texts: all equal, so nothing moves.
    EXPECT_TRUE(rows.Sort(7, true, 0, 2));
    EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{"d", "c", "b", "a"}));
    rows.Sort(1, true, 1, 2);
    EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{"d", "b", "c", "a"})) << "only the asked range moves";

    EXPECT_EQ(rows.Insert(9, "last"), 4u);
    EXPECT_EQ(rows.Insert(0, "first"), 0u);
    EXPECT_EQ(rows.Text(0, 9), "");
    EXPECT_EQ(rows.Text(9, 0), "");
    EXPECT_FALSE(rows.SetText(6, 0, "x"));
    EXPECT_FALSE(rows.SetData(6, 1));
    EXPECT_EQ(rows.Data(6), 0u);
    EXPECT_TRUE(rows.Erase(1));
    EXPECT_FALSE(rows.Erase(5));
    EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"first", "row2", "row1", "row3", "last"}));
}

TEST(RowStore, SourcedRowsShowTheOwnersTextsAndKeepTheirOwnCellsBeyond)
{
    std::vector<std::string> owner = {"pear", "Apple", "fig"};
    RowStore rows;
    rows.SetTextSource([&owner](uintptr_t data, size_t) -> const std::string& { return owner[data]; }, 1);
    for (uintptr_t index = 0; index < owner.size(); ++index) {
        const size_t row = rows.InsertSourced(rows.Count(), index);
        EXPECT_TRUE(rows.SetText(row, 1, std::to_string(index)));
    }
    rows.Insert(rows.Count(), "copied");
    EXPECT_FALSE(rows.SetText(0, 0, "changed"));
    EXPECT_TRUE(rows.SetText(3, 0, "Copied"));

    // The owner's texts are read when asked, so a change there shows at once.
    owner[2] = "date";
    ASSERT_TRUE(rows.Sort(0, true, 0, 3));
    EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"Apple", "Copied", "date", "pear"}));
    EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{"1", "", "2", "0"}));
    EXPECT_EQ(rows.Data(3), 0u);
}

// Rows filled at once from their owner's data take their icons from it too, unless given one;
// many rows go in one pass and the others keep their order.
TEST(RowStore, RowsFilledAtOnceShowTheirOwnerAndLeaveTogether)
{
    std::vector<std::string> owner = {"pear", "Apple", "fig", "kiwi"};
    RowStore rows;
    rows.SetTextSource([&owner](uintptr_t data, size_t) -> const std::string& { return owner[data]; }, 1);
    rows.SetImageSource([](uintptr_t data) { return static_cast<int>(data % 2) + 2; });
    rows.AssignSourced({3, 1, 0, 2});
    ASSERT_EQ(Column(rows, 0), (std::vector<std::string>{"kiwi", "Apple", "pear", "fig"}));
    EXPECT_EQ(rows.Image(1), 3);
    rows.SetImage(1, 0);
    EXPECT_EQ(rows.Image(1), 0);
    EXPECT_EQ(rows.Image(2), 2);
    EXPECT_TRUE(rows.SetText(2, 1, "own"));
    rows.EraseRows({0, 3});
    EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"Apple", "pear"}));
    EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{"", "own"}));
    EXPECT_EQ(rows.Image(0), 0) << "an image set on a row travels with it";
    EXPECT_EQ(DecimalText(4096), "4096");
    EXPECT_EQ(&DecimalText(4096), &DecimalText(4096)) << "made once";
}

// Any choice of rows, ordered through the order worked out once, comes out as a stable sort of
// its texts would leave it: ascending choices, shuffled ones, repeated ones.
TEST(TextOrder, OrdersAnyChoiceAsAStableSortOfItsTexts)
{
    std::mt19937 random(20261207);
    const char* pool[] = {"", "a", "A", "ab", "aB", "b", "B", "\x80", "\xC4\xE3", "zz"};
    std::vector<std::string> texts(300);
    for (std::string& text : texts)
        text = pool[random() % (sizeof(pool) / sizeof(pool[0]))];
    TextOrder order;
    order.Build(texts.size(), [&texts](size_t index) -> const std::string& { return texts[index]; });
    for (int round = 0; round < 30; ++round) {
        std::vector<size_t> chosen;
        for (size_t index = 0; index < texts.size(); ++index) {
            if (random() % 3 == 0)
                chosen.push_back(index);
        }
        if (round % 2 == 1) {
            std::shuffle(chosen.begin(), chosen.end(), random);
            chosen.push_back(chosen.empty() ? 0 : chosen.front());
        }
        std::vector<size_t> expected = chosen;
        std::stable_sort(expected.begin(), expected.end(),
                         [&texts](size_t a, size_t b) { return BytesBefore(texts[a], texts[b]); });
        ASSERT_TRUE(order.Sort(chosen));
        ASSERT_EQ(chosen, expected) << "round " << round;
    }
    std::vector<size_t> beyond = {5, texts.size(), 1};
    EXPECT_FALSE(order.Sort(beyond));
    EXPECT_EQ(beyond, (std::vector<size_t>{5, texts.size(), 1}));
}
