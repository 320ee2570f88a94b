// GetTempDirectory on Windows: the system's temporary path with one trailing
// backslash; a path longer than MAX_PATH is asked for again.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "os/TempDirectory.h"
#include "os/win32/TempPathQuery.h"

namespace kv::test {
namespace {

// Sets TMP (which the temporary-path query reads first) for one scope.
class TmpVariable {
public:
    explicit TmpVariable(const std::wstring& value)
    {
        wchar_t old[32768];
        const DWORD n = ::GetEnvironmentVariableW(L"TMP", old, 32768);
        had_ = n > 0 && n < 32768;
        if (had_)
            old_.assign(old, n);
        ::SetEnvironmentVariableW(L"TMP", value.c_str());
    }
    ~TmpVariable() { ::SetEnvironmentVariableW(L"TMP", had_ ? old_.c_str() : nullptr); }
    TmpVariable(const TmpVariable&) = delete;
    TmpVariable& operator=(const TmpVariable&) = delete;

private:
    bool had_ = false;
    std::wstring old_;
};

std::u16string U16(const std::wstring& s)
{
    return std::u16string(s.begin(), s.end());
}

TEST(TempPath, SystemPathGetsExactlyOneBackslash)
{
    const struct {
        std::wstring tmp;
        std::wstring expected;
    } cases[] = {
        {L"C:\\windows\\temp", L"C:\\windows\\temp\\"},
        {L"C:\\windows\\temp\\", L"C:\\windows\\temp\\"},
        {L"C:\\Temp Folder", L"C:\\Temp Folder\\"},
    };
    for (const auto& c : cases) {
        const TmpVariable tmp(c.tmp);
        EXPECT_EQ(GetTempDirectory(), U16(c.expected));
    }
}

// A fake query that serves each path as GetTempPathW does.
class FakeQuery {
public:
    explicit FakeQuery(std::vector<std::wstring> answers) : answers_(std::move(answers)) {}
    unsigned long operator()(unsigned long size, wchar_t* buffer)
    {
        sizes.push_back(size);
        if (answers_.empty())
            return 0;
        const std::wstring path = answers_.front();
        if (answers_.size() > 1)
            answers_.erase(answers_.begin());
        if (path.empty())
            return 0;
        if (path.size() + 1 > size)
            return static_cast<unsigned long>(path.size() + 1);
        std::wmemcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<unsigned long>(path.size());
    }
    std::vector<unsigned long> sizes;

private:
    std::vector<std::wstring> answers_;
};

TEST(TempPath, QueryAsksAgainWithTheSizeItNeeds)
{
    const std::wstring shortPath = L"C:\\Temp\\";
    const std::wstring exactFit(MAX_PATH - 1, L'x');
    const std::wstring oneTooLong(MAX_PATH, L'y');
    const std::wstring longPath(400, L'z');
    const std::wstring longer(500, L'w');
    const struct {
        std::vector<std::wstring> answers;
        std::wstring expected;
        std::vector<unsigned long> sizes;
    } cases[] = {
        {{shortPath}, shortPath, {MAX_PATH}},
        {{exactFit}, exactFit, {MAX_PATH}},
        {{oneTooLong}, oneTooLong, {MAX_PATH, MAX_PATH + 1}},
        {{longPath}, longPath, {MAX_PATH, 401}},
        {{longPath, longer}, longer, {MAX_PATH, 401, 501}}, // grew between the calls
        {{L""}, L"", {MAX_PATH}},                             // the query failed
        {{longPath, L""}, L"", {MAX_PATH, 401}},
    };
    for (const auto& c : cases) {
        FakeQuery query(c.answers);
        EXPECT_EQ(os::win32::QueryTempPath(std::ref(query)), c.expected);
        EXPECT_EQ(query.sizes, c.sizes);
    }
}

} // namespace
} // namespace kv::test
