#include "catalogue/mod_links.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

TEST(LinkAddress, PutsTheSchemeInFrontUnlessTheCaptionStartsWithIt) {
    EXPECT_EQ(LinkAddress(""), "");
    EXPECT_EQ(LinkAddress("http://www.example.com"), "http://www.example.com");
    EXPECT_EQ(LinkAddress("https://www.example.com"), "https://www.example.com");
    EXPECT_EQ(LinkAddress("HTTP://WWW.EXAMPLE.COM"), "http://HTTP://WWW.EXAMPLE.COM");
    EXPECT_EQ(LinkAddress("www.example.com/mod"), "http://www.example.com/mod");
}

}  // namespace
}  // namespace quorvant
