#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

struct ShellRequest {
  void* owner;
  std::wstring address;
};

std::vector<ShellRequest> requests;

void RecordRequest(void* owner, const std::wstring& address) { requests.push_back({owner, address}); }

class OpenWebPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    requests.clear();
    systemOpen_ = SetShellOpenFunction(RecordRequest);
  }
  void TearDown() override { SetShellOpenFunction(systemOpen_); }

 private:
  ShellOpenFunction systemOpen_ = nullptr;
};

// A hidden top-level window with this title, as the browser's main window would be.
HWND WindowTitled(const wchar_t* title) {
  return CreateWindowW(L"STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST_F(OpenWebPageTest, HandsTheAddressToTheShellOnceWithoutOwner) {
  OpenWebPage("https://example.org/录像");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].owner, nullptr);
  EXPECT_EQ(requests[0].address, Widen("https://example.org/录像"));
}

TEST_F(OpenWebPageTest, TheWindowTitledExactlyAsTheBrowserOwnsTheRequest) {
  HWND lookalike = WindowTitled(L"Microsoft Internet Explorer - 新页面");
  ASSERT_NE(lookalike, nullptr);
  OpenWebPage("https://example.org/");
  HWND browser = WindowTitled(L"Microsoft Internet Explorer");
  ASSERT_NE(browser, nullptr);
  OpenWebPage("https://example.org/");
  DestroyWindow(browser);
  DestroyWindow(lookalike);

  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].owner, nullptr);
  EXPECT_EQ(requests[1].owner, browser);
}

TEST_F(OpenWebPageTest, AnEmptyAddressOpensTheAboutPageBesideTheProgram) {
  wchar_t program[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  ASSERT_GT(length, 0u);
  std::wstring folder(program, length);
  folder.erase(folder.find_last_of(L'\\') + 1);

  OpenWebPage("");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].address, folder + L"about.html");
}
