// The number conversions: GUI integers, float truncation, count clamping,
// decimal reading and the "%#.9g" writing form, also under a comma-decimal
// locale.
#include "app/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "app/strings.h"
#include "datafile/rcm_file.h"
#include "support/scratch_folder.h"

namespace {

struct GuiIntCase {
    const char* text;
    int value;
};

TEST(ParseGuiInt, Table) {
    const GuiIntCase cases[] = {
        {"", 0},          {"12", 12},          {"  \t\n12", 12},     {"-7", -7},
        {"+7", 7},        {"007", 7},          {"12abc", 12},        {"1.9", 1},
        {"abc", 0},       {"-", 0},            {"--1", 0},           {"- 1", 0},
        {"$FF", 255},     {"$ff", 255},        {"-$10", -16},        {"$1G", 1},
        {"$", 0},         {"%101", 5},         {"%102", 2},          {"%2", 0},
        {"2147483647", INT_MAX},               {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},              {"-2147483649", INT_MIN},
        {"99999999999999999999999", INT_MAX},  {"-99999999999999999999999", INT_MIN},
        {"$FFFFFFFFFFFF", INT_MAX},            {"1 2", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(parseGuiInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(FloatToInt, TruncatesAndSaturates) {
    EXPECT_EQ(floatToInt(1.9), 1);
    EXPECT_EQ(floatToInt(-1.9), -1);
    EXPECT_EQ(floatToInt(0.99f), 0);
    EXPECT_EQ(floatToInt(-0.0), 0);
    EXPECT_EQ(floatToInt(std::nan("")), 0);
    EXPECT_EQ(floatToInt(std::numeric_limits<double>::infinity()), INT_MAX);
    EXPECT_EQ(floatToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
    EXPECT_EQ(floatToInt(3e9), INT_MAX);
    EXPECT_EQ(floatToInt(-3e9), INT_MIN);
    EXPECT_EQ(floatToInt(2147483647.0), INT_MAX);
    EXPECT_EQ(floatToInt(2147483646.9), 2147483646);
    EXPECT_EQ(floatToInt(-2147483648.0), INT_MIN);
    EXPECT_EQ(floatToInt(2147483520.0f), 2147483520);
    EXPECT_EQ(floatToInt(1e30f), INT_MAX);
}

TEST(ClampCount, KeepsValuesInRangeAndReportsOthers) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(clampCount(5, 10, "cards"), 5);
    EXPECT_EQ(clampCount(0, 10, "cards"), 0);
    EXPECT_EQ(clampCount(10, 10, "cards"), 10);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(clampCount(-3, 10, "cards"), 0);
    EXPECT_EQ(clampCount(INT_MAX, 64, "spots::i"), 64);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "Napotkano problem : cards = -3 poza zakresem 0 - 10, przyjeto 0\n"
              "Napotkano problem : spots::i = 2147483647 poza zakresem 0 - 64, przyjeto 64\n");
}

// The C library's own reading in the "C" locale, for comparison.
double strtodC(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

TEST(ParseDecimal, AgreesWithStrtod) {
    const char* texts[] = {
        "", " ", "0", "1", " 1", " 100", "-2", "+3", "-0", "0.300000012", " 0.0500000007",
        "-20.5000000", "1e3", "1E3", "1e+3", "1e-3", "1e", "1e+", "2.5e1x", ".5", "5.", ".",
        "-.5", "+.5", "--1", "+-1", "-+1", "- 1", "abc", "1,5", "1.5.5", "\t\n 7", "1 2",
        "inf", "-inf", "INF", "Infinity", "infinit", "nan", "NaN", "-nan", "nan(123)", "nan(",
        "0x10", "0X1f", "0x", "0xg", "0x.8", "0x1p3", "0x1.8p-1", "-0x10", "1e400", "-1e400",
        "1e-400", "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308", "1.8e308",
        "123456789012345678901234567890", "0.000000000000000000000000000001e-300",
        "99999999999999999999e300", "0x1p99999", "0x1p-99999",
        "00000000000000000000000000000000000000000001", "1_000",
    };
    for (const char* t : texts) {
        EXPECT_TRUE(sameDouble(parseDecimal(t), strtodC(t)))
            << '"' << t << "\" gives " << parseDecimal(t) << ", strtod " << strtodC(t);
    }
}

TEST(ParseDecimal, NullInsideStopsReading) {
    EXPECT_EQ(parseDecimal(std::string("12\0" "3", 4)), 12.0);
}

struct NineDigitsCase {
    float value;
    const char* text;
};

TEST(FormatFloat9g, Examples) {
    const NineDigitsCase cases[] = {
        {0.3f, "0.300000012"},    {0.05f, "0.0500000007"}, {-20.5f, "-20.5000000"},
        {1e10f, "1.00000000e+10"}, {0.0f, "0.00000000"},    {-0.0f, "-0.00000000"},
        {1.0f, "1.00000000"},      {0.4f, "0.400000006"},   {100.0f, "100.000000"},
        {123456789.0f, "123456792."}, {1e-5f, "9.99999975e-06"}, {0.0001f, "9.99999975e-05"},
        {0.001f, "0.00100000005"}, {1e9f, "1.00000000e+09"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFloat9g(c.value), c.text) << c.value;
}

std::string printf9g(float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%#.9g", static_cast<double>(v));
    return buf;
}

TEST(FormatFloat9g, AgreesWithPrintfAndReadsBack) {
    std::mt19937 gen(20240611u);
    std::vector<float> values = {0.0f, -0.0f, 1.0f, 0.1f, 0.5f, 1e-4f, 9.99999e-5f, 99999999.0f,
                                 999999999.0f, 1e38f, std::numeric_limits<float>::max(),
                                 std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::denorm_min(),
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity()};
    for (int i = 0; i < 20000; ++i) {
        uint32_t bits = gen();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        values.push_back(f);
        values.push_back(static_cast<float>(gen() % 100000) / 100.0f);
    }
    for (const float v : values) {
        if (std::isnan(v)) continue;  // printf's sign of a NaN is not worth pinning
        const std::string text = formatFloat9g(v);
        ASSERT_EQ(text, printf9g(v)) << v;
        if (std::isfinite(v)) {
            const float back = static_cast<float>(parseDecimal(text));
            ASSERT_EQ(std::memcmp(&back, &v, sizeof v), 0) << text;
        }
    }
}

// Switches the C library to a locale whose decimal separator is a comma for
// the test's duration. Installed locales are tried first; otherwise one is
// built with localedef into a scratch folder and found through LOCPATH.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "pl_PL.UTF-8", "pl_PL.utf8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) return;
        }
        if (::access("/usr/bin/localedef", X_OK) != 0 || ::access("/usr/share/i18n/locales/de_DE", R_OK) != 0) {
            problem_ = "no comma-decimal locale installed and no localedef with locale sources "
                       "(Debian package 'locales')";
            return;
        }
        const std::string target = folder_.file("de_DE.UTF-8");
        const std::string cmd = "/usr/bin/localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        [[maybe_unused]] const int rc = std::system(cmd.c_str());  // warnings give a non-zero code
        ::setenv("LOCPATH", folder_.path().c_str(), 1);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) problem_ = "localedef could not build de_DE.UTF-8";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
    }
    ScratchFolder folder_;
    std::string problem_;
};

TEST_F(CommaLocale, ConversionsIgnoreTheLocale) {
    if (!problem_.empty()) GTEST_SKIP() << problem_;
    // The locale is really active: the C library now writes a comma.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 0.5);
    ASSERT_STREQ(buf, "0,5");
    ASSERT_EQ(std::strtod("0.5", nullptr), 0.0);  // and stops reading at the point

    EXPECT_EQ(parseDecimal("0.300000012"), 0.300000012);
    EXPECT_EQ(parseDecimal(" -20.5"), -20.5);
    EXPECT_EQ(parseDecimal("1,5"), 1.0);
    EXPECT_EQ(formatFloat9g(0.3f), "0.300000012");
    EXPECT_EQ(formatFloat9g(-20.5f), "-20.5000000");
    EXPECT_EQ(formatFloat9g(1e10f), "1.00000000e+10");
    EXPECT_EQ(formatOneDecimal(2.57f), "2.5");
    EXPECT_EQ(parseGuiInt("-$1F"), -31);

    // A data file written and read back under the locale.
    auto file = newRCMFile();
    file->setFloat("settings::musicVolume", 0.3f, 0);
    file->setFloat("settings::fullScreen", 1.0f, 0);
    const std::string text = file->saveText();
    EXPECT_EQ(text, "settings {\n\tmusicVolume = 0.300000012\n\tfullScreen = 1\n}\n\n");
    TRCMFile back;
    ASSERT_EQ(back.parseText(text), 1);
    EXPECT_EQ(back.getFloat("settings::musicVolume", 0), 0.3f);
    EXPECT_EQ(back.getFloat("settings::fullScreen", 0), 1.0f);
}

TEST(AddSaturated, DeadlinesStopAtTheIntRange) {
    EXPECT_EQ(addSaturated(1000, 250), 1250);
    EXPECT_EQ(addSaturated(INT_MAX - 5, 100), INT_MAX);
    EXPECT_EQ(addSaturated(INT_MIN + 5, -100), INT_MIN);
    EXPECT_EQ(addSaturated(-10, INT_MAX), INT_MAX - 10);
}

}  // namespace
