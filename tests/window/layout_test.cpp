// Where the window opens and how it and its controls are made.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/running_program.h"

namespace uescape::window_testing {
namespace {

struct Placement {
  int screenWidth;
  int screenHeight;
  int left;
  int top;
};

TEST(Layout, WindowIsCentredByTruncationWithoutClamping) {
  const Placement placements[] = {
      {1920, 1080, 530, 162},
      {1366, 768, 253, 6},  // the lower edge at 761, below a 768-pixel screen's taskbar
      {800, 600, -30, -77},
  };
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const Placement* expected = nullptr;
  for (const Placement& placement : placements) {
    if (placement.screenWidth == width && placement.screenHeight == height) expected = &placement;
  }
  ASSERT_NE(expected, nullptr) << "no expectation for a " << width << "x" << height << " screen";

  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  RECT frame;
  GetWindowRect(program->window(), &frame);
  EXPECT_EQ(frame.left, expected->left);
  EXPECT_EQ(frame.top, expected->top);
  EXPECT_EQ(frame.right - frame.left, 860);
  EXPECT_EQ(frame.bottom - frame.top, 755);
}

// A run on a desktop whose taskbar takes part of the screen says which
// work area it set, so that the placement checks in it really see a work
// area smaller than the screen.
TEST(WorkArea, IsTheOneThisRunIsFor) {
  char expected[64] = {};
  if (GetEnvironmentVariableA("UESCAPE_EXPECT_WORK_AREA", expected, sizeof expected) == 0) {
    GTEST_SKIP() << "no work area asked for";
  }
  RECT area = {};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
  const std::string actual = std::to_string(area.left) + "," + std::to_string(area.top) + "," +
                             std::to_string(area.right) + "," + std::to_string(area.bottom);
  EXPECT_EQ(actual, expected);
}

TEST(Layout, WindowStylesAndClass) {
  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  const HWND window = program->window();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR wanted = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(GetWindowTextLengthW(window), 0) << "the title is empty";
  EXPECT_EQ(GetMenu(window), nullptr);
  const ULONG_PTR classStyle = GetClassLongPtrW(window, GCL_STYLE);
  EXPECT_EQ(classStyle, static_cast<ULONG_PTR>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), 0u);
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON), 0u);
}

TEST(Layout, ControlsTheirPlacesStylesAndCaption) {
  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  struct Expected {
    int id;
    const wchar_t* className;
    RECT place;  // left, top, right, bottom in client coordinates
    LONG_PTR style;
    LONG_PTR exStyle;
  };
  const LONG_PTR box = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE |
                       ES_AUTOVSCROLL | ES_WANTRETURN;
  const LONG_PTR button = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON |
                          BS_CENTER | BS_VCENTER | BS_MULTILINE;
  const Expected controls[] = {
      {kInputBoxId, L"Edit", {8, 8, 308, 80}, box, WS_EX_CLIENTEDGE},
      {kButtonId, L"Button", {232, 96, 312, 128}, button, 0},
      {kOutputBoxId, L"Edit", {8, 136, 776, 664}, box, WS_EX_CLIENTEDGE},
  };
  POINT origin = {0, 0};
  ClientToScreen(program->window(), &origin);
  for (const Expected& expected : controls) {
    const HWND control = program->control(expected.id);
    ASSERT_NE(control, nullptr) << expected.id;
    wchar_t name[32];
    GetClassNameW(control, name, 32);
    EXPECT_EQ(lstrcmpiW(name, expected.className), 0) << expected.id;
    RECT place;
    GetWindowRect(control, &place);
    OffsetRect(&place, -origin.x, -origin.y);
    EXPECT_EQ(place.left, expected.place.left) << expected.id;
    EXPECT_EQ(place.top, expected.place.top) << expected.id;
    EXPECT_EQ(place.right, expected.place.right) << expected.id;
    EXPECT_EQ(place.bottom, expected.place.bottom) << expected.id;
    EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & 0xFFFFFFFF, expected.style) << expected.id;
    EXPECT_EQ(GetWindowLongPtrW(control, GWL_EXSTYLE), expected.exStyle) << expected.id;
  }
  EXPECT_EQ(WindowText(program->control(kButtonId)), L"转换");
  EXPECT_EQ(program->Text(kInputBoxId), "");
  EXPECT_EQ(program->Text(kOutputBoxId), "");
  // No text limit of the program's own: the platform's maximum.
  EXPECT_GT(SendMessageW(program->control(kOutputBoxId), EM_GETLIMITTEXT, 0, 0), 0x10000);
}

// The executable carries the icon group the window takes its icons from,
// and a manifest that asks for common controls 6.0.0.0 and nothing else.
TEST(Resources, IconGroupAndManifest) {
  const HMODULE exe = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  const HRSRC group = FindResourceW(exe, L"DEFAULT_ICON", reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
  ASSERT_NE(directory, nullptr);
  // GRPICONDIR: reserved, type, count; then 14-byte entries starting with
  // width and height (0 meaning 256).
  const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = directory + 6 + 14 * i;
    EXPECT_EQ(entry[0], entry[1]) << "square images";
    sizes.push_back(entry[0]);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
  EXPECT_NE(LoadImageW(exe, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0), nullptr);

  const HRSRC manifest = FindResourceW(exe, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_MANIFEST));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))),
                         SizeofResource(exe, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
  for (const char* absent : {"dpiAware", "requestedExecutionLevel", "trustInfo", "compatibility"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  FreeLibrary(exe);
}

// The version resource names the product and carries the project's version.
TEST(Resources, VersionInformation) {
  const std::wstring program = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, data.data()));
  auto value = [&](const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), path.c_str(), &text, &length) || length == 0) return std::wstring();
    return std::wstring(static_cast<const wchar_t*>(text));
  };
  const std::wstring version = FromGbk(UESCAPE_VERSION_TEXT);
  EXPECT_EQ(value(L"ProductName"), L"UEscape");
  EXPECT_EQ(value(L"OriginalFilename"), L"UEscape.exe");
  EXPECT_EQ(value(L"FileVersion"), version);
  EXPECT_EQ(value(L"ProductVersion"), version);
  EXPECT_FALSE(value(L"FileDescription").empty());
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numbers, version);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
}

}  // namespace
}  // namespace uescape::window_testing
