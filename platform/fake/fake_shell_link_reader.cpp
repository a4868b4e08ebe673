#include "platform/fake/fake_shell_link_reader.h"

#include <cstring>

#include "platform/fake/cp932_utf16.h"

namespace platform {

namespace {

constexpr HRESULT kFileNotFound = static_cast<HRESULT>(0x80070002u);  // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)

// The target recorded in a link file as FakeShellLinks writes it, or false
// for a file that is no link.
bool ParseLink(const std::string& content, std::string* target) {
  const std::string head = "[shortcut]\r\ntarget=";
  if (content.compare(0, head.size(), head) != 0) return false;
  std::string::size_type end = content.find("\r\n", head.size());
  if (end == std::string::npos) return false;
  *target = content.substr(head.size(), end - head.size());
  return true;
}

class FakeLinkReader final : public LinkReader {
 public:
  FakeLinkReader(FakeFileSystem& files, std::shared_ptr<int> live)
      : files_(files), live_(std::move(live)), target_(std::make_shared<std::string>()) {
    ++*live_;
  }
  ~FakeLinkReader() override { --*live_; }

  HRESULT GetPath(LPSTR file, int size, WIN32_FIND_DATAA*, DWORD) override {
    if (!file || size <= 0) return E_FAIL;
    std::size_t count = std::min(target_->size(), static_cast<std::size_t>(size - 1));
    std::memcpy(file, target_->data(), count);
    file[count] = 0;
    return target_->empty() ? S_FALSE : S_OK;
  }

  HRESULT QueryLoader(std::unique_ptr<LinkFileLoader>* loader) override;

 private:
  FakeFileSystem& files_;
  std::shared_ptr<int> live_;
  std::shared_ptr<std::string> target_;  // shared with the loader, as COM interfaces share their object
};

class FakeLinkFileLoader final : public LinkFileLoader {
 public:
  FakeLinkFileLoader(FakeFileSystem& files, std::shared_ptr<std::string> target)
      : files_(files), target_(std::move(target)) {}

  HRESULT Load(LPCWSTR fileName, DWORD) override {
    if (!fileName) return E_FAIL;
    std::u16string wide;
    for (LPCWSTR unit = fileName; *unit; ++unit) wide += static_cast<char16_t>(*unit);
    auto path = fake::Utf16ToCp932(wide);
    if (!path) return E_FAIL;
    auto content = files_.FileContent(*path);
    if (!content) return kFileNotFound;
    std::string target;
    if (!ParseLink(*content, &target)) return E_FAIL;
    *target_ = target;
    return S_OK;
  }

 private:
  FakeFileSystem& files_;
  std::shared_ptr<std::string> target_;
};

HRESULT FakeLinkReader::QueryLoader(std::unique_ptr<LinkFileLoader>* loader) {
  *loader = std::make_unique<FakeLinkFileLoader>(files_, target_);
  return S_OK;
}

}  // namespace

HRESULT FakeShellLinkReader::CoInitialize(LPVOID) { return comDepth_++ == 0 ? S_OK : S_FALSE; }

void FakeShellLinkReader::CoUninitialize() {
  if (comDepth_ > 0) --comDepth_;
}

HRESULT FakeShellLinkReader::CoCreateLinkReader(std::unique_ptr<LinkReader>* link) {
  if (comDepth_ == 0) return CO_E_NOTINITIALIZED;
  *link = std::make_unique<FakeLinkReader>(files_, liveObjects_);
  return S_OK;
}

int FakeShellLinkReader::MultiByteToWideChar(UINT, DWORD, LPCSTR text, int textLength, LPWSTR wide, int wideLength) {
  return fake::MultiByteToWideChar(text, textLength, wide, wideLength);
}

}  // namespace platform
