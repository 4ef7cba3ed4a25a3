#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/numerology.h"

namespace morvane {
namespace {

TEST(Catalogue, MessagesReadExactly) {
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {103, "Please enter a name for analysis"},
        {147, "This number is not a valid number."},
        {148,
         "In numerological analysis of your name, at times you are asked to refer to "
         "interpretation of particular numbers. Enter that number here to directly see it's "
         "interpretation."},
        {158, "Enter your birth date in dd/mm/yyyy year format"},
        {159,
         "Enter the name you want to numerically analyze. Please note, special character and "
         "numbers are of no consequence and are ignored during analysis."},
        {161, "xdg-open"},
        {163, MORVANE_HOMEPAGE},
        {164, "Could not find file: explorer.exe. Fix: Please include it in path."},
        {165,
         "Not enough memory for opening the browser. Close few programs and try again. If the "
         "problem persists, try re-booting."},
        {167, "Beta 2.0"},
        {168, "Beta 2.0 - Feb 16, 2002"},
        {170, "Morvane"},
        {172, ": Save Intrepretation as ..."},
        {173, "Unable to create file"},
        {174, std::string_view(
                  "**********************************************************************")},
        {175, "Generated on"},
        {176, "There is nothing to save"},
    };
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(LoadText(id), text) << id;
    }
    EXPECT_EQ(LoadText(174), std::string(70, '*'));
}

TEST(Catalogue, PlaceholdersHoldASpaceAndUnknownIdsAreEmpty) {
    for (std::int32_t id = -5; id <= 260; ++id) {
        const bool placeholder =
            (id >= 128 && id <= 130) || (id >= 132 && id <= 136) || (id >= 138 && id <= 144);
        const bool interpretation =
            (id >= 104 && id <= 157) && !placeholder && id != 147 && id != 148;
        const bool message = id == 103 || id == 147 || id == 148 || id == 158 || id == 159 ||
                             id == 161 || (id >= 163 && id <= 165) || id == 167 || id == 168 ||
                             id == 170 || (id >= 172 && id <= 176);
        const std::string_view text = LoadText(id);
        if (placeholder) {
            EXPECT_EQ(text, " ") << id;
        } else if (interpretation || message) {
            EXPECT_GT(text.size(), 1U) << id;
        } else {
            EXPECT_TRUE(text.empty()) << id;
        }
    }
}

TEST(Catalogue, InterpretationsHaveTheirFormAndLength) {
    struct Case {
        std::int32_t id;
        std::string_view opening;
        std::size_t length;
    };
    const Case cases[] = {
        {104, "This is a number of ", 1060}, {105, "This is a number of ", 887},
        {106, "This is a number of ", 895},  {107, "This is a number of ", 623},
        {108, "This is a number of ", 971},  {109, "This is a number of ", 1626},
        {110, "This is a number of ", 903},  {111, "This is a number of ", 427},
        {112, "This is a number of ", 2257}, {113, "This is a number of ", 813},
        {114, "This is a number of ", 1207}, {115, "This is a number of ", 415},
        {116, "This is a number of ", 914},  {117, "This is a number of ", 361},
        {118, "This is a number of ", 1082}, {119, "This is a number of ", 489},
        {120, "This is a number of ", 1100}, {121, "This is a number of ", 683},
        {122, "This is a number of ", 992},  {123, "This is a number of ", 1092},
        {124, "This is a number of ", 1241}, {125, "This is a number of ", 866},
        {126, "This is a number of ", 861},  {127, "This is a number of ", 822},
        {131, "This is a number of ", 609},  {137, "This is a number of ", 344},
        {145, "This is a number of ", 514},  {146, "", 384},
        {149, "The number 1 ", 848},         {150, "The number 2 ", 898},
        {151, "The number 3 ", 747},         {152, "The number 4 ", 829},
        {153, "The number 5 ", 577},         {154, "The number 6 ", 843},
        {155, "The number 7 ", 727},         {156, "The number 8 ", 779},
        {157, "The number 9 ", 746},
    };
    std::size_t longest = 0;
    for (const auto& c : cases) {
        const std::string_view text = LoadText(c.id);
        EXPECT_TRUE(text.starts_with(c.opening)) << c.id;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << c.id;
        EXPECT_GE(text.size() * 10, c.length * 9) << c.id;
        EXPECT_LE(text.size() * 10, c.length * 11) << c.id;
        longest = std::max(longest, text.size());
    }
    // Entry 112 is the longest and comes back whole, past any short buffer size.
    EXPECT_EQ(LoadText(112).size(), longest);
    EXPECT_GT(LoadText(112).size(), 2000U);
    EXPECT_TRUE(LoadText(112).ends_with("."));
}

TEST(Catalogue, EveryNumberAPageCanShowHasAParagraph) {
    for (std::int32_t n = 0; n <= 52; ++n) {
        EXPECT_GT(LoadText(NameTextId(n)).size(), 1U) << "name " << n;
    }
    for (std::int32_t day = 0; day <= 31; ++day) {
        EXPECT_GT(LoadText(BirthTextId(day)).size(), 1U) << "day " << day;
    }
    for (std::int32_t d = 0; d <= 9; ++d) {
        EXPECT_GT(LoadText(DigitTextId(d)).size(), 1U) << "destiny " << d;
    }
    for (std::int32_t n = -2; n <= 60; ++n) {
        EXPECT_GT(LoadText(NumberTextId(n)).size(), 1U) << "number " << n;
    }
}

}  // namespace
}  // namespace morvane
