#include "platform/fake/fake_shell_links.h"

#include <cstring>
#include <functional>

#include "platform/fake/cp932_utf16.h"
#include "platform/fake/fold.h"

namespace platform {

namespace {

constexpr HRESULT kPathNotFound = static_cast<HRESULT>(0x80070003u);  // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
constexpr HRESULT kClassNotRegistered = static_cast<HRESULT>(0x80040154u);

class FakePersistFile final : public PersistFile {
 public:
  explicit FakePersistFile(std::function<HRESULT(const std::string&)> save) : save_(std::move(save)) {}
  HRESULT Save(LPCWSTR fileName, BOOL) override {
    if (!fileName) return E_FAIL;
    std::u16string wide;
    for (LPCWSTR unit = fileName; *unit; ++unit) wide += static_cast<char16_t>(*unit);
    auto path = fake::Utf16ToCp932(wide);
    if (!path) return E_FAIL;
    return save_(*path);
  }

 private:
  std::function<HRESULT(const std::string&)> save_;
};

}  // namespace

class FakeShellLinkObject final : public ShellLink {
 public:
  explicit FakeShellLinkObject(FakeShellLinks& owner) : owner_(owner) {}
  HRESULT SetPath(LPCSTR target) override {
    link_->target = target ? target : "";
    // The shell answers S_FALSE for a target it cannot find, and keeps it.
    return owner_.files_.GetFileAttributesA(link_->target.c_str()) == INVALID_FILE_ATTRIBUTES ? S_FALSE : S_OK;
  }
  HRESULT SetWorkingDirectory(LPCSTR folder) override {
    link_->workingDirectory = folder ? folder : "";
    return S_OK;
  }
  HRESULT QueryPersistFile(std::unique_ptr<PersistFile>* persistFile) override {
    // Like a COM interface, the persist-file view keeps the object's state alive.
    *persistFile = std::make_unique<FakePersistFile>(
        [&owner = owner_, link = link_](const std::string& path) { return owner.Save(path, *link); });
    return S_OK;
  }

 private:
  FakeShellLinks& owner_;
  std::shared_ptr<FakeShellLinks::Link> link_ = std::make_shared<FakeShellLinks::Link>();
};

HRESULT FakeShellLinks::CoInitialize(LPVOID) { return comDepth_++ == 0 ? S_OK : S_FALSE; }

void FakeShellLinks::CoUninitialize() {
  if (comDepth_ > 0) --comDepth_;
}

HRESULT FakeShellLinks::CoCreateShellLink(std::unique_ptr<ShellLink>* link) {
  if (comDepth_ == 0) return CO_E_NOTINITIALIZED;
  if (failCreation_) return kClassNotRegistered;
  *link = std::make_unique<FakeShellLinkObject>(*this);
  return S_OK;
}

int FakeShellLinks::MultiByteToWideChar(UINT, DWORD, LPCSTR text, int textLength, LPWSTR wide, int wideLength) {
  return fake::MultiByteToWideChar(text, textLength, wide, wideLength);
}

HRESULT FakeShellLinks::Save(const std::string& path, const Link& link) {
  auto parts = fake::SplitAtBackslashes(path);
  parts.pop_back();
  std::string folder;
  for (const std::string& part : parts) folder += part + "\\";
  DWORD attributes = files_.GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return kPathNotFound;
  files_.AddFile(path, "[shortcut]\r\ntarget=" + link.target + "\r\nworkdir=" + link.workingDirectory + "\r\n");
  links_[fake::FoldCase(path)] = link;
  ++saves_;
  return S_OK;
}

std::optional<FakeShellLinks::Link> FakeShellLinks::LinkAt(const std::string& path) const {
  auto found = links_.find(fake::FoldCase(path));
  if (found == links_.end()) return std::nullopt;
  return found->second;
}

}  // namespace platform
