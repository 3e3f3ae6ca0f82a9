// CString: the operations the program relies on, including the ones that
// depend on the process code page being UTF-8.
#include "platform/cinvalid_arg_exception.h"
#include "platform/cstring.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

TEST(StringTest, FormatPrintsLikePrintfAndGrowsPastAnyBuffer)
{
    CString s;
    s.Format("Error getting value, error is %08.8lx", static_cast<unsigned long>(0xC00CEE2Du));
    EXPECT_STREQ("Error getting value, error is c00cee2d", s);
    s.Format("%08.8lx", static_cast<unsigned long>(-1L));
    EXPECT_STREQ("ffffffff", s);
    s.Format("%f,%f,%d,%d", 0.1, 0.25, 600, -400);
    EXPECT_STREQ("0.100000,0.250000,600,-400", s);

    const std::string longText(5000, 'x');
    s.Format("<%s>", longText.c_str());
    EXPECT_EQ(5002, s.GetLength());
    s.AppendFormat("%d", 42);
    EXPECT_EQ("42", s.Right(2).str());
}

TEST(StringTest, LoadStringGivesTheTableTextInTheProcessCodePage)
{
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_APPLY_FAILED));
    EXPECT_STREQ("Сбой записи данных в регистр.", s);
    ASSERT_TRUE(s.LoadString(IDS_DEFINITION_FILE_MISSING));
    EXPECT_STREQ("\"KestAdvConfig.xml\" file not found.  Please copy this file to the same folder as the executable.", s);
    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, FindSearchesFromStartAndReportsMissingAsMinusOne)
{
    const CString path("C:\\Tools\\grid.ocx");
    EXPECT_EQ(13, path.Find(".ocx"));
    EXPECT_EQ(-1, path.Find(".OCX"));
    EXPECT_EQ(2, path.Find('\\'));
    EXPECT_EQ(8, path.Find('\\', 3));
    EXPECT_EQ(8, path.ReverseFind('\\'));
    EXPECT_EQ(-1, path.Find('\\', 100));
    EXPECT_EQ(-1, path.Find('x', -1));
    EXPECT_EQ(0, path.Find(""));
}

TEST(StringTest, CaseChangesCoverCyrillic)
{
    CString name("my.dll.txt");
    EXPECT_STREQ("MY.DLL.TXT", name.MakeUpper());
    CString russian("Регистрировать компонент");
    EXPECT_STREQ("РЕГИСТРИРОВАТЬ КОМПОНЕНТ", russian.MakeUpper());
    EXPECT_STREQ("регистрировать компонент", russian.MakeLower());
}

TEST(StringTest, CompareNoCaseIgnoresCaseAndOrdersLikeTheSystem)
{
    EXPECT_EQ(0, CString("Banana").CompareNoCase("bANANA"));
    EXPECT_LT(CString("apple").CompareNoCase("Banana"), 0);
    EXPECT_GT(CString("cherry").CompareNoCase("Banana"), 0);
    EXPECT_EQ(0, CString("КОМПОНЕНТ").CompareNoCase("компонент"));
    EXPECT_NE(0, CString("a").Compare("A"));
}

TEST(StringTest, TrimAndSubstringsClampToTheString)
{
    CString s(" \t Display text \r\n");
    EXPECT_STREQ("Display text", s.Trim());
    CString blank("   ");
    EXPECT_TRUE(blank.Trim().IsEmpty());
    CString dots("..x..");
    EXPECT_STREQ("x..", CString(dots).TrimLeft("."));
    EXPECT_STREQ("..x", CString(dots).TrimRight("."));

    const CString word("Quorvelin");
    EXPECT_STREQ("Quo", word.Left(3));
    EXPECT_STREQ("Quorvelin", word.Left(50));
    EXPECT_STREQ("", word.Left(-2));
    EXPECT_STREQ("velin", word.Mid(4));
    EXPECT_STREQ("ve", word.Mid(4, 2));
    EXPECT_STREQ("", word.Mid(20));
    EXPECT_STREQ("lin", word.Right(3));
    EXPECT_STREQ("Quorvelin", word.Right(99));
}

TEST(StringTest, ReplaceRemoveAndTokenize)
{
    CString s("a,-b,-c");
    EXPECT_EQ(2, s.Replace(",-", ";"));
    EXPECT_STREQ("a;b;c", s);
    EXPECT_EQ(0, s.Replace("", "x"));
    CString grow("aa");
    EXPECT_EQ(2, grow.Replace("a", "aa"));  // replaced text is not searched again
    EXPECT_STREQ("aaaa", grow);
    EXPECT_EQ(2, s.Remove(';'));

    const CString list(",,one,,two,");
    int at = 0;
    EXPECT_STREQ("one", list.Tokenize(",", at));
    EXPECT_STREQ("two", list.Tokenize(",", at));
    EXPECT_STREQ("", list.Tokenize(",", at));
    EXPECT_EQ(-1, at);
}

TEST(StringTest, IndexOutsideTheStringIsAnError)
{
    CString s("ab");
    EXPECT_EQ('b', s.GetAt(1));
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(2, 'c'), CInvalidArgException);
    s.SetAt(0, 'x');
    EXPECT_STREQ("xb", s);
}

TEST(StringTest, BufferAccessFillsFromPlatformCalls)
{
    CString s;
    char* buffer = s.GetBuffer(16);
    lstrcpyA(buffer, "filled");
    s.ReleaseBuffer();
    EXPECT_STREQ("filled", s);
    EXPECT_EQ(6, s.GetLength());
    CString t("abcdef");
    t.GetBuffer(0);
    t.ReleaseBuffer(3);
    EXPECT_STREQ("abc", t);
}
