#include "resources/Resources.h"
#include "text/Text.h"

#include <gtest/gtest.h>

TEST(Resources, BuiltInListsAreEmbedded)
{
    const auto male = jm::embeddedResource("lists/MaleCharacters.txt");
    ASSERT_FALSE(male.empty());
    EXPECT_TRUE(male.starts_with("湛子会奥电湖琢当大极川傲"));
    EXPECT_TRUE(jm::embeddedResource("no/such/file").empty());
}
