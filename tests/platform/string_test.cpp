// CString and CArray: the operations the program relies on (some depend on
// the process code page being UTF-8), and indexes outside the elements.
#include "platform/cobarray.h"
#include "platform/cstring.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

CString Formatted(const char* format, auto... values)
{
    CString s;
    s.Format(format, values...);
    return s;
}

CString Loaded(unsigned id)
{
    CString s;
    return s.LoadString(id) ? s : CString("(not loaded)");
}

}  // namespace

TEST(StringTest, OperationsGiveTheTextsTheProgramShows)
{
    CString grow("aa");
    const int replaced = grow.Replace("a", "aa");
    const CString path("C:\\Tools\\grid.ocx");
    const struct {
        const char* fault;
        CString actual;
        const char* expected;
    } rows[] = {
        {"trim eats a letter", CString(" \t Display text \r\n").Trim(), "Display text"},
        {"blank not emptied", CString("   ").Trim(), ""},
        {"trim left of set", CString("..x..").TrimLeft("."), "x.."},
        {"left past end", CString("Quorvelin").Left(50), "Quorvelin"},
        {"left negative", CString("Quorvelin").Left(-2), ""},
        {"mid count", CString("Quorvelin").Mid(4, 2), "ve"},
        {"mid past end", CString("Quorvelin").Mid(20), ""},
        {"right past start", CString("Quorvelin").Right(99), "Quorvelin"},
        {"upper Cyrillic", CString("Регистрировать dll").MakeUpper(), "РЕГИСТРИРОВАТЬ DLL"},
        {"lower Cyrillic", CString("КОМПОНЕНТ").MakeLower(), "компонент"},
        {"numbers", Formatted("%f,%d,%d", 0.25, 600, -400), "0.250000,600,-400"},
        {"replaced text searched again", Formatted("%s %d", grow.GetString(), replaced), "aaaa 2"},
        {"fixed buffer", Formatted("%d", Formatted("<%s>", std::string(5000, 'x').c_str()).GetLength()), "5002"},
        {"table text not in the process code page", Loaded(IDS_APPLY_FAILED), "Сбой записи данных в регистр."},
        {"a missing text loaded", Loaded(9999), "(not loaded)"},
        {"searches", Formatted("%d %d %d %d %d", path.Find(".ocx"), path.Find(".OCX"), path.Find('\\', 3),
                               path.ReverseFind('\\'), path.Find('\\', 100)),
         "13 -1 8 8 -1"},
        {"comparisons", Formatted("%d %d", CString("КОМПОНЕНТ").CompareNoCase("компонент"),
                                  CString("apple").CompareNoCase("Banana") < 0),
         "0 1"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(row.expected, row.actual) << row.fault;
}

// Faults: an index outside the elements reads or writes past the end instead
// of being an error; a failed call changes the elements.
TEST(ArrayTest, EveryAccessOutsideTheElementsIsAnError)
{
    CArray<int, int> numbers;
    numbers.Add(1);
    numbers.Add(2);
    const CString text("ab");
    const std::function<void()> outside[] = {
        [&] { numbers.GetAt(2); },        [&] { numbers.GetAt(-1); },      [&] { numbers.SetAt(2, 5); },
        [&] { numbers.RemoveAt(1, 2); },  [&] { numbers.InsertAt(3, 0); }, [&] { numbers.SetSize(-1); },
        [&] { CArray<int, int>().GetAt(0); }, [&] { text.GetAt(2); },
    };
    for (size_t row = 0; row < std::size(outside); ++row)
        EXPECT_THROW(outside[row](), CInvalidArgException) << "row " << row;
    EXPECT_EQ(2, numbers.GetSize());
    EXPECT_EQ(2, numbers.GetAt(1));
}
