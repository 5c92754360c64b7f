#include "window/win32/control_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

// Another program on the desktop sends the program's windows every registered message and
// every private one, with wParam and lParam pointing at a block it has placed in the
// program's memory: registered and private messages cross processes with their parameters
// unchanged, so a handler that wrote through them would write where the other program
// points. The block stays as it was put there, and the program goes on running.
namespace {

// The program's path, as Wine sees the Unix one: through the drive Z:.
std::wstring programPath()
{
    std::wstring path = L"Z:";
    for (const char* c = TRIANGLE_PROGRAM; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::wstring classOf(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::string narrow(const std::wstring& text)
{
    std::string result;
    for (wchar_t c : text)
        result += c < 0x80 ? static_cast<char>(c) : '?';
    return result;
}

struct Windows {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK addChild(HWND window, LPARAM windows)
{
    reinterpret_cast<Windows*>(windows)->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK addOfProcess(HWND window, LPARAM windows)
{
    auto* list = reinterpret_cast<Windows*>(windows);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == list->process) {
        list->found.push_back(window);
        EnumChildWindows(window, &addChild, windows);
    }
    return TRUE;
}

// Every window of the process, top-level and child.
std::vector<HWND> windowsOf(DWORD process)
{
    Windows windows{process, {}};
    EnumWindows(&addOfProcess, reinterpret_cast<LPARAM>(&windows));
    std::sort(windows.found.begin(), windows.found.end());
    windows.found.erase(std::unique(windows.found.begin(), windows.found.end()),
                        windows.found.end());
    return windows.found;
}

HWND mainWindowOf(DWORD process)
{
    for (HWND window : windowsOf(process))
        if (classOf(window) == L"TriangleSolverForm" && IsWindowVisible(window))
            return window;
    return nullptr;
}

constexpr std::size_t BlockSize = 4096;

class ForeignMessages : public testing::Test {
protected:
    void SetUp() override
    {
        std::wstring command = L"\"" + programPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &m_program))
            << narrow(command);
        WaitForInputIdle(m_program.hProcess, 20000);
        for (int i = 0; i < 200 && !m_main; ++i, Sleep(50))
            m_main = mainWindowOf(m_program.dwProcessId);
        ASSERT_NE(m_main, nullptr) << "the program's window did not show";
    }
    void TearDown() override
    {
        if (!m_program.hProcess)
            return;
        if (m_main)
            PostMessageW(m_main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_program.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(m_program.hProcess, 1);
        CloseHandle(m_program.hThread);
        CloseHandle(m_program.hProcess);
    }

    // A block of zeros in the program's memory, written there as another program would:
    // as a blank object, a blank string, a structure a caller has yet to fill.
    void* placeBlock() const
    {
        void* block = VirtualAllocEx(m_program.hProcess, nullptr, BlockSize,
                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (block)
            blank(block);
        return block;
    }
    void blank(void* block) const
    {
        const std::vector<char> zeros(BlockSize, 0);
        WriteProcessMemory(m_program.hProcess, block, zeros.data(), BlockSize, nullptr);
    }
    bool blockUnchanged(void* block) const
    {
        std::vector<char> now(BlockSize, 1);
        SIZE_T read = 0;
        return ReadProcessMemory(m_program.hProcess, block, now.data(), BlockSize, &read) &&
               read == BlockSize &&
               std::all_of(now.begin(), now.end(), [](char c) { return c == 0; });
    }
    bool alive() const
    {
        DWORD code = 0;
        DWORD_PTR answer = 0;
        return GetExitCodeProcess(m_program.hProcess, &code) && code == STILL_ACTIVE &&
               SendMessageTimeoutW(m_main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    }

    PROCESS_INFORMATION m_program{};
    HWND m_main = nullptr;
};

// The ranges a message number of another program's can be in without Windows knowing what
// its parameters are: the private ones of a window class, and the registered ones.
struct Range {
    UINT first;
    UINT last;
};
constexpr Range unmarshalled[] = {{WM_USER, 0x7FFF}, {0xC000, 0xFFFF}};
constexpr UINT Chunk = 512;

// Messages Windows defines for a control class of its own, whose parameters it documents: a
// button writes its ideal size, text margins, image list, ... through lParam (BCM_GETIDEALSIZE
// and the rest of the range commctrl.h gives buttons from BCM_FIRST). The handlers are
// Windows', not the program's.
struct SystemMessages {
    const wchar_t* windowClass;
    Range range;
};
constexpr SystemMessages systemMessages[] = {{L"Button", {BCM_FIRST, BCM_FIRST + 0xFF}}};

bool isSystemMessage(const std::wstring& windowClass, UINT message)
{
    return std::any_of(std::begin(systemMessages), std::end(systemMessages),
                       [&](const SystemMessages& system) {
                           return _wcsicmp(windowClass.c_str(), system.windowClass) == 0 &&
                                  message >= system.range.first && message <= system.range.last;
                       });
}

// Windows of one kind share their window procedure and what the program has put in front of
// it: one class, under one top-level window, in one array of controls (an array's
// identifiers are consecutive from a base that is a multiple of 100).
std::vector<HWND> oneOfEachKind(const std::vector<HWND>& windows)
{
    std::vector<HWND> chosen;
    std::vector<std::wstring> kinds;
    for (HWND window : windows) {
        const std::wstring kind = classOf(window) + L"/" + classOf(GetAncestor(window, GA_ROOT)) +
                                  L"/" + std::to_wstring(GetDlgCtrlID(window) / 100);
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
            kinds.push_back(kind);
            chosen.push_back(window);
        }
    }
    return chosen;
}

TEST_F(ForeignMessages, NoWindowWritesThroughAPointerAnotherProgramSends)
{
    // "Решение" and the window of any two elements open, so that their steps' lists exist,
    // each with the lines that say what to do.
    DWORD_PTR answer = 0;
    for (int command : {triangle::win32::ids::OpenSolution, triangle::win32::ids::OpenElements})
        ASSERT_TRUE(SendMessageTimeoutW(m_main, WM_COMMAND, MAKEWPARAM(command, 0), 0,
                                        SMTO_ABORTIFHUNG, 10000, &answer));
    const std::vector<HWND> windows = windowsOf(m_program.dwProcessId);
    const auto count = [&](const wchar_t* name) {
        return std::count_if(windows.begin(), windows.end(),
                             [&](HWND window) { return classOf(window) == name; });
    };
    ASSERT_EQ(count(L"TriangleSolution"), 1);
    ASSERT_EQ(count(L"TriangleElements"), 1);
    ASSERT_GE(count(L"ListBox"), 2) << "the two lists of steps";

    void* const block = placeBlock();
    ASSERT_NE(block, nullptr);
    ASSERT_TRUE(blockUnchanged(block));
    const auto pointer = static_cast<LPARAM>(reinterpret_cast<UINT_PTR>(block));
    // wParam the block too, and 0 for a handler that takes wParam for an index.
    const WPARAM wParams[] = {0, static_cast<WPARAM>(pointer)};
    std::vector<std::string> written;
    int unanswered = 0;
    const auto send = [&](HWND window, UINT first, UINT last, bool oneByOne) {
        const std::wstring windowClass = classOf(window);
        for (UINT message = first; message <= last; ++message) {
            if (isSystemMessage(windowClass, message))
                continue;
            for (const WPARAM wParam : wParams) {
                if (oneByOne) {
                    DWORD_PTR ignored = 0;
                    SendMessageTimeoutW(window, message, wParam, pointer, SMTO_ABORTIFHUNG, 500,
                                        &ignored);
                    if (blockUnchanged(block))
                        continue;
                    char what[160];
                    snprintf(what, sizeof(what), "%s #%d: message 0x%04X, wParam %s",
                             narrow(classOf(window)).c_str(), GetDlgCtrlID(window), message,
                             wParam ? "the block" : "0");
                    written.push_back(what);
                    blank(block);
                } else {
                    // Sent without waiting for each; the window takes them in their order.
                    SendNotifyMessageW(window, message, wParam, pointer);
                }
            }
        }
    };
    for (HWND window : oneOfEachKind(windows)) {
        for (const Range& range : unmarshalled) {
            for (UINT first = range.first; first <= range.last && IsWindow(window);
                 first += Chunk) {
                const UINT last = std::min(range.last, first + Chunk - 1);
                send(window, first, last, false);
                // Every message of the chunk taken once this one is answered.
                if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
                    ++unanswered;
                if (blockUnchanged(block))
                    continue;
                blank(block);
                send(window, first, last, true);
            }
        }
    }
    for (const std::string& what : written)
        ADD_FAILURE() << "wrote into the block: " << what;
    EXPECT_TRUE(alive()) << "the program ended or stopped answering";
    EXPECT_EQ(unanswered, 0) << "windows that stopped answering for 2 s";
}

} // namespace
