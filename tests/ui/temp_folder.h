// A scratch program folder for tests: created fresh under the system's temporary
// folder, with Chinese characters and a blank in its name so that GBK paths are
// exercised, and removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cw::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder as the program's code takes it: GBK text, no trailing separator.
  const std::string& Path() const { return path_; }
  // A folder inside this one that does not exist.
  std::string MissingSubfolder() const;

  // Direct file access for setting up and checking, independent of the code under
  // test. Names are ASCII.
  std::filesystem::path FsPath(std::string_view name) const;
  void Put(std::string_view name, std::string_view bytes) const;
  std::optional<std::string> Get(std::string_view name) const;
  bool Has(std::string_view name) const;
  void MakeFolder(std::string_view name) const;

  // Takes away the right to create, replace or delete files in the folder. False
  // (and nothing changed) where that does not stop this process, for instance when
  // it runs with administrator rights.
  bool MakeUnwritable() const;

 private:
  std::filesystem::path root_;    // the unique folder that is removed at the end
  std::filesystem::path folder_;  // the program folder inside it
  std::string path_;
};

}  // namespace cw::test
