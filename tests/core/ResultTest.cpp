#include "Result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace jm;

namespace {

Result<int> half(int n)
{
    if (n % 2 != 0) return Failure { std::to_string(n) + " 是奇数" };
    return n / 2;
}

Result<void> check(bool good)
{
    if (!good) return Failure { "不行" };
    return success();
}

} // namespace

TEST(Result, ValueOrMessage)
{
    const Result<int> four = half(8);
    ASSERT_TRUE(four);
    EXPECT_EQ(*four, 4);
    EXPECT_EQ(four.error(), "");
    EXPECT_EQ(four.valueOr(-1), 4);

    const Result<int> odd = half(3);
    EXPECT_FALSE(odd);
    EXPECT_EQ(odd.error(), "3 是奇数");
    EXPECT_EQ(odd.valueOr(-1), -1);

    EXPECT_TRUE(check(true));
    EXPECT_EQ(check(true).error(), "");
    EXPECT_FALSE(check(false));
    EXPECT_EQ(check(false).error(), "不行");
}

TEST(Result, MoveOnlyValuesAndPassingFailuresOn)
{
    Result<std::unique_ptr<int>> boxed = std::make_unique<int>(7);
    ASSERT_TRUE(boxed);
    std::unique_ptr<int> taken = std::move(boxed).value();
    EXPECT_EQ(*taken, 7);

    // A failure of one type passes on as a failure of another.
    const auto relay = [](int n) -> Result<std::string> {
        Result<int> h = half(n);
        if (!h) return Failure { h.error() };
        return std::to_string(*h);
    };
    EXPECT_EQ(*relay(10), "5");
    EXPECT_EQ(relay(5).error(), "5 是奇数");
}
