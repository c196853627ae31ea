#include "temp_folder.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "ui/file_access.h"

namespace cw::test {
namespace {

std::string UniqueName() {
  std::random_device device;
  std::mt19937_64 generator(
      device() ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::ostringstream name;
  name << "cw-ui-test-" << std::hex << generator();
  return name.str();
}

// "澄望 程序" as the program holds it (GBK) and as the file system names it.
constexpr std::string_view kFolderNameGbk = "澄望 程序";

std::filesystem::path FolderNameForFileSystem() {
#ifdef _WIN32
  return std::filesystem::path(u8"澄望 程序");
#else
  // Host paths are plain bytes: the folder is named by the GBK bytes themselves.
  return std::filesystem::path(std::string(kFolderNameGbk));
#endif
}

}  // namespace

TempFolder::TempFolder() {
  root_ = std::filesystem::temp_directory_path() / UniqueName();
  folder_ = root_ / FolderNameForFileSystem();
  std::filesystem::create_directories(folder_);
  // The temporary folder's own path is ASCII on the test machines.
  path_ = FilePathIn(root_.string(), kFolderNameGbk);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ignored);
  std::filesystem::remove_all(root_, ignored);
}

std::string TempFolder::MissingSubfolder() const { return FilePathIn(path_, "missing"); }

std::filesystem::path TempFolder::FsPath(std::string_view name) const { return folder_ / name; }

void TempFolder::Put(std::string_view name, std::string_view bytes) const {
  std::ofstream out(FsPath(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> TempFolder::Get(std::string_view name) const {
  std::ifstream in(FsPath(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

bool TempFolder::Has(std::string_view name) const {
  std::error_code ignored;
  return std::filesystem::exists(FsPath(name), ignored);
}

bool TempFolder::MakeUnwritable() const {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace, error);
  if (error) return false;
  std::filesystem::path probe = FsPath("probe");
  bool stillWritable = std::ofstream(probe).is_open();
  if (stillWritable) {
    fs::remove(probe, error);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
  }
  return !stillWritable;
}

void TempFolder::MakeFolder(std::string_view name) const { std::filesystem::create_directory(FsPath(name)); }

}  // namespace cw::test
