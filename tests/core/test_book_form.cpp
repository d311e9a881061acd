#include "core/book_form.h"

#include <gtest/gtest.h>

TEST(BookForm, TheNineteenColumnBookStartsWith2026)
{
    EXPECT_EQ(BookFormOfYear("2025"), BookForm::SeventeenColumns);
    EXPECT_EQ(BookFormOfYear("2026"), BookForm::NineteenColumns);
    EXPECT_EQ(BookFormOfYear("2031"), BookForm::NineteenColumns);
    EXPECT_EQ(BookFormOfYear("rok"), BookForm::SeventeenColumns)
        << "a year directory not named by a number keeps the older book";
}
