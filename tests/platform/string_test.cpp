// CString: the operations the program relies on, including the ones that
// depend on the process code page being UTF-8.
#include "platform/cinvalid_arg_exception.h"
#include "platform/cstring.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

namespace {
CString Formatted(const char* format, auto... values)
{
    CString s;
    s.Format(format, values...);
    return s;
}
}  // namespace

// Each row names the fault it catches: a label trimmed short, a substring
// past the end, a Cyrillic letter the case change skips, a printf field
// cut, replaced text searched again.
TEST(StringTest, OperationsGiveTheTextsTheProgramShows)
{
    CString grow("aa");
    const int replaced = grow.Replace("a", "aa");
    const struct {
        const char* fault;
        CString actual;
        const char* expected;
    } rows[] = {
        {"trim eats a letter", CString(" \t Display text \r\n").Trim(), "Display text"},
        {"blank not emptied", CString("   ").Trim(), ""},
        {"trim left of set", CString("..x..").TrimLeft("."), "x.."},
        {"trim right of set", CString("..x..").TrimRight("."), "..x"},
        {"left past end", CString("Quorvelin").Left(50), "Quorvelin"},
        {"left negative", CString("Quorvelin").Left(-2), ""},
        {"mid count", CString("Quorvelin").Mid(4, 2), "ve"},
        {"mid past end", CString("Quorvelin").Mid(20), ""},
        {"right past start", CString("Quorvelin").Right(99), "Quorvelin"},
        {"upper Cyrillic", CString("Регистрировать dll").MakeUpper(), "РЕГИСТРИРОВАТЬ DLL"},
        {"lower Cyrillic", CString("КОМПОНЕНТ").MakeLower(), "компонент"},
        {"hex field", Formatted("error is %08.8lx", static_cast<unsigned long>(0xC00CEE2Du)), "error is c00cee2d"},
        {"numbers", Formatted("%f,%d,%d", 0.25, 600, -400), "0.250000,600,-400"},
        {"replaced text searched again", grow, "aaaa"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(row.expected, row.actual) << row.fault;
    EXPECT_EQ(2, replaced);
    EXPECT_EQ(5002, Formatted("<%s>", std::string(5000, 'x').c_str()).GetLength());  // past any fixed buffer
}

TEST(StringTest, LoadStringGivesTheTableTextInTheProcessCodePage)
{
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_APPLY_FAILED));
    EXPECT_STREQ("Сбой записи данных в регистр.", s);
    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_TRUE(s.IsEmpty());
}

// Faults: a search that starts at the wrong place, misses reported as 0, a
// read past the end.
TEST(StringTest, SearchesAndComparisonsFollowThePositionAndCase)
{
    const CString path("C:\\Tools\\grid.ocx");
    EXPECT_EQ(13, path.Find(".ocx"));
    EXPECT_EQ(-1, path.Find(".OCX"));
    EXPECT_EQ(8, path.Find('\\', 3));
    EXPECT_EQ(8, path.ReverseFind('\\'));
    EXPECT_EQ(-1, path.Find('\\', 100));
    EXPECT_EQ(0, CString("КОМПОНЕНТ").CompareNoCase("компонент"));
    EXPECT_LT(CString("apple").CompareNoCase("Banana"), 0);
    EXPECT_NE(0, CString("a").Compare("A"));

    const CString list(",,one,,two,");
    int at = 0;
    EXPECT_STREQ("one", list.Tokenize(",", at));
    EXPECT_STREQ("two", list.Tokenize(",", at));
    EXPECT_STREQ("", list.Tokenize(",", at));
    EXPECT_EQ(-1, at);
    EXPECT_THROW(path.GetAt(path.GetLength()), CInvalidArgException);  // a read past the text goes unnoticed
}
